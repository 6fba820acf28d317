#pragma once

#include <QDialog>
#include <vector>

class QComboBox;
class QString;

// The practice teams selector: the coach enters a number of players per team
// and OK opens that team set's window; Print All and Reset All act on all ten
// sets. Created once and shown beside the other windows.
class TTeamDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TTeamDlg(QWidget* parent = nullptr);
    ~TTeamDlg() override;

    // Shows the selector, or brings it forward when it is open already.
    void showModeless();

    QComboBox* playerCbo() const { return m_playerCbo; }

    // One print dialog, then each set that has a placed player, 2 to 11
    // players in order: a job each on a printer, one document in a file.
    // Returns the team sizes printed.
    std::vector<int> PrintAllSets();
    // Every set emptied and written, 2 to 11 players in order, without a
    // question. Returns the sets that could not be written, as their windows'
    // messages and files.
    struct ResetFailure
    {
        QString message;
        QString path;
    };
    std::vector<ResetFailure> ResetAllSets();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void FormShow();
    void OkBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();
    void PrintAllBtnClick();
    void ResetAllClick();

    QComboBox* m_playerCbo = nullptr;
    bool m_placed = false;
};
