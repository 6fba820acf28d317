#include "DrillTestKeys.h"
#include "drills/DrillLibraryFile.h"
#include "store/ProfileStore.h"

#include "TempDataDir.h"

#include <QtTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Root > A > (B > d1), d2 ; root > C
DrillTree sampleTree()
{
    DrillTree tree("Root");
    DrillNode* a = tree.appendCategory(tree.root(), "A");
    tree.appendDrill(*tree.appendCategory(*a, "B"), {"d1", 10, "e1"});
    tree.appendDrill(*a, {"d2", 0, ""});
    tree.appendCategory(tree.root(), "C");
    return tree;
}

// The save order spelled out as single profile writes, to compare bytes with.
void writeOneByOne(const DrillTree& tree, const std::string& file)
{
    int categories = 0;
    int drills = 0;
    std::string pattern;
    tree.walk([&](const DrillNode& node, int depth) {
        pattern += (node.isCategory() ? "C" : "D") + std::to_string(depth);
        if (node.isCategory()) {
            WriteProfileText(file, "Cat", "Cat", node.label(), categories++, true);
            return;
        }
        WriteProfileText(file, "Drl", "Drl", node.record()->name, drills, true);
        WriteProfileInt(file, "Mins", "Mins", node.record()->minutes, drills, true);
        WriteProfileText(file, "Emph", "Emph", node.record()->emphasis, drills, true);
        ++drills;
    });
    WriteProfileText(file, "Pattern", "Pattern", pattern, 0, true);
}

QStringList loadedTree(QString* error = nullptr)
{
    DrillTree tree("stale");
    const std::string message = LoadDrillLibrary(tree);
    if (error)
        *error = QString::fromStdString(message);
    return printTree(tree);
}

} // namespace

class tst_DrillLibraryFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rootOnly();
    void saveWritesInTreeOrder();
    void batchEqualsSingleWrites();
    void saveAndLoadGiveTheTreeBack();
    void removedDrillsLeaveStaleKeys();
    void fullLibraryRoundTrip();
    void load_data();
    void load();
    void failedSave();

private:
    std::unique_ptr<TempDataDir> m_dir;
};

void tst_DrillLibraryFile::init()
{
    m_dir = std::make_unique<TempDataDir>();
}

void tst_DrillLibraryFile::rootOnly()
{
    QVERIFY(SaveDrillLibrary(DrillTree()));
    QCOMPARE(readFile(m_dir->file("drills.db")),
             QByteArray("[Cat]\r\nCat0=Practice Plan Drills \r\n[Pattern]\r\nPattern0=C1\r\n"));
    // Blanks at the end of a stored value do not come back.
    QCOMPARE(loadedTree(), QStringList{"C Practice Plan Drills"});
}

void tst_DrillLibraryFile::saveWritesInTreeOrder()
{
    QVERIFY(SaveDrillLibrary(sampleTree()));
    QCOMPARE(readFile(m_dir->file("drills.db")), QByteArray("[Cat]\r\n"
                                                            "Cat0=Root\r\n"
                                                            "Cat1=A\r\n"
                                                            "Cat2=B\r\n"
                                                            "Cat3=C\r\n"
                                                            "[Drl]\r\n"
                                                            "Drl0=d1\r\n"
                                                            "Drl1=d2\r\n"
                                                            "[Mins]\r\n"
                                                            "Mins0=10\r\n"
                                                            "Mins1=0\r\n"
                                                            "[Emph]\r\n"
                                                            "Emph0=e1\r\n"
                                                            "Emph1=\r\n"
                                                            "[Pattern]\r\n"
                                                            "Pattern0=C1C2C3D4D3C2\r\n"));
}

void tst_DrillLibraryFile::batchEqualsSingleWrites()
{
    const QByteArray earlier = "; kept\r\n[Pattern]\r\nPattern0=C1D2D2D2\r\n[Drl]\r\nDrl0=old\r\n"
                               "Drl1=older\r\nDrl2=oldest\r\n[Other]\r\nx=1\r\n";
    writeFile(m_dir->file("drills.db"), earlier);
    writeFile(m_dir->file("single.db"), earlier);
    const DrillTree tree = sampleTree();
    QVERIFY(SaveDrillLibrary(tree));
    writeOneByOne(tree, "single.db");
    QCOMPARE(readFile(m_dir->file("drills.db")), readFile(m_dir->file("single.db")));
}

void tst_DrillLibraryFile::saveAndLoadGiveTheTreeBack()
{
    DrillTree tree = sampleTree();
    tree.appendDrill(tree.root(), {"Caf\u00e9 \u201cdrill\u201d", 999, "Sp\u00e4t"});
    QVERIFY(SaveDrillLibrary(tree));
    QString error;
    QCOMPARE(loadedTree(&error), printTree(tree));
    QCOMPARE(error, QString());
}

void tst_DrillLibraryFile::removedDrillsLeaveStaleKeys()
{
    DrillTree tree = sampleTree();
    QVERIFY(SaveDrillLibrary(tree));
    tree.remove(*tree.root().child(0)); // A with B, d1 and d2
    QVERIFY(SaveDrillLibrary(tree));

    const QByteArray bytes = readFile(m_dir->file("drills.db"));
    QVERIFY(bytes.contains("Drl1=d2\r\n"));
    QVERIFY(bytes.contains("Cat3=C\r\n"));
    QVERIFY(bytes.contains("Pattern0=C1C2\r\n"));
    QCOMPARE(loadedTree(), (QStringList{"C Root", "  C C"}));
}

void tst_DrillLibraryFile::fullLibraryRoundTrip()
{
    DrillTree tree("Root");
    DrillNode* node = &tree.root();
    for (int level = 1; level <= DrillTree::MaxLevel; ++level)
        node = tree.appendCategory(*node, "Level " + std::to_string(level));
    tree.appendDrill(*node->parent(), {"deepest drill", 5, ""});
    for (int i = 0; tree.nodeCount() < DrillTree::MaxNodes; ++i)
        tree.appendDrill(tree.root(), {"Drill " + std::to_string(i), i, "e"});
    QVERIFY(SaveDrillLibrary(tree));

    QVERIFY(readFile(m_dir->file("drills.db")).contains("C8C9D9D2"));
    const QStringList back = loadedTree();
    QCOMPARE(back.size(), 500);
    QCOMPARE(back, printTree(tree));
}

void tst_DrillLibraryFile::load_data()
{
    QTest::addColumn<QByteArray>("file"); // not written when null
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("error");

    const QStringList defaultRoot{"C Practice Plan Drills "};
    QTest::newRow("missing file") << QByteArray() << defaultRoot << "";
    QTest::newRow("no pattern") << QByteArray("[Cat]\r\nCat0=Mine\r\n") << defaultRoot << "";
    QTest::newRow("empty pattern") << QByteArray("[Pattern]\r\nPattern0=\r\n") << defaultRoot << "";
    QTest::newRow("drill, category, drill")
        << QByteArray("[Pattern]\nPattern0=C1D2C2D3\n[Cat]\nCat0=Root\nCat1=Shooting\n"
                      "[Drl]\nDrl0=Passing Lines\nDrl1=Layups\n[Mins]\nMins0=15\nMins1=10\n"
                      "[Emph]\nEmph0=Footwork\nEmph1=Finish\n")
        << QStringList{"C Root", "  D Passing Lines 15 Footwork", "  C Shooting",
                       "    D Layups 10 Finish"}
        << "";
    QTest::newRow("minutes converted the C way")
        << QByteArray("[Pattern]\r\nPattern0=C1D2D2D2D2D2\r\n[Mins]\r\nMins0= 12abc\r\n"
                      "Mins1=abc\r\nMins2=-5\r\nMins3=\r\n")
        << QStringList{"C ", "  D  12 ", "  D  0 ", "  D  -5 ", "  D  0 ", "  D  0 "} << "";
    QTest::newRow("values cut to 513 characters")
        << "[Pattern]\r\nPattern0=C1D2\r\n[Drl]\r\nDrl0=" + QByteArray(600, 'n') + "\r\n"
        << QStringList{"C ", "  D " + QString(513, 'n') + " 0 "} << "";
    QTest::newRow("a depth that is not a digit")
        << QByteArray("[Pattern]\r\nPattern0=C1D2D-D2\r\n[Drl]\r\nDrl0=kept\r\nDrl1=lost\r\n")
        << QStringList{"C ", "  D kept 0 "} << "'-' is not a valid integer value";
    QTest::newRow("pattern read up to 1000 characters")
        << "[Pattern]\r\nPattern0=C1" + QByteArray("D2").repeated(600) + "\r\n"
        << (QStringList{"C "} + QStringList(499, "  D  0 ")) << "";
    QTest::newRow("written on Windows")
        << QByteArray("[Pattern]\r\nPattern0=C1D2\r\n[Cat]\r\nCat0=Caf\xe9\r\n[Drl]\r\n"
                      "Drl0=\x93Rush\x94\r\n[Emph]\r\nEmph0=Na\xefve\r\n")
        << QStringList{QString::fromUtf8("C Caf\u00e9"),
                       QString::fromUtf8("  D \u201cRush\u201d 0 Na\u00efve")}
        << "";
}

void tst_DrillLibraryFile::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, tree);
    QFETCH(QString, error);

    if (!file.isNull())
        writeFile(m_dir->file("drills.db"), file);
    QString message;
    QCOMPARE(loadedTree(&message), tree);
    QCOMPARE(message, error);
}

void tst_DrillLibraryFile::failedSave()
{
    QVERIFY(QDir().mkpath(m_dir->file("drills.db")));
    QVERIFY(!SaveDrillLibrary(sampleTree()));
}

QTEST_GUILESS_MAIN(tst_DrillLibraryFile)
#include "tst_DrillLibraryFile.moc"
