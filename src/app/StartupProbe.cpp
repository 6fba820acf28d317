#include "app/StartupProbe.h"

#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

void StartupProbe::watch(QWidget& window)
{
    FirstPaint::await(window, report);
}

void StartupProbe::report()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("first-paint-ns %lld rss-kib %ld\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()), residentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
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
