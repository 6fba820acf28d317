#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "evaluations/TextDocumentPrintout.h"
#include "report/ReportPage.h"

#include <QTest>

class tst_TextDocumentPrintout : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void tst_TextDocumentPrintout::rows_data()
{
    QTest::addColumn<bool>("report");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("header"); // job title, heading
    QTest::addColumn<QStringList>("rows");

    // 300 dpi: line height 58, top line 3, left margin 225 (three quarters
    // of an inch); the first row is on line 4 (y 232).
    QTest::newRow("evaluation without opponent or lines")
        << false << QString()
        << QStringList{"title Corvanta - Evaluation Report", "text 953 127 Evaluation Report"}
        << QStringList{"text 225 232 Evaluation Date: 12/8/2026", "text 225 290 Opponent: "};
    QTest::newRow("report with lines, blank ones kept")
        << true << "Eagles"
        << QStringList{"title Corvanta - Scouting Report", "text 982 127 Scouting Report"}
        << QStringList{"text 225 232 Report Date: 12/8/2026", "text 225 290 Team: Eagles",
                       "text 225 406 Zone press", "text 225 464  ", "text 225 522 Weak left"};
}

void tst_TextDocumentPrintout::rows()
{
    QFETCH(bool, report);
    QFETCH(QString, team);
    QFETCH(QStringList, header);
    QFETCH(QStringList, rows);

    TempDataDir data;
    const TextDocument document{"12/8/2026", team.toStdString(),
                                report ? std::vector<std::string>{"Zone press", " ", "Weak left"}
                                       : std::vector<std::string>{}};
    RecordingSurface surface(300, 300, 2400, 3150);
    const TextDocumentKind& kind = report ? ScoutingReportKind : GameEvaluationKind;
    ReportPage page(surface, kind.printout);
    page.startJob();
    PrintTextDocumentRows(page, kind, document);
    page.endJob();

    QCOMPARE(surface.callsOf("title") + surface.callsOf("text").mid(0, 1), header);
    QCOMPARE(surface.callsOf("text").mid(1, rows.size()), rows);
    // The two head lines in bold, then back to the body font.
    const qsizetype bold = surface.calls.indexOf("font Arial 10 bold");
    QCOMPARE(surface.calls.mid(bold, 4),
             QStringList({"font Arial 10 bold", rows[0], rows[1], "font Arial 10"}));
    QCOMPARE(surface.callsOf("text").size(), rows.size() + 2); // heading, rows, page number
}

QTEST_GUILESS_MAIN(tst_TextDocumentPrintout)
#include "tst_TextDocumentPrintout.moc"
