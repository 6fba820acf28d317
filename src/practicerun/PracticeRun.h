#pragma once

#include "clock/Clock.h"
#include "practicerun/RunSchedule.h"

#include <chrono>
#include <optional>
#include <vector>

// A practice run through a plan's timed rows, counted on the steady clock:
// each activity counts down its minutes, the next one starts by itself when
// the time runs out, a pause stops the count, and the coach may move on, go
// back or give the current activity a minute more or less. Every call first
// catches up with the clock, so a late timer or a suspended machine only
// finds the run further on.
class PracticeRun
{
public:
    // Milliseconds, so that the longest minutes a plan allows still count.
    using Duration = std::chrono::milliseconds;
    using WallTime = std::chrono::time_point<std::chrono::system_clock, Duration>;

    enum class State
    {
        Ready, // not started yet
        Running,
        Paused,
        Over
    };
    // What catching up or a command brought about, for the window to sound
    // and show. Changes made by the coach bring none.
    enum class Event
    {
        None,
        Warning, // one minute left of an activity of 3 minutes or more
        Change,  // the time ran out and the next activity started
        Over     // the time of the last one ran out, or the coach ended it
    };

    // How one activity went.
    struct Record
    {
        Duration length{0};   // its minutes with the coach's changes
        Duration used{0};     // counted down
        Duration paused{0};   // paused while it was current
        bool reached = false; // current while the practice was under way

        // Left or ended with less than half a minute counted.
        bool skipped() const { return reached && used < std::chrono::seconds(30); }
        // The minutes counted, to the nearest.
        int actualMinutes() const;
    };

    explicit PracticeRun(std::vector<RunActivity> schedule, const Clock& clock = Clock::instance());

    // Starts, pauses or resumes.
    Event startOrPause();
    // The next activity; on the last one, the end of the practice.
    Event next();
    // The activity before; one whose time ran out runs again for its minutes.
    Event previous();
    // A minute more (1) or less (-1) on the current activity, never below
    // nothing left; with nothing left the next one starts.
    Event addMinutes(int minutes);
    Event update();

    State state() const { return m_state; }
    bool isUnderWay() const { return m_state == State::Running || m_state == State::Paused; }
    const std::vector<RunActivity>& schedule() const { return m_schedule; }
    int current() const { return m_current; }
    bool isLast() const { return m_current + 1 == int(m_schedule.size()); }
    const Record& record(int index) const { return m_records.at(index); }
    Duration left() const;
    Duration length() const { return m_records[m_current].length; }

    // Until the time left shown to the second next changes; nothing unless running.
    std::optional<Duration> untilNextSecond() const;

    // The planned minutes from the activity the practice started with (from
    // the current one before the start).
    Duration plannedTotal() const;
    // How much later than planned the practice ends at this pace, from the
    // real start, pauses and changes so far; negative when earlier.
    Duration behind() const;
    WallTime startedAt() const { return m_startedWall; }
    // When the practice ends as planned, and at this pace (when it ended, once over).
    WallTime plannedEnd() const { return m_startedWall + plannedTotal(); }
    WallTime endsAt() const { return plannedEnd() + behind(); }

private:
    Event catchUp();
    void enter(int index);
    void armWarning();
    Duration remaining() const;

    const Clock& m_clock;
    std::vector<RunActivity> m_schedule;
    std::vector<Record> m_records;
    State m_state = State::Ready;
    int m_current = 0;
    int m_first = 0; // the activity the practice started with
    bool m_warnArmed = false;
    Clock::SteadyTime m_now;     // the run is accounted up to here
    Clock::SteadyTime m_started; // the real start
    Clock::SteadyTime m_ended;
    WallTime m_startedWall;
};
