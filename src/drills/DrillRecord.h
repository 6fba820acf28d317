#pragma once

#include <string>

// What a drill carries: its name (also its node's label), intended minutes
// and primary emphasis.
struct DrillRecord
{
    std::string name;
    int minutes = 0;
    std::string emphasis;
    bool operator==(const DrillRecord&) const = default;
};
