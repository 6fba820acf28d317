#pragma once

#include "teams/TeamSet.h"

#include <cstddef>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

// Filling a team set in one go: the players dealt at random, or balanced by
// the coach's ratings. Only the first teams of the set take players, their
// sizes differ as little as the players already placed allow, and no team
// ever holds more than N + 1.
namespace TeamFill {

enum class Method
{
    Random,
    Balanced
};

struct Request
{
    int teams = 1;
    bool keepPlaced = true;
    Method method = Method::Random;
};

// How strong each player counts: the rating from 1 to 5, and for a player
// without one the average of those rated.
class Ratings
{
public:
    Ratings() = default;
    // `ratings[i]` for `names[i]`, 0 for none; names compare ignoring case.
    Ratings(const std::vector<std::string>& names, const std::vector<int>& ratings);

    bool anyRated() const { return !m_ratings.empty(); }
    int rating(const std::string& name) const;
    double strength(const std::string& name) const;
    double average() const { return m_average; }

private:
    std::unordered_map<std::string, int> m_ratings;
    double m_average = 0;
};

// The players a fill deals: the unassigned ones and, unless the placed ones
// are kept, every player of the roster placed in a team, who leaves it. A
// name no longer on the roster stays where it is.
std::vector<std::string> Release(TeamSet& set, const std::vector<std::string>& unassigned,
                                 const std::vector<std::string>& roster, bool keepPlaced);

// Teams enough for every player at N per team, at most the set's count.
int DefaultTeamCount(const TeamSet& set, std::size_t unassigned, int playersPerTeam);
// The places left in the first `teams` teams.
int FreePlaces(const TeamSet& set, int teams, int playersPerTeam);

// Deals `pool` into the first `request.teams` teams, each player to the
// smallest team with room: at random, round-robin; or balanced, the strongest
// first to the team with the lowest rating sum, then players swapped between
// teams while that brings their sums closer. Ties are broken at random.
// Returns the players left without a place.
std::vector<std::string> Deal(TeamSet& set, std::vector<std::string> pool, const Request& request,
                              int playersPerTeam, const Ratings& ratings, std::mt19937& random);

// Each team's rating sum, players without a rating counting as the average.
std::vector<double> Sums(const TeamSet& set, const Ratings& ratings);

// What a fill of the first `teams` teams would deal, and the room it has.
struct Outlook
{
    std::size_t players = 0;
    int freePlaces = 0;
};
Outlook Look(const TeamSet& set, const std::vector<std::string>& unassigned,
             const std::vector<std::string>& roster, int teams, bool keepPlaced,
             int playersPerTeam);

// What the fill dialog says of `players` going into `teams` with `freePlaces`.
std::string Summary(std::size_t players, int teams, int freePlaces);

} // namespace TeamFill
