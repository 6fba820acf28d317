#pragma once

#include "recovery/ChangedElsewhere.h"

#include <QDialog>

class PlayersListWidget;
class QLineEdit;
class QListWidget;

// The players list: the roster from players.db, sorted without regard to
// letter case, with Add and Delete, the coach's ratings (ratings.db), and the
// import and export of the list as a file. Only the Close button saves;
// closing by the title bar abandons the changes. Its position is kept under
// "Players".
class TPlayersDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPlayersDlg(QWidget* parent = nullptr);
    ~TPlayersDlg() override;

    // Shown beside the other windows, as the main frame's command does.
    void showModeless();
    // Runs modally, as the first-time setup does; refused with an error box
    // while the window is already open. Returns the result code.
    int showModal();

    QListWidget* playersList() const;
    QLineEdit* playerName() const { return m_playerName; }

    // Stores the window position however the window closes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void CmShowForm();
    void CmAdd();
    void CmDelete();
    void CmCloseBtnClicked();
    void CmClose();
    void CmHelp();
    void CmImport();
    void CmExport();

    bool saveList();
    // The folder of the last import or export, else the documents' folder.
    QString transferFolder() const;
    void keepFolder(const QString& path);

    QLineEdit* m_playerName = nullptr;
    PlayersListWidget* m_playersList = nullptr;
    QString m_transferFolder;
    ChangedElsewhere m_readState;
};
