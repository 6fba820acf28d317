#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

class QAction;
class QMenu;

// A kind's recent documents as numbered items of a menu, "&1 MONDAY.pln" to
// "&8 ...", the full path as tip, then "&Clear Recent". Above `before` in a
// menu shared with other commands, or alone in a submenu, which is disabled
// while its list is empty. Built afresh each time, as the list lives outside
// the window. A document chosen that no longer exists leaves the list.
class RecentMenu : public QObject
{
    Q_OBJECT

public:
    using Open = std::function<void(const QString& path)>;

    RecentMenu(QMenu* menu, QAction* before, const QString& list, Open open);
    // A submenu of `parent` for the list alone, brought up to date whenever
    // `parent` shows.
    static RecentMenu* addSubmenu(QMenu* parent, std::string_view title, std::string_view list,
                                  Open open);

    void refresh();

private:
    void choose(const QString& path);

    QMenu* m_menu;
    QAction* m_before; // null: the submenu is ours alone
    QString m_list;
    Open m_open;
    QList<QAction*> m_items;
};
