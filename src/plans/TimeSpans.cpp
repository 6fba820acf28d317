#include "plans/TimeSpans.h"

#include "formats/TimeOfDay.h"
#include "plans/PlanEntry.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int ClockHours = 12;

// Hours above 12 come round again on a 12-hour clock without AM or PM; 0 stays.
int onTwelveHourClock(std::int64_t hour)
{
    return static_cast<int>(hour > ClockHours ? (hour - 1) % ClockHours + 1 : hour);
}

TimeOfDay later(const TimeOfDay& start, int minutes)
{
    const std::int64_t total = std::int64_t(start.minute) + std::max(minutes, 0);
    TimeOfDay end = start;
    end.minute = static_cast<int>(total % 60);
    end.hour = onTwelveHourClock(start.hour + total / 60);
    return end;
}

} // namespace

bool ComputeTimeSpans(std::span<PlanEntry> entries, std::string_view practiceTime,
                      const LocaleFormats& formats)
{
    const auto start = ParseTime(practiceTime, formats);
    if (!start)
        return false;
    TimeOfDay t = *start;
    t.hour = onTwelveHourClock(t.hour);
    for (PlanEntry& entry : entries) {
        if (entry.minutes == 0 && entry.timeSpan.empty())
            continue;
        // A whole number of half days would come round to the start again:
        // only a row without minutes has no span.
        if (entry.minutes <= 0) {
            entry.timeSpan.clear();
            continue;
        }
        const TimeOfDay end = later(t, entry.minutes);
        entry.timeSpan = FormatTimeHnn(t) + " - " + FormatTimeHnn(end);
        t = end;
    }
    return true;
}
