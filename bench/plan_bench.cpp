// What a coach waits for while planning: the time spans of a full schedule
// recomputed on every field exit, and a whole plan saved and opened again.

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

PracticePlan fullPlan(const std::string& path)
{
    PracticePlan plan;
    SetPlanPath(plan, path);
    plan.date = "12/8/2026";
    plan.practiceTime = "3:30 PM";
    for (int i = 0; i < 10; ++i)
        plan.announcements.push_back("Announcement line " + std::to_string(i) +
                                     " about the bus, the shoes and the water bottles");
    plan.defEmphasis = "Help side, box out, talk on every screen";
    plan.offEmphasis = "Run the floor, reverse the ball, finish strong";
    for (int i = 0; i < PlanEntryCount; ++i)
        plan.entries[i] = {5 + i % 20, {}, "Drill number " + std::to_string(i), "Footwork"};
    return plan;
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
    const PracticePlan plan = fullPlan(path);
    benchTimeSpans(plan);
    benchSaveAndLoad(plan);
    unlink(path.c_str());
    rmdir(folder);
    return 0;
}
