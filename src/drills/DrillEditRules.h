#pragma once

#include "drills/DrillTree.h"

#include <string>
#include <string_view>

class DrillNode;

// The checks and changes the drill list window asks for, each returning the
// text to show the coach when it refuses, or an empty text.

inline constexpr std::string_view MaxDepthMessage = "Maximum depth of Categories reached";
inline constexpr std::string_view MaxNodesMessage =
    "Maximum number of Drills and Categories reached";
inline constexpr std::string_view UnderDrillMessage =
    "Cannot list a Drill or Category under a Drill";
inline constexpr std::string_view CannotDropMessage = "Cannot drop it here";
inline constexpr std::string_view DeleteRootMessage = "You cannot delete this category";
inline constexpr std::string_view MinutesNotWholeMessage =
    "Value entered for Minutes must be a whole number.";
inline constexpr std::string_view MinutesNegativeMessage =
    "Value entered for Minutes must be positive.";

// Whether a category or drill may be added under `selected`. The depth is
// checked first, whatever kind is meant, then the size, then the kind.
std::string AddRefusal(const DrillTree& tree, const DrillNode& selected);

// What the coach is told of a drop the tree refuses; empty when the drop
// moves the node or does nothing.
std::string DropMessage(DrillTree::Drop drop);

std::string DeleteRefusal(const DrillNode& node);
// The confirmation asked before `node` and everything below it go.
std::string DeleteQuestion(const DrillNode& node);

// Gives `node` its new label (a drill's record takes it as its name) and sorts
// its sibling list; a new label on the root sorts every sibling list.
void Relabel(DrillTree& tree, DrillNode& node, std::string label,
             const DrillTree::LessThan& lessThan);

// Whether the minutes typed for a drill are acceptable: a whole number, zero
// or more.
std::string MinutesRefusal(std::string_view minutes);
