#include "app/DocumentOpener.h"

#include "app/TMainForm.h"
#include "ui/DialogServices.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

namespace {

constexpr int ModalRetryMs = 250;

struct DocumentKind
{
    const char* extension;
    // The command that opens a document of this kind in its window.
    void (TMainForm::*open)(const QString& path);
};

constexpr DocumentKind Kinds[] = {
    {"pln", &TMainForm::OpenPlan},
    {"gev", &TMainForm::OpenEvaluation},
    {"rep", &TMainForm::OpenScoutingReport},
};

const DocumentKind* kindOf(const QString& path)
{
    const QString extension = QFileInfo(path).suffix();
    for (const DocumentKind& kind : Kinds) {
        if (extension.compare(QLatin1String(kind.extension), Qt::CaseInsensitive) == 0)
            return &kind;
    }
    return nullptr;
}

QString unknownKindMessage(const QString& path)
{
    return QStringLiteral("Cannot open ") + path +
           QStringLiteral(".  Corvanta opens practice plans (.pln), game evaluations (.gev) and "
                          "scouting reports (.rep).");
}

} // namespace

void OpenDocument(TMainForm& form, const QString& path)
{
    // The windows keep full paths: a document's folder is taken from it.
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const DocumentKind* kind = kindOf(path);
    if (!kind)
        ShowError(unknownKindMessage(fullPath));
    else
        (form.*(kind->open))(fullPath);
}

void OpenDocuments(TMainForm& form, const QStringList& paths)
{
    for (const QString& path : paths)
        OpenDocument(form, path);
}

void OpenHandedOver(TMainForm& form, const QStringList& paths)
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        QTimer::singleShot(ModalRetryMs, &form, [&form, paths] { OpenHandedOver(form, paths); });
        return;
    }
    form.setWindowState((form.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    form.show();
    form.raise();
    form.activateWindow();
    OpenDocuments(form, paths);
}

void ShowWithDocuments(TMainForm& form, const QStringList& paths)
{
    if (!paths.isEmpty()) {
        form.SuppressAutoNewPlan();
        // In place of the new plan, after the welcome and the banner, once
        // the frame is shown: a window opened earlier would end up beneath it.
        QObject::connect(
            &form, &TMainForm::firstShowDone, &form, [&form, paths] { OpenDocuments(form, paths); },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    form.showMaximized();
}
