#include "ui/QtPlatform.h"

#include "ui/HelpWindow.h"
#include "ui/LocaleFormatsOf.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>

namespace {

QMessageBox::Icon messageIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Warning:
        return QMessageBox::Warning;
    case Platform::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

void prepareFileDialog(QFileDialog& dialog, const Platform::FileRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    // A pattern such as "*.pln" only says what to list; a real name is preselected.
    if (!request.fileName.isEmpty() && !request.fileName.contains(QLatin1Char('*')))
        dialog.selectFile(request.fileName);
}

std::optional<QString> runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool QtPlatform::askYesNo(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    dialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    // The question has exactly two answers: neither Esc nor the close box dismisses it.
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showMessage(const QString& caption, const QString& text, Icon icon)
{
    QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

std::optional<QString> QtPlatform::openFileName(const FileRequest& request)
{
    QFileDialog dialog(dialogParent());
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the file need not exist
    return runFileDialog(dialog);
}

std::optional<QString> QtPlatform::saveFileName(const FileRequest& request)
{
    QFileDialog dialog(dialogParent());
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askOverwrite);
    return runFileDialog(dialog);
}

bool QtPlatform::runPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent ? parent : dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::runPrinterSetup(QPrinter& printer, QWidget* parent)
{
    QPageSetupDialog dialog(&printer, parent ? parent : dialogParent());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> QtPlatform::chooseFont(const QFont& initial, QWidget* parent)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent ? parent : dialogParent());
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPlatform::chooseColor(const QColor& initial, QWidget* parent)
{
    const QColor color = QColorDialog::getColor(initial, parent ? parent : dialogParent());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtPlatform::runModal(QDialog& dialog)
{
    return dialog.exec();
}

void QtPlatform::showHelp(int context)
{
    HelpWindow::showTopic(context);
}

void QtPlatform::beep()
{
    QApplication::beep();
}

bool QtPlatform::isFirstRun()
{
    return QSettings().value(QStringLiteral("FirstRun"), true).toBool();
}

void QtPlatform::clearFirstRun()
{
    QSettings().setValue(QStringLiteral("FirstRun"), false);
}

QSize QtPlatform::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

LocaleFormats QtPlatform::localeFormats()
{
    return LocaleFormatsOf(QLocale::system());
}
