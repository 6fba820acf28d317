#include "PdfText.h"
#include "RecordingSurface.h"
#include "ScriptedPlatform.h"
#include "TempDataDir.h"

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
#include <csignal>
#include <sys/resource.h>

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

// The long plan, then a short second part as Print All gives its sets.
Printout twoParts(const PlanSheet& sheet)
{
    const auto second = [](ReportPage& page) { page.printLine("Second part"); };
    return {{{PlanPrintoutInfo, planRows(sheet)},
             {{" - Practice Teams", "Practice Teams", 75}, second}},
            QStringLiteral("TUESDAY"),
            QString()};
}

// Writes of more than `bytes` fail (and do not end the test) while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_old{};
    void (*m_signal)(int) = nullptr;
};

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
    void previewShowsThePrintersPages();
    void exportPdf_data();
    void exportPdf();
    void exportPageSize_data();
    void exportPageSize();

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

void tst_PrintJob::previewShowsThePrintersPages()
{
    const PlanSheet sheet = longPlan();
    PreviewPrintout(twoParts(sheet), nullptr);
    const int pages = expectedPages(AppPrinter::printer(), sheet) + 1;
    QCOMPARE(m_platform->shown.size(), 1);
    QCOMPARE(m_platform->shown.first().caption, QStringLiteral("Print Preview - TUESDAY"));
    QCOMPARE(m_platform->shown.first().text, QString::number(pages));
}

void tst_PrintJob::exportPdf_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written"); // empty: nothing may be written
    QTest::addColumn<int>("sizeLimit");

    QTest::newRow("typed without extension") << "out/TUESDAY"
                                             << "out/TUESDAY.pdf" << 0;
    QTest::newRow("extension kept") << "out/tuesday.PDF"
                                    << "out/tuesday.PDF" << 0;
    QTest::newRow("no such folder") << "missing/TUESDAY.pdf" << QString() << 0;
    QTest::newRow("disk full while writing") << "out/old.pdf" << QString() << 8192;
}

// Written without a print dialog, text kept as text with its bold face, both
// parts numbered from page 1; a failed export leaves no file and the old one
// as it was.
void tst_PrintJob::exportPdf()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(int, sizeLimit);

    const QString pdfInfo = QStandardPaths::findExecutable("pdfinfo");
    const QString pdfFonts = QStandardPaths::findExecutable("pdffonts");
    if (pdfInfo.isEmpty() || pdfFonts.isEmpty())
        QSKIP("poppler-utils is not installed");
    const QTemporaryDir output;
    QVERIFY(QDir(output.path()).mkpath("out"));
    const QString old = output.filePath("out/old.pdf");
    QFile oldFile(old);
    QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write("old") == 3);
    oldFile.close();
    m_platform->chooseFile(output.filePath(chosen));
    const PlanSheet sheet = longPlan();
    Printout printout = twoParts(sheet);
    printout.folder = output.path() + QLatin1Char('/');
    bool exported = false;
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit > 0)
            limit.emplace(sizeLimit);
        exported = ExportPrintout(printout);
    }

    const Platform::FileRequest request = m_platform->fileRequests.last();
    QCOMPARE(QStringList({request.title, request.filter, request.initialFolder, request.fileName}),
             QStringList({"Export as PDF", "PDF Files (*.pdf)", printout.folder,
                          printout.folder + "TUESDAY.pdf"}));
    QStringList files{"old.pdf"};
    if (!written.isEmpty())
        files.append(QFileInfo(written).fileName());
    QStringList found = QDir(output.filePath("out")).entryList(QDir::Files);
    found.sort();
    files.sort();
    QCOMPARE(found, files);
    QCOMPARE(QFileInfo(old).size(), 3);
    QCOMPARE(exported, !written.isEmpty());
    if (written.isEmpty()) {
        QCOMPARE(m_platform->messages(),
                 QStringList{"Cannot write the file " + output.filePath(chosen) + "."});
        return;
    }
    const QString pdf = output.filePath(written);
    const QString info = runTool(pdfInfo, {pdf});
    QVERIFY2(info.contains("Title:           TUESDAY\n") &&
                 info.contains("Creator:         Corvanta\n"),
             qPrintable(info));
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"Daily Practice Plan", "Drill 99", "Practice Teams", "Second part"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
    QCOMPARE(text.count(QLatin1String("Page 1\n")), 2);
    const QStringList faces = runTool(pdfFonts, {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!faces.filter(QRegularExpression("^\\S*Bold")).isEmpty());
    QCOMPARE(faces.filter(QRegularExpression(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$")),
             faces); // embedded
}

void tst_PrintJob::exportPageSize_data()
{
    QTest::addColumn<QPageSize>("printerDefault");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QPageSize>("expected");

    const QPageSize none;
    const QPageSize a4(QPageSize::A4);
    const QPageSize letter(QPageSize::Letter);
    QTest::newRow("the printer's")
        << QPageSize(QPageSize::Legal) << "de_DE" << QPageSize(QPageSize::Legal);
    QTest::newRow("United States") << none << "en_US" << letter;
    QTest::newRow("Canada, metric") << none << "fr_CA" << letter;
    QTest::newRow("Mexico") << none << "es_MX" << letter;
    QTest::newRow("United Kingdom") << none << "en_GB" << a4;
    QTest::newRow("Germany") << none << "de_DE" << a4;
    QTest::newRow("no country") << none << "C" << a4;
}

void tst_PrintJob::exportPageSize()
{
    QFETCH(QPageSize, printerDefault);
    QFETCH(QString, locale);
    QFETCH(QPageSize, expected);
    QCOMPARE(ExportPageSize(printerDefault, QLocale(locale)).id(), expected.id());
}

QTEST_MAIN(tst_PrintJob)
#include "tst_PrintJob.moc"
