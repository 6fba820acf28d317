// The live practice window at 1920 x 1080: one display update (time left,
// progress, clock, ahead or behind) with its repaint, on a clock moved by
// hand; then the CPU the program uses over a span of real time with the
// practice running and paused, and how often its main thread woke up.
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another (run
// it under Xvfb with QT_QPA_PLATFORM=xcb for the X server's share of a paint).
// Usage: practice_run_bench [seconds of each real-time span, default 60]

#include "BenchSession.h"
#include "BenchTiming.h"

#include "clock/Clock.h"
#include "practicerun/TPracticeRunWindow.h"

#include <QAction>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>

using namespace std::chrono_literals;

namespace {

constexpr int Updates = 600;
constexpr int Changes = PlanEntryCount - 1;

class SteppedClock final : public Clock
{
public:
    SteadyTime steadyNow() const override { return m_steady; }
    WallTime wallNow() const override { return m_wall; }
    void advance(std::chrono::milliseconds by)
    {
        m_steady += by;
        m_wall += by;
    }

private:
    SteadyTime m_steady{std::chrono::hours(1)};
    WallTime m_wall{std::chrono::system_clock::now()};
};

PlanRows benchRows()
{
    PlanRows rows;
    for (int i = 0; i < PlanEntryCount; ++i) {
        rows[i].minutes = 10;
        rows[i].activity = "Three on two fast break, drill " + std::to_string(i + 1);
        rows[i].emphasis = "Fill the lanes wide";
        rows[i].timeSpan = "3:30 - 3:40";
    }
    return rows;
}

// Paints of one widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TPracticeRunWindow* openWindow(QObject& plan)
{
    TPracticeRunWindow* window =
        TPracticeRunWindow::open(&plan, QStringLiteral("Bench"), benchRows(), -1, {});
    window->setGeometry(0, 0, 1920, 1080);
    window->showFullScreen();
    if (!QTest::qWaitForWindowExposed(window))
        std::printf("the window was never shown\n");
    QCoreApplication::processEvents();
    window->findChild<QAction*>(QStringLiteral("actionStartPause"))->trigger();
    QCoreApplication::processEvents();
    return window;
}

// `count` updates, each `step` later; `painted` names the part that must
// repaint each time.
void timeUpdates(const char* what, std::chrono::milliseconds step, int count, const char* painted)
{
    SteppedClock clock;
    const Clock* previous = Clock::install(&clock);
    QObject plan;
    TPracticeRunWindow* window = openWindow(plan);
    PaintCounter counter;
    window->findChild<QWidget*>(QLatin1String(painted))->installEventFilter(&counter);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        clock.advance(step);
        times.push_back(millisecondsOf([window] {
            window->updateNow();
            QCoreApplication::processEvents();
        }));
    }
    report(what, times);
    std::printf("%-34s %d of %d updates repainted %s\n", "", counter.paints, count, painted);
    delete window;
    Clock::install(previous);
}

struct Usage
{
    double cpuSeconds;
    long wakeUps;
};

Usage usageOf(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nvcsw};
}

void measureSpan(const char* what, int seconds)
{
    const Usage process = usageOf(RUSAGE_SELF);
    const Usage main = usageOf(RUSAGE_THREAD);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const Usage processAfter = usageOf(RUSAGE_SELF);
    const Usage mainAfter = usageOf(RUSAGE_THREAD);
    std::printf("%-34s CPU %6.3f%% of one core (main thread %6.3f%%), main thread woke %ld times "
                "in %d s\n",
                what, 100.0 * (processAfter.cpuSeconds - process.cpuSeconds) / seconds,
                100.0 * (mainAfter.cpuSeconds - main.cpuSeconds) / seconds,
                // The one wake-up of the span's own end is not the run's.
                mainAfter.wakeUps - main.wakeUps - 1, seconds);
}

} // namespace

int main(int argc, char** argv)
{
    BenchSession session(argc, argv);
    qputenv("CORVANTA_SETTINGS", (session.folder() + QStringLiteral("settings.ini")).toLocal8Bit());
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

    timeUpdates("one update, a second on", 1s, Updates, "TimeLeft");
    timeUpdates("one update, the next activity", 10min, Changes, "ActivityName");

    QObject plan;
    TPracticeRunWindow* window = openWindow(plan);
    measureSpan("running", seconds);
    window->findChild<QAction*>(QStringLiteral("actionStartPause"))->trigger();
    QCoreApplication::processEvents();
    measureSpan("paused", seconds);
    delete window;
    return 0;
}
