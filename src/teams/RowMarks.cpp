#include "teams/RowMarks.h"

#include <QPainter>

RowMarks::RowMarks(QStringList marks, int rowHeight, int top, QWidget* parent)
    : QWidget(parent), m_marks(std::move(marks)), m_rowHeight(rowHeight), m_top(top)
{
}

QSize RowMarks::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("10")),
            m_top + m_rowHeight * static_cast<int>(m_marks.size())};
}

void RowMarks::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int row = 0; row < m_marks.size(); ++row) {
        const QRect cell(0, m_top + row * m_rowHeight, width(), m_rowHeight);
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, m_marks[row]);
    }
}
