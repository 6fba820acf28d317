#include "teams/TeamWindowShape.h"

#include "teams/TeamSet.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr TeamWindowShape Shapes[] = {
    {2, "2 Players", "Player2PgCntl", 2, 4, 644, 459},
    {3, "3 Players", "Player3PgCntl", 2, 4, 644, 446},
    {4, "4 Players", "Player4PgCntl", 2, 4, 634, 497},
    {5, "5 Players", "Player5PgCntl", 2, 3, 638, 440},
    {6, "6 Players", "Player6PgCntl", 2, 3, 640, 460},
    {7, "7 Player", "Player7PgCntl", 2, 2, 633, 383},
    {8, "8 Players", "Player8PgCntl", 2, 2, 634, 419},
    {9, "9 Players", "Players9PgCntl", 2, 2, 635, 432},
    {10, "10 Players", "Players10PgCntl", 2, 2, 633, 449},
    {11, "11 Players", "Players11PgCntl", 2, 1, 614, 395},
};

std::string numbered(const char* name, int number)
{
    return name + std::to_string(number);
}

} // namespace

const TeamWindowShape* TeamWindowShapeFor(int playersPerTeam)
{
    const auto found = std::find_if(std::begin(Shapes), std::end(Shapes),
                                    [playersPerTeam](const TeamWindowShape& shape) {
                                        return shape.playersPerTeam == playersPerTeam;
                                    });
    return found == std::end(Shapes) ? nullptr : found;
}

int TeamWindowShape::teamCount() const
{
    return TeamSetFile::TeamCount(playersPerTeam);
}

int TeamWindowShape::tabCount() const
{
    return (teamCount() + teamsPerTab() - 1) / teamsPerTab();
}

int TeamWindowShape::teamsOnTab(int tab) const
{
    return std::min(teamsPerTab(), teamCount() - firstTeamOnTab(tab));
}

std::string TeamWindowShape::tabCaption(int tab) const
{
    const int first = firstTeamOnTab(tab) + 1;
    return "Teams " + std::to_string(first) + "-" + std::to_string(first + teamsOnTab(tab) - 1);
}

std::string TeamWindowShape::tabName(int tab) const
{
    // The 5-player window names its first and last tab apart.
    const bool plural = playersPerTeam == 5 && (tab == 0 || tab == tabCount() - 1);
    return numbered(plural ? "TeamsSheet" : "TeamSheet", tab + 1);
}

std::string TeamWindowShape::rowMark(int row) const
{
    return row < playersPerTeam ? std::to_string(row + 1) : std::string("S");
}

std::string TeamWindowShape::playersLabelName() const
{
    return playersPerTeam == 2 ? "Players2Lbl" : "PlayersLbl";
}

std::string TeamWindowShape::playersListName() const
{
    return playersPerTeam == 2 ? "Players2List" : "PlayersList";
}

std::string TeamWindowShape::resetButtonName() const
{
    return playersPerTeam == 2 ? "Reset2Man" : "ResetBtn";
}

std::string TeamWindowShape::teamEditName(int team) const
{
    return "T" + std::to_string(team) + "Edit";
}

std::string TeamWindowShape::teamListName(int team) const
{
    const bool capital = playersPerTeam == 2 && team <= 8;
    return "T" + std::to_string(team) + (capital ? "Lb" : "lb");
}

std::string TeamWindowShape::rowMarksName(int team) const
{
    return "T" + std::to_string(team) + "lbl";
}
