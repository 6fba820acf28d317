#pragma once

// value x hundredths / 100, truncated toward zero. Decimal factors of the
// layout are kept in hundredths so that 0.4 x 300 is 120 and never 119.
int ScaleHundredths(int value, int hundredths);

// The line grid of a printed page, in device pixels. Line n is the text row
// whose top is at n x lineHeight.
struct PageMetrics
{
    int dpiX = 0;
    int dpiY = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int lineHeight = 1;
    int topMargin = 0;
    int leftMargin = 0;
    int topLine = 0;
    int lastLine = 0;

    static PageMetrics compute(int dpiX, int dpiY, int pageWidth, int pageHeight,
                               int leftMarginHundredths);
    bool operator==(const PageMetrics&) const = default;
};
