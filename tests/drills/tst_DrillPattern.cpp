#include "DrillTestKeys.h"

#include <QtTest>

namespace {

QString repeated(const QString& pair, int count)
{
    return pair.repeated(count);
}

QStringList deepChain()
{
    QStringList lines;
    for (int level = 0; level <= 8; ++level)
        lines << QString(2 * level, ' ') + "C Cat" + QString::number(level);
    lines << QString(16, ' ') + "D Drl0 0 E0";
    return lines;
}

} // namespace

class tst_DrillPattern : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void sizeLimit_data();
    void sizeLimit();
    void encodeGivesTheSameTreeBack();
    void pairs();
};

void tst_DrillPattern::decode_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("error");

    QTest::newRow("category with two drills, then a drill")
        << "C1C2D3D3D2"
        << QStringList{"C Cat0", "  C Cat1", "    D Drl0 0 E0", "    D Drl1 5 E1", "  D Drl2 10 E2"}
        << "";
    QTest::newRow("drill then category")
        << "C1D2C2D3" << QStringList{"C Cat0", "  D Drl0 0 E0", "  C Cat1", "    D Drl1 5 E1"}
        << "";
    QTest::newRow("empty pattern") << "" << QStringList{"C Practice Plan Drills "} << "";
    QTest::newRow("root only") << "C1" << QStringList{"C Cat0"} << "";
    QTest::newRow("a lone character at the end")
        << "C1D2D" << QStringList{"C Cat0", "  D Drl0 0 E0"} << "";
    QTest::newRow("depth that is not a digit keeps what was read")
        << "C1D2DxD2" << QStringList{"C Cat0", "  D Drl0 0 E0"}
        << "'x' is not a valid integer value";
    QTest::newRow("depth that is not a digit in the root")
        << "C?D2" << QStringList{"C Practice Plan Drills "} << "'?' is not a valid integer value";
    QTest::newRow("depth that is a letter outside ASCII")
        << QString::fromUtf8("C1D\u00e9D2") << QStringList{"C Cat0"}
        << QString::fromUtf8("'\u00e9' is not a valid integer value");
    QTest::newRow("a jump hangs the node under the node created last")
        << "C1C2D4D2" << QStringList{"C Cat0", "  C Cat1", "    D Drl0 0 E0", "  D Drl1 5 E1"}
        << "";
    QTest::newRow("nothing hangs under a drill")
        << "C1D2D3C4D3"
        << QStringList{"C Cat0", "  D Drl0 0 E0", "  D Drl1 5 E1", "  C Cat1", "    D Drl2 10 E2"}
        << "";
    QTest::newRow("a second top-level node goes under the root")
        << "C1D2C1D2" << QStringList{"C Cat0", "  D Drl0 0 E0", "  C Cat1", "  D Drl1 5 E1"} << "";
    QTest::newRow("depth 0 goes under the root")
        << "C1C2D0" << QStringList{"C Cat0", "  C Cat1", "  D Drl0 0 E0"} << "";
    QTest::newRow("a drill first gets the default root")
        << "D1D2C2"
        << QStringList{"C Practice Plan Drills ", "  D Drl0 0 E0", "  D Drl1 5 E1", "  C Cat0"}
        << "";
    QTest::newRow("a root of another depth")
        << "C2D3C3" << QStringList{"C Cat0", "  D Drl0 0 E0", "  C Cat1"} << "";
    QTest::newRow("any kind but C is a drill")
        << "C1X2c2" << QStringList{"C Cat0", "  D Drl0 0 E0", "  D Drl1 5 E1"} << "";
    QTest::newRow("depth 9 is level 8") << "C1C2C3C4C5C6C7C8C9D9" << deepChain() << "";
}

void tst_DrillPattern::decode()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, tree);
    QFETCH(QString, error);

    DrillTree decoded("stale");
    decoded.appendCategory(decoded.root(), "stale child");
    const std::string message = DecodeDrillPattern(pattern.toStdString(), DrillTestKeys(), decoded);
    QCOMPARE(printTree(decoded), tree);
    QCOMPARE(QString::fromStdString(message), error);
    QCOMPARE(decoded.nodeCount(), tree.size());
}

void tst_DrillPattern::sizeLimit_data()
{
    QTest::addColumn<QString>("pattern");

    QTest::newRow("500 nodes") << "C1" + repeated("D2", 499);
    QTest::newRow("longer than 1000 characters") << "C1" + repeated("D2", 700);
    QTest::newRow("a default root and 500 pairs") << repeated("D1", 500);
}

void tst_DrillPattern::sizeLimit()
{
    QFETCH(QString, pattern);

    DrillTree tree;
    QCOMPARE(
        QString::fromStdString(DecodeDrillPattern(pattern.toStdString(), DrillTestKeys(), tree)),
        QString());
    QCOMPARE(tree.nodeCount(), DrillTree::MaxNodes);
    QCOMPARE(tree.root().subtreeSize(), DrillTree::MaxNodes);
}

void tst_DrillPattern::encodeGivesTheSameTreeBack()
{
    const std::string pattern = "C1C2D3C3C4D5D3D2C2";
    DrillTree tree;
    DecodeDrillPattern(pattern, DrillTestKeys(), tree);
    QCOMPARE(QString::fromStdString(EncodeDrillPattern(tree)), QString::fromStdString(pattern));

    DrillTree full("Root");
    while (full.nodeCount() < DrillTree::MaxNodes)
        full.appendDrill(full.root(), {"d", 1, ""});
    QCOMPARE(EncodeDrillPattern(full).size(), std::size_t(1000));
}

void tst_DrillPattern::pairs()
{
    const auto pairs = DrillPatternPairs("C1\xC3\xA9"
                                         "7D");
    QCOMPARE(pairs.size(), std::size_t(2));
    QVERIFY(pairs[0].isCategory());
    QCOMPARE(pairs[0].depthValue(), 1);
    QCOMPARE(QString::fromStdString(std::string(pairs[1].kind)), QString::fromUtf8("\u00e9"));
    QCOMPARE(pairs[1].depthValue(), 7);
    // A broken UTF-8 sequence counts one byte a character.
    QCOMPARE(DrillPatternPairs("C\xC3").size(), std::size_t(1));
    QCOMPARE(DrillPatternPairs("C1\xE2\x82").size(), std::size_t(2));
}

QTEST_GUILESS_MAIN(tst_DrillPattern)
#include "tst_DrillPattern.moc"
