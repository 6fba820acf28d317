#pragma once

#include <QIcon>
#include <QPersistentModelIndex>
#include <QTreeWidget>

class DrillNode;
class DrillTree;
class QMimeData;

// The drill library as a tree control: one item per node of a DrillTree,
// categories with a folder image. It only mirrors the tree; the window makes
// every change in the DrillTree first and then tells this widget. Drags carry
// the identity of the node pressed last, so a drop can be checked against the
// tree; the widget never moves or deletes items on its own.
class DrillTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    static const QString MimeType;

    explicit DrillTreeWidget(QWidget* parent = nullptr);
    using QTreeWidget::edit;

    // Replaces every item with the nodes of `tree`; an empty tree control
    // after clearTree().
    void showTree(DrillTree& tree);
    void clearTree();

    static DrillNode* nodeOf(const QTreeWidgetItem* item);
    DrillNode* currentNode() const;
    QTreeWidgetItem* itemOf(const DrillNode* node) const;
    // The item at `index` in tree order, collapsed branches included.
    QTreeWidgetItem* itemAtTreeIndex(int index) const;

    void addNode(QTreeWidgetItem* parent, DrillNode* node);
    // Puts the children of `parent` (of every item when null) in the order of
    // their nodes.
    void followOrder(QTreeWidgetItem* parent);
    // Makes `item` the last child of `newParent`, then expands the new parent
    // and everything below it.
    void moveItem(QTreeWidgetItem* item, QTreeWidgetItem* newParent);

    // Ends a rename in place that is under way as Enter would.
    void finishEditing();

    // What a drag started now would carry: the node under the pointer when
    // the left button last went down, or none.
    QMimeData* dragData() const;

signals:
    // The node named by the drag (null when it names none of this tree's
    // nodes) was dropped on `target` (null on empty space).
    void nodeDropped(DrillNode* dragged, QTreeWidgetItem* target);
    void labelEdited(QTreeWidgetItem* item);
    void commandKey(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    void addSubtree(QTreeWidgetItem* parent, DrillNode* node);
    const QIcon& folderIcon();
    DrillNode* nodeNamedBy(const QMimeData* data) const;

    const DrillNode* m_pressedNode = nullptr; // an identity only, never followed
    // Only a press of the left button arms a drag.
    bool m_leftPressed = false;
    QPersistentModelIndex m_editedIndex;
    QIcon m_folderIcon;
};
