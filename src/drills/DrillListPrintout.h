#pragma once

#include "report/PrintoutInfo.h"

class DrillTree;
class ReportPage;

inline constexpr PrintoutInfo DrillListPrintoutInfo{" - Drill List", "Drill List", 75};

// Below the page header: the bold "Drill List" line with a rule under it, then
// every node after the root in tree order, indented four blanks a level below
// the root's children.
void PrintDrillListRows(ReportPage& page, const DrillTree& tree);
