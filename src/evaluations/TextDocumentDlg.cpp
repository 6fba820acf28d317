#include "evaluations/TextDocumentDlg.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "evaluations/TextDocumentPrintout.h"
#include "formats/CalendarDate.h"
#include "formats/DocumentPath.h"
#include "recovery/DocumentRecovery.h"
#include "report/Printout.h"
#include "report/PrintoutCommands.h"
#include "ui/AnnouncementsBox.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/FieldText.h"
#include "ui/FocusTracker.h"
#include "ui/Platform.h"
#include "ui/RecentDocuments.h"
#include "ui/SaveFailure.h"
#include "ui/WindowModes.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int FieldHeight = 21;

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* addLabel(QWidget* parent, std::string_view text, QPoint at, QWidget* buddy)
{
    auto* label = new QLabel(qt(text), parent);
    label->move(at);
    label->adjustSize();
    label->setBuddy(buddy);
    return label;
}

} // namespace

TextDocumentDlg::TextDocumentDlg(const TextDocumentKind& kind, QWidget* parent)
    : QDialog(parent), m_kind(kind)
{
    setObjectName(qt(kind.dateFieldName) + QStringLiteral("Dlg"));
    setWindowTitle(qt(kind.caption));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(kind.clientWidth, kind.clientHeight));
    createControls();
    m_focus = new FocusTracker(this);
    connect(m_focus, &FocusTracker::left, this, &TextDocumentDlg::focusLeft);
    m_recovery =
        new DocumentRecovery(*this, std::string(kind.extension), [this](ProfileBatch& copy) {
            WriteTextDocumentKeys(copy, m_kind, fromFields());
        });
    // Ending the program closes the window as its close box would.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            close();
    });
}

TextDocumentDlg::~TextDocumentDlg()
{
    // Children about to go move the focus; nothing of this window may react.
    delete m_focus;
}

void TextDocumentDlg::createControls()
{
    m_date = new QLineEdit(this);
    m_date->setObjectName(qt(m_kind.dateFieldName));
    m_date->setGeometry(8, 24, 113, FieldHeight);
    addLabel(this, m_kind.dateLabel, {8, 8}, m_date);

    m_opponent = new QLineEdit(this);
    m_opponent->setObjectName(QStringLiteral("Opponent"));
    m_opponent->setGeometry(136, 24, 193, FieldHeight);
    addLabel(this, "&Opponent", {136, 8}, m_opponent);

    m_text = new AnnouncementsBox(this);
    m_text->setObjectName(qt(m_kind.textFieldName));
    m_text->setGeometry(8, 76, 321, 189);
    addLabel(this, m_kind.textLabel, {8, 60}, m_text);

    QPushButton* ok = addButton("OkBtn", QStringLiteral("OK"), 8, &TextDocumentDlg::CmOk);
    ok->setDefault(true);
    m_cancelBtn = addButton("CancelBtn", QStringLiteral("Cancel"), 40, &TextDocumentDlg::CmCancel);
    AddPrintoutCommands(
        addButton("PrintBtn", QStringLiteral("P&rint"), 72, &TextDocumentDlg::CmPrint),
        [this] { return printout(); });
    addButton("HelpBtn", QStringLiteral("&Help"), 104, &TextDocumentDlg::CmHelp);
    // Creation order is the tab order: date, opponent, text, then the buttons.
}

QPushButton* TextDocumentDlg::addButton(const char* name, const QString& text, int top,
                                        void (TextDocumentDlg::*handler)())
{
    QPushButton* button =
        AddCommandButton(this, this, name, text, {m_kind.buttonLeft, top, 75, 25}, handler);
    button->setAutoDefault(false);
    return button;
}

void TextDocumentDlg::setDocument(const QString& path, const QString& folder)
{
    m_path = path;
    m_folder = folder;
}

void TextDocumentDlg::openDocument(const QString& path, const QString& folder)
{
    if (!isVisible()) {
        setDocument(path, folder);
        show();
        return;
    }
    // The next OK must not write the shown text under the chosen name.
    if (!isChanged() || AskConfirm(qt(m_kind.cancelQuestion))) {
        setDocument(path, folder);
        loadDocument(); // in place: the window stays where the coach put it
    }
    raise();
    activateWindow();
}

bool TextDocumentDlg::isChanged() const
{
    return m_date->isModified() || m_opponent->isModified() || m_text->document()->isModified();
}

void TextDocumentDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CmShow();
}

void TextDocumentDlg::CmShow()
{
    RestoreWindowPos(this, m_kind.positionSection);
    loadDocument();
}

void TextDocumentDlg::loadDocument()
{
    NoteRecentDocument(qt(m_kind.recentList), m_path);
    m_readState.remember(m_path);
    const TextDocument document = LoadTextDocument(m_path.toStdString(), m_kind);
    if (IsNewDocument(document)) {
        const LocaleFormats formats = Platform::instance().localeFormats();
        const QDate today = Platform::instance().today();
        TextDocument fresh;
        fresh.date =
            FormatShortDate(CalendarDate{today.year(), today.month(), today.day()}, formats);
        showInFields(fresh);
        focusOn(m_date);
    } else {
        showInFields(document);
        focusOn(m_text);
    }
    m_recovery->showsStored(m_path.toStdString(), m_readState.read());
}

void TextDocumentDlg::recover(const RecoveryCopy& copy)
{
    showInFields(LoadTextDocument(copy.file, m_kind));
    m_date->setModified(true);
    m_path = QString::fromStdString(copy.originalPath);
    m_folder = QString::fromStdString(FolderOfPath(copy.originalPath));
    m_readState.remember(copy.originalPath, copy.original);
    m_recovery->showsRecovered(copy);
}

void TextDocumentDlg::showInFields(const TextDocument& document)
{
    FillField(m_date, qt(document.date));
    FillField(m_opponent, qt(document.team));
    m_text->setLines(document.lines);
    m_date->setModified(false);
    m_opponent->setModified(false);
    m_text->document()->setModified(false);
    m_text->moveCursor(QTextCursor::Start);
}

// The document as the file will give it back; the fields show it so too.
TextDocument TextDocumentDlg::fromFields()
{
    return TextDocument{TakeStoredText(m_date).toStdString(),
                        TakeStoredText(m_opponent).toStdString(), StoredLines(m_text->lines())};
}

void TextDocumentDlg::focusOn(QWidget* widget)
{
    m_focus->startAt(widget);
    widget->setFocus();
}

void TextDocumentDlg::focusLeft(QWidget* widget)
{
    if (widget == m_date)
        OnExitDateField();
}

void TextDocumentDlg::OnExitDateField()
{
    // The coach can always cancel, whatever the date field holds.
    if (QApplication::focusWidget() == m_cancelBtn)
        return;
    const LocaleFormats formats = Platform::instance().localeFormats();
    const int year = Platform::instance().today().year();
    if (!ParseDate(m_date->text().toStdString(), formats, year)) {
        ShowError(qt(InvalidDateMessage));
        m_date->setFocus();
    }
}

bool TextDocumentDlg::dateAllowsSaving()
{
    const std::string date = m_date->text().toStdString();
    const LocaleFormats formats = Platform::instance().localeFormats();
    switch (CheckDocumentDate(date, formats, Platform::instance().today().year())) {
    case DateProblem::None:
        return true;
    case DateProblem::Empty:
        ShowError(qt(m_kind.noDateMessage));
        m_date->setFocus();
        return false;
    case DateProblem::Invalid:
        ShowError(qt(NotValidDateMessage(date)));
        return false;
    }
    return false;
}

std::optional<QString> TextDocumentDlg::chooseSavePath()
{
    Platform::FileRequest request;
    request.title = qt(m_kind.saveTitle);
    request.filter = qt(m_kind.saveFilter);
    request.defaultSuffix = qt(m_kind.extension);
    request.initialFolder = m_folder;
    request.fileName = m_path;
    request.askOverwrite = false;
    const std::optional<QString> chosen = Platform::instance().saveFileName(request);
    if (!chosen)
        return std::nullopt;
    return qt(WithDefaultExtension(chosen->toStdString(), m_kind.extension));
}

void TextDocumentDlg::CmOk()
{
    const TextDocument document = fromFields();
    if (!dateAllowsSaving())
        return;
    const std::optional<QString> path = chooseSavePath();
    if (!path || !m_readState.mayReplace(*path))
        return;
    if (!SaveTextDocument(path->toStdString(), m_kind, document)) {
        ShowNotWritten(*path, qt(m_kind.notSavedMessage));
        return;
    }
    NoteRecentDocument(qt(m_kind.recentList), *path);
    accept();
}

void TextDocumentDlg::CmCancel()
{
    if (AskConfirm(qt(m_kind.cancelQuestion)))
        reject();
}

void TextDocumentDlg::CmPrint()
{
    PrintPrintout(printout(), this);
}

Printout TextDocumentDlg::printout()
{
    const TextDocument shown = fromFields();
    const TextDocumentKind& kind = m_kind;
    const QString name = QFileInfo(m_path).completeBaseName();
    return {{{kind.printout,
              [&kind, shown](ReportPage& page) { PrintTextDocumentRows(page, kind, shown); }}},
            name.isEmpty() ? qt(kind.caption) : name,
            m_folder};
}

void TextDocumentDlg::CmHelp()
{
    ShowHelpTopic(m_kind.helpTopic);
}

void TextDocumentDlg::done(int result)
{
    CmClose();
    QDialog::done(result);
}

void TextDocumentDlg::CmClose()
{
    m_recovery->discard(); // saved, or given up
    m_readState.forget();
    m_path.clear();
    SaveWindowPos(this, m_kind.positionSection);
}

// Escape asks as the Cancel button does rather than dropping the edits.
void TextDocumentDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CmCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}
