#pragma once

#include <string>

// The font a printout asks for; points are typographic points (1/72 inch).
struct PrintFont
{
    std::string name = "Arial";
    int points = 10;
    bool bold = false;
    bool underline = false;

    bool operator==(const PrintFont&) const = default;
};

// A rectangle in device pixels: left and top inside, right and bottom outside.
struct PrintRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The printer as the page layout sees it. Coordinates are device pixels with
// the origin at the top-left corner of the printable area; text is placed by
// the top-left corner of its cell. Texts are UTF-8.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual int resolutionX() const = 0;
    virtual int resolutionY() const = 0;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFont(const PrintFont& font) = 0;
    virtual int textWidth(const std::string& text) = 0;
    virtual void drawText(int x, int y, const std::string& text) = 0;
    // Single line, starting at the rectangle's top-left corner, cut at its edges.
    virtual void drawClippedText(const PrintRect& rect, const std::string& text) = 0;
    // With the default pen: black, one pixel.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    virtual void newPage() = 0;
    // 1 for the first page.
    virtual int pageNumber() const = 0;

    virtual void setJobTitle(const std::string& title) = 0;
    // False when the document cannot be started; nothing may be drawn then.
    virtual bool begin() = 0;
    virtual void end() = 0;
};
