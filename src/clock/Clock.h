#pragma once

#include <chrono>

// Where the time that a feature counts comes from: the steady clock for
// durations (a countdown, a delay after the last edit), which neither jumps
// with the wall clock nor stops while the machine sleeps on Linux, and the
// wall clock for dates and times of day. The program runs on the system's
// clocks; a test installs a clock it moves, so no test waits for time to pass.
class Clock
{
public:
    using SteadyTime = std::chrono::steady_clock::time_point;
    using WallTime = std::chrono::system_clock::time_point;

    virtual ~Clock() = default;

    virtual SteadyTime steadyNow() const = 0;
    virtual WallTime wallNow() const = 0;

    // The clock in use: the system's unless one is installed.
    static const Clock& instance();
    // Installs `clock` (not owned; null: the system's) and returns the one it
    // replaces, or null when that was the system's.
    static const Clock* install(const Clock* clock);
};
