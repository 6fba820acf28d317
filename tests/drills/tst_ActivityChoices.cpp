#include "DrillTestKeys.h"
#include "drills/ActivityChoices.h"
#include "drills/DrillLibraryFile.h"

#include "TempDataDir.h"

#include <QtTest>

namespace {

QStringList toStringList(const std::vector<std::string>& texts)
{
    QStringList result;
    for (const std::string& text : texts)
        result << QString::fromStdString(text);
    return result;
}

QList<int> toList(const std::vector<int>& numbers)
{
    return QList<int>(numbers.begin(), numbers.end());
}

} // namespace

class tst_ActivityChoices : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void limitOf500Choices();
    void limitCountsAtDrillsOnly_data();
    void limitCountsAtDrillsOnly();
    void findDrillIgnoresLetterCase();
    void fromTheLibraryFile();
};

void tst_ActivityChoices::build_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QList<int>>("choiceToDrill");
    QTest::addColumn<QList<int>>("drillToChoice");

    QTest::newRow("indented from depth 3 on")
        << "C1D2C2D3C3C4D5"
        << QStringList{"Drl0", "Cat1", "    Drl1", "    Cat2", "        Cat3", "            Drl2"}
        << QList<int>{0, -1, 1, -1, -1, 2} << QList<int>{0, 2, 5};
    QTest::newRow("root only") << "C1" << QStringList() << QList<int>() << QList<int>();
    QTest::newRow("no pattern") << "" << QStringList() << QList<int>() << QList<int>();
    QTest::newRow("a depth that is not a digit is not indented")
        << "C1DxD3" << QStringList{"Drl0", "    Drl1"} << QList<int>{0, 1} << QList<int>{0, 1};
}

void tst_ActivityChoices::build()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, choices);
    QFETCH(QList<int>, choiceToDrill);
    QFETCH(QList<int>, drillToChoice);

    const ActivityChoices built = BuildActivityChoices(pattern.toStdString(), DrillTestKeys());
    QCOMPARE(toStringList(built.choices), choices);
    QCOMPARE(toList(built.choiceToDrill), choiceToDrill);
    QCOMPARE(toList(built.drillToChoice), drillToChoice);
    QCOMPARE(int(built.drillNames.size()), drillToChoice.size());
    QCOMPARE(QString::fromStdString(built.error), QString());
}

void tst_ActivityChoices::limitOf500Choices()
{
    const std::string pattern = "C1" + QByteArray("D2").repeated(600).toStdString();
    const ActivityChoices built = BuildActivityChoices(pattern, DrillTestKeys());
    QCOMPARE(built.choices.size(), std::size_t(500));
    QCOMPARE(built.drillNames.size(), std::size_t(500));
    QCOMPARE(QString::fromStdString(built.drillNames.back()), QString("Drl499"));
    QCOMPARE(QString::fromStdString(built.error),
             QString("Maximum number of Drills & Categories reached"));
}

void tst_ActivityChoices::limitCountsAtDrillsOnly_data()
{
    QTest::addColumn<int>("drills"); // D2 pairs after the root
    QTest::addColumn<QString>("tail");
    QTest::addColumn<int>("choices");
    QTest::addColumn<int>("drillNames");
    QTest::addColumn<bool>("message");

    QTest::newRow("500 drills fill the choices") << 500 << "" << 500 << 500 << false;
    QTest::newRow("a category after the 500th choice joins") << 500 << "C2" << 501 << 500 << false;
    QTest::newRow("a drill after it stops the reading") << 500 << "C2D3C2" << 501 << 500 << true;
    QTest::newRow("the 501st drill stops the reading") << 500 << "D2C2" << 500 << 500 << true;
    QTest::newRow("categories alone never stop")
        << 0 << QString("C2").repeated(510) << 510 << 0 << false;
}

void tst_ActivityChoices::limitCountsAtDrillsOnly()
{
    QFETCH(int, drills);
    QFETCH(QString, tail);
    QFETCH(int, choices);
    QFETCH(int, drillNames);
    QFETCH(bool, message);

    const std::string pattern =
        "C1" + QByteArray("D2").repeated(drills).toStdString() + tail.toStdString();
    const ActivityChoices built = BuildActivityChoices(pattern, DrillTestKeys());
    QCOMPARE(int(built.choices.size()), choices);
    QCOMPARE(int(built.drillNames.size()), drillNames);
    QCOMPARE(int(built.choiceToDrill.size()), choices);
    QCOMPARE(!built.error.empty(), message);
}

void tst_ActivityChoices::findDrillIgnoresLetterCase()
{
    ActivityChoices choices;
    choices.drillNames = {"Passing Lines", "Layups", "Layups"};
    QCOMPARE(choices.findDrill("passing LINES"), 0);
    QCOMPARE(choices.findDrill("Layups"), 1);
    QCOMPARE(choices.findDrill("Passing"), -1);
    QCOMPARE(choices.findDrill(""), -1);
}

void tst_ActivityChoices::fromTheLibraryFile()
{
    TempDataDir dir;
    DrillTree tree("Root");
    tree.appendDrill(tree.root(), {"Passing Lines", 15, "Footwork"});
    DrillNode* shooting = tree.appendCategory(tree.root(), "Shooting");
    tree.appendDrill(*shooting, {"Layups", 0, std::string(300, 'e')});
    QVERIFY(SaveDrillLibrary(tree));

    const ActivityChoices loaded = LoadActivityChoices();
    QCOMPARE(toStringList(loaded.choices),
             (QStringList{"Passing Lines", "Shooting", "    Layups"}));
    QCOMPARE(toStringList(loaded.drillNames), (QStringList{"Passing Lines", "Layups"}));

    const DrillDefaults passing = ReadDrillDefaults(0);
    QCOMPARE(QString::fromStdString(passing.minutes), QString("15"));
    QCOMPARE(QString::fromStdString(passing.emphasis), QString("Footwork"));
    const DrillDefaults layups = ReadDrillDefaults(1);
    QCOMPARE(QString::fromStdString(layups.minutes), QString("0"));
    QCOMPARE(QString::fromStdString(layups.emphasis), QString(255, 'e'));
    const DrillDefaults missing = ReadDrillDefaults(7);
    QCOMPARE(QString::fromStdString(missing.minutes), QString());
}

QTEST_GUILESS_MAIN(tst_ActivityChoices)
#include "tst_ActivityChoices.moc"
