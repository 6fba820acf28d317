#pragma once

#include <string>
#include <string_view>
#include <vector>

// ratings.db in the data folder: how strong the coach rates each player, 1
// to 5, in section "Ratings" with the player's name as the key (found
// whatever its letter case). A player without a rating has no key or an
// empty value; data folders of the Windows program have no such file.
namespace PlayerRatings {

inline constexpr const char* FileName = "ratings.db";
inline constexpr const char* Section = "Ratings";
inline constexpr int None = 0;
inline constexpr int Highest = 5;

// The key of a name. Most names are their own key; a character that would
// change how the line reads back ("%", "=", control characters, a blank at
// either end, "[" or ";" at the start) is written as "%" and two hex digits.
std::string KeyOf(std::string_view name);

// The rating of each name, None where none is stored or the value is no
// rating from 1 to 5.
std::vector<int> Read(const std::vector<std::string>& names);

struct Rated
{
    std::string name;
    int rating = None;
};

// Stores the list's ratings in one replacement of the file: each player's
// rating, and no rating for players that have none now or are gone from the
// list (`former`, the names it held). Nothing is written when nothing
// changes, so a list without ratings makes no file. False, with the file as
// it was, when it cannot be written.
bool Write(const std::vector<Rated>& players, const std::vector<std::string>& former);

} // namespace PlayerRatings
