#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QWidget>

// Sends `to` one step of a drag carrying `data` at `at`, as a pointer would
// (drag-enter, drag-move or drop); true when the widget accepted it.
inline bool sendDrag(QWidget* to, QEvent::Type type, QPoint at, const QMimeData* data)
{
    if (type == QEvent::Drop) {
        QDropEvent drop(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(to, &drop);
        return drop.isAccepted();
    }
    QDragMoveEvent move(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier, type);
    QApplication::sendEvent(to, &move);
    return move.isAccepted();
}
