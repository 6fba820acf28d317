#pragma once

#include <string>
#include <string_view>

// What the players list decides without a window: the name a typed text
// gives, where the selection goes after a delete, and the texts it shows.
namespace PlayersListRules {

// Longest name the file gives back; the name field takes no more.
inline constexpr int MaxNameLength = 255;

// The typed text as the file will give it back (StoredText): no blanks,
// control characters or enclosing quotes at either end, at most 255
// characters. Empty when nothing is left to add.
std::string TypedName(std::string_view typed);

// The row selected after row `removed` was deleted and `remaining` rows are
// left: the same position, else the new last row, else none (-1).
int RowAfterDelete(int removed, int remaining);

std::string AddBeforeClosingQuestion(const std::string& name);

} // namespace PlayersListRules
