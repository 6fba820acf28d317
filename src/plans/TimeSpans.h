#pragma once

#include <span>
#include <string_view>

struct LocaleFormats;
struct PlanEntry;

// Fills each entry's time span from the practice time on a 12-hour clock:
// "3:30 - 3:45", empty for a row of 0 minutes. Rows with 0 minutes and no span
// take no time. Returns false, changing nothing, when the practice time does
// not parse.
bool ComputeTimeSpans(std::span<PlanEntry> entries, std::string_view practiceTime,
                      const LocaleFormats& formats);
