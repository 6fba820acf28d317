#include "formats/LocaleFormats.h"
#include "plans/PlanFile.h"
#include "plans/PracticePlan.h"

#include "TempDataDir.h"

#include <QtTest>

namespace {

const std::string Today = "12/8/2026";

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArrayList lines(const QByteArray& bytes)
{
    QByteArrayList result = bytes.split('\n');
    for (QByteArray& line : result)
        line = line.chopped(line.endsWith('\r') ? 1 : 0);
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

QStringList toStringList(const std::vector<std::string>& texts)
{
    QStringList result;
    for (const std::string& text : texts)
        result << QString::fromStdString(text);
    return result;
}

// The rows that are not empty, as "row:minutes|span|activity|emphasis".
QStringList filledRows(const PracticePlan& plan)
{
    QStringList result;
    for (int i = 0; i < PlanEntryCount; ++i) {
        const PlanEntry& e = plan.entries[i];
        if (e.isEmpty())
            continue;
        result << QString("%1:%2|%3|%4|%5")
                      .arg(i)
                      .arg(e.minutes)
                      .arg(QString::fromStdString(e.timeSpan), QString::fromStdString(e.activity),
                           QString::fromStdString(e.emphasis));
    }
    return result;
}

PracticePlan samplePlan(const QString& path)
{
    PracticePlan plan;
    SetPlanPath(plan, path.toStdString());
    plan.date = "3/7/2026";
    plan.practiceTime = "3:30";
    plan.announcements = {"Bring water", ""};
    plan.defEmphasis = "Box out";
    plan.offEmphasis = "Run the floor";
    plan.entries[0] = {15, {}, "Passing Lines", "Footwork"};
    plan.entries[2] = {20, {}, "Scrimmage", ""};
    return plan;
}

PracticePlan loaded(const QString& path)
{
    PracticePlan plan;
    SetPlanPath(plan, path.toStdString());
    LoadPlanFile(plan, Today, LocaleFormats{});
    return plan;
}

} // namespace

class tst_PlanFile : public QObject
{
    Q_OBJECT

private slots:
    void pathSplit_data();
    void pathSplit();
    void newPlan();
    void noonAsTheLocaleWritesIt_data();
    void noonAsTheLocaleWritesIt();
    void saveWritesEveryKeyInOrder();
    void saveAndLoadGiveThePlanBack();
    void load_data();
    void load();
    void shrunkAnnouncementsLeaveStaleKeys();
    void saveKeepsWhatElseTheFileHolds();
    void failedSaveReportsFalse_data();
    void failedSaveReportsFalse();

private:
    TempDataDir m_dir;
};

void tst_PlanFile::pathSplit_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");

    QTest::newRow("full path") << "/home/coach/plans/MONDAY.pln"
                               << "MONDAY.pln"
                               << "/home/coach/plans/";
    QTest::newRow("bare name") << "MONDAY.pln"
                               << "MONDAY.pln"
                               << "";
    QTest::newRow("file at the top") << "/MONDAY.pln"
                                     << "MONDAY.pln"
                                     << "/";
    QTest::newRow("dots in folders") << "/a.b/c.d/plan"
                                     << "plan"
                                     << "/a.b/c.d/";
}

void tst_PlanFile::pathSplit()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, folder);

    PracticePlan plan;
    SetPlanPath(plan, path.toStdString());
    QCOMPARE(QString::fromStdString(plan.path), path);
    QCOMPARE(QString::fromStdString(plan.name), name);
    QCOMPARE(QString::fromStdString(plan.folder), folder);
}

void tst_PlanFile::newPlan()
{
    PracticePlan plan = samplePlan(m_dir.document("old.pln"));
    plan.changed = true;
    ResetToNewPlan(plan, Today, LocaleFormats{});
    QCOMPARE(QString::fromStdString(plan.date), QString::fromStdString(Today));
    QCOMPARE(QString::fromStdString(plan.practiceTime), QString("12:00"));
    QVERIFY(plan.announcements.empty());
    QVERIFY(plan.defEmphasis.empty() && plan.offEmphasis.empty());
    QCOMPARE(filledRows(plan), QStringList());
    QVERIFY(plan.path.empty() && plan.name.empty() && plan.folder.empty());
    QVERIFY(!plan.changed);
}

void tst_PlanFile::noonAsTheLocaleWritesIt_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QByteArray>("storedTime");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("firstSpan");

    QTest::newRow("colon, no time stored") << ":" << QByteArray() << "12:00"
                                           << "12:00 - 12:15";
    QTest::newRow("dot, no time stored") << "." << QByteArray() << "12.00"
                                         << "12:00 - 12:15";
    QTest::newRow("words, no time stored") << " h " << QByteArray() << "12 h 00"
                                           << "12:00 - 12:15";
    QTest::newRow("blank separator") << " " << QByteArray() << "12:00"
                                     << "12:00 - 12:15";
    QTest::newRow("dot, colon stored") << "." << QByteArray("12:00") << "12:00"
                                       << "12:00 - 12:15";
}

// A plan without a start time starts at noon written so that it parses under
// the locale, and the time spans follow from it.
void tst_PlanFile::noonAsTheLocaleWritesIt()
{
    QFETCH(QString, separator);
    QFETCH(QByteArray, storedTime);
    QFETCH(QString, time);
    QFETCH(QString, firstSpan);

    LocaleFormats formats;
    formats.timeSeparator = separator.toStdString();
    PracticePlan fresh;
    ResetToNewPlan(fresh, Today, formats);
    QCOMPARE(QString::fromStdString(fresh.practiceTime),
             storedTime.isEmpty() ? time : QString("12") + separator + "00");

    const QString path = m_dir.document("noon.pln");
    writeFile(path, "[Main]\r\nPracticeTime=" + storedTime + "\r\nMinutes0=15\r\n");
    PracticePlan plan;
    SetPlanPath(plan, path.toStdString());
    LoadPlanFile(plan, Today, formats);
    QCOMPARE(QString::fromStdString(plan.practiceTime), time);
    QCOMPARE(QString::fromStdString(plan.entries[0].timeSpan), firstSpan);
}

void tst_PlanFile::saveWritesEveryKeyInOrder()
{
    const QString path = m_dir.document("order.pln");
    QVERIFY(SavePlanFile(samplePlan(path)));

    QByteArrayList expected = {"[Main]",
                               "Date=3/7/2026",
                               "PracticeTime=3:30",
                               "PlanNumber=0",
                               "AnnouncementsNumLines=2",
                               "Announcement0=Bring water",
                               "Announcement1=",
                               "DefEmphasis=Box out",
                               "OffEmphasis=Run the floor",
                               "Minutes0=15",
                               "Drill0=Passing Lines",
                               "Emphasis0=Footwork",
                               "Minutes1=0",
                               "Drill1=",
                               "Emphasis1=",
                               "Minutes2=20",
                               "Drill2=Scrimmage",
                               "Emphasis2="};
    for (int i = 3; i <= 100; ++i) {
        const QByteArray n = QByteArray::number(i);
        expected << "Minutes" + n + "=0"
                 << "Drill" + n + "="
                 << "Emphasis" + n + "=";
    }
    const QByteArray bytes = readFile(path);
    QCOMPARE(lines(bytes), expected);
    QCOMPARE(bytes.count("\r\n"), expected.size());
}

void tst_PlanFile::saveAndLoadGiveThePlanBack()
{
    const QString path = m_dir.document("round trip.pln");
    PracticePlan plan = samplePlan(path);
    plan.announcements = {"Bring water", "Caf\u00e9 at 6 \u2013 \u201cearly\u201d"};
    plan.entries[99] = {5, {}, "Free throws", "Cool down"};
    QVERIFY(SavePlanFile(plan));

    const PracticePlan back = loaded(path);
    QCOMPARE(QString::fromStdString(back.date), QString("3/7/2026"));
    QCOMPARE(QString::fromStdString(back.practiceTime), QString("3:30"));
    QCOMPARE(toStringList(back.announcements), toStringList(plan.announcements));
    QCOMPARE(QString::fromStdString(back.defEmphasis), QString("Box out"));
    QCOMPARE(QString::fromStdString(back.offEmphasis), QString("Run the floor"));
    QCOMPARE(filledRows(back),
             (QStringList{"0:15|3:30 - 3:45|Passing Lines|Footwork", "2:20|3:45 - 4:05|Scrimmage|",
                          "99:5|4:05 - 4:10|Free throws|Cool down"}));
    QCOMPARE(QString::fromStdString(back.name), QString("round trip.pln"));
}

void tst_PlanFile::load_data()
{
    QTest::addColumn<QByteArray>("file"); // not written when null
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("announcements");
    QTest::addColumn<QStringList>("rows");

    const QString today = QString::fromStdString(Today);
    QTest::newRow("missing file") << QByteArray() << today << "12:00" << QStringList()
                                  << QStringList();

    QByteArray rows;
    for (int i = 0; i < 10; ++i) {
        if (i != 7)
            rows += QString("Minutes%1=%2\r\nDrill%1=D%1\r\n").arg(i).arg(i + 1).toLatin1();
    }
    QStringList firstSeven;
    for (int i = 0; i < 7; ++i)
        firstSeven << QString("%1:%2||D%1|").arg(i).arg(i + 1);
    QTest::newRow("a missing minutes key ends the list")
        << "[Main]\r\nDate=1/2/2026\r\nPracticeTime=ab\r\n" + rows << "1/2/2026"
        << "ab" << QStringList() << firstSeven;
    QTest::newRow("minutes of -99 end the list")
        << QByteArray("[Main]\nMinutes0=5\nMinutes1=6\nMinutes2=7\nMinutes3=-99\nDrill3=x\n"
                      "Minutes4=8\n")
        << today << "12:00" << QStringList()
        << QStringList{"0:5|12:00 - 12:05||", "1:6|12:05 - 12:11||", "2:7|12:11 - 12:18||"};
    QTest::newRow("empty and missing announcement lines load as a blank")
        << QByteArray("[Main]\r\nAnnouncementsNumLines=3\r\nAnnouncement0=Hello\r\n"
                      "Announcement1=\r\n")
        << today << "12:00" << QStringList{"Hello", " ", " "} << QStringList();
    QTest::newRow("announcement keys beyond the count are not read")
        << QByteArray("[Main]\r\nAnnouncementsNumLines=1\r\nAnnouncement0=a\r\n"
                      "Announcement1=b\r\n")
        << today << "12:00" << QStringList{"a"} << QStringList();
    QTest::newRow("empty date and time") << QByteArray("[Main]\r\nDate=\r\nPracticeTime=\r\n")
                                         << today << "12:00" << QStringList() << QStringList();
    QTest::newRow("a negative count reads no lines")
        << QByteArray("[Main]\r\nAnnouncementsNumLines=-3\r\n") << today << "12:00" << QStringList()
        << QStringList();
    QTest::newRow("a count in the billions stops at 10000 lines")
        << QByteArray("[Main]\r\nAnnouncementsNumLines=2000000000\r\n") << today << "12:00"
        << QStringList(10000, " ") << QStringList();
    QTest::newRow("a value longer than 255 characters is cut")
        << "[Main]\r\nMinutes0=1\r\nDrill0=" + QByteArray(300, 'x') + "\r\n"
        << today << "12:00" << QStringList()
        << QStringList{"0:1|12:00 - 12:01|" + QString(255, 'x') + "|"};
    QTest::newRow("negative minutes load as 0")
        << QByteArray("[Main]\r\nMinutes0=-5\r\nDrill0=Odd\r\nMinutes1=10\r\n") << today << "12:00"
        << QStringList() << QStringList{"0:0||Odd|", "1:10|12:00 - 12:10||"};
    QTest::newRow("written on Windows")
        << QByteArray("[Main]\r\nDate=12/8/2026\r\nPracticeTime=4:00 PM\r\nPlanNumber=0\r\n"
                      "AnnouncementsNumLines=1\r\nAnnouncement0=Caf\xe9 \x93open\x94 \x96 "
                      "bring \x80 5\r\nDefEmphasis=Help side\r\nOffEmphasis=Pick & roll\r\n"
                      "Minutes0=10\r\nDrill0=R\xe9sum\xe9 drill\r\nEmphasis0=Na\xefve\r\n"
                      "Minutes1=-99\r\n")
        << "12/8/2026"
        << "4:00 PM"
        << QStringList{QString::fromUtf8("Caf\u00e9 \u201copen\u201d \u2013 bring \u20ac 5")}
        << QStringList{QString::fromUtf8("0:10|4:00 - 4:10|R\u00e9sum\u00e9 drill|Na\u00efve")};
    QTest::newRow("other sections do not count")
        << QByteArray("[Other]\r\nDate=1/1/2026\r\nMinutes0=5\r\n[Main]\r\nMinutes0=6\r\n") << today
        << "12:00" << QStringList() << QStringList{"0:6|12:00 - 12:06||"};
}

void tst_PlanFile::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QStringList, announcements);
    QFETCH(QStringList, rows);

    const QString path = m_dir.document(QString("load %1.pln").arg(QTest::currentDataTag()));
    if (!file.isNull())
        writeFile(path, file);
    const PracticePlan plan = loaded(path);
    QCOMPARE(QString::fromStdString(plan.date), date);
    QCOMPARE(QString::fromStdString(plan.practiceTime), time);
    QCOMPARE(toStringList(plan.announcements), announcements);
    QCOMPARE(filledRows(plan), rows);
    QCOMPARE(QString::fromStdString(plan.path), path);
}

void tst_PlanFile::shrunkAnnouncementsLeaveStaleKeys()
{
    const QString path = m_dir.document("shrink.pln");
    PracticePlan plan = samplePlan(path);
    plan.announcements = {"one", "two", "three", "four", "five"};
    QVERIFY(SavePlanFile(plan));
    plan.announcements = {"uno", "dos"};
    QVERIFY(SavePlanFile(plan));

    const QByteArrayList fileLines = lines(readFile(path));
    QVERIFY(fileLines.contains("AnnouncementsNumLines=2"));
    QVERIFY(fileLines.contains("Announcement1=dos"));
    QVERIFY(fileLines.contains("Announcement4=five"));
    QCOMPARE(toStringList(loaded(path).announcements), (QStringList{"uno", "dos"}));
}

void tst_PlanFile::saveKeepsWhatElseTheFileHolds()
{
    const QString path = m_dir.document("keep.pln");
    writeFile(path, "[Notes]\r\nCoach=Me\r\n[Main]\r\nDate=1/1/2020\r\nExtra=kept\r\n");
    QVERIFY(SavePlanFile(samplePlan(path)));

    const QByteArrayList fileLines = lines(readFile(path));
    QCOMPARE(fileLines.mid(0, 5),
             (QByteArrayList{"[Notes]", "Coach=Me", "[Main]", "Date=3/7/2026", "Extra=kept"}));
    QCOMPARE(fileLines.count("[Main]"), 1);
    QCOMPARE(fileLines.last(), QByteArray("Emphasis100="));
}

void tst_PlanFile::failedSaveReportsFalse_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing folder") << m_dir.document("no such folder/plan.pln");
    QTest::newRow("a folder in the way") << m_dir.folder();
}

void tst_PlanFile::failedSaveReportsFalse()
{
    QFETCH(QString, path);

    QVERIFY(!SavePlanFile(samplePlan(path)));
    QVERIFY(!QFile::exists(m_dir.document("no such folder")));
}

QTEST_GUILESS_MAIN(tst_PlanFile)
#include "tst_PlanFile.moc"
