#include "ui/QtPlatform.h"

#include "ui/HelpWindow.h"
#include "ui/LocaleFormatsOf.h"
#include "ui/ScreenSaverInhibitor.h"
#include "ui/SoundPlayer.h"
#include "ui/UserSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <memory>

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

constexpr int FontDialogPoints = 8;

// The sixteen colours a font's effects offer.
const struct
{
    const char* name;
    QRgb rgb;
} fontColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon colorSwatch(const QColor& color)
{
    QPixmap swatch(24, 12);
    swatch.fill(color);
    return QIcon(swatch);
}

// A colour list below the effects of Qt's font dialog, preset to `initial`
// (listed as "Custom" when it is none of the sixteen).
QComboBox* addColorChoice(QFontDialog& dialog, const QColor& initial)
{
    auto* colors = new QComboBox;
    colors->setObjectName(QStringLiteral("FontColorCbo"));
    for (const auto& entry : fontColors)
        colors->addItem(colorSwatch(QColor(entry.rgb)), QString::fromLatin1(entry.name),
                        QColor(entry.rgb));
    int current = colors->findData(initial);
    if (current < 0) {
        colors->addItem(colorSwatch(initial), QStringLiteral("Custom"), initial);
        current = colors->count() - 1;
    }
    colors->setCurrentIndex(current);

    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->findChildren<QCheckBox*>().isEmpty() || !group->layout())
            continue;
        auto* label = new QLabel(QStringLiteral("&Color:"));
        label->setBuddy(colors);
        group->layout()->addWidget(label);
        group->layout()->addWidget(colors);
        return colors;
    }
    colors->setParent(&dialog); // no effects group: the preset colour stays
    colors->hide();
    return colors;
}

// Only faces for Western text, and only the one size: the writing system,
// the size list and the size field are shown, not used.
void lockLatinAndSize(QFontDialog& dialog, QComboBox* colors)
{
    for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
        const int latin = box->findText(QFontDatabase::writingSystemName(QFontDatabase::Latin));
        if (box == colors || latin < 0)
            continue;
        box->setCurrentIndex(latin);
        box->setEnabled(false);
    }
    const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    if (fields.size() == 3)
        fields.at(2)->setEnabled(false);
    if (lists.size() == 3)
        lists.at(2)->setEnabled(false);
}

// The sound player and the screensaver request live as long as the
// application, made on first use.
template <typename T> T& applicationService()
{
    static QPointer<T> service;
    if (!service)
        service = new T;
    service->setParent(qApp);
    return *service;
}

const QString FirstRunKey = QStringLiteral("FirstRun");
const QString RecentGroup = QStringLiteral("RecentDocuments/");

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

int QtPlatform::askChoice(const QString& caption, const QString& text, const QStringList& buttons,
                          int defaultButton)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, dialogParent());
    QList<QAbstractButton*> added;
    for (const QString& button : buttons)
        added << box.addButton(button, QMessageBox::AcceptRole);
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.at(defaultButton)));
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
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
    // A name typed without a suffix takes the one of the file type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& type) {
                         const QRegularExpressionMatch suffix =
                             QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(type);
                         if (suffix.hasMatch() && !dialog.defaultSuffix().isEmpty())
                             dialog.setDefaultSuffix(suffix.captured(1));
                     });
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

void QtPlatform::runPrintPreview(QPrinter& printer, const QString& caption,
                                 const std::function<void(QPrinter&)>& paint, QWidget* parent)
{
    QPrintPreviewDialog dialog(&printer, parent ? parent : dialogParent());
    dialog.setWindowTitle(caption);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    // A page should be readable at first sight: most of the screen's height.
    if (const QScreen* screen = dialog.screen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(area.width() * 3 / 5, area.height() * 9 / 10);
    }
    dialog.exec();
}

Platform::FontChoice QtPlatform::chooseFont(const FontChoice& initial, QWidget* parent)
{
    QFontDialog dialog(parent ? parent : dialogParent());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QFont preset = QApplication::font();
    preset.setFamily(initial.font.family().isEmpty() ? QFontInfo(preset).family()
                                                     : initial.font.family());
    preset.setBold(initial.font.bold());
    preset.setItalic(initial.font.italic());
    preset.setPointSize(FontDialogPoints);
    QComboBox* colors = addColorChoice(dialog, initial.color);
    lockLatinAndSize(dialog, colors);
    dialog.setCurrentFont(preset);

    FontChoice shown = initial;
    shown.accepted = dialog.exec() == QDialog::Accepted;
    if (shown.accepted) {
        shown.font = dialog.selectedFont();
        shown.color = colors->currentData().value<QColor>();
    } else if (initial.font.family().isEmpty()) {
        shown.font.setFamily(preset.family());
    }
    return shown;
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

bool QtPlatform::playSound(Sound sound)
{
    return applicationService<SoundPlayer>().play(sound);
}

void QtPlatform::inhibitScreenSaver(bool on)
{
    applicationService<ScreenSaverInhibitor>().hold(on);
}

bool QtPlatform::isFirstRun()
{
    return OpenUserSettings()->value(FirstRunKey, true).toBool();
}

void QtPlatform::clearFirstRun()
{
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    settings->setValue(FirstRunKey, false);
    settings->sync(); // on disk before anything is shown
}

QStringList QtPlatform::recentDocuments(const QString& list)
{
    return OpenUserSettings()->value(RecentGroup + list).toStringList();
}

void QtPlatform::setRecentDocuments(const QString& list, const QStringList& paths)
{
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    if (paths.isEmpty())
        settings->remove(RecentGroup + list);
    else
        settings->setValue(RecentGroup + list, paths);
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
