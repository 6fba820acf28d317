#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

StartupProbe::StartupProbe(QWidget& window) : QObject(&window), m_window(&window) {}

void StartupProbe::watch(QWidget& window)
{
    QCoreApplication::instance()->installEventFilter(new StartupProbe(window));
}

long StartupProbe::residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
        (watched == m_window || m_window->isAncestorOf(static_cast<QWidget*>(watched)))) {
        m_painted = true;
        // The whole window is painted and flushed before the next turn of
        // the event loop.
        QTimer::singleShot(0, this, &StartupProbe::report);
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::report()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("first-paint-ns %lld rss-kib %ld\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()), residentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
