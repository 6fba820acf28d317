#pragma once

#include "clock/Clock.h"

// A clock that stands still until the test moves it; both of its clocks move
// together. Installed for its lifetime, so a failing check restores the
// system's clock too.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(WallTime wall = WallTime(std::chrono::hours(24 * 20000)))
        : m_wall(wall), m_previous(Clock::install(this))
    {
    }
    ~ManualClock() override { Clock::install(m_previous); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    SteadyTime steadyNow() const override { return m_steady; }
    WallTime wallNow() const override { return m_wall; }

    void advance(std::chrono::milliseconds by)
    {
        m_steady += by;
        m_wall += by;
    }
    // The wall clock alone, as when the coach changes the system time.
    void setWall(WallTime wall) { m_wall = wall; }

private:
    SteadyTime m_steady{std::chrono::hours(1)};
    WallTime m_wall;
    const Clock* m_previous;
};
