#include "report/PrintSeries.h"

#include "report/AppPrinter.h"
#include "report/QtPrintSurface.h"

#include <QPrinter>

PrintSeries::PrintSeries()
{
    QPrinter& printer = AppPrinter::printer();
    if (!printer.outputFileName().isEmpty())
        m_file = std::make_unique<QtPrintSurface>(printer, QtPrintSurface::Document::Shared);
}

PrintSeries::~PrintSeries() = default;

bool PrintSeries::print(const PrintoutInfo& info, const PrintJob::Rows& rows)
{
    if (m_failed)
        return false;
    const bool printed = m_file ? PrintJob::run(*m_file, info, rows) : PrintJob::run(info, rows);
    m_failed = !printed;
    return printed;
}
