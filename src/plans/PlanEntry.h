#pragma once

#include <string>

// One row of a practice plan's schedule.
struct PlanEntry
{
    int minutes = 0;      // 0 shows as a blank
    std::string timeSpan; // computed, never stored
    std::string activity; // at most 35 characters, trimmed
    std::string emphasis; // at most 30 characters

    bool isEmpty() const
    {
        return minutes == 0 && timeSpan.empty() && activity.empty() && emphasis.empty();
    }
    bool operator==(const PlanEntry&) const = default;
};
