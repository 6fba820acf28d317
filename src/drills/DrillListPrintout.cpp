#include "drills/DrillListPrintout.h"

#include "drills/DrillTree.h"
#include "report/ReportPage.h"

namespace {

constexpr int IndentPerDepth = 4;
constexpr int FirstListedDepth = 2;

void printTitle(ReportPage& page)
{
    page.blankLine();
    page.setBold(true);
    page.printLine("Drill List");
    page.setBold(false);

    const PageMetrics& m = page.metrics();
    const int y = page.currentLine() * m.lineHeight + m.lineHeight * 5 / 7;
    page.drawLine(m.leftMargin, y, m.pageWidth - m.leftMargin, y);
}

} // namespace

void PrintDrillListRows(ReportPage& page, const DrillTree& tree)
{
    printTitle(page);
    tree.walk([&page](const DrillNode& node, int depth) {
        if (depth < FirstListedDepth)
            return;
        page.printLine(std::string(IndentPerDepth * (depth - FirstListedDepth), ' ') +
                       node.label());
    });
}
