#pragma once

#include <span>
#include <string>
#include <vector>

struct PlanEntry;

// One timed row of a plan as a practice run counts it down.
struct RunActivity
{
    int row = 0;     // the plan's row
    int minutes = 0; // planned, above 0
    std::string activity;
    std::string emphasis;
    std::string timeSpan; // as the plan shows it
    // The activities of the untimed rows that lead up to it.
    std::vector<std::string> notes;
};

// The timed rows (minutes above 0) from `startRow` on, or from the first timed
// row when none is at or after it. The texts of untimed rows go with the next
// timed row as notes, those after the last one with the last. Empty: the plan
// has nothing to run.
std::vector<RunActivity> BuildRunSchedule(std::span<const PlanEntry> rows, int startRow);
