#pragma once

#include "report/PrintSurface.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The page layout's surface on a real printer (or a PDF file through it).
class QtPrintSurface : public PrintSurface
{
public:
    enum class Document
    {
        // begin() to end() is one document.
        OwnJob,
        // Several printouts in one document: a later begin() starts a new page
        // numbered 1, and the document ends only when the surface goes.
        Shared
    };

    explicit QtPrintSurface(QPrinter& printer, Document document = Document::OwnJob);
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

    void setJobTitle(const std::string& title) override;
    bool begin() override;
    void end() override;

private:
    QPrinter& m_printer;
    Document m_document;
    QPainter m_painter;
    QFont m_font;
    int m_pageNumber = 1;
};
