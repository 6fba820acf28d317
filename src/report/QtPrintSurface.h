#pragma once

#include "report/PrintSurface.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

// The page layout's surface on a real printer, a print preview or a PDF file.
// Jobs that follow one another on one surface make one document: each after
// the first starts on a new page, numbered from 1; the document ends with the
// surface.
class QtPrintSurface : public PrintSurface
{
public:
    enum class Jobs
    {
        One,     // the job's end ends the document
        Several, // the document ends with the surface
    };

    explicit QtPrintSurface(QPagedPaintDevice& device, Jobs jobs = Jobs::One);
    ~QtPrintSurface() override;

    int resolutionX() const override;
    int resolutionY() const override;
    int pageWidth() const override;
    int pageHeight() const override;

    void setFont(const PrintFont& font) override;
    int textWidth(const std::string& text) override;
    void drawText(int x, int y, const std::string& text) override;
    void drawClippedText(const PrintRect& rect, const std::string& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

    void newPage() override;
    int pageNumber() const override { return m_pageNumber; }

    // Names a printer's job; a PDF file keeps the title it was given.
    void setJobTitle(const std::string& title) override;
    bool begin() override;
    void end() override;

private:
    QPagedPaintDevice& m_device;
    Jobs m_jobs;
    QPainter m_painter;
    QFont m_font;
    int m_pageNumber = 1;
};
