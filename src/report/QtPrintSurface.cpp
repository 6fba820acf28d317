#include "report/QtPrintSurface.h"

#include <QFontMetrics>
#include <QPrinter>

namespace {

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int singleLineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

} // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer, Document document)
    : m_printer(printer), m_document(document)
{
}

QtPrintSurface::~QtPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

int QtPrintSurface::resolutionX() const
{
    return m_printer.logicalDpiX();
}

int QtPrintSurface::resolutionY() const
{
    return m_printer.logicalDpiY();
}

int QtPrintSurface::pageWidth() const
{
    return m_printer.width();
}

int QtPrintSurface::pageHeight() const
{
    return m_printer.height();
}

void QtPrintSurface::setFont(const PrintFont& font)
{
    m_font = QFont(toQString(font.name));
    m_font.setPointSize(font.points);
    m_font.setBold(font.bold);
    m_font.setUnderline(font.underline);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

int QtPrintSurface::textWidth(const std::string& text)
{
    return QFontMetrics(m_font, &m_printer).horizontalAdvance(toQString(text));
}

void QtPrintSurface::drawText(int x, int y, const std::string& text)
{
    m_painter.drawText(QRect(x, y, 0, 0), singleLineFlags | Qt::TextDontClip, toQString(text));
}

void QtPrintSurface::drawClippedText(const PrintRect& rect, const std::string& text)
{
    const QRect cell(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    m_painter.drawText(cell, singleLineFlags, toQString(text));
}

void QtPrintSurface::drawLine(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void QtPrintSurface::newPage()
{
    m_printer.newPage();
    ++m_pageNumber;
}

void QtPrintSurface::setJobTitle(const std::string& title)
{
    // A shared document keeps the name of its first printout.
    if (!m_painter.isActive())
        m_printer.setDocName(toQString(title));
}

bool QtPrintSurface::begin()
{
    if (m_painter.isActive()) {
        m_printer.newPage();
        m_painter.setFont(m_font);
        m_pageNumber = 1;
        return true;
    }
    if (!m_painter.begin(&m_printer))
        return false;
    m_painter.setFont(m_font);
    // A cosmetic pen is one device pixel wide, whatever the device.
    m_painter.setPen(QPen(Qt::black, 0));
    m_pageNumber = 1;
    return true;
}

void QtPrintSurface::end()
{
    if (m_document == Document::OwnJob)
        m_painter.end();
}
