#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "formats/LocaleFormats.h"
#include "plans/PlanPrintout.h"
#include "plans/TimeSpans.h"
#include "report/ReportPage.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// 300 dpi, printable 2400 x 3150: line height 58, top line 3, last line 51,
// left margin 120. The header line is on line 4 (y 232).
RecordingSurface printed(const PlanSheet& sheet)
{
    RecordingSurface surface(300, 300, 2400, 3150);
    ReportPage page(surface, PlanPrintoutInfo);
    page.startJob();
    PrintPlanRows(page, sheet);
    page.endJob();
    return surface;
}

PlanSheet sheetWithRows(int count)
{
    PlanSheet sheet;
    for (int row = 0; row < count; ++row)
        sheet.entries[row] = PlanEntry{10, "h:nn", "Drill " + std::to_string(row), "Defense"};
    return sheet;
}

QStringList callsBetween(const QStringList& calls, const QString& first, const QString& last)
{
    const qsizetype from = calls.indexOf(first);
    const qsizetype to = calls.indexOf(last, from);
    return from < 0 || to < 0 ? QStringList() : calls.mid(from, to - from + 1);
}

} // namespace

class tst_PlanPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dataDir = std::make_unique<TempDataDir>(); }
    void cleanup() { m_dataDir.reset(); }

    void headerLine_data();
    void headerLine();
    void announcementsAndEmphases_data();
    void announcementsAndEmphases();
    void columnHeadsRule();
    void scheduleUpToLastFilledRow();
    void blankForm();
    void threePages();
    void spansPrintTwoDigitMinutes_data();
    void spansPrintTwoDigitMinutes();

private:
    std::unique_ptr<TempDataDir> m_dataDir;
};

void tst_PlanPrintout::headerLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("printedName");

    QTest::newRow("extension dropped") << "MONDAY.PLN"
                                       << "MONDAY";
    QTest::newRow("never saved") << QString() << QString();
    QTest::newRow("shorter than an extension") << "ab" << QString();
    QTest::newRow("characters, not bytes") << "Übung Köln.pln"
                                           << "Übung Köln";
}

void tst_PlanPrintout::headerLine()
{
    QFETCH(QString, name);
    QFETCH(QString, printedName);

    PlanSheet sheet;
    sheet.date = "12/8/2026";
    sheet.practiceTime = "3:30 PM";
    sheet.name = name.toStdString();
    const RecordingSurface surface = printed(sheet);
    QCOMPARE(callsBetween(surface.calls, "font Arial 10 bold", "font Arial 10"),
             (QStringList{"font Arial 10 bold", "text 120 232 Date: 12/8/2026",
                          "text 540 232 Time: 3:30 PM", "text 1410 232 " + printedName,
                          "font Arial 10"}));
}

void tst_PlanPrintout::announcementsAndEmphases_data()
{
    QTest::addColumn<QStringList>("announcements");
    QTest::addColumn<bool>("showDef");
    QTest::addColumn<bool>("showOff");
    QTest::addColumn<QStringList>("expected");

    const QStringList headsAt638 = {"text 120 638 Min", "text 240 638 Time",
                                    "text 660 638 Activity", "text 1530 638 Emphasis"};

    QTest::newRow("no announcements, both emphases")
        << QStringList() << true << true
        << QStringList{"text 120 348 Announcements:", "text 120 464 Defense Emphasis:",
                       "text 540 464 Man to man",
                       "text 120 522 Offense Emphasis:", "text 540 522 Motion"} +
               headsAt638;
    QTest::newRow("two announcements, offense hidden")
        << QStringList{"Warm up well", "Bring water"} << true << false
        << QStringList{"text 120 348 Announcements:",
                       "text 540 348 Warm up well",
                       "text 120 406 ",
                       "text 540 406 Bring water",
                       "text 120 522 Defense Emphasis:",
                       "text 540 522 Man to man"} +
               headsAt638;
    QTest::newRow("both emphases hidden")
        << QStringList() << false << false
        << QStringList{"text 120 348 Announcements:", "text 120 522 Min", "text 240 522 Time",
                       "text 660 522 Activity", "text 1530 522 Emphasis"};
}

void tst_PlanPrintout::announcementsAndEmphases()
{
    QFETCH(QStringList, announcements);
    QFETCH(bool, showDef);
    QFETCH(bool, showOff);
    QFETCH(QStringList, expected);

    PlanSheet sheet;
    for (const QString& line : announcements)
        sheet.announcements.push_back(line.toStdString());
    sheet.defEmphasis = "Man to man";
    sheet.offEmphasis = "Motion";
    sheet.showDefEmphasis = showDef;
    sheet.showOffEmphasis = showOff;
    const QStringList texts = printed(sheet).callsOf("text");
    QCOMPARE(callsBetween(texts, expected.first(), expected.last()), expected);
}

void tst_PlanPrintout::columnHeadsRule()
{
    // Heads on line 11 (y 638); the rule 0.8 lines lower, a tenth of an inch
    // beyond both margins.
    const RecordingSurface surface = printed(PlanSheet());
    const qsizetype rule = surface.calls.indexOf("line 90 684 2310 684");
    QCOMPARE(surface.calls.mid(rule - 6, 7),
             (QStringList{"font Arial 10 bold", "text 120 638 Min", "text 240 638 Time",
                          "text 660 638 Activity", "text 1530 638 Emphasis", "font Arial 10",
                          "line 90 684 2310 684"}));
}

void tst_PlanPrintout::scheduleUpToLastFilledRow()
{
    PlanSheet sheet;
    sheet.entries[4] =
        PlanEntry{15, "12:00-12:15", "Full court press against a 2-2-1 zone", "Press"};
    const QStringList cells = printed(sheet).callsOf("clip");
    QCOMPARE(cells.size(), 5 * 4);
    QCOMPARE(cells.first(4), (QStringList{"clip 120 696 203 754 ", "clip 240 696 623 754 ",
                                          "clip 660 696 1493 754 ", "clip 1530 696 2333 754 "}));
    QCOMPARE(cells.last(4),
             (QStringList{"clip 120 928 203 986 15", "clip 240 928 623 986 12:00-12:15",
                          "clip 660 928 1493 986 Full court press against a 2-2-1 zone",
                          "clip 1530 928 2333 986 Press"}));
}

void tst_PlanPrintout::blankForm()
{
    // Rules under lines 12 to 50, four cells each, and nothing past page 1.
    const RecordingSurface surface = printed(PlanSheet());
    const QStringList lines = surface.callsOf("line");
    QCOMPARE(lines.size(), 1 + 39 * 4 + 1);
    QCOMPARE(lines.mid(1, 4), (QStringList{"line 120 754 210 754", "line 240 754 630 754",
                                           "line 660 754 1500 754", "line 1530 754 2340 754"}));
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("line 1530 2958 2340 2958"));
    QCOMPARE(lines.last(), QStringLiteral("line 0 3020 2400 3020"));
    QCOMPARE(surface.callsOf("newPage"), QStringList());
    QCOMPARE(surface.callsOf("clip"), QStringList());
    QCOMPARE(surface.calls.filter(QRegularExpression("Page \\d")),
             QStringList{"text 2160 3034 Page 1"});
}

void tst_PlanPrintout::threePages()
{
    // 40 rows fit on page 1 below the heads, 49 on page 2, 11 on page 3.
    const RecordingSurface surface = printed(sheetWithRows(PlanEntryCount));
    QCOMPARE(surface.calls.filter("title "), QStringList{"title Corvanta - Practice Plan"});
    QCOMPARE(surface.calls.filter("Daily Practice Plan").size(), 1);
    QCOMPARE(surface.calls.filter(" Min").size(), 1);
    QCOMPARE(surface.callsOf("clip").size(), 100 * 4);
    QCOMPARE(
        surface.calls.filter(QRegularExpression("Page \\d")),
        (QStringList{"text 2160 3034 Page 1", "text 2160 3034 Page 2", "text 2160 3034 Page 3"}));

    const qsizetype firstBreak = surface.calls.indexOf("newPage");
    QCOMPARE(surface.calls.mid(firstBreak - 2, 4),
             (QStringList{"line 0 3020 2400 3020", "text 2160 3034 Page 1", "newPage",
                          "clip 120 174 203 232 10"}));
    QCOMPARE(surface.calls.at(firstBreak - 3), QStringLiteral("clip 1530 2958 2333 3016 Defense"));
    QCOMPARE(surface.calls.last(), QStringLiteral("end"));
}

void tst_PlanPrintout::spansPrintTwoDigitMinutes_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<int>>("minutes");
    QTest::addColumn<QStringList>("spans");

    QStringList byMinute;
    for (int minute = 0; minute < 10; ++minute)
        byMinute << QString("3:0%1 - 3:%2").arg(minute).arg(minute + 1, 2, 10, QChar('0'));
    QTest::newRow("every minute below ten") << "3:00" << QList<int>(10, 1) << byMinute;
    QTest::newRow("round to the hour")
        << "11:58" << QList<int>{2, 7} << QStringList{"11:58 - 12:00", "12:00 - 12:07"};
    QTest::newRow("an hour on") << "9:05" << QList<int>{60} << QStringList{"9:05 - 10:05"};
}

// The schedule's time column as the plan window computes and prints it.
void tst_PlanPrintout::spansPrintTwoDigitMinutes()
{
    QFETCH(QString, start);
    QFETCH(QList<int>, minutes);
    QFETCH(QStringList, spans);

    PlanSheet sheet;
    for (int row = 0; row < minutes.size(); ++row)
        sheet.entries[row] = PlanEntry{minutes[row], "", "Drill", ""};
    QVERIFY(ComputeTimeSpans(sheet.entries, start.toStdString(), LocaleFormats{}));
    const QStringList cells = printed(sheet).callsOf("clip");
    QStringList printedSpans;
    for (qsizetype cell = 1; cell < cells.size(); cell += 4)
        printedSpans << cells[cell].section(' ', 5);
    QCOMPARE(printedSpans, spans);
}

QTEST_GUILESS_MAIN(tst_PlanPrintout)
#include "tst_PlanPrintout.moc"
