#include "ui/DialogServices.h"

#include "settings/GeneralSettings.h"
#include "store/ProfileStore.h"
#include "ui/Platform.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int NoPosition = -100;
QPointer<QWidget> mainWindow;

QColor toQColor(int stored)
{
    const GeneralSettings::Rgb rgb = GeneralSettings::colorFromStored(stored);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// One axis of the default placement: pushed back onto the screen, then never
// beyond its start.
int keepOnScreen(int start, int extent, int screenExtent)
{
    if (start + extent > screenExtent)
        start = screenExtent - extent;
    return start < 0 ? 0 : start;
}

// Positions are those of the window's frame. A window manager draws the frame
// only once the window is on the screen, so before then Qt cannot know it and
// would put the inside at the point: the window system is asked to put the
// frame's corner there instead.
void placeFrame(QWidget* window, const QPoint& corner)
{
    window->move(corner);
    if (QWindow* handle = window->windowHandle())
        handle->setFramePosition(corner);
}

} // namespace

bool AskConfirm(const QString& text)
{
    return Platform::instance().askYesNo(QStringLiteral("Confirm"), text);
}

void ShowError(const QString& text)
{
    Platform::instance().beep();
    Platform::instance().showMessage(QStringLiteral("Error"), text, Platform::Icon::Warning);
}

void ShowApplicationError(const QString& text)
{
    Platform::instance().showMessage(ApplicationTitle(), text, Platform::Icon::Critical);
}

QString ApplicationTitle()
{
    return QStringLiteral("Corvanta");
}

void RestoreWindowPos(QWidget* window, const char* section)
{
    const int x = ReadProfileInt(GeneralSettings::File, section, "X", NoPosition, -1, true);
    const int y = ReadProfileInt(GeneralSettings::File, section, "Y", NoPosition, -1, true);
    const QSize screen = Platform::instance().screenSize();
    const QSize size = window->frameGeometry().size();
    const QRect main = mainWindow ? mainWindow->frameGeometry() : QRect();

    const int left = x != NoPosition ? x : keepOnScreen(main.left(), size.width(), screen.width());
    const int top = y != NoPosition
                        ? y
                        : keepOnScreen(main.top() + main.height(), size.height(), screen.height());
    placeFrame(window, QPoint(left, top));
}

void SaveWindowPos(const QWidget* window, const char* section)
{
    WriteProfileInt(GeneralSettings::File, section, "X", window->x(), -1, true);
    WriteProfileInt(GeneralSettings::File, section, "Y", window->y(), -1, true);
}

void ShowHelpTopic(int context)
{
    Platform::instance().showHelp(context);
}

void LoadTeamBanner(QLabel* label, int points)
{
    const GeneralSettings::TeamBanner banner = GeneralSettings::readTeamBanner();
    if (banner.name.empty())
        return;
    label->setText(QString::fromStdString(banner.name));

    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(banner.backgroundColor));
    palette.setColor(QPalette::WindowText, toQColor(banner.textColor));
    label->setAutoFillBackground(true);
    label->setPalette(palette);

    QFont font = label->font();
    if (!banner.fontName.empty())
        font.setFamily(QString::fromStdString(banner.fontName));
    font.setPointSize(points);
    font.setBold(banner.fontStyle & GeneralSettings::StyleBold);
    font.setItalic(banner.fontStyle & GeneralSettings::StyleItalic);
    label->setFont(font);
}

void SetMainWindow(QWidget* window)
{
    mainWindow = window;
}

QWidget* MainWindow()
{
    return mainWindow;
}
