#include "recovery/DocumentVersionSetting.h"

#include "store/PreviousVersions.h"
#include "ui/UserSettings.h"

#include <QSettings>

namespace {

const QString Key = QStringLiteral("KeepPreviousVersion");

} // namespace

namespace DocumentVersionSetting {

bool isOn()
{
    return OpenUserSettings()->value(Key, false).toBool();
}

void set(bool on)
{
    OpenUserSettings()->setValue(Key, on);
    PreviousVersions::setDocumentVersions(on);
}

void apply()
{
    PreviousVersions::setDocumentVersions(isOn());
}

} // namespace DocumentVersionSetting
