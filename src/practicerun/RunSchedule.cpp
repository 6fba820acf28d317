#include "practicerun/RunSchedule.h"

#include "plans/PlanEntry.h"

#include <algorithm>

namespace {

bool isTimed(const PlanEntry& entry)
{
    return entry.minutes > 0;
}

} // namespace

std::vector<RunActivity> BuildRunSchedule(std::span<const PlanEntry> rows, int startRow)
{
    startRow = std::clamp(startRow, 0, int(rows.size()));
    if (std::none_of(rows.begin() + startRow, rows.end(), isTimed))
        startRow = 0;

    std::vector<RunActivity> schedule;
    std::vector<std::string> notes;
    for (int row = startRow; row < int(rows.size()); ++row) {
        const PlanEntry& entry = rows[row];
        if (!isTimed(entry)) {
            if (!entry.activity.empty())
                notes.push_back(entry.activity);
            continue;
        }
        schedule.push_back(
            {row, entry.minutes, entry.activity, entry.emphasis, entry.timeSpan, std::move(notes)});
        notes.clear();
    }
    if (!schedule.empty())
        schedule.back().notes.insert(schedule.back().notes.end(), notes.begin(), notes.end());
    return schedule;
}
