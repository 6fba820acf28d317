#include "practicerun/PracticeRun.h"

#include <algorithm>
#include <climits>

using namespace std::chrono_literals;

namespace {

constexpr PracticeRun::Duration WarningBefore = 1min;
constexpr PracticeRun::Duration WarnedLength = 3min;

PracticeRun::Duration minutes(int count)
{
    return std::chrono::minutes(count);
}

} // namespace

int PracticeRun::Record::actualMinutes() const
{
    return int(std::min<Duration::rep>((used + 30s) / 1min, INT_MAX));
}

PracticeRun::PracticeRun(std::vector<RunActivity> schedule, const Clock& clock)
    : m_clock(clock), m_schedule(std::move(schedule)), m_records(m_schedule.size()),
      m_now(clock.steadyNow())
{
    for (std::size_t i = 0; i < m_schedule.size(); ++i)
        m_records[i].length = minutes(m_schedule[i].minutes);
}

PracticeRun::Duration PracticeRun::left() const
{
    const Record& record = m_records[m_current];
    return record.length - record.used;
}

// The clock is followed in whole milliseconds; what is left over of a
// millisecond stays on the clock for the next call, so nothing drifts.
PracticeRun::Event PracticeRun::catchUp()
{
    Event event = Event::None;
    Duration step = std::chrono::floor<Duration>(m_clock.steadyNow() - m_now);
    while (m_state == State::Running) {
        Record& record = m_records[m_current];
        const Duration rest = record.length - record.used;
        if (step < rest) {
            record.used += step;
            break;
        }
        record.used = record.length;
        m_now += rest;
        step -= rest;
        if (isLast()) {
            m_state = State::Over;
            m_ended = m_now;
            return Event::Over;
        }
        event = Event::Change;
        enter(m_current + 1);
    }
    if (m_state == State::Paused)
        m_records[m_current].paused += step;
    m_now += step;

    if (m_state != State::Running || !m_warnArmed || left() > WarningBefore)
        return event;
    // After a change the chime is enough, even when the machine slept into
    // the last minute of the new activity.
    m_warnArmed = false;
    return event == Event::Change ? event : Event::Warning;
}

void PracticeRun::enter(int index)
{
    m_current = index;
    Record& record = m_records[index];
    if (m_state != State::Ready) {
        record.reached = true;
        if (record.length <= record.used)
            record.length += minutes(m_schedule[index].minutes);
    }
    armWarning();
}

void PracticeRun::armWarning()
{
    m_warnArmed = length() >= WarnedLength && left() > WarningBefore;
}

PracticeRun::Event PracticeRun::startOrPause()
{
    const Event event = catchUp();
    switch (m_state) {
    case State::Ready:
        m_state = State::Running;
        m_started = m_now;
        m_startedWall = std::chrono::floor<Duration>(m_clock.wallNow());
        m_first = m_current;
        enter(m_current);
        break;
    case State::Running:
        m_state = State::Paused;
        break;
    case State::Paused:
        m_state = State::Running;
        break;
    case State::Over:
        break;
    }
    return event;
}

PracticeRun::Event PracticeRun::next()
{
    const Event event = catchUp();
    if (m_state == State::Over || (m_state == State::Ready && isLast()))
        return event;
    if (!isLast()) {
        enter(m_current + 1);
        return event;
    }
    m_state = State::Over;
    m_ended = m_now;
    return Event::Over;
}

PracticeRun::Event PracticeRun::previous()
{
    const Event event = catchUp();
    if (m_state != State::Over && m_current > 0)
        enter(m_current - 1);
    return event;
}

PracticeRun::Event PracticeRun::addMinutes(int count)
{
    const Event event = catchUp();
    if (m_state == State::Over)
        return event;
    Record& record = m_records[m_current];
    record.length = std::max(record.length + minutes(count), record.used);
    armWarning();
    // Nothing left: the time has run out now.
    const Event ranOut = catchUp();
    return ranOut == Event::None ? event : ranOut;
}

PracticeRun::Event PracticeRun::update()
{
    return catchUp();
}

std::optional<PracticeRun::Duration> PracticeRun::untilNextSecond() const
{
    if (m_state != State::Running)
        return std::nullopt;
    const Duration part = left() % 1s;
    return part == 0ms ? Duration(1s) : part;
}

PracticeRun::Duration PracticeRun::plannedTotal() const
{
    const int first = m_state == State::Ready ? m_current : m_first;
    Duration total{0};
    for (std::size_t i = first; i < m_schedule.size(); ++i)
        total += minutes(m_schedule[i].minutes);
    return total;
}

PracticeRun::Duration PracticeRun::remaining() const
{
    Duration total{0};
    for (std::size_t i = m_current; i < m_records.size(); ++i)
        total += m_records[i].length - m_records[i].used;
    return total;
}

PracticeRun::Duration PracticeRun::behind() const
{
    switch (m_state) {
    case State::Ready:
        return Duration{0};
    case State::Over:
        return std::chrono::floor<Duration>(m_ended - m_started) - plannedTotal();
    case State::Running:
    case State::Paused:
        break;
    }
    return std::chrono::floor<Duration>(m_now - m_started) + remaining() - plannedTotal();
}
