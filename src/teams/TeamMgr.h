#pragma once

#include <string>
#include <vector>

class PrintSeries;
class QLineEdit;
class QWidget;
class TeamListWidget;
struct TeamSet;

// The team manager behind a team set window. It holds no copy of the set:
// the set is the window's fields (the description, a name field and a list
// per team, and the unassigned players list), which it reads and fills
// directly, so a window that is never shown still holds a whole set.
class TeamMgr
{
public:
    // Keeps references to the window's arrays, team 1 first; reads nothing.
    TeamMgr(const std::vector<QLineEdit*>& teamEdits, const std::vector<TeamListWidget*>& teamLists,
            QLineEdit* descEdit, int teamCount, int playersPerTeam);

    // Every player of players.db, in alphabetical order.
    void LoadPlayers(TeamListWidget* unassigned);
    // The set from `file` into the fields; its placed players leave the
    // unassigned list. Follows LoadPlayers.
    void LoadTeams(const std::string& file, TeamListWidget* unassigned);
    // False, with the file as it was, when it cannot be written.
    bool SaveTeams(const std::string& file);
    // Empties the set in the fields and lists every player as unassigned.
    void ResetTeams(TeamListWidget* unassigned);

    // The print dialog, then the printout, even of a set without players.
    bool PrintWithDialog(QWidget* parent);
    // Prints as part of `series` when a team holds a player; false otherwise.
    bool PrintIfAny(PrintSeries& series);

    bool CanDrop(const TeamListWidget* target, const TeamListWidget* source) const;
    // Moves the selected entries of `source` that `target` can take.
    void DropPlayers(TeamListWidget* target, TeamListWidget* source);

    // The set as the file will give it back; the fields show it so too.
    TeamSet fields() const;
    // The players of `set` in the team lists and `unassigned` in the
    // unassigned list, in alphabetical order; names and description stay.
    void showPlayers(const TeamSet& set, std::vector<std::string> unassigned,
                     TeamListWidget* unassignedList);

private:
    void showSet(const TeamSet& set);
    std::string todayText() const;

    const std::vector<QLineEdit*>& m_teamEdits;
    const std::vector<TeamListWidget*>& m_teamLists;
    QLineEdit* m_descEdit;
    int m_teamCount;
    int m_playersPerTeam;
};
