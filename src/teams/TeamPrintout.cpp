#include "teams/TeamPrintout.h"

#include "report/ReportPage.h"
#include "teams/TeamSet.h"

#include <array>
#include <string>

namespace {

constexpr std::size_t Columns = 4;

void printHeading(ReportPage& page, const TeamSet& set, int playersPerTeam)
{
    page.setBold(true);
    page.printLine(set.description);
    page.setBold(false);
    page.blankLine();
    page.setBold(true);
    page.printLine(std::to_string(playersPerTeam) + "-Player Teams");
    page.setBold(false);

    const PageMetrics& m = page.metrics();
    const int y = page.currentLine() * m.lineHeight + m.lineHeight * 5 / 7;
    page.drawLine(m.leftMargin, y, m.pageWidth - m.leftMargin, y);
}

void printGroup(ReportPage& page, const TeamSet& set, const std::vector<int>& group,
                int playersPerTeam, const std::array<int, Columns>& tabs)
{
    std::vector<std::string> names;
    for (const int team : group)
        names.push_back(set.teams[team].name);
    page.setBold(true);
    page.printColumns(names, std::span(tabs).first(names.size()));
    page.setBold(false);

    for (int row = 0; row <= playersPerTeam; ++row) {
        std::array<std::string, Columns> players;
        for (std::size_t column = 0; column < group.size(); ++column) {
            const std::vector<std::string>& team = set.teams[group[column]].players;
            if (static_cast<std::size_t>(row) < team.size())
                players[column] = team[row];
        }
        page.printColumns(players, tabs);
    }
    page.printLine(std::string());
}

} // namespace

int TeamColumnWidth(const PageMetrics& metrics)
{
    // (width - 1.5 x margin) x 0.25 in whole numbers, truncated toward zero.
    return (2 * metrics.pageWidth - 3 * metrics.leftMargin) / 8;
}

std::vector<std::vector<int>> TeamGroups(const TeamSet& set)
{
    std::vector<std::vector<int>> groups;
    for (std::size_t t = 0; t < set.teams.size(); ++t) {
        if (set.teams[t].players.empty())
            continue;
        if (groups.empty() || groups.back().size() == Columns)
            groups.emplace_back();
        groups.back().push_back(static_cast<int>(t));
    }
    return groups;
}

void PrintTeamSetRows(ReportPage& page, const TeamSet& set, int playersPerTeam)
{
    printHeading(page, set, playersPerTeam);
    const int width = TeamColumnWidth(page.metrics());
    const std::array<int, Columns> tabs{0, width, 2 * width, 3 * width};
    for (const std::vector<int>& group : TeamGroups(set))
        printGroup(page, set, group, playersPerTeam, tabs);
}
