#include "formats/LocaleFormats.h"
#include "plans/PlanEntry.h"
#include "plans/TimeSpans.h"

#include <QtTest>
#include <array>

namespace {

// Rows with the given minutes; a span given for a row stands there before
// the computation, as a span left from earlier minutes would.
std::array<PlanEntry, 100> rows(const QList<int>& minutes, const QStringList& oldSpans)
{
    std::array<PlanEntry, 100> entries;
    for (int i = 0; i < minutes.size(); ++i)
        entries[i].minutes = minutes[i];
    for (int i = 0; i < oldSpans.size(); ++i)
        entries[i].timeSpan = oldSpans[i].toStdString();
    return entries;
}

QStringList spans(const std::array<PlanEntry, 100>& entries, int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QString::fromStdString(entries[i].timeSpan);
    return result;
}

} // namespace

class tst_TimeSpans : public QObject
{
    Q_OBJECT

private slots:
    void computeTimeSpans_data();
    void computeTimeSpans();
    void unreadableTimeChangesNothing();
    void laterRowsStayEmpty();
};

void tst_TimeSpans::computeTimeSpans_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("minutes");
    QTest::addColumn<QStringList>("oldSpans");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a row of 0 minutes takes no time")
        << "3:30" << QList<int>{15, 0, 20} << QStringList()
        << QStringList{"3:30 - 3:45", "", "3:45 - 4:05"};
    QTest::newRow("past 12 comes round to 1")
        << "12:50" << QList<int>{20} << QStringList() << QStringList{"12:50 - 1:10"};
    QTest::newRow("an afternoon start on the 12-hour clock")
        << "15:00" << QList<int>{30, 45} << QStringList()
        << QStringList{"3:00 - 3:30", "3:30 - 4:15"};
    QTest::newRow("PM start") << "1:30 PM" << QList<int>{30} << QStringList()
                              << QStringList{"1:30 - 2:00"};
    QTest::newRow("reaching 12") << "11:50" << QList<int>{10, 60} << QStringList()
                                 << QStringList{"11:50 - 12:00", "12:00 - 1:00"};
    QTest::newRow("from 11:30 PM past midnight: 12, never 0")
        << "11:30 PM" << QList<int>{30, 15} << QStringList()
        << QStringList{"11:30 - 12:00", "12:00 - 12:15"};
    QTest::newRow("a half day from 12:30 ends at 12:30")
        << "12:30" << QList<int>{720} << QStringList() << QStringList{"12:30 - 12:30"};
    QTest::newRow("midnight start keeps hour 0")
        << "0:30" << QList<int>{45} << QStringList() << QStringList{"0:30 - 1:15"};
    QTest::newRow("seconds are not shown")
        << "3:30:45" << QList<int>{15} << QStringList() << QStringList{"3:30 - 3:45"};
    QTest::newRow("several hours at once")
        << "9:00" << QList<int>{150} << QStringList() << QStringList{"9:00 - 11:30"};
    QTest::newRow("minutes set from 10 to 0 clear the span and move the rest back")
        << "3:30" << QList<int>{0, 15} << QStringList{"3:30 - 3:40", "3:40 - 3:55"}
        << QStringList{"", "3:30 - 3:45"};
    QTest::newRow("empty rows between filled rows")
        << "3:30" << QList<int>{15, 0, 0, 20} << QStringList()
        << QStringList{"3:30 - 3:45", "", "", "3:45 - 4:05"};
    QTest::newRow("twelve hours still show a span")
        << "3:30" << QList<int>{720} << QStringList() << QStringList{"3:30 - 3:30"};
    QTest::newRow("negative minutes take no time")
        << "3:30" << QList<int>{-15, 15} << QStringList{"x"} << QStringList{"", "3:30 - 3:45"};
    QTest::newRow("the largest minutes do not overflow")
        << "3:30" << QList<int>{2147483647} << QStringList() << QStringList{"3:30 - 5:37"};
}

void tst_TimeSpans::computeTimeSpans()
{
    QFETCH(QString, start);
    QFETCH(QList<int>, minutes);
    QFETCH(QStringList, oldSpans);
    QFETCH(QStringList, expected);

    auto entries = rows(minutes, oldSpans);
    QVERIFY(ComputeTimeSpans(entries, start.toStdString(), LocaleFormats{}));
    QCOMPARE(spans(entries, expected.size()), expected);
}

void tst_TimeSpans::unreadableTimeChangesNothing()
{
    auto entries = rows({15, 20}, {"1:00 - 1:15", "1:15 - 1:35"});
    QVERIFY(!ComputeTimeSpans(entries, "25:00", LocaleFormats{}));
    QCOMPARE(spans(entries, 2), (QStringList{"1:00 - 1:15", "1:15 - 1:35"}));
}

void tst_TimeSpans::laterRowsStayEmpty()
{
    auto entries = rows({15}, {});
    entries[99].minutes = 5;
    QVERIFY(ComputeTimeSpans(entries, "12:00", LocaleFormats{}));
    QCOMPARE(QString::fromStdString(entries[50].timeSpan), QString());
    QCOMPARE(QString::fromStdString(entries[99].timeSpan), QString("12:15 - 12:20"));
}

QTEST_GUILESS_MAIN(tst_TimeSpans)
#include "tst_TimeSpans.moc"
