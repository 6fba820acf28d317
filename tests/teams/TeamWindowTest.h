#pragma once

#include "FileBytes.h"

#include "teams/TTeams.h"
#include "teams/TeamListWidget.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <memory>

// players.db holding `names` in the given order.
inline void writeRoster(const QString& path, const QStringList& names)
{
    QByteArray bytes = "[Players]\r\n";
    for (int i = 0; i <= names.size(); ++i)
        bytes += "Name" + QByteArray::number(i) + "=" + names.value(i).toUtf8() + "\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QString namesOf(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names.join(QLatin1Char(','));
}

// List 0 is the unassigned players, n the list of team n.
inline TeamListWidget* listOf(const TTeams& window, int list)
{
    return list == 0 ? window.playersList() : window.teamList(list);
}

inline void sendDrag(QWidget* to, QEvent::Type type, const QMimeData* data, bool* accepted)
{
    const QPoint at(to->width() / 2, to->height() / 2);
    if (type == QEvent::Drop) {
        QDropEvent drop(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(to, &drop);
        *accepted = drop.isAccepted();
        return;
    }
    QDragMoveEvent move(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier, type);
    QApplication::sendEvent(to, &move);
    *accepted = move.isAccepted();
}

// Selects `rows` of `from`, then drags what it carries onto `to` as a pointer
// would: enter, move, drop. True when the target took the drag over it.
inline bool dragSelection(TeamListWidget* from, const QList<int>& rows, TeamListWidget* to)
{
    from->clearSelection();
    for (const int row : rows)
        from->item(row)->setSelected(true);
    const std::unique_ptr<QMimeData> data(from->dragData());
    bool entered = false;
    bool moved = false;
    bool dropped = false;
    sendDrag(to->viewport(), QEvent::DragEnter, data.get(), &entered);
    if (!entered)
        return false;
    sendDrag(to->viewport(), QEvent::DragMove, data.get(), &moved);
    sendDrag(to->viewport(), QEvent::Drop, data.get(), &dropped);
    return moved && dropped;
}
