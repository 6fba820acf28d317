#include "practicerun/ActivityProgress.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

ActivityProgress::ActivityProgress(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ActivityProgress"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ActivityProgress::setProgress(qint64 done, qint64 whole)
{
    const double fraction = whole > 0 ? std::clamp(double(done) / double(whole), 0.0, 1.0) : 0.0;
    // Repainted only when the bar moves by a pixel.
    const bool moved = std::lround(fraction * width()) != std::lround(m_fraction * width());
    m_fraction = fraction;
    if (moved)
        update();
}

void ActivityProgress::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ActivityProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect track = rect();
    painter.fillRect(track, palette().color(QPalette::Base));
    const int filled = int(std::lround(m_fraction * track.width()));
    painter.fillRect(QRect(track.topLeft(), QSize(filled, track.height())), m_color);
}
