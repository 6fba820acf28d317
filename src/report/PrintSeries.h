#pragma once

#include "report/PrintJob.h"

#include <memory>

class QtPrintSurface;

// Several printouts after one print dialog, as Print All makes them. On a
// printer each is a job of its own. On a printer that writes a file (a PDF),
// jobs of their own would each replace the file, so the printouts follow one
// another in one document instead, each from a new page numbered from 1.
class PrintSeries
{
public:
    // On the application's printer, as its dialog left it.
    PrintSeries();
    // Ends the file's document.
    ~PrintSeries();
    PrintSeries(const PrintSeries&) = delete;
    PrintSeries& operator=(const PrintSeries&) = delete;

    // False when the printer could not be started (said once); later
    // printouts of the series then print nothing.
    bool print(const PrintoutInfo& info, const PrintJob::Rows& rows);

private:
    std::unique_ptr<QtPrintSurface> m_file; // null on a printer
    bool m_failed = false;
};
