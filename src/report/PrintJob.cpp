#include "report/PrintJob.h"

#include "report/AppPrinter.h"
#include "report/QtPrintSurface.h"
#include "report/ReportPage.h"
#include "ui/Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>

namespace {

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

bool PrintJob::runWithDialog(QWidget* parent, const PrintoutInfo& info, const Rows& rows,
                             const Step& beforeStart)
{
    QPrinter& printer = AppPrinter::printer();
    if (!Platform::instance().runPrintDialog(printer, parent))
        return false;
    return print(printer, info, rows, beforeStart);
}

bool PrintJob::run(const PrintoutInfo& info, const Rows& rows, const Step& beforeStart)
{
    return print(AppPrinter::printer(), info, rows, beforeStart);
}

bool PrintJob::print(QPrinter& printer, const PrintoutInfo& info, const Rows& rows,
                     const Step& beforeStart)
{
    QtPrintSurface surface(printer);
    ReportPage page(surface, info);
    if (beforeStart)
        beforeStart();
    bool started = false;
    {
        BusyCursor busy;
        started = page.startJob();
        if (started) {
            if (rows)
                rows(page);
            page.endJob();
        }
    }
    // QPainter reports a printer it cannot open only on the console.
    if (!started)
        Platform::instance().showMessage(QStringLiteral("Error"),
                                         QStringLiteral("The printer could not be started."),
                                         Platform::Icon::Critical);
    return started;
}
