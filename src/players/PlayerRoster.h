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

// Writes the names in the given order, then the empty terminator, in one
// replacement of the file; keys left from a longer list stay. A name that
// would read back empty (nothing but blanks, control characters and quotes)
// is left out, so it cannot end the list early and hide the names after it. False
// when the file cannot be written; it is then left as it was.
bool Write(const std::vector<std::string>& names);

} // namespace PlayerRoster
