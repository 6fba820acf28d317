#include "drills/DrillTreeWidget.h"

#include "drills/DrillTree.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int Indentation = 19;

// An item that knows its node and sorts by the node's place among its
// siblings, so that sorting the items repeats the order the tree decided.
class DrillTreeItem : public QTreeWidgetItem
{
public:
    explicit DrillTreeItem(DrillNode* node) : m_node(node) {}

    DrillNode* node() const { return m_node; }

    bool operator<(const QTreeWidgetItem& other) const override
    {
        return m_node->indexInParent() <
               static_cast<const DrillTreeItem&>(other).m_node->indexInParent();
    }

private:
    DrillNode* m_node;
};

// The drag names its node by process and address, so a drag from another
// program can never be taken for one of ours.
QByteArray identityOf(const DrillNode* node)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(reinterpret_cast<quintptr>(node));
}

} // namespace

const QString DrillTreeWidget::MimeType = QStringLiteral("application/x-corvanta-drill-node");

DrillTreeWidget::DrillTreeWidget(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("DrillTreeView"));
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(Indentation);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    header()->setStretchLastSection(true);

    // The selection stays as visible when the tree loses the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void DrillTreeWidget::showTree(DrillTree& tree)
{
    clearTree();
    addSubtree(nullptr, &tree.root());
}

void DrillTreeWidget::clearTree()
{
    collapseAll();
    clear();
    m_pressedNode = nullptr;
    m_editedIndex = QPersistentModelIndex();
}

void DrillTreeWidget::addSubtree(QTreeWidgetItem* parent, DrillNode* node)
{
    addNode(parent, node);
    QTreeWidgetItem* item =
        parent ? parent->child(parent->childCount() - 1) : topLevelItem(topLevelItemCount() - 1);
    for (const auto& child : node->children())
        addSubtree(item, child.get());
}

void DrillTreeWidget::addNode(QTreeWidgetItem* parent, DrillNode* node)
{
    auto* item = new DrillTreeItem(node);
    item->setText(0, QString::fromStdString(node->label()));
    if (node->isCategory())
        item->setIcon(0, folderIcon());
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                   Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
}

// One icon, read once and shared by every category.
const QIcon& DrillTreeWidget::folderIcon()
{
    if (m_folderIcon.isNull())
        m_folderIcon = QIcon(QStringLiteral(":/drills/icons/folder.bmp"));
    return m_folderIcon;
}

DrillNode* DrillTreeWidget::nodeOf(const QTreeWidgetItem* item)
{
    return item ? static_cast<const DrillTreeItem*>(item)->node() : nullptr;
}

DrillNode* DrillTreeWidget::currentNode() const
{
    return nodeOf(currentItem());
}

QTreeWidgetItem* DrillTreeWidget::itemOf(const DrillNode* node) const
{
    for (QTreeWidgetItemIterator it(const_cast<DrillTreeWidget*>(this)); *it; ++it) {
        if (nodeOf(*it) == node)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem* DrillTreeWidget::itemAtTreeIndex(int index) const
{
    QTreeWidgetItemIterator it(const_cast<DrillTreeWidget*>(this));
    for (int i = 0; *it && i < index; ++i)
        ++it;
    return *it;
}

void DrillTreeWidget::followOrder(QTreeWidgetItem* parent)
{
    if (parent) {
        parent->sortChildren(0, Qt::AscendingOrder);
        return;
    }
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->sortChildren(0, Qt::AscendingOrder);
}

void DrillTreeWidget::moveItem(QTreeWidgetItem* item, QTreeWidgetItem* newParent)
{
    QTreeWidgetItem* oldParent = item->parent();
    if (!oldParent || !newParent)
        return;
    newParent->addChild(oldParent->takeChild(oldParent->indexOfChild(item)));
    expandRecursively(indexFromItem(newParent));
}

QMimeData* DrillTreeWidget::dragData() const
{
    auto* data = new QMimeData;
    data->setData(MimeType, identityOf(m_pressedNode));
    return data;
}

DrillNode* DrillTreeWidget::nodeNamedBy(const QMimeData* data) const
{
    const QByteArray identity = data->data(MimeType);
    for (QTreeWidgetItemIterator it(const_cast<DrillTreeWidget*>(this)); *it; ++it) {
        if (identityOf(nodeOf(*it)) == identity)
            return nodeOf(*it);
    }
    return nullptr;
}

void DrillTreeWidget::mousePressEvent(QMouseEvent* event)
{
    m_leftPressed = event->button() == Qt::LeftButton;
    if (m_leftPressed)
        m_pressedNode = nodeOf(itemAt(event->position().toPoint()));
    QTreeWidget::mousePressEvent(event);
}

void DrillTreeWidget::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) &&
        event->modifiers() == Qt::NoModifier) {
        emit commandKey(event->key());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// The stock drag would remove the moved item itself; the window moves it
// once the tree has accepted the move. A drag with another button would
// carry the node pressed last with the left one, not the one under it.
void DrillTreeWidget::startDrag(Qt::DropActions)
{
    if (!m_leftPressed)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->exec(Qt::MoveAction);
}

// Everywhere over the tree, so that a refused drop can say why.
void DrillTreeWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(MimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DrillTreeWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(MimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DrillTreeWidget::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(MimeType)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit nodeDropped(nodeNamedBy(event->mimeData()), itemAt(event->position().toPoint()));
}

void DrillTreeWidget::finishEditing()
{
    QWidget* editor = state() == EditingState ? indexWidget(m_editedIndex) : nullptr;
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool DrillTreeWidget::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool editing = QTreeWidget::edit(index, trigger, event);
    if (editing)
        m_editedIndex = index;
    return editing;
}

// Every confirmed edit counts as a new label, even when the text is the same.
void DrillTreeWidget::commitData(QWidget* editor)
{
    QTreeWidget::commitData(editor);
    if (QTreeWidgetItem* item = itemFromIndex(m_editedIndex))
        emit labelEdited(item);
}
