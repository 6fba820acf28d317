#include "plans/ScheduleRowDelegate.h"

#include "plans/ScheduleColumns.h"

#include <QPainter>

namespace {

const QColor RowColor(255, 255, 207);
const QColor LineColor(160, 160, 160);

QString columnText(const PlanEntry& entry, int column)
{
    switch (column) {
    case ScheduleLayout::MinutesColumn:
        return entry.minutes == 0 ? QString() : QString::number(entry.minutes);
    case ScheduleLayout::TimeColumn:
        return QString::fromStdString(entry.timeSpan);
    case ScheduleLayout::ActivityColumn:
        return QString::fromStdString(entry.activity);
    default:
        return QString::fromStdString(entry.emphasis);
    }
}

} // namespace

ScheduleRowDelegate::ScheduleRowDelegate(const Entries& entries, QObject* parent)
    : QAbstractItemDelegate(parent), m_entries(entries)
{
}

void ScheduleRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const int row = index.row();
    if (row < 0 || row >= PlanEntryCount)
        return;
    const QRect rect = option.rect;
    painter->save();
    painter->fillRect(rect, RowColor);
    painter->setFont(option.font);
    for (int column = 0; column < int(ScheduleLayout::Columns.size()); ++column) {
        const ScheduleColumn& cell = ScheduleLayout::Columns[column];
        const int left = rect.left() + cell.left;
        const int right = rect.left() + cell.right();
        painter->setPen(QPen(LineColor, 1));
        painter->drawLine(left, rect.top(), left, rect.bottom());
        painter->drawLine(right, rect.top(), right, rect.bottom());

        const QRect textRect(
            QPoint(left + ScheduleLayout::TextInset, rect.top() + ScheduleLayout::TextTop),
            QPoint(right - ScheduleLayout::TextInset, rect.bottom()));
        painter->setPen(Qt::black);
        painter->setClipRect(textRect);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          columnText(m_entries[row], column));
        painter->setClipping(false);
    }
    painter->restore();
}

QSize ScheduleRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(ScheduleLayout::Emphasis.right() + 1, ScheduleLayout::RowHeight);
}
