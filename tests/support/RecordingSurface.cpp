#include "RecordingSurface.h"

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

RecordingSurface::RecordingSurface(int dpiX, int dpiY, int pageWidth, int pageHeight)
    : m_dpiX(dpiX), m_dpiY(dpiY), m_pageWidth(pageWidth), m_pageHeight(pageHeight)
{
}

QStringList RecordingSurface::callsOf(const QString& kind) const
{
    QStringList matching;
    for (const QString& call : calls) {
        if (call == kind || call.startsWith(kind + QLatin1Char(' ')))
            matching << call;
    }
    return matching;
}

void RecordingSurface::setFont(const PrintFont& font)
{
    m_font = font;
    QString call = QStringLiteral("font %1 %2").arg(fromUtf8(font.name)).arg(font.points);
    if (font.bold)
        call += QStringLiteral(" bold");
    if (font.underline)
        call += QStringLiteral(" underline");
    calls << call;
}

int RecordingSurface::textWidth(const std::string& text)
{
    return static_cast<int>(fromUtf8(text).size()) * (m_font.points * m_dpiX / 144);
}

void RecordingSurface::drawText(int x, int y, const std::string& text)
{
    calls << QStringLiteral("text %1 %2 %3").arg(x).arg(y).arg(fromUtf8(text));
}

void RecordingSurface::drawClippedText(const PrintRect& rect, const std::string& text)
{
    calls << QStringLiteral("clip %1 %2 %3 %4 %5")
                 .arg(rect.left)
                 .arg(rect.top)
                 .arg(rect.right)
                 .arg(rect.bottom)
                 .arg(fromUtf8(text));
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2)
{
    calls << QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
}

void RecordingSurface::newPage()
{
    ++m_pageNumber;
    calls << QStringLiteral("newPage");
}

void RecordingSurface::setJobTitle(const std::string& title)
{
    calls << QStringLiteral("title ") + fromUtf8(title);
}

bool RecordingSurface::begin()
{
    calls << QStringLiteral("begin");
    return !beginFails;
}

void RecordingSurface::end()
{
    calls << QStringLiteral("end");
}
