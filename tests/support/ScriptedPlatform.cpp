#include "ScriptedPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

ScriptedPlatform::ScriptedPlatform()
{
    m_previous = Platform::install(this);
}

ScriptedPlatform::~ScriptedPlatform()
{
    Platform::install(m_previous);
}

void ScriptedPlatform::answerYes()
{
    m_answers.emplace_back(Yes{});
}
void ScriptedPlatform::answerNo()
{
    m_answers.emplace_back(No{});
}
void ScriptedPlatform::chooseButton(const QString& text)
{
    m_answers.emplace_back(Button{text});
}
void ScriptedPlatform::chooseFile(const QString& path)
{
    m_answers.emplace_back(File{path});
}
void ScriptedPlatform::cancelDialog()
{
    m_answers.emplace_back(Cancel{});
}
void ScriptedPlatform::printToPdf(const QString& pdfPath)
{
    m_answers.emplace_back(Pdf{pdfPath});
}
void ScriptedPlatform::chooseFont(const QFont& font, const QColor& color)
{
    m_answers.emplace_back(Font{font, color});
}
void ScriptedPlatform::chooseColor(const QColor& color)
{
    m_answers.emplace_back(color);
}

void ScriptedPlatform::runDialog(std::function<void(QDialog&)> script)
{
    m_answers.emplace_back(DialogScript(std::move(script)));
}

QStringList ScriptedPlatform::messages() const
{
    QStringList texts;
    for (const Shown& entry : shown) {
        if (entry.kind == QLatin1String("message") || entry.kind == QLatin1String("question") ||
            entry.kind == QLatin1String("choice"))
            texts << entry.text;
    }
    return texts;
}

template <typename T> std::optional<T> ScriptedPlatform::take(const QString& what)
{
    if (!m_answers.empty() && std::holds_alternative<T>(m_answers.front())) {
        T answer = std::get<T>(m_answers.front());
        m_answers.pop_front();
        return answer;
    }
    m_unanswered << what;
    return std::nullopt;
}

bool ScriptedPlatform::takeCancel()
{
    if (!m_answers.empty() && std::holds_alternative<Cancel>(m_answers.front())) {
        m_answers.pop_front();
        return true;
    }
    return false;
}

bool ScriptedPlatform::askYesNo(const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("question"), caption, text});
    if (!m_answers.empty() && std::holds_alternative<Yes>(m_answers.front())) {
        m_answers.pop_front();
        return true;
    }
    take<No>(QStringLiteral("question: ") + text);
    return false;
}

int ScriptedPlatform::askChoice(const QString& caption, const QString& text,
                                const QStringList& buttons, int defaultButton)
{
    shown.append({QStringLiteral("choice"), caption, text});
    QStringList plain = buttons;
    plain.replaceInStrings(QStringLiteral("&"), QString());
    choiceButtons = plain;
    if (defaultButton >= 0 && defaultButton < plain.size())
        choiceButtons.move(defaultButton, 0);
    const auto answer = take<Button>(QStringLiteral("choice: ") + text);
    return answer ? static_cast<int>(plain.indexOf(answer->text)) : -1;
}

void ScriptedPlatform::showMessage(const QString& caption, const QString& text, Icon)
{
    shown.append({QStringLiteral("message"), caption, text});
}

std::optional<QString> ScriptedPlatform::openFileName(const FileRequest& request)
{
    shown.append({QStringLiteral("open"), request.title, request.fileName});
    fileRequests.append(request);
    if (takeCancel())
        return std::nullopt;
    if (const auto file = take<File>(QStringLiteral("open: ") + request.title))
        return file->path;
    return std::nullopt;
}

std::optional<QString> ScriptedPlatform::saveFileName(const FileRequest& request)
{
    shown.append({QStringLiteral("save"), request.title, request.fileName});
    fileRequests.append(request);
    if (takeCancel())
        return std::nullopt;
    if (const auto file = take<File>(QStringLiteral("save: ") + request.title))
        return file->path;
    return std::nullopt;
}

bool ScriptedPlatform::runPrintDialog(QPrinter& printer, QWidget*)
{
    shown.append({QStringLiteral("print"), QString(), QString()});
    if (takeCancel())
        return false;
    const auto pdf = take<Pdf>(QStringLiteral("print"));
    if (!pdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf->path);
    return true;
}

bool ScriptedPlatform::runPrinterSetup(QPrinter&, QWidget*)
{
    shown.append({QStringLiteral("printerSetup"), QString(), QString()});
    if (takeCancel())
        return false;
    return take<Yes>(QStringLiteral("printer setup")).has_value();
}

// The pages are made by Qt's own preview, which is then closed unseen.
void ScriptedPlatform::runPrintPreview(QPrinter& printer, const QString& caption,
                                       const std::function<void(QPrinter&)>& paint, QWidget*)
{
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.updatePreview();
    shown.append({QStringLiteral("preview"), caption, QString::number(preview.pageCount())});
}

Platform::FontChoice ScriptedPlatform::chooseFont(const FontChoice& initial, QWidget*)
{
    shown.append({QStringLiteral("font"), QString(), initial.font.family()});
    fontPresets.append(initial);
    FontChoice shownChoice = initial;
    if (shownChoice.font.family().isEmpty())
        shownChoice.font.setFamily(fontDialogFace);
    if (takeCancel())
        return shownChoice;
    const auto answer = take<Font>(QStringLiteral("font"));
    if (!answer)
        return shownChoice;
    shownChoice.font = answer->font;
    if (answer->color.isValid())
        shownChoice.color = answer->color;
    shownChoice.accepted = true;
    return shownChoice;
}

std::optional<QColor> ScriptedPlatform::chooseColor(const QColor&, QWidget*)
{
    shown.append({QStringLiteral("color"), QString(), QString()});
    if (takeCancel())
        return std::nullopt;
    return take<QColor>(QStringLiteral("color"));
}

int ScriptedPlatform::runModal(QDialog& dialog)
{
    shown.append({QStringLiteral("dialog"), dialog.windowTitle(), dialog.objectName()});
    const auto script = take<DialogScript>(QStringLiteral("dialog: ") + dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    if (!script)
        return QDialog::Rejected;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::processEvents();
    (*script)(dialog);
    if (dialog.isVisible()) {
        m_unanswered << QStringLiteral("dialog left open: ") + dialog.windowTitle();
        dialog.reject();
    }
    return dialog.result();
}

void ScriptedPlatform::showHelp(int context)
{
    helpTopics.append(context);
}
void ScriptedPlatform::beep()
{
    ++beeps;
}

bool ScriptedPlatform::playSound(Sound sound)
{
    sounds.append({sound, Clock::instance().steadyNow()});
    return soundOutput;
}

void ScriptedPlatform::inhibitScreenSaver(bool on)
{
    screenSaverCalls.append(on);
}
bool ScriptedPlatform::isFirstRun()
{
    return firstRun;
}
void ScriptedPlatform::clearFirstRun()
{
    firstRun = false;
}
QStringList ScriptedPlatform::recentDocuments(const QString& list)
{
    return recent.value(list);
}
void ScriptedPlatform::setRecentDocuments(const QString& list, const QStringList& paths)
{
    recent[list] = paths;
}
QSize ScriptedPlatform::screenSize()
{
    return screen;
}
QDate ScriptedPlatform::today()
{
    return todayDate;
}
LocaleFormats ScriptedPlatform::localeFormats()
{
    return formats;
}
