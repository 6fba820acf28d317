#pragma once

#include "plans/ScheduleRowDelegate.h"

#include <QListWidget>

// The plan's 100-row schedule: fixed 18-pixel rows painted from the entries,
// scrolled a whole row at a time. The plan window edits rows through its own
// entry row laid over the list, so the list only reports the coach's moves.
class ScheduleList : public QListWidget
{
    Q_OBJECT

public:
    ScheduleList(const ScheduleRowDelegate::Entries& entries, QWidget* parent);

    int firstVisibleRow() const;
    // Rows that fit whole and in part below the first visible one.
    int visibleRowCount() const;
    // The top of `row` in the parent's coordinates, as if it were visible.
    int rowTopInParent(int row) const;
    // Where a row's painting starts horizontally, in the parent's coordinates.
    int rowLeftInParent() const;
    void clearCurrentRow();
    // Whether the focus last came by a mouse press, which chooses its own row.
    bool focusedByMouse() const { return m_focusReason == Qt::MouseFocusReason; }

signals:
    // The coach clicked a row or moved the current row with the keyboard.
    void rowChosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};
