#include "practicerun/FittedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QtMath>

namespace {

constexpr int SmallestPixels = 7;
constexpr int ReferencePixels = 100;

} // namespace

FittedText::FittedText(const char* name, Qt::Alignment alignment, bool bold, QWidget* parent)
    : QWidget(parent), m_alignment(alignment), m_font(QStringLiteral("Arial"))
{
    setObjectName(QString::fromLatin1(name));
    m_font.setBold(bold);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FittedText::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void FittedText::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void FittedText::setFlashing(bool on)
{
    if (on == m_flashing)
        return;
    m_flashing = on;
    update();
}

QFont FittedText::fittedFont() const
{
    const_cast<FittedText*>(this)->refit();
    return m_font;
}

int FittedText::flags() const
{
    return int(m_alignment) | (m_wrapAnywhere ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
}

bool FittedText::fits(int pixels) const
{
    QFont font = m_font;
    font.setPixelSize(pixels);
    const QRect room = contentsRect();
    const QRect needed = QFontMetrics(font).boundingRect(room, flags(), m_text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QString FittedText::shape() const
{
    QString shape = m_text;
    for (QChar& c : shape) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    return shape;
}

// The largest pixel size that fits. Type scales nearly in proportion, so
// the range is halved on measures taken at one size, and the size found is
// then checked at its own, one pixel smaller at a time: every size measured
// is a font kept in Qt's cache, whose clean-up would wake the program.
int FittedText::largestFitting() const
{
    QFont reference = m_font;
    reference.setPixelSize(ReferencePixels);
    const QFontMetricsF metrics(reference);
    const QRectF room = contentsRect();
    const auto roughlyFits = [&](int pixels) {
        const qreal scale = qreal(ReferencePixels) / pixels;
        const QRectF scaled(0, 0, room.width() * scale, room.height() * scale);
        const QRectF needed = metrics.boundingRect(scaled, flags(), m_text);
        return needed.width() <= scaled.width() && needed.height() <= scaled.height();
    };
    int low = SmallestPixels;
    int high = std::max(low, int(room.height() * m_lineShare));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (roughlyFits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    while (low > SmallestPixels && !fits(low))
        --low;
    return low;
}

// Words stay whole unless a word too long for the width would make the
// whole text much smaller than breaking it anywhere does.
void FittedText::refit()
{
    const QString textShape = shape();
    if (textShape == m_fittedShape && size() == m_fittedSize)
        return;
    m_fittedShape = textShape;
    m_fittedSize = size();
    m_wrapAnywhere = false;
    const int inWords = largestFitting();
    m_wrapAnywhere = true;
    const int anywhere = largestFitting();
    m_wrapAnywhere = anywhere * 2 > inWords * 3;
    m_font.setPixelSize(m_wrapAnywhere ? anywhere : inWords);
    m_pictures.clear();
}

const QImage& FittedText::picture(QChar character, const QColor& color)
{
    if (color != m_picturesColor) {
        m_pictures.clear();
        m_picturesColor = color;
    }
    auto found = m_pictures.find(character);
    if (found != m_pictures.end())
        return *found;
    const QFontMetricsF metrics(m_font);
    QImage image(qCeil(metrics.horizontalAdvance(character)), qCeil(metrics.height()),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(m_font);
    painter.setPen(color);
    painter.drawText(QPointF(0, metrics.ascent()), QString(character));
    return *m_pictures.insert(character, image);
}

// One line at the fitted size, drawn from the characters' pictures; false
// when the text takes more than a line.
bool FittedText::drawFromPictures(QPainter& painter, const QColor& color)
{
    const QFontMetrics metrics(m_font);
    const QRect room = contentsRect();
    if (!m_characterPictures || metrics.horizontalAdvance(m_text) > room.width())
        return false;
    int width = 0;
    for (QChar character : m_text)
        width += picture(character, color).width();
    const QRect line =
        QStyle::alignedRect(layoutDirection(), m_alignment, QSize(width, metrics.height()), room);
    int x = line.left();
    for (QChar character : m_text) {
        const QImage& image = picture(character, color);
        painter.drawImage(x, line.top(), image);
        x += image.width();
    }
    return true;
}

void FittedText::paintEvent(QPaintEvent*)
{
    refit();
    QPainter painter(this);
    QColor text = m_color;
    if (m_flashing) {
        painter.fillRect(rect(), m_color);
        text = palette().color(QPalette::Window);
    }
    if (drawFromPictures(painter, text))
        return;
    painter.setFont(m_font);
    painter.setPen(text);
    painter.drawText(contentsRect(), flags(), m_text);
}

void FittedText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}
