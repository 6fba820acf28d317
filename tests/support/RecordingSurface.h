#pragma once

#include "report/PrintSurface.h"

#include <QStringList>

// A print surface with fixed metrics that records every call as one line of
// text ("text 120 232 Date: ", "line 0 2940 2400 2940", "newPage"), so a
// test compares the whole drawing at once. A character is points x dpi x / 144
// pixels wide (half an em).
class RecordingSurface : public PrintSurface
{
public:
    RecordingSurface(int dpiX, int dpiY, int pageWidth, int pageHeight);

    QStringList calls;
    // Only the calls that start with `kind` ("text", "clip", "line", ...).
    QStringList callsOf(const QString& kind) const;
    bool beginFails = false;

    int resolutionX() const override { return m_dpiX; }
    int resolutionY() const override { return m_dpiY; }
    int pageWidth() const override { return m_pageWidth; }
    int pageHeight() const override { return m_pageHeight; }

    void setFont(const PrintFont& font) override;
    int textWidth(const std::string& text) override;
    void drawText(int x, int y, const std::string& text) override;
    void drawClippedText(const PrintRect& rect, const std::string& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

    void newPage() override;
    int pageNumber() const override { return m_pageNumber; }

    void setJobTitle(const std::string& title) override;
    bool begin() override;
    void end() override;

private:
    int m_dpiX;
    int m_dpiY;
    int m_pageWidth;
    int m_pageHeight;
    PrintFont m_font;
    int m_pageNumber = 1;
};
