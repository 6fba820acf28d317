#include "evaluations/DocumentChooser.h"

#include "evaluations/TextDocumentKind.h"
#include "formats/DocumentPath.h"
#include "settings/GeneralSettings.h"
#include "ui/Platform.h"

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<QString> ChooseTextDocument(const TextDocumentKind& kind)
{
    const std::string folderKey(kind.folderKey);

    Platform::FileRequest request;
    request.title = qt(kind.openTitle);
    request.filter = qt(kind.openFilter);
    request.defaultSuffix = qt(kind.extension);
    request.fileName = QStringLiteral("*.") + qt(kind.extension);
    // Empty: the dialog's own choice of folder.
    request.initialFolder = QString::fromStdString(GeneralSettings::readText(folderKey));
    const std::optional<QString> chosen = Platform::instance().openFileName(request);
    if (!chosen)
        return std::nullopt;
    const std::string folder = FolderOfPath(chosen->toStdString());
    GeneralSettings::writeText(folderKey, folder);
    return chosen;
}
