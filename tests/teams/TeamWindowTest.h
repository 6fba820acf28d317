#pragma once

#include "DragEvents.h"
#include "FileBytes.h"

#include "teams/TTeams.h"
#include "teams/TeamListWidget.h"

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

// Selects `rows` of `from`, then drags what it carries onto `to` as a pointer
// would: enter, move, drop. True when the target took the drag over it.
inline bool dragSelection(TeamListWidget* from, const QList<int>& rows, TeamListWidget* to)
{
    from->clearSelection();
    for (const int row : rows)
        from->item(row)->setSelected(true);
    const std::unique_ptr<QMimeData> data(from->dragData());
    QWidget* viewport = to->viewport();
    const QPoint at(viewport->width() / 2, viewport->height() / 2);
    if (!sendDrag(viewport, QEvent::DragEnter, at, data.get()))
        return false;
    const bool moved = sendDrag(viewport, QEvent::DragMove, at, data.get());
    return sendDrag(viewport, QEvent::Drop, at, data.get()) && moved;
}
