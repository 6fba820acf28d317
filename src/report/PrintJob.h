#pragma once

#include <functional>

class PrintSurface;
class QWidget;
class ReportPage;
struct PrintoutInfo;

// Runs one printout on the application's printer: the frame comes from
// ReportPage, the printout adds only its description and its rows.
class PrintJob
{
public:
    using Rows = std::function<void(ReportPage&)>;
    using Step = std::function<void()>;

    // Shows the print dialog first; a cancelled dialog prints nothing and runs
    // nothing. `beforeStart` runs once the dialog is confirmed and the body
    // font is set, before the job is named and the document starts.
    static bool runWithDialog(QWidget* parent, const PrintoutInfo& info, const Rows& rows,
                              const Step& beforeStart = {});
    // The print dialog alone, for a caller that prints several jobs after one
    // confirmation; false when cancelled.
    static bool choosePrinter(QWidget* parent);
    // Prints without asking, on the printer as last set up.
    static bool run(const PrintoutInfo& info, const Rows& rows, const Step& beforeStart = {});
    // Prints on `surface`, which may hold earlier printouts (PrintSeries).
    static bool run(PrintSurface& surface, const PrintoutInfo& info, const Rows& rows,
                    const Step& beforeStart = {});
};
