#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "evaluations/TextDocumentPrintout.h"
#include "report/ReportPage.h"

#include <QTest>

namespace {

// 300 dpi, printable 2400 x 3150: line height 58, top line 3, left margin
// 225 (three quarters of an inch); the first row is on line 4 (y 232).
QStringList printed(const TextDocumentKind& kind, const TextDocument& document)
{
    RecordingSurface surface(300, 300, 2400, 3150);
    ReportPage page(surface, kind.printout);
    page.startJob();
    PrintTextDocumentRows(page, kind, document);
    page.endJob();
    return surface.calls;
}

QStringList frame(const QString& suffix, const QString& heading, int headingX,
                  const QStringList& rows)
{
    return QStringList{"font Arial 10",
                       "title Corvanta" + suffix,
                       "begin",
                       "font Arial 12 underline",
                       "font Arial 14 bold",
                       QStringLiteral("text %1 127 ").arg(headingX) + heading,
                       "font Arial 10"} +
           rows + QStringList{"line 0 3020 2400 3020", "text 2055 3034 Page 1", "end"};
}

} // namespace

class tst_TextDocumentPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }

    void rows_data();
    void rows();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void tst_TextDocumentPrintout::rows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("calls");

    const QString evaluation = QStringLiteral(" - Evaluation Report");
    QTest::newRow("evaluation") << "evaluation"
                                << "Tigers" << QStringList{"Good start", " ", "Tired late"}
                                << frame(evaluation, "Evaluation Report", 953,
                                         {"font Arial 10 bold",
                                          "text 225 232 Evaluation Date: 12/8/2026",
                                          "text 225 290 Opponent: Tigers", "font Arial 10",
                                          "text 225 406 Good start", "text 225 464  ",
                                          "text 225 522 Tired late"});
    QTest::newRow("evaluation without opponent or lines")
        << "evaluation" << QString() << QStringList()
        << frame(evaluation, "Evaluation Report", 953,
                 {"font Arial 10 bold", "text 225 232 Evaluation Date: 12/8/2026",
                  "text 225 290 Opponent: ", "font Arial 10"});
    QTest::newRow("scouting report")
        << "report"
        << "Eagles" << QStringList{"Zone press"}
        << frame(" - Scouting Report", "Scouting Report", 982,
                 {"font Arial 10 bold", "text 225 232 Report Date: 12/8/2026",
                  "text 225 290 Team: Eagles", "font Arial 10", "text 225 406 Zone press"});
}

void tst_TextDocumentPrintout::rows()
{
    QFETCH(QString, kind);
    QFETCH(QString, team);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, calls);

    TextDocument document{"12/8/2026", team.toStdString(), {}};
    for (const QString& line : lines)
        document.lines.push_back(line.toStdString());
    const TextDocumentKind& row =
        kind == QLatin1String("report") ? ScoutingReportKind : GameEvaluationKind;
    QCOMPARE(printed(row, document), calls);
}

QTEST_GUILESS_MAIN(tst_TextDocumentPrintout)
#include "tst_TextDocumentPrintout.moc"
