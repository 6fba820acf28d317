#include "DrillTestKeys.h"

#include <QtTest>

namespace {

// Root > A > (B > d1), d2 ; root > C
struct SampleTree
{
    DrillTree tree{"Root"};
    DrillNode* a = tree.appendCategory(tree.root(), "A");
    DrillNode* b = tree.appendCategory(*a, "B");
    DrillNode* d1 = tree.appendDrill(*b, {"d1", 10, "e1"});
    DrillNode* d2 = tree.appendDrill(*a, {"d2", 0, ""});
    DrillNode* c = tree.appendCategory(tree.root(), "C");
};

// A chain of categories from the root down to `level`.
DrillNode* chain(DrillTree& tree, DrillNode& from, int levels)
{
    DrillNode* node = &from;
    for (int i = 0; i < levels; ++i)
        node = tree.appendCategory(*node, "L" + std::to_string(node->level() + 1));
    return node;
}

} // namespace

class tst_DrillTree : public QObject
{
    Q_OBJECT

private slots:
    void newLibraryIsALoneRoot();
    void appendRespectsTheLimits();
    void removeTakesTheSubtree();
    void removeNeverTakesTheRoot();
    void checkDrop_data();
    void checkDrop();
    void moveKeepsTheSubtree();
    void moveWithinTheSameParent();
    void sortChildren();
};

void tst_DrillTree::newLibraryIsALoneRoot()
{
    const DrillTree tree;
    QCOMPARE(printTree(tree), QStringList{"C Practice Plan Drills "});
    QCOMPARE(tree.nodeCount(), 1);
    QVERIFY(tree.root().record() == nullptr);
}

void tst_DrillTree::appendRespectsTheLimits()
{
    DrillTree tree;
    DrillNode* deepest = chain(tree, tree.root(), DrillTree::MaxLevel);
    QCOMPARE(deepest->level(), 8);
    QVERIFY(!tree.appendCategory(*deepest, "too deep"));
    QVERIFY(!tree.appendDrill(*deepest, {"too deep", 1, ""}));

    DrillNode* drill = tree.appendDrill(tree.root(), {"drill", 1, ""});
    QVERIFY(drill);
    QVERIFY(!tree.appendDrill(*drill, {"under a drill", 1, ""}));

    while (tree.nodeCount() < DrillTree::MaxNodes)
        QVERIFY(tree.appendDrill(tree.root(), {"more", 1, ""}));
    QVERIFY(!tree.appendCategory(tree.root(), "one too many"));
    QCOMPARE(tree.nodeCount(), 500);
}

void tst_DrillTree::removeTakesTheSubtree()
{
    SampleTree s;
    s.tree.remove(*s.a);
    QCOMPARE(printTree(s.tree), (QStringList{"C Root", "  C C"}));
    QCOMPARE(s.tree.nodeCount(), 2);
    // Room freed by a removal can be used again.
    QVERIFY(s.tree.appendDrill(*s.c, {"x", 1, ""}));
    QCOMPARE(s.tree.nodeCount(), 3);
}

void tst_DrillTree::removeNeverTakesTheRoot()
{
    SampleTree s;
    s.tree.remove(s.tree.root());
    QCOMPARE(s.tree.nodeCount(), 6);
    QCOMPARE(printTree(s.tree).size(), 6);
}

void tst_DrillTree::checkDrop_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("verdict");

    const auto verdict = [](DrillTree::Drop drop) { return int(drop); };
    QTest::newRow("empty tree space") << "d1"
                                      << "none" << verdict(DrillTree::Drop::NoTarget);
    QTest::newRow("onto a drill") << "B"
                                  << "d2" << verdict(DrillTree::Drop::OntoDrill);
    QTest::newRow("nothing dragged onto a drill") << "none"
                                                  << "d2" << verdict(DrillTree::Drop::OntoDrill);
    QTest::newRow("nothing dragged") << "none"
                                     << "C" << verdict(DrillTree::Drop::NotHere);
    QTest::newRow("onto itself") << "A"
                                 << "A" << verdict(DrillTree::Drop::NotHere);
    QTest::newRow("onto its own child") << "A"
                                        << "B" << verdict(DrillTree::Drop::NotHere);
    QTest::newRow("onto its present parent") << "B"
                                             << "A" << verdict(DrillTree::Drop::NotHere);
    QTest::newRow("the root") << "root"
                              << "C" << verdict(DrillTree::Drop::NotHere);
    QTest::newRow("three levels onto level 6") << "A"
                                               << "level 6" << verdict(DrillTree::Drop::TooDeep);
    QTest::newRow("two levels onto level 6") << "B"
                                             << "level 6" << verdict(DrillTree::Drop::Allowed);
    QTest::newRow("a drill onto level 7") << "d1"
                                          << "level 7" << verdict(DrillTree::Drop::Allowed);
    QTest::newRow("a category onto another") << "A"
                                             << "C" << verdict(DrillTree::Drop::Allowed);
}

void tst_DrillTree::checkDrop()
{
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(int, verdict);

    SampleTree s;
    DrillNode* level6 = chain(s.tree, *s.c, 5);
    DrillNode* level7 = s.tree.appendCategory(*level6, "L7");
    const QHash<QString, DrillNode*> nodes = {{"none", nullptr},  {"root", &s.tree.root()},
                                              {"A", s.a},         {"B", s.b},
                                              {"C", s.c},         {"d1", s.d1},
                                              {"d2", s.d2},       {"level 6", level6},
                                              {"level 7", level7}};
    QCOMPARE(int(DrillTree::checkDrop(nodes[dragged], nodes[target])), verdict);
}

void tst_DrillTree::moveKeepsTheSubtree()
{
    SampleTree s;
    QVERIFY(s.tree.move(*s.b, *s.c, 0));
    QCOMPARE(printTree(s.tree), (QStringList{"C Root", "  C A", "    D d2 0 ", "  C C", "    C B",
                                             "      D d1 10 e1"}));
    QCOMPARE(s.tree.nodeCount(), 6);
    QVERIFY(s.d1->isDescendantOf(*s.c));

    // A subtree two levels high fits under level 6 but not under level 7.
    DrillNode* level6 = chain(s.tree, *s.c, 5);
    QCOMPARE(level6->level(), 6);
    QVERIFY(s.tree.canMove(*s.b, *level6));
    DrillNode* level7 = s.tree.appendCategory(*level6, "L7");
    QVERIFY(!s.tree.canMove(*s.b, *level7));
    QVERIFY(!s.tree.move(*s.b, *level7, 0));
    QCOMPARE(s.b->parent(), s.c);
}

void tst_DrillTree::moveWithinTheSameParent()
{
    SampleTree s;
    // Positions count after the node left its place; past the end means last.
    QVERIFY(s.tree.move(*s.a, s.tree.root(), 1));
    QCOMPARE(printTree(s.tree).mid(0, 3), (QStringList{"C Root", "  C C", "  C A"}));
    QVERIFY(s.tree.move(*s.a, s.tree.root(), -4));
    QCOMPARE(s.a->indexInParent(), 0);
    QVERIFY(s.tree.move(*s.d2, *s.a, 99));
    QCOMPARE(s.d2->indexInParent(), 1);
}

void tst_DrillTree::sortChildren()
{
    DrillTree tree("Root");
    for (const char* name : {"pass", "Box", "dribble", "Agility"})
        tree.appendDrill(tree.root(), {name, 1, ""});
    tree.appendCategory(tree.root(), "box");
    tree.sortChildren(tree.root(), [](const DrillNode& a, const DrillNode& b) {
        return QString::fromStdString(a.label()).compare(QString::fromStdString(b.label()),
                                                         Qt::CaseInsensitive) < 0;
    });
    // Equal labels keep their order.
    QCOMPARE(printTree(tree), (QStringList{"C Root", "  D Agility 1 ", "  D Box 1 ", "  C box",
                                           "  D dribble 1 ", "  D pass 1 "}));
}

QTEST_GUILESS_MAIN(tst_DrillTree)
#include "tst_DrillTree.moc"
