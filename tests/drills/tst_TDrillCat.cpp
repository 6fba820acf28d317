#include "DragEvents.h"
#include "DrillWindowTest.h"
#include "WindowTest.h"

#include "drills/DrillEditRules.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Message = QStringLiteral("message");

// drills.db from a pattern, with the names of DrillTestKeys.
void saveLibrary(const QString& pattern)
{
    DrillTree tree;
    QCOMPARE(DecodeDrillPattern(pattern.toStdString(), DrillTestKeys(), tree), std::string());
    QVERIFY(SaveDrillLibrary(tree));
}

QString text(std::string_view message)
{
    return QString::fromUtf8(message.data(), message.size());
}

QString readKey(const char* section, int index)
{
    std::string value;
    ReadProfileText(DrillLibraryFileName, section, section, value, 1001, "<none>", index, true);
    return QString::fromStdString(value);
}

QPoint centre(const TDrillCat& window, const QString& name)
{
    return window.treeView()->visualItemRect(itemNamed(window, name)).center();
}

// Presses the left button on `from` (on empty space when empty) and drops
// the drag the tree then starts on `to` (empty space when empty).
void dragFromTo(TDrillCat& window, const QString& from, const QString& to)
{
    QWidget* viewport = window.treeView()->viewport();
    const QPoint empty(viewport->width() / 2, viewport->height() - 3);
    const QPoint press = from.isEmpty() ? empty : centre(window, from);
    const QPoint drop = to.isEmpty() ? empty : centre(window, to);
    QTest::mousePress(viewport, Qt::LeftButton, {}, press);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, empty);
    const std::unique_ptr<QMimeData> data(window.treeView()->dragData());
    sendDrag(viewport, QEvent::DragEnter, drop, data.get());
    sendDrag(viewport, QEvent::DragMove, drop, data.get());
    sendDrag(viewport, QEvent::Drop, drop, data.get());
}

QString topRow(const TDrillCat& window)
{
    const QTreeWidgetItem* item = window.treeView()->itemAt(QPoint(200, 2));
    return item ? item->text(0) : QString();
}

void renameItem(TDrillCat& window, QTreeWidgetItem* item, const QString& label)
{
    window.treeView()->editItem(item);
    auto* editor = window.treeView()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(label);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the edit from the event loop, then drops the editor.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_TDrillCat : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void show_data();
    void show();
    void addRefusals_data();
    void addRefusals();
    void addAppendsUnderTheSelection();
    void edit();
    void remove_data();
    void remove();
    void renameInPlace_data();
    void renameInPlace();
    void dragAndDrop_data();
    void dragAndDrop();
    void dropInAFullLibrary();
    void autoScrollOutsideTheTree();
    void closeSavesAndReleases_data();
    void closeSavesAndReleases();
    void libraryBuiltInTheWindow();
    void failedSaveKeepsTheWindowOpen();
    void failedSaveCanStillClose();
    void printSavesFirst();
    void dragStartsOnlyWithTheLeftButton_data();
    void dragStartsOnlyWithTheLeftButton();
    void insertFinishesTheRename_data();
    void insertFinishesTheRename();

private:
    std::unique_ptr<TDrillEntry> m_entry;
    std::unique_ptr<TDrillCat> m_window;
};

void tst_TDrillCat::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    startWindowTest();
    m_window = std::make_unique<TDrillCat>();
    m_entry = std::make_unique<TDrillEntry>();
}

void tst_TDrillCat::cleanup()
{
    finishWindowTest([this] {
        m_window.reset();
        m_entry.reset();
    });
}

void tst_TDrillCat::layout()
{
    saveLibrary("C1D2");
    m_window->showModeless();
    QCOMPARE(m_window->windowTitle(), QString("Drills"));
    QCOMPARE(m_window->size(), QSize(395, 292));
    QCOMPARE(m_window->pos(), QPoint(92, 48));
    QCOMPARE(control<QLabel>(*m_window, "DrillListLbl")->text(), QString("Drill List"));
    DrillTreeWidget* tree = m_window->treeView();
    QCOMPARE(tree->geometry(), QRect(8, 24, 281, 249));
    QCOMPARE(tree->indentation(), 19);
    QVERIFY(!tree->topLevelItem(0)->icon(0).isNull());
    QVERIFY(tree->topLevelItem(0)->child(0)->icon(0).isNull());
    QCOMPARE(tree->palette().color(QPalette::Inactive, QPalette::Highlight),
             tree->palette().color(QPalette::Active, QPalette::Highlight));

    const QStringList buttons{"CloseBtn", "AddBtn", "EditBtn", "DeleteBtn", "PrintBtn", "HelpBtn"};
    const QStringList texts{"&Close", "&Add", "&Edit", "De&lete", "&Print", "&Help"};
    const int tops[] = {24, 58, 91, 125, 158, 192};
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = control<QPushButton>(*m_window, buttons[i].toLatin1());
        QCOMPARE(button->text(), texts[i]);
        QCOMPARE(button->geometry(), QRect(304, tops[i], 75, 25));
    }
    click(*m_window, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{112});
    m_window->close();
}

void tst_TDrillCat::show_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no library yet")
        << "" << QStringList{"C Practice Plan Drills "} << QStringList();
    QTest::newRow("three levels") << "C1C2C3D4D3C2D3"
                                  << QStringList{"C Cat0",          "  C Cat1",
                                                 "    C Cat2",      "      D Drl0 0 E0",
                                                 "    D Drl1 5 E1", "  C Cat3",
                                                 "    D Drl2 10 E2"}
                                  << QStringList();
    QTest::newRow("a bad depth keeps the nodes read before it")
        << "C1C2D3DxD2" << QStringList{"C Cat0", "  C Cat1", "    D Drl0 0 E0"}
        << QStringList{"'x' is not a valid integer value"};
}

void tst_TDrillCat::show()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, tree);
    QFETCH(QStringList, messages);

    if (!pattern.isEmpty()) {
        saveLibrary(QString(pattern).replace('x', '3'));
        WriteProfileText(DrillLibraryFileName, "Pattern", "Pattern", pattern.toStdString(), 0,
                         true);
    }
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    QCOMPARE(printItems(*view), tree);
    QCOMPARE(view->currentItem(), view->topLevelItem(0));
    for (QTreeWidgetItemIterator it(view); *it; ++it)
        QVERIFY((*it)->childCount() == 0 || (*it)->isExpanded());
    QCOMPARE(m_platform->messages(), messages);
    for (const ScriptedPlatform::Shown& box : m_platform->shown)
        QCOMPARE(box.caption, QString("Corvanta")); // the program's own box
    m_window->close();

    // Every showing loads the file afresh.
    saveLibrary("C1D2");
    m_window->showModeless();
    QCOMPARE(printItems(*view), QStringList({"C Cat0", "  D Drl0 0 E0"}));
    m_window->close();
}

void tst_TDrillCat::addRefusals_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("message");

    const QString deepest = "C1C2C3C4C5C6C7C8C9";
    QTest::newRow("category at level 8") << deepest << "Cat8" << text(MaxDepthMessage);
    QTest::newRow("drill at level 8, depth first") << "C1C2C3C4C5C6C7C8D9"
                                                   << "Drl0" << text(MaxDepthMessage);
    const QString full = "C1" + QString("D2").repeated(499);
    QTest::newRow("full library") << full << "Cat0" << text(MaxNodesMessage);
    QTest::newRow("drill in a full library, size first") << full << "Drl0" << text(MaxNodesMessage);
    QTest::newRow("drill selected") << "C1C2D3"
                                    << "Drl0" << text(UnderDrillMessage);
}

void tst_TDrillCat::addRefusals()
{
    QFETCH(QString, pattern);
    QFETCH(QString, selected);
    QFETCH(QString, message);

    saveLibrary(pattern);
    m_window->showModeless();
    const QStringList before = printItems(*m_window->treeView());
    m_window->treeView()->setCurrentItem(itemNamed(*m_window, selected));
    click(*m_window, "AddBtn");
    QTest::keyClick(m_window->treeView(), Qt::Key_Insert);
    QCOMPARE(m_platform->messages(), QStringList({message, message}));
    QCOMPARE(printItems(*m_window->treeView()), before);
    m_window->close();
}

void tst_TDrillCat::addAppendsUnderTheSelection()
{
    saveLibrary("C1C2");
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    m_platform->runDialog(enterEntry("Category", "Zeta"));
    click(*m_window, "AddBtn");
    m_platform->runDialog(enterEntry("Drill", "Alpha", " 12", "Speed "));
    QTest::keyClick(view, Qt::Key_Insert);

    QTreeWidgetItem* zeta = itemNamed(*m_window, "Zeta");
    zeta->setExpanded(false);
    view->setCurrentItem(zeta);
    m_platform->runDialog(enterEntry("Category", "Inner"));
    click(*m_window, "AddBtn");
    m_platform->runDialog([](QDialog& dialog) { dialog.reject(); });
    click(*m_window, "AddBtn");

    // Appended last, not sorted; the selected category opens one level.
    QCOMPARE(printItems(*view),
             QStringList({"C Cat0", "  C Cat1", "  C Zeta", "    C Inner", "  D Alpha 12 Speed"}));
    QCOMPARE(view->currentItem(), zeta);
    QVERIFY(zeta->isExpanded());
    m_window->close();
}

void tst_TDrillCat::edit()
{
    saveLibrary("C1D2D2C2D3");
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    m_entry->setDrillProposal("Proposed", "1", "");
    view->setCurrentItem(itemNamed(*m_window, "Drl1"));
    m_platform->runDialog([](QDialog& dialog) {
        QCOMPARE(control<QLineEdit>(dialog, "MinutesEb")->text(), QString("5"));
        enterEntry("", "Break", "9", "Rest")(dialog);
    });
    click(*m_window, "EditBtn");
    QVERIFY(!m_entry->hasDrillProposal());

    view->setCurrentItem(itemNamed(*m_window, "Cat1"));
    m_platform->runDialog(enterEntry("", "Cones"));
    m_platform->runDialog([](QDialog& dialog) {
        control<QLineEdit>(dialog, "DrillName")->setText("Cancelled");
        dialog.reject();
    });
    click(*m_window, "EditBtn");
    click(*m_window, "EditBtn");
    // The node to edit is forgotten: the next opening is an Add.
    m_platform->runDialog([](QDialog& dialog) {
        QVERIFY(control<QWidget>(dialog, "CatDrillRg")->isVisible());
        dialog.reject();
    });
    Platform::instance().runModal(*m_entry);

    QCOMPARE(printItems(*view), QStringList({"C Cat0", "  D Break 9 Rest", "  C Cones",
                                             "    D Drl2 10 E2", "  D Drl0 0 E0"}));
    m_window->close();
}

void tst_TDrillCat::remove_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("tree");

    const QStringList unchanged{"C Cat0", "  C Cat1", "    C Cat2", "      D Drl0 0 E0",
                                "  D Drl1 5 E1"};
    QTest::newRow("category with its subtree")
        << "Cat1" << true << "Delete Cat1 and all sub-categories and drills?"
        << QStringList{"C Cat0", "  D Drl1 5 E1"};
    QTest::newRow("drill, answered No") << "Drl1" << false << "Delete Drl1?" << unchanged;
    QTest::newRow("drill") << "Drl1" << true << "Delete Drl1?" << unchanged.mid(0, 4);
    QTest::newRow("the root") << "Cat0" << false << "" << unchanged;
}

void tst_TDrillCat::remove()
{
    QFETCH(QString, selected);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QStringList, tree);

    DrillTreeWidget* view = m_window->treeView();
    // By the button and by the Delete key alike.
    for (int way = 0; way < 2; ++way) {
        saveLibrary("C1C2C3D4D2");
        m_window->showModeless();
        m_platform->shown.clear();
        view->setCurrentItem(itemNamed(*m_window, selected));
        if (!question.isEmpty())
            yes ? m_platform->answerYes() : m_platform->answerNo();
        if (way == 0)
            click(*m_window, "DeleteBtn");
        else
            QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(m_platform->messages(),
                 QStringList{question.isEmpty() ? text(DeleteRootMessage) : question});
        QCOMPARE(printItems(*view), tree);
        m_window->close();
    }
}

void tst_TDrillCat::renameInPlace_data()
{
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("tree");

    // The library is Root > b, C > (y, x), a: appended, never sorted yet.
    QTest::newRow("empty label") << "b"
                                 << "" << QStringList{"C Root", "  D  0 ",    "  D a 0 ",
                                                      "  C C",  "    D y 0 ", "    D x 0 "};
    QTest::newRow("longer than can be typed, blanks kept")
        << "b" << QString(" %1 ").arg(QString(40, 'b'))
        << QStringList{"C Root",     QString("  D  %1  0 ").arg(QString(40, 'b')),
                       "  D a 0 ",   "  C C",
                       "    D y 0 ", "    D x 0 "};
    QTest::newRow("quotes the file would take off go")
        << "b"
        << " 'Zone' "
        << QStringList{"C Root", "  D a 0 ", "  C C", "    D y 0 ", "    D x 0 ", "  D Zone 0 "};
    QTest::newRow("only its own list, capitals apart")
        << "y"
        << "X"
        << QStringList{"C Root", "  D b 0 ", "  C C", "    D x 0 ", "    D X 0 ", "  D a 0 "};
    QTest::newRow("the root sorts every list")
        << "Root"
        << "Drills"
        << QStringList{"C Drills", "  D a 0 ", "  D b 0 ", "  C C", "    D x 0 ", "    D y 0 "};
}

void tst_TDrillCat::renameInPlace()
{
    QFETCH(QString, renamed);
    QFETCH(QString, label);
    QFETCH(QStringList, tree);

    DrillTree library("Root");
    library.appendDrill(library.root(), {"b", 0, ""});
    DrillNode* c = library.appendCategory(library.root(), "C");
    library.appendDrill(*c, {"y", 0, ""});
    library.appendDrill(*c, {"x", 0, ""});
    library.appendDrill(library.root(), {"a", 0, ""});
    QVERIFY(SaveDrillLibrary(library));

    m_window->showModeless();
    renameItem(*m_window, itemNamed(*m_window, renamed), label);
    QCOMPARE(printItems(*m_window->treeView()), tree);
    QCOMPARE(m_platform->messages(), QStringList());
    m_window->close();
}

void tst_TDrillCat::dragAndDrop_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("tree");

    // Cat0 > Cat1 > (Cat2 > Drl0), Drl1 ; Cat0 > Cat3
    const QString pattern = "C1C2C3D4D3C2";
    const QStringList unchanged{"C Cat0",          "  C Cat1", "    C Cat2", "      D Drl0 0 E0",
                                "    D Drl1 5 E1", "  C Cat3"};
    QTest::newRow("a subtree with its records")
        << pattern << "Cat1"
        << "Cat3"
        << ""
        << QStringList{
               "C Cat0",           "  C Cat3", "    C Cat1", "      C Cat2", "        D Drl0 0 E0",
               "      D Drl1 5 E1"};
    QTest::newRow("a drill onto the root")
        << pattern << "Drl0"
        << "Cat0"
        << "" << QStringList{"C Cat0",          "  C Cat1", "    C Cat2",
                             "    D Drl1 5 E1", "  C Cat3", "  D Drl0 0 E0"};
    QTest::newRow("onto a drill") << pattern << "Cat3"
                                  << "Drl1" << text(UnderDrillMessage) << unchanged;
    QTest::newRow("onto itself") << pattern << "Cat1"
                                 << "Cat1" << text(CannotDropMessage) << unchanged;
    QTest::newRow("onto its own child") << pattern << "Cat1"
                                        << "Cat2" << text(CannotDropMessage) << unchanged;
    QTest::newRow("onto its present parent") << pattern << "Cat2"
                                             << "Cat1" << text(CannotDropMessage) << unchanged;
    QTest::newRow("the root") << pattern << "Cat0"
                              << "Cat3" << text(CannotDropMessage) << unchanged;
    QTest::newRow("nothing pressed") << pattern << ""
                                     << "Cat3" << text(CannotDropMessage) << unchanged;
    QTest::newRow("empty space") << pattern << "Cat2"
                                 << ""
                                 << "" << unchanged;
    QTest::newRow("onto a drill, before nothing pressed")
        << pattern << ""
        << "Drl1" << text(UnderDrillMessage) << unchanged;
    // Cat7 > Cat8 > Cat9 onto Cat6 at level 6: 6 + 2 + 1 = 9.
    QTest::newRow("too deep") << "C1C2C3C4C5C6C7C2C3C4"
                              << "Cat7"
                              << "Cat6" << text(MaxDepthMessage) << QStringList();
}

void tst_TDrillCat::dragAndDrop()
{
    QFETCH(QString, pattern);
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(QString, message);
    QFETCH(QStringList, tree);

    saveLibrary(pattern);
    m_window->showModeless();
    if (tree.isEmpty())
        tree = printItems(*m_window->treeView());
    dragFromTo(*m_window, dragged, target);
    QCOMPARE(m_platform->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(printItems(*m_window->treeView()), tree);
    for (QTreeWidgetItemIterator it(m_window->treeView()); *it; ++it)
        QVERIFY((*it)->childCount() == 0 || (*it)->isExpanded());
    m_window->close();
    QCOMPARE(savedLibrary(), tree);
}

void tst_TDrillCat::dropInAFullLibrary()
{
    saveLibrary("C1C2" + QString("D2").repeated(498));
    m_window->showModeless();
    dragFromTo(*m_window, "Drl0", "Cat1");
    QCOMPARE(m_platform->messages(), QStringList());
    QCOMPARE(itemNamed(*m_window, "Drl0")->parent()->text(0), QString("Cat1"));
    m_window->close();
}

void tst_TDrillCat::autoScrollOutsideTheTree()
{
    saveLibrary("C1" + QString("D2").repeated(40));
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    const std::unique_ptr<QMimeData> data(view->dragData());
    const QPoint above(150, 12), below(150, 285), aside(295, 285);
    sendDrag(m_window.get(), QEvent::DragEnter, below, data.get());
    QStringList tops;
    for (QPoint at : {below, below, below, aside, above, above, above, above})
        sendDrag(m_window.get(), QEvent::DragMove, at, data.get()), tops << topRow(*m_window);
    QCOMPARE(tops, QStringList({"Drl0", "Drl1", "Drl2", "Drl2", "Drl1", "Drl0", "Cat0", "Cat0"}));

    // The count stops 15 rows before the last node: 26 of 41, then 24 back.
    for (int i = 0; i < 40; ++i)
        sendDrag(m_window.get(), QEvent::DragMove, below, data.get());
    for (int i = 0; i < 24; ++i)
        sendDrag(m_window.get(), QEvent::DragMove, above, data.get());
    QCOMPARE(topRow(*m_window), QString("Drl1"));
    m_window->close();
}

void tst_TDrillCat::closeSavesAndReleases_data()
{
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("proposal");

    QTest::newRow("Close button") << true << int(QDialog::Accepted) << false;
    QTest::newRow("closed by the system") << false << int(QDialog::Rejected) << true;
}

void tst_TDrillCat::closeSavesAndReleases()
{
    QFETCH(bool, button);
    QFETCH(int, result);
    QFETCH(bool, proposal);

    m_entry->setDrillProposal("Zone Press", "15", "");
    m_platform->runDialog([button](QDialog& window) {
        click(window, "AddBtn");
        button ? click(window, "CloseBtn") : void(window.close());
    });
    m_platform->runDialog([](QDialog& dialog) { click(dialog, "OkBtn"); });
    QCOMPARE(m_window->showModal(), result);
    QCOMPARE(m_entry->hasDrillProposal(), proposal);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->treeView()->topLevelItemCount(), 0);
    QCOMPARE(savedLibrary(), QStringList({"C Practice Plan Drills", "  D Zone Press 15 "}));
}

void tst_TDrillCat::libraryBuiltInTheWindow()
{
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    m_platform->runDialog(enterEntry("Category", "Offense"));
    m_platform->runDialog(enterEntry("Category", "Defense"));
    click(*m_window, "AddBtn");
    click(*m_window, "AddBtn");
    view->setCurrentItem(itemNamed(*m_window, "Offense"));
    m_platform->runDialog(enterEntry("Drill", "Weave", "10", "Passing"));
    m_platform->runDialog(enterEntry("Category", "Sets"));
    click(*m_window, "AddBtn");
    click(*m_window, "AddBtn");
    view->setCurrentItem(itemNamed(*m_window, "Sets"));
    m_platform->runDialog(enterEntry("Drill", "Horns", "0", ""));
    click(*m_window, "AddBtn");
    dragFromTo(*m_window, "Weave", "Defense");
    renameItem(*m_window, itemNamed(*m_window, "Weave"), "Shell Weave");
    click(*m_window, "CloseBtn");

    // Added after their siblings, never sorted since.
    QCOMPARE(readKey("Pattern", 0), QString("C1C2C3D4C2D3"));
    const QStringList categories{"Practice Plan Drills", "Offense", "Sets", "Defense"};
    for (int k = 0; k < categories.size(); ++k)
        QCOMPARE(readKey("Cat", k), categories[k]);
    QCOMPARE(readKey("Cat", 4), QString("<none>"));
    const QStringList drills{"Horns", "0", "", "Shell Weave", "10", "Passing"};
    for (int d = 0; d < 2; ++d)
        QCOMPARE((QStringList{readKey("Drl", d), readKey("Mins", d), readKey("Emph", d)}),
                 drills.mid(3 * d, 3));

    m_window->showModeless();
    QCOMPARE(printItems(*view),
             QStringList({"C Practice Plan Drills", "  C Offense", "    C Sets", "      D Horns 0 ",
                          "  C Defense", "    D Shell Weave 10 Passing"}));
    m_window->close();
}

void tst_TDrillCat::failedSaveKeepsTheWindowOpen()
{
    saveLibrary("C1D2");
    m_window->showModeless();
    m_platform->runDialog(enterEntry("Drill", "Kept", "5", ""));
    click(*m_window, "AddBtn");
    const QString path = m_data->file("drills.db");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));

    m_platform->answerNo();
    click(*m_window, "CloseBtn");
    m_platform->answerNo();
    m_window->close();
    const QString failed = "Cannot write the file " + path + ".  The drill library was not saved.";
    const QString question = "Close the drill list without saving your changes?";
    QCOMPARE(m_platform->messages(), QStringList({failed, question, failed, question}));
    QVERIFY(m_window->isVisible());
    QCOMPARE(printItems(*m_window->treeView()).size(), 3);

    QVERIFY(QDir(path).removeRecursively());
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(savedLibrary(), QStringList({"C Cat0", "  D Drl0 0 E0", "  D Kept 5 "}));
}

void tst_TDrillCat::failedSaveCanStillClose()
{
    saveLibrary("C1D2");
    m_window->showModeless();
    const QString path = m_data->file("drills.db");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));

    m_platform->answerYes();
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_platform->messages().size(), 2);
    QVERIFY(m_platform->unanswered().isEmpty());
}

void tst_TDrillCat::printSavesFirst()
{
    const QString pdfToText = QStandardPaths::findExecutable("pdftotext");
    if (pdfToText.isEmpty())
        QSKIP("poppler-utils is not installed");
    saveLibrary("C1C2D3C3D4C2");
    m_window->showModeless();
    m_platform->runDialog(enterEntry("Drill", "Unsaved", "3", ""));
    click(*m_window, "AddBtn");

    m_platform->cancelDialog();
    click(*m_window, "PrintBtn");
    QCOMPARE(savedLibrary().size(), 6);

    QTemporaryDir output;
    const QString pdf = output.filePath("drills.pdf");
    m_platform->printToPdf(pdf);
    click(*m_window, "PrintBtn");
    QCOMPARE(savedLibrary().size(), 7);

    QProcess process;
    process.start(pdfToText, {"-layout", pdf, "-"});
    QVERIFY(process.waitForFinished());
    const QString page = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(page.count("Drill List"), 2);
    QVERIFY(!page.contains("Cat0"));
    // Each name on a line of its own, indented by its depth.
    QMap<QString, qsizetype> indent;
    for (const QString& line : page.split('\n'))
        indent[line.trimmed()] = line.size() - line.trimmed().size();
    for (const char* row : {"Cat1", "Drl0", "Cat2", "Drl1", "Cat3", "Unsaved", "Page 1"})
        QVERIFY2(indent.contains(row), row);
    QVERIFY(indent["Cat1"] < indent["Drl0"]);
    QCOMPARE(indent["Cat2"], indent["Drl0"]);
    QVERIFY(indent["Cat2"] < indent["Drl1"]);
    QCOMPARE(indent["Unsaved"], indent["Cat1"]);
    m_window->close();
}

void tst_TDrillCat::dragStartsOnlyWithTheLeftButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void tst_TDrillCat::dragStartsOnlyWithTheLeftButton()
{
    QFETCH(Qt::MouseButton, button);

    saveLibrary("C1C2D3D2");
    m_window->showModeless();
    QWidget* viewport = m_window->treeView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(*m_window, "Cat1"));
    const QPoint from = centre(*m_window, "Drl1");
    QTest::mousePress(viewport, button, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(viewport, from + QPoint(0, 8 * step));
    QTest::mouseRelease(viewport, button, {}, from);
    // The drag, which lives on until the event loop deletes it, carries Drl1.
    const QDrag* drag = m_window->treeView()->findChild<QDrag*>();
    const std::unique_ptr<QMimeData> pressed(m_window->treeView()->dragData());
    QCOMPARE(drag ? drag->mimeData()->data(DrillTreeWidget::MimeType) : QByteArray(),
             button == Qt::LeftButton ? pressed->data(DrillTreeWidget::MimeType) : QByteArray());
    m_window->close();
}

void tst_TDrillCat::insertFinishesTheRename_data()
{
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QStringList>("tree");

    QTest::newRow("category: added under the new name")
        << "Cat1" << QStringList{"C Cat0", "  C Arrays", "    D Zig 5 ", "  D Drl0 0 E0"};
    QTest::newRow("drill: refused once the name is in")
        << "Drl0" << QStringList{"C Cat0", "  D Arrays 0 E0", "  C Cat1"};
}

void tst_TDrillCat::insertFinishesTheRename()
{
    QFETCH(QString, renamed);
    QFETCH(QStringList, tree);

    saveLibrary("C1D2C2");
    m_window->showModeless();
    DrillTreeWidget* view = m_window->treeView();
    view->setCurrentItem(itemNamed(*m_window, renamed));
    view->editItem(view->currentItem());
    const QPointer<QLineEdit> editor = view->viewport()->findChild<QLineEdit*>();
    editor->setText("Arrays");
    if (renamed.startsWith("Cat"))
        m_platform->runDialog(enterEntry("Drill", "Zig", "5", ""));
    QTest::keyClick(editor, Qt::Key_Insert);
    QVERIFY(!editor || !editor->isVisible());
    QCOMPARE(printItems(*view), tree);
    m_window->close();
}

QTEST_MAIN(tst_TDrillCat)
#include "tst_TDrillCat.moc"
