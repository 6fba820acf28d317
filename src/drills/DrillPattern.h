#pragma once

#include "drills/DrillRecord.h"

#include <string>
#include <string_view>
#include <vector>

class DrillTree;

// The tree's shape as stored in drills.db: one pair of characters per node in
// pre-order, the kind ("C" a category, anything else a drill) and the depth as
// one digit (1 for the root).
struct DrillPatternPair
{
    std::string_view kind;  // one character, UTF-8
    std::string_view depth; // one character, UTF-8
    bool isCategory() const { return kind == "C"; }
    // The depth digit's value, or -1 when it is not a digit.
    int depthValue() const;
};

// The pairs of a pattern; a lone character at the end is no pair.
std::vector<DrillPatternPair> DrillPatternPairs(std::string_view pattern);

// Where a reader of the pattern finds the names and records it refers to: the
// k-th category and the d-th drill in pattern order, both counted from 0.
class DrillKeySource
{
public:
    virtual ~DrillKeySource() = default;
    virtual std::string categoryName(int index) const = 0;
    virtual std::string drillName(int index) const = 0;
    virtual DrillRecord drillRecord(int index) const = 0;
};

// Rebuilds `tree` from the pattern. A depth that jumps deeper hangs the node
// under the node created last; a node never goes under a drill nor below the
// deepest level (it goes to the nearest ancestor that can take it), and a
// second top-level node goes under the root. When the first pair is not a
// category, the root is the default one. Stops at the tree's size limit, or
// at a depth that is not a digit: then the nodes read so far stay and the
// error text is returned. Returns an empty text otherwise.
std::string DecodeDrillPattern(std::string_view pattern, const DrillKeySource& keys,
                               DrillTree& tree);

// The pattern of `tree`, as the save writes it.
std::string EncodeDrillPattern(const DrillTree& tree);
