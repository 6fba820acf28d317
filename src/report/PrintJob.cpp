#include "report/PrintJob.h"

#include "report/AppPrinter.h"
#include "report/QtPrintSurface.h"
#include "report/ReportPage.h"
#include "ui/Platform.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool printPages(ReportPage& page, const PrintJob::Rows& rows)
{
    BusyCursor busy;
    if (!page.startJob())
        return false;
    if (rows)
        rows(page);
    page.endJob();
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
    return run(surface, info, rows, beforeStart);
}

bool PrintJob::run(PrintSurface& surface, const PrintoutInfo& info, const Rows& rows,
                   const Step& beforeStart)
{
    ReportPage page(surface, info);
    if (beforeStart)
        beforeStart();
    if (printPages(page, rows))
        return true;
    // QPainter tells of a printer it cannot open only on the console.
    Platform::instance().showMessage(QStringLiteral("Error"),
                                     QStringLiteral("The printer could not be started."),
                                     Platform::Icon::Critical);
    return false;
}
