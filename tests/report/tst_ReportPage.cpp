#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "report/PageMetrics.h"
#include "report/ReportPage.h"
#include "store/ProfileStore.h"

#include <QTest>
#include <memory>

namespace {

// 300 dpi with a printable height of 3150: line height 58, top line 3, last line 51.
constexpr int Dpi = 300;
constexpr int Width = 2400;
constexpr int Height = 3150;
constexpr int LineHeight = 58;
constexpr PrintoutInfo Info{" - Test Sheet", "Test Sheet", 40};

const QString FirstFooter[] = {QStringLiteral("line 0 3020 2400 3020"),
                               QStringLiteral("text 2160 3034 Page 1")};

void printLines(ReportPage& page, int count)
{
    for (int i = 0; i < count; ++i)
        page.printLine("row");
}

} // namespace

class tst_ReportPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void metrics_data();
    void metrics();
    void tabStops();
    void startJob_data();
    void startJob();
    void startJobFailing();
    void rowPositions();
    void pageBreak_data();
    void pageBreak();
    void footerOncePerPage();
    void cells();
    void shortTabLists();

private:
    ReportPage& startedPage();

    std::unique_ptr<TempDataDir> m_dataDir;
    std::unique_ptr<RecordingSurface> m_surface;
    std::unique_ptr<ReportPage> m_page;
};

void tst_ReportPage::init()
{
    m_dataDir = std::make_unique<TempDataDir>();
    m_surface = std::make_unique<RecordingSurface>(Dpi, Dpi, Width, Height);
}

void tst_ReportPage::cleanup()
{
    m_page.reset();
    m_surface.reset();
    m_dataDir.reset();
}

ReportPage& tst_ReportPage::startedPage()
{
    m_page = std::make_unique<ReportPage>(*m_surface, Info);
    m_page->startJob();
    m_surface->calls.clear();
    return *m_page;
}

void tst_ReportPage::metrics_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("marginFactor");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("topMargin");
    QTest::addColumn<int>("topLine");
    QTest::addColumn<int>("lastLine");
    QTest::addColumn<int>("leftMargin");

    QTest::newRow("300 dpi plan") << 300 << 3150 << 40 << 58 << 225 << 3 << 51 << 120;
    QTest::newRow("600 dpi plan") << 600 << 6300 << 40 << 116 << 450 << 3 << 51 << 240;
    QTest::newRow("300 dpi three quarters") << 300 << 3150 << 75 << 58 << 225 << 3 << 51 << 225;
    QTest::newRow("1200 dpi rounds up") << 1200 << 12600 << 40 << 233 << 900 << 3 << 51 << 480;
    QTest::newRow("96 dpi rounds down") << 96 << 1008 << 40 << 18 << 72 << 4 << 52 << 38;
    QTest::newRow("no resolution") << 0 << 1000 << 40 << 1 << 0 << 0 << 1000 << 0;
}

void tst_ReportPage::metrics()
{
    QFETCH(int, dpi);
    QFETCH(int, height);
    QFETCH(int, marginFactor);

    QFETCH(int, lineHeight);
    QFETCH(int, topMargin);
    QFETCH(int, topLine);
    QFETCH(int, lastLine);
    QFETCH(int, leftMargin);

    const PageMetrics m = PageMetrics::compute(dpi, dpi, 2400, height, marginFactor);
    QCOMPARE(m.lineHeight, lineHeight);
    QCOMPARE(m.topMargin, topMargin);
    QCOMPARE(m.topLine, topLine);
    QCOMPARE(m.lastLine, lastLine);
    QCOMPARE(m.leftMargin, leftMargin);
}

void tst_ReportPage::tabStops()
{
    // Factors such as 4.3 and 4.7 land exactly, never one pixel short.
    ReportPage page(*m_surface, Info);
    QCOMPARE(page.tabStops({0, 40, 140, 180, 430, 470, 750}),
             (std::vector<int>{0, 120, 420, 540, 1290, 1410, 2250}));
}

void tst_ReportPage::startJob_data()
{
    QTest::addColumn<QString>("teamName");
    QTest::addColumn<QString>("teamFont");
    QTest::addColumn<QStringList>("expected");

    const QStringList heading = {QStringLiteral("font Arial 14 bold"),
                                 QStringLiteral("text 1055 127 Test Sheet"),
                                 QStringLiteral("font Arial 10")};
    const QStringList start = {QStringLiteral("font Arial 10"),
                               QStringLiteral("title Corvanta - Test Sheet"),
                               QStringLiteral("begin")};

    QTest::newRow("team name in its font")
        << "Hawks"
        << "Courier"
        << start +
               QStringList{QStringLiteral("font Courier 12 underline"),
                           QStringLiteral("text 1137 58 Hawks")} +
               heading;
    QTest::newRow("team font defaults to Arial")
        << "Hawks" << QString()
        << start +
               QStringList{QStringLiteral("font Arial 12 underline"),
                           QStringLiteral("text 1137 58 Hawks")} +
               heading;
    QTest::newRow("no team name keeps the heading's place")
        << QString() << QString()
        << start + QStringList{QStringLiteral("font Arial 12 underline")} + heading;
}

void tst_ReportPage::startJob()
{
    QFETCH(QString, teamName);
    QFETCH(QString, teamFont);
    if (!teamName.isEmpty())
        WriteProfileText("prefs.db", "General", "TeamName", teamName.toStdString(), -1, true);
    if (!teamFont.isEmpty())
        WriteProfileText("prefs.db", "General", "TeamFontName", teamFont.toStdString(), -1, true);

    QFETCH(QStringList, expected);

    ReportPage page(*m_surface, Info);
    QVERIFY(page.startJob());
    QCOMPARE(m_surface->calls, expected);
}

void tst_ReportPage::startJobFailing()
{
    m_surface->beginFails = true;
    ReportPage page(*m_surface, Info);
    QVERIFY(!page.startJob());
    QCOMPARE(m_surface->callsOf("text"), QStringList());
}

void tst_ReportPage::rowPositions()
{
    ReportPage& page = startedPage();
    page.printLine("first");
    page.blankLine();
    const std::string texts[] = {"a", "b"};
    const int tabs[] = {0, 420};
    page.printColumns(texts, tabs);
    page.ruleCells(tabs, 1);
    QCOMPARE(
        m_surface->calls,
        (QStringList{QStringLiteral("text 120 232 first"), QStringLiteral("text 120 348 a"),
                     QStringLiteral("text 540 348 b"), QStringLiteral("line 120 406 510 406")}));
    QCOMPARE(page.currentLine(), 6);
}

void tst_ReportPage::pageBreak_data()
{
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<int>("blankLines");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected");

    const QStringList footer(std::begin(FirstFooter), std::end(FirstFooter));
    const QStringList broken = footer + QStringList{"newPage", "text 120 174 next"};
    const QStringList next{"next"};

    // 48 rows fill lines 4 to 51, the last line.
    QTest::newRow("row before the last line stays")
        << 47 << 0 << next << QStringList{QStringLiteral("text 120 2958 next")};
    QTest::newRow("row after the last line breaks, footer first") << 48 << 0 << next << broken;
    QTest::newRow("blank line past the last line still breaks") << 48 << 1 << next << broken;
    QTest::newRow("blank line onto the last line breaks") << 47 << 1 << next << broken;
    QTest::newRow("blank lines far past the last line") << 10 << 60 << next << broken;
    // A page starts with what is drawn on it: an empty last line leaves no
    // page holding only its footer.
    QTest::newRow("empty line after the last line starts no page")
        << 48 << 0 << QStringList{""} << footer + QStringList{"end"};
    QTest::newRow("a row after that empty line keeps its place")
        << 48 << 0 << QStringList{"", "next"}
        << footer + QStringList{"newPage", "text 120 232 next", "line 0 3020 2400 3020",
                                "text 2160 3034 Page 2", "end"};
}

void tst_ReportPage::pageBreak()
{
    QFETCH(int, rowsBefore);
    QFETCH(int, blankLines);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);

    ReportPage& page = startedPage();
    printLines(page, rowsBefore);
    for (int i = 0; i < blankLines; ++i)
        page.blankLine();
    m_surface->calls.clear();
    for (const QString& row : rows)
        page.printLine(row.toStdString());
    if (expected.last() == "end")
        page.endJob();
    QCOMPARE(m_surface->calls, expected);
}

void tst_ReportPage::footerOncePerPage()
{
    ReportPage& page = startedPage();
    printLines(page, 48 + 49 + 1);
    page.printPageFooter();
    page.endJob();

    QCOMPARE(m_surface->callsOf("newPage").size(), 2);
    QCOMPARE(m_surface->callsOf("text 2160 3034"),
             (QStringList{QStringLiteral("text 2160 3034 Page 1"),
                          QStringLiteral("text 2160 3034 Page 2"),
                          QStringLiteral("text 2160 3034 Page 3")}));
    QCOMPARE(m_surface->callsOf("line").size(), 3);
    QCOMPARE(m_surface->calls.last(), QStringLiteral("end"));
}

void tst_ReportPage::cells()
{
    // Each cell ends an eighth of an inch (37 pixels) before the next stop.
    ReportPage& page = startedPage();
    const std::string texts[] = {"15", "an activity far wider than its cell"};
    const int tabs[] = {0, 120, 1410};
    page.printCells(texts, tabs);
    QCOMPARE(
        m_surface->calls,
        (QStringList{QStringLiteral("clip 120 232 203 290 15"),
                     QStringLiteral("clip 240 232 1493 290 an activity far wider than its cell")}));
}

void tst_ReportPage::shortTabLists()
{
    // More texts than stops print what has a place and nothing beyond it.
    ReportPage& page = startedPage();
    const std::string texts[] = {"a", "b", "c"};
    const int tabs[] = {0, 100};
    page.printColumns(texts, tabs);
    page.printCells(texts, tabs);
    page.ruleCells(tabs, 3);
    page.printCells(texts, std::span<const int>());
    QCOMPARE(m_surface->calls,
             (QStringList{QStringLiteral("text 120 232 a"), QStringLiteral("text 220 232 b"),
                          QStringLiteral("clip 120 290 183 348 a"),
                          QStringLiteral("line 120 348 190 348")}));
}

QTEST_GUILESS_MAIN(tst_ReportPage)
#include "tst_ReportPage.moc"
