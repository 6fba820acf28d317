#pragma once

#include <functional>
#include <string>
#include <vector>

// The drag and drop rules between the lists of a team set window: the
// unassigned players, kept in alphabetical order, and the teams, each in the
// order its players were placed and holding at most N + 1 of them.
namespace TeamDrop {

enum class ListKind
{
    Unassigned,
    Team
};

// A list a drag came from or may end on; `id` tells the lists of one window apart.
struct ListRef
{
    int id = -1;
    ListKind kind = ListKind::Team;
};

// A drag may end on any list but the one it started from; a team's room is
// not looked at here. `source` is null when the drag did not come from a list.
bool CanDrop(const ListRef& target, const ListRef* source);

using NameLess = std::function<bool(const std::string&, const std::string&)>;

// Moves the selected entries of `source` (selected[i] for entry i) to
// `target`, in source order: the unassigned list takes every one, in its
// alphabetical place after equal names; a team takes them at its end while
// it holds fewer than N + 1. Each name taken then leaves the source as the
// first entry equal to it ignoring case. Returns the names moved.
std::vector<std::string> DropPlayers(std::vector<std::string>& target, ListKind targetKind,
                                     int playersPerTeam, std::vector<std::string>& source,
                                     const std::vector<bool>& selected,
                                     const NameLess& alphabetical);

} // namespace TeamDrop
