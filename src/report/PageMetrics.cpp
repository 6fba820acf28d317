#include "report/PageMetrics.h"

#include <algorithm>

namespace {

// The 10-point body font's height at dpiY, rounded to the nearest pixel.
int bodyFontPixels(int dpiY)
{
    const long long scaled = 10LL * dpiY;
    return static_cast<int>((scaled + 36) / 72);
}

} // namespace

int ScaleHundredths(int value, int hundredths)
{
    return static_cast<int>(static_cast<long long>(value) * hundredths / 100);
}

PageMetrics PageMetrics::compute(int dpiX, int dpiY, int pageWidth, int pageHeight,
                                 int leftMarginHundredths)
{
    PageMetrics m;
    m.dpiX = dpiX;
    m.dpiY = dpiY;
    m.pageWidth = pageWidth;
    m.pageHeight = pageHeight;
    // A device reporting no resolution must not divide by zero below.
    m.lineHeight = std::max(1, ScaleHundredths(bodyFontPixels(dpiY), 140));
    m.topMargin = ScaleHundredths(dpiY, 75);
    m.leftMargin = ScaleHundredths(dpiX, leftMarginHundredths);
    m.topLine = m.topMargin / m.lineHeight;
    m.lastLine = pageHeight / m.lineHeight - m.topLine;
    return m;
}
