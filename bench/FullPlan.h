#pragma once

#include "plans/PracticePlan.h"

#include <string>

// A plan as full as a coach makes one: ten announcement lines, both emphases
// and all 100 rows filled.
inline PracticePlan FullPlan()
{
    PracticePlan plan;
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
