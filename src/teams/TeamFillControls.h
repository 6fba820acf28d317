#pragma once

#include "teams/TeamFill.h"
#include "teams/TeamSet.h"

#include <QObject>
#include <random>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class TeamListWidget;
class TeamMgr;
struct TeamWindowShape;

// "Make Teams..." and "Shuffle again" in a team set window, below its other
// buttons: the fill dialog, the fill itself on the window's lists, another
// draw of the last fill, and the teams' rating sums beside their names after
// a balanced fill, kept current while the window is open and never stored.
class TeamFillControls : public QObject
{
    Q_OBJECT

public:
    TeamFillControls(QDialog& window, TeamMgr& teamMgr, const TeamWindowShape& shape,
                     TeamListWidget* unassigned, const std::vector<QLineEdit*>& teamEdits,
                     const std::vector<TeamListWidget*>& teamLists);
    ~TeamFillControls() override;

    // After the set was loaded or reset: nothing to draw again, no sums.
    void forget();

    void makeTeams();
    void shuffleAgain();

private:
    void fill();
    TeamSet placement() const;
    void showSums();

    QDialog& m_window;
    TeamMgr& m_teamMgr;
    const TeamWindowShape& m_shape;
    TeamListWidget* m_unassigned;
    const std::vector<QLineEdit*>& m_teamEdits;
    const std::vector<TeamListWidget*>& m_teamLists;
    QPushButton* m_shuffle = nullptr;
    std::vector<QLabel*> m_sums;

    std::mt19937 m_random;
    // The last fill: what it asked, and the lists it started from.
    TeamFill::Request m_request;
    TeamSet m_before;
    std::vector<std::string> m_unassignedBefore;
    std::vector<std::string> m_roster;
    TeamFill::Ratings m_ratings;
    bool m_sumsShown = false;
};
