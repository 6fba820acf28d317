#pragma once

#include "formats/LocaleFormats.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Every call that blocks or reaches outside the program: message boxes, the
// common dialogs, our own modal dialogs, help, the beep and the facts of the
// machine. Windows never call QMessageBox, QFileDialog and the like directly,
// so tests can install a scripted platform that answers from a queue.
class Platform
{
public:
    enum class Icon
    {
        Information,
        Question,
        Warning,
        Critical
    };

    // The sounds of a practice run, made by the program itself.
    enum class Sound
    {
        Chime,  // the next activity starts
        Warning // a minute left
    };

    struct FileRequest
    {
        QString title;
        QString filter;        // "Practice Plan Files (*.pln)"
        QString initialFolder; // empty: the dialog's own choice
        QString fileName;      // "*.pln" or a full path
        QString defaultSuffix; // "pln"
        // Save dialog: ask before replacing an existing file.
        bool askOverwrite = true;
    };

    // What the font dialog shows: face, bold, italic and the text colour.
    struct FontChoice
    {
        QFont font; // a font without a family leaves the dialog its own face
        QColor color;
        bool accepted = false; // closed with OK
    };

    virtual ~Platform() = default;

    static Platform& instance();
    // Installs `platform` (not owned) and returns the one it replaces.
    static Platform* install(Platform* platform);

    // A modal Yes/No box; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // A modal question answered by one of `buttons` (access letters marked
    // with "&"); Enter takes the one at `defaultButton`, Esc none. Returns
    // the index of the button pressed, -1 when the box went without one.
    virtual int askChoice(const QString& caption, const QString& text, const QStringList& buttons,
                          int defaultButton) = 0;
    virtual void showMessage(const QString& caption, const QString& text, Icon icon) = 0;

    // The chosen full path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFileName(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest& request) = 0;

    // Runs the print dialog on `printer`; false when cancelled.
    virtual bool runPrintDialog(QPrinter& printer, QWidget* parent) = 0;
    virtual bool runPrinterSetup(QPrinter& printer, QWidget* parent) = 0;
    // The print preview of the pages `paint` draws on the printer it is given:
    // the preview's own, or `printer` when the preview's Print button is used.
    virtual void runPrintPreview(QPrinter& printer, const QString& caption,
                                 const std::function<void(QPrinter&)>& paint, QWidget* parent) = 0;
    // The font dialog for Western faces at size 8, effects and colour shown.
    // Gives back what it shows when it closes, whether by OK or by Cancel:
    // after Cancel that is the preset, with the dialog's face where the preset
    // named none.
    virtual FontChoice chooseFont(const FontChoice& initial, QWidget* parent) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial, QWidget* parent) = 0;

    // Runs one of our own dialogs modally and returns its result code.
    virtual int runModal(QDialog& dialog) = 0;

    virtual void showHelp(int context) = 0;
    virtual void beep() = 0;
    // Plays `sound` at the system's volume without waiting for it; false when
    // there is no sound output to play it on.
    virtual bool playSound(Sound sound) = 0;
    // Keeps the screen from blanking while any caller holds it on; each
    // call with true is matched by one with false. Without a screensaver
    // service nothing happens.
    virtual void inhibitScreenSaver(bool on) = 0;

    // The first-run flag in the per-user settings store; cleared for good.
    virtual bool isFirstRun() = 0;
    virtual void clearFirstRun() = 0;
    // The lists of recently used documents in the same settings, by name
    // ("Plans"), the most recent first.
    virtual QStringList recentDocuments(const QString& list) = 0;
    virtual void setRecentDocuments(const QString& list, const QStringList& paths) = 0;

    virtual QSize screenSize() = 0;
    virtual QDate today() = 0;
    virtual LocaleFormats localeFormats() = 0;
};
