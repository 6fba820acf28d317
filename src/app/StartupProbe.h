#pragma once

#include <QObject>

class QWidget;

// For the start-up benchmark only: waits for the first paint of `window` and
// its children, prints one line "first-paint-ns <steady clock> rss-kib <n>"
// on standard output and ends the event loop. The steady clock is the
// system's monotonic clock, so the launching process can subtract its own
// start time.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    // The environment switch that turns the probe on in the program.
    static constexpr const char* EnvironmentSwitch = "CORVANTA_STARTUP_PROBE";

    static void watch(QWidget& window);
    // Resident memory of this process in KiB, 0 when unknown.
    static long residentKiB();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartupProbe(QWidget& window);
    void report();

    QWidget* m_window;
    bool m_painted = false;
};
