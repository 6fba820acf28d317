// Times printing a practice plan to PDF through the real printer path.
// Usage: print_plan_bench [--empty] [output.pdf]

#include "plans/PlanPrintout.h"
#include "report/AppPrinter.h"
#include "report/PrintJob.h"
#include "store/ProfileStore.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int Runs = 20;

PlanSheet fullPlan()
{
    PlanSheet sheet;
    sheet.date = "12/8/2026";
    sheet.practiceTime = "3:30 PM";
    sheet.name = "MONDAY.pln";
    sheet.announcements = {"Bus leaves at 5 sharp", "Bring both jerseys"};
    sheet.defEmphasis = "Help side defense";
    sheet.offEmphasis = "Motion offense, back cuts";
    for (int row = 0; row < PlanEntryCount; ++row) {
        sheet.entries[row] = PlanEntry{5 + row % 10, "3:30-3:45",
                                       "Drill number " + std::to_string(row) +
                                           " with a name long enough to be clipped at its cell",
                                       "Rebounding"};
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const bool empty = arguments.contains(QStringLiteral("--empty"));
    QTemporaryDir work;
    QString output = work.filePath(QStringLiteral("plan.pdf"));
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1String("--")))
            output = argument;
    }

    InitDataDir(work.path().toStdString() + "/");
    WriteProfileText("prefs.db", "General", "TeamName", "Riverside Hawks", -1, true);

    QPrinter& printer = AppPrinter::printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);

    const PlanSheet sheet = empty ? PlanSheet() : fullPlan();
    const auto rows = [&sheet](ReportPage& page) { PrintPlanRows(page, sheet); };
    double total = 0;
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!PrintJob::run(PlanPrintoutInfo, rows))
            return 1;
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        total += took.count();
        best = std::min(best, took.count());
    }
    std::printf("%s plan to PDF at %d dpi: mean %.1f ms, best %.1f ms per job over %d jobs\n",
                empty ? "empty" : "100-row", printer.resolution(), total / Runs, best, Runs);
    if (work.filePath(QStringLiteral("plan.pdf")) != output)
        std::printf("written to %s\n", qPrintable(output));
    return 0;
}
