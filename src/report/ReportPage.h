#pragma once

#include "report/PageMetrics.h"
#include "report/PrintSurface.h"
#include "report/PrintoutInfo.h"

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// The page frame every printout shares: body font, line grid, the team name
// and heading on the first page, a rule and page number at the foot of every
// page, and the row operations that advance the line counter and break pages.
// One per print job.
class ReportPage
{
public:
    // Sets the body font and takes the metrics from the surface.
    ReportPage(PrintSurface& surface, const PrintoutInfo& info);

    // Names the job, starts the document and prints the first page's header.
    // False, with nothing printed, when the document cannot be started.
    bool startJob();
    // The last page's footer, then the end of the document.
    void endJob();

    const PageMetrics& metrics() const { return m_metrics; }
    int currentLine() const { return m_currentLine; }
    PrintSurface& surface() { return m_surface; }

    // Offsets from the left margin for factors given in hundredths of an inch.
    std::vector<int> tabStops(std::initializer_list<int> hundredths) const;

    void printPageHeader(const std::string& heading);
    void printLine(const std::string& text);
    // Text k at left margin + tab k, not clipped.
    void printColumns(std::span<const std::string> texts, std::span<const int> tabs);
    // Text k cut to the cell from tab k to tab k+1; needs one stop more than texts.
    void printCells(std::span<const std::string> texts, std::span<const int> tabs);
    // Underlines the first `count` cells of the current line; does not advance.
    void ruleCells(std::span<const int> tabs, int count);
    // A line on the current page, with the default pen.
    void drawLine(int x1, int y1, int x2, int y2);
    void blankLine() { ++m_currentLine; }
    void setBold(bool bold);
    void printPageFooter();

private:
    void advance();
    void startPendingPage();
    bool readyToDraw(const std::string& text);
    void drawText(int x, int y, const std::string& text);
    void setFont(const PrintFont& font);
    void printCentred(const std::string& text, int y);

    PrintSurface& m_surface;
    PrintoutInfo m_info;
    PageMetrics m_metrics;
    PrintFont m_font;
    int m_currentLine = 0;
    bool m_footerPrinted = false;
    // The last page is full and has its footer; the next one starts with
    // the first thing drawn on it.
    bool m_pageBreakPending = false;
};
