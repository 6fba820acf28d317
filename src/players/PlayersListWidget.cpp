#include "players/PlayersListWidget.h"

#include "players/PlayersListRules.h"
#include "store/PlainText.h"
#include "ui/ListCollator.h"
#include "ui/TypingLimit.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int RowHeight = 14;
constexpr int Dot = 6;
constexpr int DotStep = 8;
constexpr int DotsWidth = PlayerRatings::Highest * DotStep + 2;

std::string folded(const QString& name)
{
    return FoldedName(name.toStdString());
}

// Paints the rating as five dots, as many filled as the rating, over the end
// of the row; the name editor takes no more than a stored name holds.
class RatingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const int rating = index.data(PlayersListWidget::RatingRole).toInt();
        if (rating <= 0)
            return;
        const bool selected = option.state & QStyle::State_Selected;
        const QRect area(option.rect.right() - DotsWidth, option.rect.top(), DotsWidth + 1,
                         option.rect.height());
        painter->save();
        painter->fillRect(area, selected ? option.palette.highlight() : option.palette.base());
        const QColor ink =
            selected ? option.palette.highlightedText().color() : option.palette.text().color();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(ink);
        const int top = area.top() + (area.height() - Dot) / 2;
        for (int i = 0; i < PlayerRatings::Highest; ++i) {
            painter->setBrush(i < rating ? QBrush(ink) : QBrush(Qt::NoBrush));
            painter->drawEllipse(
                QRectF(area.left() + 1 + i * DotStep + 0.5, top + 0.5, Dot - 1, Dot - 1));
        }
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* field = qobject_cast<QLineEdit*>(editor))
            new TypingLimit(field, PlayersListRules::MaxNameLength);
        return editor;
    }
};

} // namespace

PlayersListWidget::PlayersListWidget(QWidget* parent)
    : QListWidget(parent), m_order(ListCollator(Qt::CaseInsensitive))
{
    setUniformItemSizes(true);
    setItemDelegate(new RatingDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    createActions();
    connect(this, &QListWidget::itemChanged, this, &PlayersListWidget::nameEdited);
}

void PlayersListWidget::createActions()
{
    const auto add = [this](const QString& text, Qt::Key key, auto handler) {
        auto* action = new QAction(text, this);
        action->setShortcuts({QKeySequence(key), QKeySequence(Qt::KeypadModifier | key)});
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    for (int rating = 1; rating <= PlayerRatings::Highest; ++rating) {
        add(QStringLiteral("Rating &%1").arg(rating), Qt::Key(Qt::Key_0 + rating),
            [this, rating] { rate(rating); });
    }
    add(QStringLiteral("&No Rating"), Qt::Key_0, [this] { rate(PlayerRatings::None); });
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    add(QStringLiteral("Re&name"), Qt::Key_F2, [this] { renameCurrent(); });
}

QListWidgetItem* PlayersListWidget::newItem(const QString& name, int rating) const
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, RowHeight));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(RatingRole, rating);
    return item;
}

void PlayersListWidget::load(const std::vector<std::string>& names, const std::vector<int>& ratings)
{
    clear();
    m_order = ListCollator(Qt::CaseInsensitive);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        insertItem(sortedRow(name), newItem(name, i < ratings.size() ? ratings[i] : 0));
    }
}

// After the names it equals, so that equal names keep the order they came in.
int PlayersListWidget::sortedRow(const QString& name) const
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_order.compare(name, item(middle)->text()) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void PlayersListWidget::addName(const QString& name)
{
    insertItem(sortedRow(name), newItem(name, ratingOfName(name)));
}

void PlayersListWidget::addNames(const std::vector<std::string>& names)
{
    std::vector<QListWidgetItem*> items;
    while (count() > 0)
        items.push_back(takeItem(0));
    for (const std::string& name : names)
        items.push_back(newItem(QString::fromStdString(name), 0));
    std::stable_sort(items.begin(), items.end(), [this](const auto* a, const auto* b) {
        return m_order.compare(a->text(), b->text()) < 0;
    });
    for (QListWidgetItem* entry : items)
        addItem(entry);
}

std::vector<std::string> PlayersListWidget::names() const
{
    std::vector<std::string> result;
    result.reserve(count());
    for (int row = 0; row < count(); ++row)
        result.push_back(item(row)->text().toStdString());
    return result;
}

std::vector<PlayerRatings::Rated> PlayersListWidget::ratedNames() const
{
    std::vector<PlayerRatings::Rated> result;
    result.reserve(count());
    for (int row = 0; row < count(); ++row)
        result.push_back({item(row)->text().toStdString(), rating(row)});
    return result;
}

int PlayersListWidget::rating(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(RatingRole).toInt() : PlayerRatings::None;
}

int PlayersListWidget::ratingOfName(const QString& name) const
{
    const std::string key = folded(name);
    for (int row = 0; row < count(); ++row) {
        if (folded(item(row)->text()) == key)
            return rating(row);
    }
    return PlayerRatings::None;
}

void PlayersListWidget::setRatingOfName(const QString& name, int rating)
{
    const std::string key = folded(name);
    for (int row = 0; row < count(); ++row) {
        if (folded(item(row)->text()) == key)
            item(row)->setData(RatingRole, rating);
    }
}

void PlayersListWidget::rate(int rating)
{
    const int row = currentRow();
    if (row < 0)
        return;
    setRatingOfName(item(row)->text(), rating);
    setCurrentRow(std::min(row + 1, count() - 1));
}

void PlayersListWidget::renameCurrent()
{
    QListWidgetItem* entry = currentItem();
    if (!entry)
        return;
    m_renaming = indexFromItem(entry);
    m_nameBefore = entry->text();
    editItem(entry);
}

void PlayersListWidget::nameEdited(QListWidgetItem* entry)
{
    if (!m_renaming.isValid() || item(m_renaming.row()) != entry || entry->text() == m_nameBefore)
        return;
    m_renaming = QPersistentModelIndex();
    // Moved once the editor has let go of the entry.
    QMetaObject::invokeMethod(
        this, [this, index = QPersistentModelIndex(indexFromItem(entry))] { placeRenamed(index); },
        Qt::QueuedConnection);
}

void PlayersListWidget::placeRenamed(const QPersistentModelIndex& index)
{
    if (!index.isValid())
        return;
    QListWidgetItem* entry = item(index.row());
    QString name = QString::fromStdString(PlayersListRules::TypedName(entry->text().toStdString()));
    if (name.isEmpty()) // nothing left of the name: the old one stays
        name = m_nameBefore;
    int rating = entry->data(RatingRole).toInt();
    delete takeItem(index.row());
    if (rating == PlayerRatings::None)
        rating = ratingOfName(name);
    const int at = sortedRow(name);
    insertItem(at, newItem(name, rating));
    setRatingOfName(name, rating);
    setCurrentRow(at);
}
