#pragma once

#include "recovery/ChangedElsewhere.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class PrintSeries;
class QMimeData;
class QTabWidget;
class TeamFillControls;
class TeamListWidget;
class TeamMgr;
struct Printout;
struct TeamWindowShape;

// A team set window: the set for one team size, its teams on tabs, the
// unassigned players down the left, players moved by drag and drop. It loads
// its set when created and again whenever it is shown, and writes it on OK
// and Reset. The ten sizes are one class fed by their TeamWindowShape.
class TTeams : public QDialog
{
    Q_OBJECT

public:
    // `playersPerTeam` from 2 to 11.
    explicit TTeams(int playersPerTeam, QWidget* owner = nullptr);
    ~TTeams() override;

    const TeamWindowShape& shape() const { return m_shape; }
    std::string fileName() const;

    QLineEdit* description() const { return m_description; }
    TeamListWidget* playersList() const { return m_playersList; }
    QTabWidget* pageControl() const { return m_pageControl; }
    // Team n counts from 1.
    QLineEdit* teamEdit(int team) const { return m_teamEdits.at(team - 1); }
    TeamListWidget* teamList(int team) const { return m_teamLists.at(team - 1); }
    // "Make Teams..." and "Shuffle again".
    TeamFillControls* fill() const { return m_fill; }

    // For Print All: prints the set as loaded, as part of `series`, when a
    // team holds a player.
    bool PrintAll(PrintSeries& series);
    // The set as Print prints it, and whether Print All takes it.
    Printout printout() const;
    bool holdsPlayers() const;
    // The Reset button's work without its message: the set emptied and
    // saved. False when the file cannot be written.
    bool ResetAndSave();
    // The file the set is written to, in full.
    QString filePath() const;
    // The coach's words for a set that could not be written.
    QString saveFailedMessage() const;

    // Escape and Cancel: asks before the edits are dropped.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createButtons();
    void createPages();
    void addTeam(QWidget* page, int team, QPoint at);
    void FormCreate();
    void FormShow();
    void OkBtnClick();
    void CancelBtnClick();
    void ResetBtnClick();
    void PrintBtnClick();
    void HelpBtnClick();
    void LBDragOver(TeamListWidget* target, const QMimeData* data, bool& allowed);
    void LBDragDrop(TeamListWidget* target, const QMimeData* data);
    TeamListWidget* sourceOf(const QMimeData* data) const;

    const TeamWindowShape& m_shape;
    QLineEdit* m_description = nullptr;
    TeamListWidget* m_playersList = nullptr;
    QTabWidget* m_pageControl = nullptr;
    std::vector<QLineEdit*> m_teamEdits;
    std::vector<TeamListWidget*> m_teamLists;
    std::vector<TeamListWidget*> m_allLists;
    std::unique_ptr<TeamMgr> m_teamMgr;
    TeamFillControls* m_fill = nullptr;
    ChangedElsewhere m_readState;
};

// The window of each team size by its own name.
template <int N> class TTeamsOf : public TTeams
{
public:
    explicit TTeamsOf(QWidget* owner = nullptr) : TTeams(N, owner) {}
};
using TTeams2 = TTeamsOf<2>;
using TTeams3 = TTeamsOf<3>;
using TTeams4 = TTeamsOf<4>;
using TTeams5 = TTeamsOf<5>;
using TTeams6 = TTeamsOf<6>;
using TTeams7 = TTeamsOf<7>;
using TTeams8 = TTeamsOf<8>;
using TTeams9 = TTeamsOf<9>;
using TTeams10 = TTeamsOf<10>;
using TTeams11 = TTeamsOf<11>;
