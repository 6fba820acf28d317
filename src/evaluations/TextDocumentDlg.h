#pragma once

#include "recovery/ChangedElsewhere.h"

#include <QDialog>
#include <optional>

class AnnouncementsBox;
class DocumentRecovery;
struct RecoveryCopy;
class FocusTracker;
class QLineEdit;
class QPushButton;
struct Printout;
struct TextDocument;
struct TextDocumentKind;

// The window of a free-text document (a game evaluation or a scouting
// report): a date, an opponent or team and lines of text, edited, saved on OK
// and printed. The kind's row gives every text, key and place that differs.
// It loads its document each time it is shown and writes it only on OK.
class TextDocumentDlg : public QDialog
{
    Q_OBJECT

public:
    TextDocumentDlg(const TextDocumentKind& kind, QWidget* parent);
    ~TextDocumentDlg() override;

    const TextDocumentKind& kind() const { return m_kind; }

    // The document to load when the window is next shown; the file need not
    // exist. Its folder is where the save dialog starts.
    void setDocument(const QString& path, const QString& folder);
    QString documentPath() const { return m_path; }
    QString documentFolder() const { return m_folder; }

    // Shows the window beside the others with the document at `path`. While
    // it already shows a document with unsaved edits, it asks first; on No
    // the shown document, and its path, stay.
    void openDocument(const QString& path, const QString& folder);

    // Edited since it was loaded.
    bool isChanged() const;

    // Shows the document kept in a recovery copy in place of the one shown,
    // bound to its original path and changed.
    void recover(const RecoveryCopy& copy);
    DocumentRecovery* recovery() const { return m_recovery; }

    // Every way of closing ends here: the path is forgotten and the position kept.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    QPushButton* addButton(const char* name, const QString& text, int top,
                           void (TextDocumentDlg::*handler)());
    void CmShow();
    void OnExitDateField();
    void CmOk();
    void CmCancel();
    void CmPrint();
    Printout printout();
    void CmHelp();
    void CmClose();
    void focusLeft(QWidget* widget);

    void loadDocument();
    void showInFields(const TextDocument& document);
    TextDocument fromFields();
    bool dateAllowsSaving();
    std::optional<QString> chooseSavePath();
    void focusOn(QWidget* widget);

    const TextDocumentKind& m_kind;
    QString m_path;
    QString m_folder;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_opponent = nullptr;
    AnnouncementsBox* m_text = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    FocusTracker* m_focus = nullptr;
    DocumentRecovery* m_recovery = nullptr;
    ChangedElsewhere m_readState;
};
