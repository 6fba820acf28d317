#include "ui/WindowModes.h"

#include "ui/DialogServices.h"
#include "ui/Platform.h"

#include <QDialog>

void ShowModeless(QDialog& window)
{
    if (window.isVisible()) {
        window.raise();
        window.activateWindow();
        return;
    }
    window.setWindowModality(Qt::NonModal);
    window.show();
}

int ShowModal(QDialog& window)
{
    if (window.isVisible()) {
        ShowApplicationError(QStringLiteral("Cannot make a visible window modal"));
        return QDialog::Rejected;
    }
    return Platform::instance().runModal(window);
}

void SetDialogFrame(QDialog& window, const QSize& clientSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(clientSize);
}
