#pragma once

#include "practicerun/PracticeRun.h"

#include <string>
#include <utility>
#include <vector>

// The texts of a practice run, on the plan's 12-hour clock ("h:nn", no AM
// or PM, so 0:30 at night reads 12:30).

// "M:SS" of the time left, seconds rounded up: 0:00 shows only at the end.
std::string CountdownText(PracticeRun::Duration left);
// "M:SS" of a time counted, to the nearest second.
std::string DurationText(PracticeRun::Duration counted);
// The time of day of `time` in the local time zone, as a clock shows it.
std::string ClockText(PracticeRun::WallTime time);
// "90 min planned" before the start; "Ends at 5:00 as planned", "Ends at
// 5:03, 3 min behind" or "Ends at 4:58, 2 min ahead" while under way, in the
// minutes a clock shows then; "Ended at ..." once over.
std::string StandingText(const PracticeRun& run);
// "Next: Shooting (8 min)", or "Last activity" on the last one.
std::string NextText(const PracticeRun& run);
// The name an activity shows under; a timed row may have none.
std::string ActivityName(const RunActivity& activity);
// The untimed rows before the activity: "Also: Water · Talk", or empty.
std::string NotesText(const RunActivity& activity);

// One line of the table at the end: activity, planned minutes, the time
// counted and a note of skips and pauses; the last line holds the totals.
struct EndTableRow
{
    std::string activity;
    std::string planned;
    std::string actual;
    std::string note;
};
std::vector<EndTableRow> EndTable(const PracticeRun& run);
// "Started at 3:30 · Ended at 5:03, 3 min behind".
std::string EndSummaryText(const PracticeRun& run);
// The plan's rows and their minutes as counted, for the activities that ran;
// skipped ones and those not reached keep their planned minutes.
std::vector<std::pair<int, int>> ActualMinutes(const PracticeRun& run);
