#pragma once

#include "plans/PlanEntry.h"

#include <array>
#include <string>
#include <vector>

inline constexpr int PlanEntryCount = 100;

// A practice plan: what a .pln file holds, plus where it lives.
struct PracticePlan
{
    std::string date;
    std::string practiceTime = "12:00";
    std::vector<std::string> announcements; // one per displayed line
    std::string defEmphasis;                 // at most 69 characters
    std::string offEmphasis;                 // at most 69 characters
    std::array<PlanEntry, PlanEntryCount> entries;
    int planNumber = 0;

    std::string path;   // empty until first saved
    std::string name;   // path after its last separator
    std::string folder; // path up to and including its last separator
    bool changed = false;
};
