#pragma once

#include <string>

// What tells the ten team set windows apart: one row per team size, the
// rest of the layout is worked out from it.
struct TeamWindowShape
{
    int playersPerTeam;
    const char* caption;
    const char* pageControlName;
    int tabColumns;
    int tabRows;
    int clientWidth;
    int clientHeight;

    int teamCount() const;
    int teamsPerTab() const { return tabColumns * tabRows; }
    int tabCount() const;
    // "Teams 1-8" for the first tab of the 2-player window.
    std::string tabCaption(int tab) const;
    std::string tabName(int tab) const;
    // The first team (from 0) on `tab` and how many stand there.
    int firstTeamOnTab(int tab) const { return tab * teamsPerTab(); }
    int teamsOnTab(int tab) const;

    // One row of 14 pixels per place and the frame: no list ever scrolls.
    int listHeight() const { return RowHeight * (playersPerTeam + 1) + 4; }
    int playersListWidth() const { return playersPerTeam == 11 ? 161 : 157; }
    int rowMarksWidth() const { return playersPerTeam >= 10 ? 17 : 9; }
    // The mark of each place: its number, and "S" for the extra place.
    std::string rowMark(int row) const;

    std::string playersLabelName() const;
    std::string playersListName() const;
    std::string resetButtonName() const;
    // Team n counts from 1.
    std::string teamEditName(int team) const;
    std::string teamListName(int team) const;
    std::string rowMarksName(int team) const;

    static constexpr int RowHeight = 14;
};

// The row for `playersPerTeam`, or null outside 2 to 11.
const TeamWindowShape* TeamWindowShapeFor(int playersPerTeam);
