#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "PdfText.h"
#include "RecordingSurface.h"
#include "ScriptedPlatform.h"
#include "ShowFrame.h"
#include "TempDataDir.h"

#include "evaluations/TGameEvalDlg.h"
#include "plans/PlanPrintout.h"
#include "report/AppPrinter.h"
#include "report/PrintJob.h"
#include "report/Printout.h"
#include "report/ReportPage.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
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
    void exportPdf_data();
    void exportPdf();
    void exportPageSize();
    void windowCommands_data();
    void windowCommands();

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

void tst_PrintJob::exportPdf_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written"); // empty: nothing may be written
    QTest::addColumn<int>("sizeLimit");   // bytes; 0: no limit

    QTest::newRow("typed without extension") << "TUESDAY"
                                             << "TUESDAY.pdf" << 0;
    QTest::newRow("disk full while writing") << "old.pdf" << QString() << 8192;
}

// Written without a print dialog, text kept as text with its bold face and
// fonts embedded. A failed export leaves no file behind and the old one as it was.
void tst_PrintJob::exportPdf()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(int, sizeLimit);
    const QString pdfFonts = QStandardPaths::findExecutable("pdffonts");
    if (pdfFonts.isEmpty())
        QSKIP("poppler-utils is not installed");
    const QTemporaryDir output;
    const QString folder = output.path() + '/';
    QVERIFY(writeFile(folder + "old.pdf", "old"));
    m_platform->chooseFile(folder + chosen);
    const PlanSheet sheet = longPlan();
    const Printout printout{{{PlanPrintoutInfo, planRows(sheet)}}, "TUESDAY", folder};

    bool exported = false;
    {
        const FileSizeLimit full(sizeLimit > 0 ? rlim_t(sizeLimit) : RLIM_INFINITY);
        exported = ExportPrintout(printout);
    }

    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
             (QStringList{"old.pdf", written}.mid(0, written.isEmpty() ? 1 : 2)));
    QCOMPARE(readFile(folder + "old.pdf"), QByteArray("old"));
    if (!exported) {
        QCOMPARE(m_platform->messages(),
                 QStringList{"Cannot write the file " + folder + chosen + "."});
        return;
    }
    const QString pdf = folder + written;
    QVERIFY(runTool(QStandardPaths::findExecutable("pdfinfo"), {pdf})
                .contains(QRegularExpression("Title: +TUESDAY\n(.*\n)?Creator: +Corvanta\n")));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains("Daily Practice Plan") && text.contains("Drill 99"));
    const QStringList faces = runTool(pdfFonts, {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!faces.filter(QRegularExpression("^\\S*Bold")).isEmpty());
    QCOMPARE(faces.filter(QRegularExpression(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$")), faces);
}

// The default printer's paper, else A4, or Letter where the country uses it.
void tst_PrintJob::exportPageSize()
{
    QCOMPARE(ExportPageSize(QPageSize(QPageSize::Legal), QLocale("de_DE")).id(), QPageSize::Legal);
    QCOMPARE(ExportPageSize(QPageSize(), QLocale("en_US")).id(), QPageSize::Letter);
    QCOMPARE(ExportPageSize(QPageSize(), QLocale("fr_CA")).id(), QPageSize::Letter); // metric
    QCOMPARE(ExportPageSize(QPageSize(), QLocale("en_GB")).id(), QPageSize::A4);     // imperial
}

void tst_PrintJob::windowCommands_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name"); // of the preview and the PDF

    QTest::newRow("plan of two pages") << "plan"
                                       << "MONDAY";
    QTest::newRow("evaluation") << "evaluation"
                                << "Game 1";
}

// Every printout has its preview and its PDF, on Ctrl+Shift+P and
// Ctrl+Shift+E in its window, named after its document.
void tst_PrintJob::windowCommands()
{
    QFETCH(QString, window);
    QFETCH(QString, name);

    const QString folder = m_dataDir->folder();
    WriteProfileText("prefs.db", "General", "AutoNewPlan", "FALSE", -1, true);
    WriteProfileText("prefs.db", "General", "Path", folder.toStdString(), -1, true);
    std::unique_ptr<QWidget> shown;
    if (window == "plan") {
        auto* frame = new TMainForm;
        shown.reset(frame);
        QVERIFY(ShowFrame(*frame));
        QByteArray rows = "[Main]\r\n";
        for (int row = 0; row < 60; ++row)
            rows += "Minutes" + QByteArray::number(row) + "=5\r\n";
        QVERIFY(writeFile(folder + "MONDAY.pln", rows));
        frame->OpenPlan(folder + "MONDAY.pln");
    } else {
        auto* evaluation = new TGameEvalDlg;
        shown.reset(evaluation);
        evaluation->openDocument(folder + "Game 1.gev", folder);
    }
    QApplication::setActiveWindow(shown.get());
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    m_platform->cancelDialog(); // the PDF's save dialog
    QTest::keyClick(shown.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(shown.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_platform->shown.first().caption, "Print Preview - " + name);
    QCOMPARE(m_platform->shown.first().text, window == "plan" ? "2" : "1"); // pages
    QCOMPARE(m_platform->fileRequests.last().fileName, folder + name + ".pdf");
}

QTEST_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
