#include "report/PrintJob.h"

#include "report/AppPrinter.h"
#include "report/QtPrintSurface.h"
#include "report/ReportPage.h"
#include "ui/Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>
#include <optional>

namespace {

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The parts one after the other under the busy cursor; `beforeStart` runs
// once the first part's body font is set, before anything is started.
bool printParts(QtPrintSurface& surface, std::span<const PrintJob::Part> parts,
                const PrintJob::Step& beforeStart)
{
    std::optional<BusyCursor> busy;
    for (const PrintJob::Part& part : parts) {
        ReportPage page(surface, part.info);
        if (beforeStart && !busy)
            beforeStart();
        if (!busy)
            busy.emplace();
        if (!page.startJob())
            return false;
        if (part.rows)
            part.rows(page);
        page.endJob();
    }
    return true;
}

} // namespace

bool PrintJob::runWithDialog(QWidget* parent, const PrintoutInfo& info, const Rows& rows,
                             const Step& beforeStart)
{
    return choosePrinter(parent) && run(info, rows, beforeStart);
}

bool PrintJob::choosePrinter(QWidget* parent)
{
    return Platform::instance().runPrintDialog(AppPrinter::printer(), parent);
}

bool PrintJob::run(const PrintoutInfo& info, const Rows& rows, const Step& beforeStart)
{
    QtPrintSurface surface(AppPrinter::printer());
    const Part part{info, rows};
    if (printParts(surface, {&part, 1}, beforeStart))
        return true;
    reportNotStarted();
    return false;
}

// QPainter tells of a printer it cannot open only on the console.
void PrintJob::reportNotStarted()
{
    Platform::instance().showMessage(QStringLiteral("Error"),
                                     QStringLiteral("The printer could not be started."),
                                     Platform::Icon::Critical);
}

bool PrintJob::draw(QPagedPaintDevice& device, std::span<const Part> parts)
{
    QtPrintSurface surface(device, QtPrintSurface::Jobs::Several);
    return printParts(surface, parts, {});
}
