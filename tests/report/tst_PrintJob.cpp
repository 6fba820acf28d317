#include "RecordingSurface.h"
#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "plans/PlanPrintout.h"
#include "report/AppPrinter.h"
#include "report/PrintJob.h"
#include "report/ReportPage.h"
#include "store/ProfileStore.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

PlanSheet longPlan()
{
    PlanSheet sheet;
    sheet.date = "12/8/2026";
    sheet.practiceTime = "3:30 PM";
    sheet.name = "TUESDAY.pln";
    sheet.announcements = {"Bus leaves at 5"};
    for (int row = 0; row < PlanEntryCount; ++row)
        sheet.entries[row] = PlanEntry{5, "3:30-3:35", "Drill " + std::to_string(row), "Defense"};
    return sheet;
}

PrintJob::Rows planRows(const PlanSheet& sheet)
{
    return [&sheet](ReportPage& page) { PrintPlanRows(page, sheet); };
}

// The pages the layout gives on this printer, counted on a recording surface.
int expectedPages(const QPrinter& printer, const PlanSheet& sheet)
{
    RecordingSurface surface(printer.logicalDpiX(), printer.logicalDpiY(), printer.width(),
                             printer.height());
    ReportPage page(surface, PlanPrintoutInfo);
    page.startJob();
    PrintPlanRows(page, sheet);
    page.endJob();
    return surface.pageNumber();
}

QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class tst_PrintJob : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelledDialogPrintsNothing();
    void longPlanToPdf();
    void stepRunsBeforeTheDocumentStarts();
    void unwritableOutputIsReported();

private:
    std::unique_ptr<TempDataDir> m_dataDir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    QTemporaryDir m_output;
};

void tst_PrintJob::init()
{
    m_dataDir = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
}

void tst_PrintJob::cleanup()
{
    QCOMPARE(m_platform->unanswered(), QStringList());
    QVERIFY(m_platform->allAnswersUsed());
    QVERIFY(!QGuiApplication::overrideCursor());
    m_platform.reset();
    m_dataDir.reset();
}

void tst_PrintJob::cancelledDialogPrintsNothing()
{
    m_platform->cancelDialog();
    bool ran = false;
    const auto mark = [&ran] { ran = true; };
    QVERIFY(!PrintJob::runWithDialog(
        nullptr, PlanPrintoutInfo, [&ran](ReportPage&) { ran = true; }, mark));
    QVERIFY(!ran);
    QCOMPARE(m_platform->shown.size(), 1);
}

void tst_PrintJob::longPlanToPdf()
{
    const QString pdfToText = QStandardPaths::findExecutable("pdftotext");
    const QString pdfInfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdfFonts = QStandardPaths::findExecutable("pdffonts");
    if (pdfToText.isEmpty() || pdfInfo.isEmpty() || pdfFonts.isEmpty())
        QSKIP("poppler-utils is not installed");

    WriteProfileText("prefs.db", "General", "TeamName", "Riverside Hawks", -1, true);
    const QString pdf = m_output.filePath("long.pdf");
    m_platform->printToPdf(pdf);
    const PlanSheet sheet = longPlan();
    QVERIFY(PrintJob::runWithDialog(nullptr, PlanPrintoutInfo, planRows(sheet)));

    const int pages = expectedPages(AppPrinter::printer(), sheet);
    QVERIFY(pages >= 2);
    const QString info = runTool(pdfInfo, {pdf});
    QVERIFY2(info.contains(QStringLiteral("Pages:           %1\n").arg(pages)), qPrintable(info));
    QVERIFY2(info.contains(QLatin1String("Title:           Corvanta - Practice Plan\n")),
             qPrintable(info));

    const QString text = runTool(pdfToText, {"-layout", pdf, "-"});
    QCOMPARE(text.count(QLatin1Char('\f')), pages);
    for (const char* expected :
         {"Riverside Hawks", "Daily Practice Plan", "Date: 12/8/2026", "Time: 3:30 PM", "TUESDAY",
          "Bus leaves at 5", "Drill 0", "Drill 99", "3:30-3:35"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
    QCOMPARE(text.count(QLatin1String("Daily Practice Plan")), 1);
    for (int page = 1; page <= pages; ++page)
        QCOMPARE(text.count(QStringLiteral("Page %1\n").arg(page)), 1);
    // Bold reaches the paper as a face of its own beside the regular one.
    const QStringList faces = runTool(pdfFonts, {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    const qsizetype bold = faces.filter(QRegularExpression("^\\S*Bold")).size();
    QVERIFY2(bold > 0 && bold < faces.size(), qPrintable(faces.join('\n')));
}

void tst_PrintJob::stepRunsBeforeTheDocumentStarts()
{
    const QString pdf = m_output.filePath("step.pdf");
    m_platform->printToPdf(pdf);
    QPrinter& printer = AppPrinter::printer();
    printer.setDocName("previous job");

    QStringList seen;
    const auto step = [&] {
        seen << "step" << printer.docName() << QString::number(QFileInfo::exists(pdf))
             << QString::number(QGuiApplication::overrideCursor() != nullptr);
    };
    const auto rows = [&](ReportPage&) {
        seen << "rows" << printer.docName()
             << QString::number(QGuiApplication::overrideCursor()->shape());
    };
    QVERIFY(PrintJob::runWithDialog(nullptr, PlanPrintoutInfo, rows, step));
    QCOMPARE(seen, (QStringList{"step", "previous job", "0", "0", "rows",
                                "Corvanta - Practice Plan", QString::number(Qt::WaitCursor)}));
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void tst_PrintJob::unwritableOutputIsReported()
{
    m_platform->printToPdf(m_output.filePath("missing/folder/plan.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    bool ran = false;
    QVERIFY(
        !PrintJob::runWithDialog(nullptr, PlanPrintoutInfo, [&ran](ReportPage&) { ran = true; }));
    QVERIFY(!ran);
    QCOMPARE(m_platform->messages(), QStringList{"The printer could not be started."});
}

QTEST_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
