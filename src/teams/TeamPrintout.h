#pragma once

#include "report/PrintoutInfo.h"

#include <vector>

class ReportPage;
struct PageMetrics;
struct TeamSet;

inline constexpr PrintoutInfo TeamPrintoutInfo{" - Practice Teams", "Practice Teams", 75};

// The width of one of the four team columns: a quarter of the page width
// less one and a half left margins, truncated.
int TeamColumnWidth(const PageMetrics& metrics);

// The teams printed side by side: up to four teams that hold a player each,
// in team order, as indexes into the set's teams.
std::vector<std::vector<int>> TeamGroups(const TeamSet& set);

// Below the page header: the bold description, a blank line, the bold
// "<N>-Player Teams" heading with a rule under it, then each group as a bold
// row of team names, N + 1 rows of players and an empty line.
void PrintTeamSetRows(ReportPage& page, const TeamSet& set, int playersPerTeam);
