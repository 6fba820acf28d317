#include "teams/TeamFill.h"

#include "store/PlainText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr double Tolerance = 1e-9;
constexpr int MostSwapPasses = 100;

using Dealt = std::vector<std::pair<double, std::string>>; // strength, name

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

// The sizes the teams end with when each player in turn joins the smallest
// team with room, the first of equal ones.
std::vector<std::size_t> targetSizes(const TeamSet& set, int teams, std::size_t cap,
                                     std::size_t& players)
{
    std::vector<std::size_t> sizes;
    for (int t = 0; t < teams; ++t)
        sizes.push_back(set.teams[t].players.size());
    std::size_t placed = 0;
    for (; placed < players; ++placed) {
        const auto smallest = std::min_element(sizes.begin(), sizes.end());
        if (smallest == sizes.end() || *smallest >= cap)
            break;
        ++*smallest;
    }
    players = placed;
    return sizes;
}

void dealRoundRobin(TeamSet& set, const std::vector<std::string>& pool,
                    const std::vector<std::size_t>& sizes)
{
    std::size_t next = 0;
    while (next < pool.size()) {
        for (std::size_t t = 0; t < sizes.size() && next < pool.size(); ++t) {
            if (set.teams[t].players.size() < sizes[t])
                set.teams[t].players.push_back(pool[next++]);
        }
    }
}

// Swaps dealt players between two teams while that brings the sums of some
// pair closer: a swap of strengths a > b from the stronger team to the
// weaker one helps exactly when a - b is less than the gap.
void improveBySwaps(std::vector<Dealt>& dealt, std::vector<double>& sums)
{
    for (int pass = 0; pass < MostSwapPasses; ++pass) {
        bool improved = false;
        for (std::size_t a = 0; a < dealt.size(); ++a) {
            for (std::size_t b = 0; b < dealt.size(); ++b) {
                for (auto& stronger : dealt[a]) {
                    for (auto& weaker : dealt[b]) {
                        const double gain = stronger.first - weaker.first;
                        if (gain > Tolerance && gain < sums[a] - sums[b] - Tolerance) {
                            std::swap(stronger, weaker);
                            sums[a] -= gain;
                            sums[b] += gain;
                            improved = true;
                        }
                    }
                }
            }
        }
        if (!improved)
            return;
    }
}

void dealBalanced(TeamSet& set, const std::vector<std::string>& pool,
                  const std::vector<std::size_t>& sizes, const TeamFill::Ratings& ratings,
                  std::mt19937& random)
{
    const std::size_t teams = sizes.size();
    std::vector<double> sums = TeamFill::Sums(set, ratings);
    sums.resize(teams);
    Dealt players;
    for (const std::string& name : pool)
        players.emplace_back(ratings.strength(name), name);
    // The pool comes shuffled: equal strengths stay in random order.
    std::stable_sort(players.begin(), players.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Dealt> dealt(teams);
    std::vector<std::size_t> lowest;
    for (auto& player : players) {
        lowest.clear();
        for (std::size_t t = 0; t < teams; ++t) {
            if (set.teams[t].players.size() + dealt[t].size() >= sizes[t])
                continue;
            if (!lowest.empty() && sums[t] < sums[lowest.front()] - Tolerance)
                lowest.clear();
            if (lowest.empty() || sums[t] < sums[lowest.front()] + Tolerance)
                lowest.push_back(t);
        }
        const std::size_t team =
            lowest[std::uniform_int_distribution<std::size_t>(0, lowest.size() - 1)(random)];
        sums[team] += player.first;
        dealt[team].push_back(std::move(player));
    }
    improveBySwaps(dealt, sums);
    for (std::size_t t = 0; t < teams; ++t) {
        for (auto& player : dealt[t])
            set.teams[t].players.push_back(std::move(player.second));
    }
}

} // namespace

namespace TeamFill {

Ratings::Ratings(const std::vector<std::string>& names, const std::vector<int>& ratings)
{
    double total = 0;
    for (std::size_t i = 0; i < names.size() && i < ratings.size(); ++i) {
        if (ratings[i] > 0 && m_ratings.emplace(FoldedName(names[i]), ratings[i]).second)
            total += ratings[i];
    }
    if (!m_ratings.empty())
        m_average = total / static_cast<double>(m_ratings.size());
}

int Ratings::rating(const std::string& name) const
{
    const auto found = m_ratings.find(FoldedName(name));
    return found == m_ratings.end() ? 0 : found->second;
}

double Ratings::strength(const std::string& name) const
{
    const int known = rating(name);
    return known > 0 ? known : m_average;
}

std::vector<std::string> Release(TeamSet& set, const std::vector<std::string>& unassigned,
                                 const std::vector<std::string>& roster, bool keepPlaced)
{
    std::vector<std::string> pool = unassigned;
    if (keepPlaced)
        return pool;
    // Each roster entry that is not unassigned may be taken back from a team once.
    std::unordered_map<std::string, int> placeable;
    for (const std::string& name : roster)
        ++placeable[FoldedName(name)];
    for (const std::string& name : unassigned)
        --placeable[FoldedName(name)];
    for (Team& team : set.teams) {
        std::vector<std::string> staying;
        for (std::string& player : team.players) {
            int& left = placeable[FoldedName(player)];
            if (left > 0) {
                --left;
                pool.push_back(std::move(player));
            } else {
                staying.push_back(std::move(player));
            }
        }
        team.players = std::move(staying);
    }
    return pool;
}

int DefaultTeamCount(const TeamSet& set, std::size_t unassigned, int playersPerTeam)
{
    std::size_t players = unassigned;
    for (const Team& team : set.teams)
        players += team.players.size();
    const std::size_t perTeam = static_cast<std::size_t>(std::max(playersPerTeam, 1));
    const std::size_t teams = (players + perTeam - 1) / perTeam;
    return static_cast<int>(
        std::clamp<std::size_t>(teams, 1, std::max<std::size_t>(set.teams.size(), 1)));
}

int FreePlaces(const TeamSet& set, int teams, int playersPerTeam)
{
    int places = 0;
    for (int t = 0; t < teams && t < static_cast<int>(set.teams.size()); ++t)
        places += std::max(0, playersPerTeam + 1 - static_cast<int>(set.teams[t].players.size()));
    return places;
}

std::vector<std::string> Deal(TeamSet& set, std::vector<std::string> pool, const Request& request,
                              int playersPerTeam, const Ratings& ratings, std::mt19937& random)
{
    const int teams = std::clamp(request.teams, 0, static_cast<int>(set.teams.size()));
    std::shuffle(pool.begin(), pool.end(), random);
    std::size_t placed = pool.size();
    const std::vector<std::size_t> sizes =
        targetSizes(set, teams, static_cast<std::size_t>(playersPerTeam) + 1, placed);
    std::vector<std::string> left(pool.begin() + static_cast<std::ptrdiff_t>(placed), pool.end());
    pool.resize(placed);
    if (request.method == Method::Balanced)
        dealBalanced(set, pool, sizes, ratings, random);
    else
        dealRoundRobin(set, pool, sizes);
    return left;
}

std::vector<double> Sums(const TeamSet& set, const Ratings& ratings)
{
    std::vector<double> sums;
    for (const Team& team : set.teams) {
        double sum = 0;
        for (const std::string& player : team.players)
            sum += ratings.strength(player);
        sums.push_back(sum);
    }
    return sums;
}

Outlook Look(const TeamSet& set, const std::vector<std::string>& unassigned,
             const std::vector<std::string>& roster, int teams, bool keepPlaced, int playersPerTeam)
{
    TeamSet released = set;
    const std::size_t players = Release(released, unassigned, roster, keepPlaced).size();
    return {players, FreePlaces(released, teams, playersPerTeam)};
}

std::string Summary(std::size_t players, int teams, int freePlaces)
{
    if (players == 0)
        return "No players to place.";
    const std::string into = counted(static_cast<std::size_t>(teams), "team", "teams");
    if (players <= static_cast<std::size_t>(freePlaces))
        return counted(players, "player", "players") + " to place into " + into + ".";
    const std::size_t staying = players - static_cast<std::size_t>(freePlaces);
    return counted(players, "player", "players") + " to place, room for " +
           std::to_string(freePlaces) + " in " + into + ": " + std::to_string(staying) +
           (staying == 1 ? " stays" : " stay") + " unassigned.";
}

} // namespace TeamFill
