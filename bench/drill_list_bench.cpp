// Times the drill list window on a full library of 500 nodes: showing it
// (load, items, expand), renaming the root in place (every sibling list
// sorted) and closing it (save).
// Usage: drill_list_bench

#include "BenchSession.h"
#include "BenchTiming.h"

#include "drills/DrillLibraryFile.h"
#include "drills/DrillTree.h"
#include "drills/DrillTreeWidget.h"
#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"
#include "store/ProfileStore.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

namespace {

constexpr int Runs = 20;

// 20 categories of 3 sub-categories, drills filling up to 500 nodes, every
// list in reverse order so that the sort has work to do.
DrillTree fullLibrary()
{
    DrillTree tree;
    for (int c = 20; c > 0 && tree.nodeCount() < DrillTree::MaxNodes; --c) {
        DrillNode* category = tree.appendCategory(tree.root(), "Category " + std::to_string(c));
        for (int s = 3; s > 0; --s) {
            DrillNode* sub = tree.appendCategory(*category, "Sub " + std::to_string(s));
            for (int d = 6; d > 0 && tree.nodeCount() < DrillTree::MaxNodes; --d)
                tree.appendDrill(*sub, {"Drill " + std::to_string(d), d, "Emphasis"});
        }
    }
    while (tree.nodeCount() < DrillTree::MaxNodes)
        tree.appendDrill(tree.root(), {"Extra " + std::to_string(tree.nodeCount()), 1, ""});
    return tree;
}

void renameRoot(TDrillCat& window, int run)
{
    DrillTreeWidget* view = window.treeView();
    view->editItem(view->topLevelItem(0));
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    editor->setText(QStringLiteral("Drills %1").arg(run));
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the edit from the event loop, then drops the editor.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char** argv)
{
    const BenchSession session(argc, argv);

    TDrillEntry entry;
    TDrillCat window;
    std::vector<double> show, rename, close;
    for (int run = 0; run < Runs; ++run) {
        SaveDrillLibrary(fullLibrary());
        show.push_back(millisecondsOf([&] { window.showModeless(); }));
        rename.push_back(millisecondsOf([&] { renameRoot(window, run); }));
        close.push_back(millisecondsOf([&] { window.close(); }));
    }
    DrillTree saved;
    LoadDrillLibrary(saved);
    std::printf("drill list, %d nodes, %d runs; saved root \"%s\", first child \"%s\"\n",
                saved.nodeCount(), Runs, saved.root().label().c_str(),
                saved.root().child(0)->label().c_str());
    report("show (load, items, expand)", show);
    report("rename root (sort all)", rename);
    report("close (save)", close);
    return 0;
}
