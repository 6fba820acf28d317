#include "plans/ScheduleList.h"

#include "plans/ScheduleColumns.h"

#include <QMouseEvent>
#include <QScrollBar>

ScheduleList::ScheduleList(const ScheduleRowDelegate::Entries& entries, QWidget* parent)
    : QListWidget(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setItemDelegate(new ScheduleRowDelegate(entries, this));
    for (int row = 0; row < ScheduleLayout::RowCount; ++row)
        addItem(QString());
}

int ScheduleList::firstVisibleRow() const
{
    return verticalScrollBar()->value();
}

int ScheduleList::visibleRowCount() const
{
    return height() / ScheduleLayout::RowHeight;
}

int ScheduleList::rowTopInParent(int row) const
{
    return (row - firstVisibleRow()) * ScheduleLayout::RowHeight + y() + frameWidth();
}

int ScheduleList::rowLeftInParent() const
{
    return x() + frameWidth();
}

void ScheduleList::clearCurrentRow()
{
    setCurrentRow(-1);
}

void ScheduleList::mousePressEvent(QMouseEvent* event)
{
    // The focus comes before the press; a field that would not let it go
    // (an invalid date) keeps it, and the click then chooses no row.
    if (!hasFocus()) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit rowChosen();
}

void ScheduleList::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with the button down would move the current row unnoticed.
    if (event->buttons() == Qt::NoButton)
        QListWidget::mouseMoveEvent(event);
}

void ScheduleList::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit rowChosen();
}

void ScheduleList::focusInEvent(QFocusEvent* event)
{
    m_focusReason = event->reason();
    // The item view would make the first row current; the plan window decides
    // which row opens when the list takes the focus.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}
