#pragma once

#include <string>
#include <string_view>
#include <vector>

// One team of a practice team set: its name and its players in the order
// they were placed (at most N + 1, the last place being the extra one).
struct Team
{
    std::string name;
    std::vector<std::string> players;

    bool operator==(const Team&) const = default;
};

// A set of practice teams for one team size, as the coach edits it.
struct TeamSet
{
    std::string description;
    std::vector<Team> teams;

    bool operator==(const TeamSet&) const = default;
};

// teams<N>.db in the data folder, section "Main": "Description", then for
// each team t from 0 its name "Tm<t>" followed by its slots "Tm<t>P0" to
// "Tm<t>P<N>", an empty value where the team has fewer players.
namespace TeamSetFile {

inline constexpr int FewestPlayers = 2;
inline constexpr int MostPlayers = 11;
inline constexpr const char* Section = "Main";

// Teams in the set for `playersPerTeam`, or 0 outside 2 to 11.
int TeamCount(int playersPerTeam);
std::string FileName(int playersPerTeam);
// "Team 1" for the first team (index 0).
std::string DefaultTeamName(int index);
// "Teams for " and the date text.
std::string DefaultDescription(std::string_view dateText);

// Every team empty and named by its number.
TeamSet Empty(int playersPerTeam, std::string_view dateText);

// The set as stored in `file` (a bare name in the data folder), with the defaults of Empty() where
// nothing is stored. Empty slots are squeezed out; slots beyond N + 1 and teams beyond the set's
// count are never read.
TeamSet Read(const std::string& file, int playersPerTeam, std::string_view dateText);

// Writes every key of the set in the file's order as one batch; a team with
// an empty name is stored under its number. False, with the file as it was,
// when it cannot be written.
bool Write(const std::string& file, int playersPerTeam, const TeamSet& set);

} // namespace TeamSetFile

// Takes the first entry equal to `name` ignoring case out of `names`; false
// when there is none.
bool RemoveFirstName(std::vector<std::string>& names, std::string_view name);

// Takes every placed player of `set` out of `unassigned`, one entry per
// placement.
void TakePlacedPlayers(const TeamSet& set, std::vector<std::string>& unassigned);

// Whether any team of the set holds a player.
bool HasPlacedPlayer(const TeamSet& set);
