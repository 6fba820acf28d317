#include "report/ReportPage.h"

#include "store/ProfileStore.h"

#include <algorithm>

namespace {

constexpr int ProfileCapacity = 256;

std::string readTeamSetting(const char* key, std::string_view defaultValue)
{
    std::string value;
    ReadProfileText("prefs.db", "General", key, value, ProfileCapacity, defaultValue, -1, true);
    return value;
}

} // namespace

ReportPage::ReportPage(PrintSurface& surface, const PrintoutInfo& info)
    : m_surface(surface), m_info(info)
{
    setFont(PrintFont{});
    m_metrics =
        PageMetrics::compute(surface.resolutionX(), surface.resolutionY(), surface.pageWidth(),
                             surface.pageHeight(), info.leftMarginHundredths);
    m_currentLine = m_metrics.topLine;
}

bool ReportPage::startJob()
{
    m_surface.setJobTitle("Corvanta" + std::string(m_info.titleSuffix));
    if (!m_surface.begin())
        return false;
    printPageHeader(std::string(m_info.heading));
    return true;
}

void ReportPage::endJob()
{
    printPageFooter();
    m_surface.end();
}

std::vector<int> ReportPage::tabStops(std::initializer_list<int> hundredths) const
{
    std::vector<int> tabs;
    tabs.reserve(hundredths.size());
    for (int factor : hundredths)
        tabs.push_back(ScaleHundredths(m_metrics.dpiX, factor));
    return tabs;
}

void ReportPage::printPageHeader(const std::string& heading)
{
    const PrintFont body = m_font;
    PrintFont font = body;
    font.name = readTeamSetting("TeamFontName", "Arial");
    font.underline = true;
    font.points = 12;
    setFont(font);
    printCentred(readTeamSetting("TeamName", ""), m_metrics.lineHeight);

    font.name = body.name;
    font.underline = false;
    font.bold = true;
    font.points = 14;
    setFont(font);
    printCentred(heading, ScaleHundredths(m_metrics.lineHeight, 220));

    font.points = body.points;
    font.bold = false;
    setFont(font);
}

void ReportPage::printLine(const std::string& text)
{
    advance();
    drawText(m_metrics.leftMargin, m_currentLine * m_metrics.lineHeight, text);
}

void ReportPage::printColumns(std::span<const std::string> texts, std::span<const int> tabs)
{
    advance();
    const int y = m_currentLine * m_metrics.lineHeight;
    const size_t count = std::min(texts.size(), tabs.size());
    for (size_t k = 0; k < count; ++k)
        drawText(m_metrics.leftMargin + tabs[k], y, texts[k]);
}

void ReportPage::printCells(std::span<const std::string> texts, std::span<const int> tabs)
{
    advance();
    const int top = m_currentLine * m_metrics.lineHeight;
    const int gap = m_metrics.dpiX / 8;
    const size_t count = std::min(texts.size(), tabs.empty() ? 0 : tabs.size() - 1);
    for (size_t k = 0; k < count; ++k) {
        const PrintRect cell{m_metrics.leftMargin + tabs[k], top,
                             m_metrics.leftMargin + tabs[k + 1] - gap, top + m_metrics.lineHeight};
        if (readyToDraw(texts[k]))
            m_surface.drawClippedText(cell, texts[k]);
    }
}

void ReportPage::ruleCells(std::span<const int> tabs, int count)
{
    const int y = (m_currentLine + 1) * m_metrics.lineHeight;
    const int gap = m_metrics.dpiX / 10;
    const int cells = std::min<int>(count, tabs.empty() ? 0 : static_cast<int>(tabs.size()) - 1);
    for (int k = 0; k < cells; ++k)
        drawLine(m_metrics.leftMargin + tabs[k], y, m_metrics.leftMargin + tabs[k + 1] - gap, y);
}

void ReportPage::drawLine(int x1, int y1, int x2, int y2)
{
    startPendingPage();
    m_surface.drawLine(x1, y1, x2, y2);
}

void ReportPage::setBold(bool bold)
{
    PrintFont font = m_font;
    font.bold = bold;
    setFont(font);
}

void ReportPage::printPageFooter()
{
    if (m_footerPrinted)
        return;
    m_footerPrinted = true;
    const int y = m_metrics.pageHeight - 2 * m_metrics.lineHeight;
    m_surface.drawLine(0, y - m_metrics.lineHeight / 4, m_metrics.pageWidth,
                       y - m_metrics.lineHeight / 4);
    const std::string number = "Page " + std::to_string(m_surface.pageNumber());
    const int right = m_metrics.pageWidth - m_metrics.leftMargin;
    m_surface.drawText(right - m_surface.textWidth(number), y, number);
}

// A row taken once the counter has reached the last line goes to the top line
// of a new page; the full page gets its footer first. The new page starts
// with the first thing drawn on it, so rows that draw nothing (an empty line
// closing a group) never end a printout with a page holding only its footer.
void ReportPage::advance()
{
    const int previous = m_currentLine++;
    if (previous < m_metrics.lastLine)
        return;
    printPageFooter();
    m_currentLine = m_metrics.topLine;
    m_pageBreakPending = true;
}

void ReportPage::startPendingPage()
{
    if (!m_pageBreakPending)
        return;
    m_pageBreakPending = false;
    m_surface.newPage();
    m_footerPrinted = false;
}

// An empty text shows nothing, so it starts no page.
bool ReportPage::readyToDraw(const std::string& text)
{
    if (text.empty() && m_pageBreakPending)
        return false;
    startPendingPage();
    return true;
}

void ReportPage::drawText(int x, int y, const std::string& text)
{
    if (readyToDraw(text))
        m_surface.drawText(x, y, text);
}

void ReportPage::setFont(const PrintFont& font)
{
    m_font = font;
    m_surface.setFont(font);
}

void ReportPage::printCentred(const std::string& text, int y)
{
    if (text.empty())
        return;
    drawText((m_metrics.pageWidth - m_surface.textWidth(text)) / 2, y, text);
}
