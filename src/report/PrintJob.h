#pragma once

#include "report/PrintoutInfo.h"

#include <functional>
#include <span>

class PrintSurface;
class QPagedPaintDevice;
class QWidget;
class ReportPage;

// Runs one printout on the application's printer: the frame comes from
// ReportPage, the printout adds only its description and its rows.
class PrintJob
{
public:
    using Rows = std::function<void(ReportPage&)>;
    using Step = std::function<void()>;

    // One printout's frame and rows, as the printer, the preview and a PDF
    // file all get them.
    struct Part
    {
        PrintoutInfo info;
        Rows rows;
    };

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
    // Draws `parts` on `device` as one document, each from a new page of its
    // own numbered from 1; false when the document cannot be started.
    static bool draw(QPagedPaintDevice& device, std::span<const Part> parts);
};
