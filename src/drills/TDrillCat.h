#pragma once

#include "drills/DrillTree.h"
#include "recovery/ChangedElsewhere.h"

#include <QDialog>

class DrillTreeWidget;
class QTreeWidgetItem;
struct Printout;

// The drill list window: the library as a tree with Add, Edit, Delete, Print,
// renaming in place and moving by drag and drop. It loads drills.db whenever
// it is shown and saves it whenever it closes, however it is closed.
class TDrillCat : public QDialog
{
    Q_OBJECT

public:
    explicit TDrillCat(QWidget* parent = nullptr);
    ~TDrillCat() override;

    // The one drill list window of the program, or null before it exists.
    static TDrillCat* instance();

    // Shown beside the other windows, as the main frame's Drills command does.
    void showModeless();
    // Runs modally, as a plan window does to add a drill; refused with an
    // error box while the window is already open. Returns the result code.
    int showModal();

    DrillTreeWidget* treeView() const { return m_drillTreeView; }
    const DrillTree& tree() const { return m_tree; }

    // Saves the library first; stays open, with the tree, when it cannot.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void FormShow();
    void CmAdd();
    void CmEdit();
    void CmDelete();
    void CmPrint();
    Printout printout() const;
    void CmHelp();
    void CloseBtnClick();
    bool DrillTreeViewKeyDown(int key);
    void DrillTreeViewEdited(QTreeWidgetItem* item);
    void DrillTreeViewDragDrop(DrillNode* dragged, QTreeWidgetItem* target);
    void FormDragOver(QPoint position);

    bool saveLibrary();
    void releaseTree();
    void sortAfterRelabel(QTreeWidgetItem* item, const std::string& label);

    DrillTree m_tree;
    bool m_loaded = false;
    DrillTreeWidget* m_drillTreeView = nullptr;
    // The tree row scrolled to the top while dragging outside the tree.
    int m_topRow = 0;
    ChangedElsewhere m_readState;
};
