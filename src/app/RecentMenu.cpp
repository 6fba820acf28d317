#include "app/RecentMenu.h"

#include "ui/DialogServices.h"
#include "ui/RecentDocuments.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentMenu::RecentMenu(QMenu* menu, QAction* before, const QString& list, Open open)
    : QObject(menu), m_menu(menu), m_before(before), m_list(list), m_open(std::move(open))
{
    m_menu->setToolTipsVisible(true);
    if (m_before)
        connect(m_menu, &QMenu::aboutToShow, this, &RecentMenu::refresh);
    refresh();
}

RecentMenu* RecentMenu::addSubmenu(QMenu* parent, std::string_view title, std::string_view list,
                                   Open open)
{
    const auto qt = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    auto* recent = new RecentMenu(parent->addMenu(qt(title)), nullptr, qt(list), std::move(open));
    connect(parent, &QMenu::aboutToShow, recent, &RecentMenu::refresh);
    return recent;
}

void RecentMenu::refresh()
{
    for (QAction* item : std::as_const(m_items)) {
        m_menu->removeAction(item);
        item->deleteLater();
    }
    m_items.clear();
    const auto add = [this](QAction* item) {
        m_menu->insertAction(m_before, item);
        m_items << item;
        return item;
    };
    const auto addSeparator = [&add, this] {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        add(separator);
    };

    const QStringList paths = RecentDocuments(m_list);
    if (!m_before)
        m_menu->menuAction()->setEnabled(!paths.isEmpty());
    if (paths.isEmpty())
        return;
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths.at(i);
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = add(new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name), this));
        item->setStatusTip(path);
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { choose(path); });
    }
    addSeparator();
    QAction* clear = add(new QAction(QStringLiteral("&Clear Recent"), this));
    clear->setObjectName(QStringLiteral("actionClearRecent") + m_list);
    connect(clear, &QAction::triggered, this, [this] { ClearRecentDocuments(m_list); });
    if (m_before)
        addSeparator();
}

void RecentMenu::choose(const QString& path)
{
    if (QFileInfo(path).isFile()) {
        m_open(path);
        return;
    }
    ForgetRecentDocument(m_list, path);
    ShowError(path + QStringLiteral(" no longer exists."));
}
