#include "ui/UserSettings.h"

#include <QSettings>

std::unique_ptr<QSettings> OpenUserSettings()
{
    const QString file = qEnvironmentVariable("CORVANTA_SETTINGS");
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Corvanta"),
                                       QStringLiteral("Corvanta"));
}
