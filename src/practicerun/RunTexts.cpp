#include "practicerun/RunTexts.h"

#include "formats/TimeOfDay.h"

#include <ctime>

using namespace std::chrono_literals;
using Duration = PracticeRun::Duration;

namespace {

std::string minutesAndSeconds(long long seconds)
{
    const long long rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

// The minute a clock shows at `time`.
PracticeRun::WallTime clockMinute(PracticeRun::WallTime time)
{
    return std::chrono::floor<std::chrono::minutes>(time);
}

std::string minutesText(long long minutes)
{
    return std::to_string(minutes) + " min";
}

} // namespace

std::string CountdownText(Duration left)
{
    return minutesAndSeconds(std::chrono::ceil<std::chrono::seconds>(std::max(left, 0ms)).count());
}

std::string DurationText(Duration counted)
{
    return minutesAndSeconds(std::chrono::floor<std::chrono::seconds>(counted + 500ms).count());
}

std::string ClockText(PracticeRun::WallTime time)
{
    const std::time_t seconds =
        std::chrono::floor<std::chrono::seconds>(time).time_since_epoch().count();
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return "--:--";
    TimeOfDay clock{local.tm_hour, local.tm_min, 0};
    if (clock.hour == 0)
        clock.hour = 12;
    else if (clock.hour > 12)
        clock.hour -= 12;
    return FormatTimeHnn(clock);
}

std::string StandingText(const PracticeRun& run)
{
    if (run.state() == PracticeRun::State::Ready)
        return minutesText(run.plannedTotal() / 1min) + " planned";
    const PracticeRun::WallTime ends = clockMinute(run.endsAt());
    const long long moved = (ends - clockMinute(run.plannedEnd())) / 1min;
    std::string text =
        (run.state() == PracticeRun::State::Over ? "Ended at " : "Ends at ") + ClockText(ends);
    if (moved == 0)
        return text + " as planned";
    return text + ", " + minutesText(moved > 0 ? moved : -moved) +
           (moved > 0 ? " behind" : " ahead");
}

std::string ActivityName(const RunActivity& activity)
{
    return activity.activity.empty() ? "Unnamed activity" : activity.activity;
}

std::string NextText(const PracticeRun& run)
{
    if (run.isLast())
        return "Last activity";
    const RunActivity& next = run.schedule()[run.current() + 1];
    return "Next: " + ActivityName(next) + " (" + minutesText(next.minutes) + ")";
}

std::string NotesText(const RunActivity& activity)
{
    std::string text;
    for (const std::string& note : activity.notes)
        text += (text.empty() ? "Also: " : " \u00b7 ") + note;
    return text;
}

std::vector<EndTableRow> EndTable(const PracticeRun& run)
{
    std::vector<EndTableRow> table;
    Duration used{0};
    Duration paused{0};
    for (std::size_t i = 0; i < run.schedule().size(); ++i) {
        const RunActivity& activity = run.schedule()[i];
        const PracticeRun::Record& record = run.record(int(i));
        std::string note = !record.reached ? "not run" : record.skipped() ? "skipped" : "";
        if (record.paused >= 1s)
            note += (note.empty() ? "paused " : ", paused ") + DurationText(record.paused);
        table.push_back({ActivityName(activity), minutesText(activity.minutes),
                         record.reached ? DurationText(record.used) : std::string(), note});
        used += record.used;
        paused += record.paused;
    }
    table.push_back({"Total", minutesText(run.plannedTotal() / 1min), DurationText(used),
                     paused >= 1s ? "paused " + DurationText(paused) : std::string()});
    return table;
}

std::string EndSummaryText(const PracticeRun& run)
{
    return "Started at " + ClockText(run.startedAt()) + " \u00b7 " + StandingText(run);
}

std::vector<std::pair<int, int>> ActualMinutes(const PracticeRun& run)
{
    std::vector<std::pair<int, int>> minutes;
    for (std::size_t i = 0; i < run.schedule().size(); ++i) {
        const PracticeRun::Record& record = run.record(int(i));
        if (record.reached && !record.skipped())
            minutes.emplace_back(run.schedule()[i].row, record.actualMinutes());
    }
    return minutes;
}
