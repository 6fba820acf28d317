#pragma once

#include "plans/PlanEntry.h"
#include "plans/PracticePlan.h"
#include "report/PrintoutInfo.h"

#include <array>
#include <string>
#include <vector>

class ReportPage;

inline constexpr PrintoutInfo PlanPrintoutInfo{" - Practice Plan", "Daily Practice Plan", 40};

// What a plan window shows, as the printout takes it.
struct PlanSheet
{
    std::string date;
    std::string practiceTime;
    std::string name; // file name with its extension; empty for a plan never saved
    std::vector<std::string> announcements;
    std::string defEmphasis;
    std::string offEmphasis;
    bool showDefEmphasis = true;
    bool showOffEmphasis = true;
    std::array<PlanEntry, PlanEntryCount> entries;
};

// The plan's rows below the page header: header line, announcements, emphases
// and the schedule, or a ruled blank form when the schedule is empty.
void PrintPlanRows(ReportPage& page, const PlanSheet& sheet);
