#include "plans/PlanPrintout.h"

#include "report/ReportPage.h"

#include <algorithm>

namespace {

constexpr int ScheduleColumns = 4;

// Drops the last `count` characters of UTF-8 text, never half of one.
std::string withoutLastCharacters(const std::string& text, int count)
{
    size_t end = text.size();
    for (int i = 0; i < count && end > 0; ++i) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    }
    return text.substr(0, end);
}

void printHeaderLine(ReportPage& page, const PlanSheet& sheet)
{
    const std::vector<int> tabs = page.tabStops({0, 140, 430});
    const std::string texts[] = {"Date: " + sheet.date, "Time: " + sheet.practiceTime,
                                 withoutLastCharacters(sheet.name, 4)};
    page.setBold(true);
    page.printColumns(texts, tabs);
    page.setBold(false);
}

void printAnnouncements(ReportPage& page, const PlanSheet& sheet, std::span<const int> tabs)
{
    if (sheet.announcements.empty()) {
        page.printLine("Announcements:");
        return;
    }
    std::string label = "Announcements:";
    for (const std::string& line : sheet.announcements) {
        const std::string texts[] = {label, line};
        page.printColumns(texts, tabs);
        label.clear();
    }
}

void printEmphases(ReportPage& page, const PlanSheet& sheet, std::span<const int> tabs)
{
    if (sheet.showDefEmphasis) {
        const std::string texts[] = {"Defense Emphasis:", sheet.defEmphasis};
        page.printColumns(texts, tabs);
    }
    if (sheet.showOffEmphasis) {
        const std::string texts[] = {"Offense Emphasis:", sheet.offEmphasis};
        page.printColumns(texts, tabs);
    }
}

void printColumnHeads(ReportPage& page, std::span<const int> tabs)
{
    static const std::string heads[] = {"Min", "Time", "Activity", "Emphasis"};
    page.setBold(true);
    page.printColumns(heads, tabs.first(ScheduleColumns));
    page.setBold(false);

    const PageMetrics& m = page.metrics();
    const int y = page.currentLine() * m.lineHeight + ScaleHundredths(m.lineHeight, 80);
    const int overhang = m.dpiX / 10;
    page.drawLine(m.leftMargin - overhang, y, m.pageWidth - m.leftMargin + overhang, y);
}

// Ruled rows to fill in by hand, down to the foot of the current page only.
void printBlankForm(ReportPage& page, std::span<const int> tabs)
{
    page.blankLine();
    for (int row = 0; row < PlanEntryCount && page.currentLine() < page.metrics().lastLine; ++row) {
        page.ruleCells(tabs, ScheduleColumns);
        page.blankLine();
    }
}

void printSchedule(ReportPage& page, const PlanSheet& sheet, int lastRow, std::span<const int> tabs)
{
    for (int row = 0; row <= lastRow; ++row) {
        const PlanEntry& entry = sheet.entries[row];
        const std::string texts[] = {entry.minutes == 0 ? std::string()
                                                        : std::to_string(entry.minutes),
                                     entry.timeSpan, entry.activity, entry.emphasis};
        page.printCells(texts, tabs);
    }
}

int lastFilledRow(const PlanSheet& sheet)
{
    for (int row = PlanEntryCount - 1; row >= 0; --row) {
        if (!sheet.entries[row].isEmpty())
            return row;
    }
    return -1;
}

} // namespace

void PrintPlanRows(ReportPage& page, const PlanSheet& sheet)
{
    printHeaderLine(page, sheet);
    page.blankLine();
    const std::vector<int> labelTabs = page.tabStops({0, 140});
    printAnnouncements(page, sheet, labelTabs);
    page.blankLine();
    printEmphases(page, sheet, labelTabs);
    page.blankLine();

    const std::vector<int> scheduleTabs = page.tabStops({0, 40, 180, 470, 750});
    printColumnHeads(page, scheduleTabs);
    const int lastRow = lastFilledRow(sheet);
    if (lastRow < 0)
        printBlankForm(page, scheduleTabs);
    else
        printSchedule(page, sheet, lastRow, scheduleTabs);
}
