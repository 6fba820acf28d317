#pragma once

#include <string>
#include <vector>

// players.db, the team roster: section "Players", the names as Name0, Name1,
// ... in list order, ended by one empty Name key. The players list writes it;
// the players list and the team sets read it by the one rule below.
namespace PlayerRoster {

inline constexpr const char* FileName = "players.db";
inline constexpr const char* Section = "Players";
inline constexpr const char* Key = "Name";

// The names in file order: stop at the first missing or empty name, each
// name cut to 255 characters. A missing file is an empty roster.
std::vector<std::string> Read();

} // namespace PlayerRoster
