#include "clock/Clock.h"

#include <ctime>

namespace {

// The steady clock is CLOCK_MONOTONIC, which on Linux stands still while the
// machine is suspended; CLOCK_BOOTTIME counts that time too, so a run whose
// laptop lid was closed is simply further on when it opens.
class SystemClock final : public Clock
{
public:
    SteadyTime steadyNow() const override
    {
        timespec now{};
        if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
            return std::chrono::steady_clock::now();
        return SteadyTime(std::chrono::duration_cast<SteadyTime::duration>(
            std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec)));
    }
    WallTime wallNow() const override { return std::chrono::system_clock::now(); }
};

const SystemClock systemClock;
const Clock* installed = nullptr;

} // namespace

const Clock& Clock::instance()
{
    return installed ? *installed : systemClock;
}

const Clock* Clock::install(const Clock* clock)
{
    const Clock* previous = installed;
    installed = clock;
    return previous;
}
