#pragma once

class QWidget;

// For the start-up benchmark only: waits for the first paint of `window` and
// its children, prints one line "first-paint-ns <steady clock> rss-kib <n>"
// on standard output and ends the event loop. The steady clock is the
// system's monotonic clock, so the launching process can subtract its own
// start time.
namespace StartupProbe {

// The environment switch that turns the probe on in the program.
constexpr const char* EnvironmentSwitch = "CORVANTA_STARTUP_PROBE";

// Reports after the next paint of `window` (its first, when it is not yet
// shown).
void watch(QWidget& window);
// Prints the line and ends the event loop; the point callgrind can dump at.
void report();
// Resident memory of this process in KiB, 0 when unknown.
long residentKiB();

} // namespace StartupProbe
