#pragma once

#include "plans/PracticePlan.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

using PlanRows = std::array<PlanEntry, PlanEntryCount>;

// What a practice run may ask of the plan window it was started from; the
// main frame wires it, so the run never sees that window itself.
struct RunPlanLink
{
    // The window's rows as they are now; nothing once it is closed.
    std::function<std::optional<PlanRows>()> rows;
    // Gives the window's rows new minutes (row, minutes).
    std::function<void(const std::vector<std::pair<int, int>>&)> putMinutes;
};
