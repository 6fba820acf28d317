// What a coach waits for while planning: the time spans of a full schedule
// recomputed on every field exit, and a whole plan saved and opened again.

#include "FullPlan.h"

#include "formats/LocaleFormats.h"
#include "plans/PlanFile.h"
#include "plans/PracticePlan.h"
#include "plans/TimeSpans.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void benchTimeSpans(PracticePlan plan)
{
    constexpr int iterations = 100000;
    const LocaleFormats formats;
    const auto start = Clock::now();
    for (int i = 0; i < iterations; ++i) {
        plan.entries[i % PlanEntryCount].minutes = 5 + i % 20;
        ComputeTimeSpans(plan.entries, plan.practiceTime, formats);
    }
    std::printf("ComputeTimeSpans, 100 filled rows: %.2f us per call (%d calls)\n",
                microsecondsSince(start) / iterations, iterations);
}

void benchSaveAndLoad(const PracticePlan& plan)
{
    constexpr int iterations = 200;
    auto start = Clock::now();
    for (int i = 0; i < iterations; ++i) {
        if (!SavePlanFile(plan)) {
            std::fprintf(stderr, "could not write %s\n", plan.path.c_str());
            std::exit(1);
        }
    }
    std::printf("Plan save (%d keys, one batch): %.1f us per save (%d saves)\n",
                6 + static_cast<int>(plan.announcements.size()) + 3 * (PlanEntryCount + 1),
                microsecondsSince(start) / iterations, iterations);

    start = Clock::now();
    PracticePlan loaded;
    for (int i = 0; i < iterations; ++i) {
        SetPlanPath(loaded, plan.path);
        LoadPlanFile(loaded, "12/8/2026", LocaleFormats{});
    }
    std::printf("Plan load with its time spans: %.1f us per load (%d loads)\n",
                microsecondsSince(start) / iterations, iterations);
}

} // namespace

int main()
{
    char folder[] = "/tmp/plan_bench_XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = std::string(folder) + "/bench.pln";
    PracticePlan plan = FullPlan();
    SetPlanPath(plan, path);
    benchTimeSpans(plan);
    benchSaveAndLoad(plan);
    unlink(path.c_str());
    rmdir(folder);
    return 0;
}
