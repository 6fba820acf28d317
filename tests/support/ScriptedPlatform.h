#pragma once

#include "clock/Clock.h"
#include "ui/Platform.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

// A platform for tests: installs itself while it lives, answers every dialog
// from a queue of scripted answers and records everything it was asked to show.
// A dialog with no matching answer queued is recorded as unanswered and
// cancelled, so a test can assert that nothing unexpected popped up.
class ScriptedPlatform : public Platform
{
public:
    struct Shown
    {
        QString kind; // "question", "choice", "message", "open", "save", "print",
                      // "printerSetup", "font", "color", "dialog", "preview" (text:
                      // the number of pages)
        QString caption;
        QString text;
    };

    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Answers, taken in the order they were queued.
    void answerYes();
    void answerNo();
    // The question with named buttons answered by the button of this text
    // (access letters left out).
    void chooseButton(const QString& text);
    void chooseFile(const QString& path);
    void cancelDialog();
    void printToPdf(const QString& pdfPath);
    // The font dialog closed with OK on `font` and `color` (invalid: the
    // preset colour); cancelDialog() closes it with Cancel.
    void chooseFont(const QFont& font, const QColor& color = QColor());
    void chooseColor(const QColor& color);
    // Runs `script` on one of our own modal dialogs; it should accept or reject it.
    void runDialog(std::function<void(QDialog&)> script);

    bool allAnswersUsed() const { return m_answers.empty(); }
    QStringList unanswered() const { return m_unanswered; }

    QList<Shown> shown;
    QList<FileRequest> fileRequests;
    QList<int> helpTopics;
    QList<FontChoice> fontPresets;
    // The face the font dialog shows when its preset names none.
    QString fontDialogFace = QStringLiteral("DejaVu Sans");
    int beeps = 0;
    // The sounds asked for, each with the steady clock's time then.
    struct PlayedSound
    {
        Sound sound;
        Clock::SteadyTime at;
    };
    QList<PlayedSound> sounds;
    bool soundOutput = true; // false: there is none to play on
    QList<bool> screenSaverCalls;
    // The buttons of the last question with named buttons, the default first.
    QStringList choiceButtons;
    // Texts of the message and question boxes, in order.
    QStringList messages() const;

    // The facts of the machine.
    bool firstRun = false;
    QMap<QString, QStringList> recent; // the lists of recent documents by name
    QSize screen{1024, 768};
    QDate todayDate{2026, 12, 8};
    LocaleFormats formats;

    bool askYesNo(const QString& caption, const QString& text) override;
    int askChoice(const QString& caption, const QString& text, const QStringList& buttons,
                  int defaultButton) override;
    void showMessage(const QString& caption, const QString& text, Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    bool runPrintDialog(QPrinter& printer, QWidget* parent) override;
    bool runPrinterSetup(QPrinter& printer, QWidget* parent) override;
    void runPrintPreview(QPrinter& printer, const QString& caption,
                         const std::function<void(QPrinter&)>& paint, QWidget* parent) override;
    FontChoice chooseFont(const FontChoice& initial, QWidget* parent) override;
    std::optional<QColor> chooseColor(const QColor& initial, QWidget* parent) override;
    int runModal(QDialog& dialog) override;
    void showHelp(int context) override;
    void beep() override;
    bool playSound(Sound sound) override;
    void inhibitScreenSaver(bool on) override;
    bool isFirstRun() override;
    void clearFirstRun() override;
    QStringList recentDocuments(const QString& list) override;
    void setRecentDocuments(const QString& list, const QStringList& paths) override;
    QSize screenSize() override;
    QDate today() override;
    LocaleFormats localeFormats() override;

private:
    struct Yes
    {
    };
    struct No
    {
    };
    struct Cancel
    {
    };
    struct Button
    {
        QString text;
    };
    struct File
    {
        QString path;
    };
    struct Pdf
    {
        QString path;
    };
    using DialogScript = std::function<void(QDialog&)>;
    struct Font
    {
        QFont font;
        QColor color;
    };
    using Answer = std::variant<Yes, No, Cancel, Button, File, Pdf, Font, QColor, DialogScript>;

    // The next answer when it is of type T; otherwise the call is recorded as
    // unanswered and nothing is taken.
    template <typename T> std::optional<T> take(const QString& what);
    bool takeCancel();

    std::deque<Answer> m_answers;
    QStringList m_unanswered;
    Platform* m_previous = nullptr;
};
