#include "teams/TeamSet.h"

#include "store/PlainText.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

#include <algorithm>

namespace {

constexpr int Capacity = 256;
constexpr int TeamCounts[] = {40, 24, 18, 14, 12, 10, 10, 10, 10, 10};

std::string nameKey(int team)
{
    return "Tm" + std::to_string(team);
}

std::string slotKey(int team, int slot)
{
    return nameKey(team) + "P" + std::to_string(slot);
}

} // namespace

namespace TeamSetFile {

int TeamCount(int playersPerTeam)
{
    if (playersPerTeam < FewestPlayers || playersPerTeam > MostPlayers)
        return 0;
    return TeamCounts[playersPerTeam - FewestPlayers];
}

std::string FileName(int playersPerTeam)
{
    return "teams" + std::to_string(playersPerTeam) + ".db";
}

std::string DefaultTeamName(int index)
{
    return "Team " + std::to_string(index + 1);
}

std::string DefaultDescription(std::string_view dateText)
{
    return "Teams for " + std::string(dateText);
}

TeamSet Empty(int playersPerTeam, std::string_view dateText)
{
    TeamSet set;
    set.description = DefaultDescription(dateText);
    set.teams.resize(TeamCount(playersPerTeam));
    for (std::size_t t = 0; t < set.teams.size(); ++t)
        set.teams[t].name = DefaultTeamName(static_cast<int>(t));
    return set;
}

TeamSet Read(const std::string& fileName, int playersPerTeam, std::string_view dateText)
{
    const ProfileSnapshot file(fileName, true);
    TeamSet set = Empty(playersPerTeam, dateText);
    std::string description = file.text(Section, "Description", Capacity);
    if (!description.empty())
        set.description = std::move(description);
    for (std::size_t t = 0; t < set.teams.size(); ++t) {
        Team& team = set.teams[t];
        const int index = static_cast<int>(t);
        team.name = file.text(Section, nameKey(index), Capacity, team.name);
        for (int slot = 0; slot <= playersPerTeam; ++slot) {
            std::string player = file.text(Section, slotKey(index, slot), Capacity);
            if (!player.empty())
                team.players.push_back(std::move(player));
        }
    }
    return set;
}

bool Write(const std::string& fileName, int playersPerTeam, const TeamSet& set)
{
    ProfileBatch file(fileName, true);
    file.writeText(Section, "Description", set.description);
    for (std::size_t t = 0; t < set.teams.size(); ++t) {
        const Team& team = set.teams[t];
        const int index = static_cast<int>(t);
        file.writeText(Section, nameKey(index),
                       team.name.empty() ? DefaultTeamName(index) : team.name);
        for (int slot = 0; slot <= playersPerTeam; ++slot) {
            const auto place = static_cast<std::size_t>(slot);
            file.writeText(Section, slotKey(index, slot),
                           place < team.players.size() ? team.players[place] : std::string());
        }
    }
    return file.commit();
}

} // namespace TeamSetFile

bool RemoveFirstName(std::vector<std::string>& names, std::string_view name)
{
    const auto found = std::find_if(names.begin(), names.end(), [name](const std::string& entry) {
        return EqualsIgnoringCase(entry, name);
    });
    if (found == names.end())
        return false;
    names.erase(found);
    return true;
}

void TakePlacedPlayers(const TeamSet& set, std::vector<std::string>& unassigned)
{
    for (const Team& team : set.teams) {
        for (const std::string& player : team.players)
            RemoveFirstName(unassigned, player);
    }
}

bool HasPlacedPlayer(const TeamSet& set)
{
    return std::any_of(set.teams.begin(), set.teams.end(),
                       [](const Team& team) { return !team.players.empty(); });
}
