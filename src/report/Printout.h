#pragma once

#include "report/PrintJob.h"

#include <QString>
#include <vector>

class QLocale;
class QPageSize;
class QWidget;

// A printout as a document the coach can look at before printing or send as
// a PDF file: the same parts, drawn by the same rows, as the printer gets.
struct Printout
{
    std::vector<PrintJob::Part> parts; // each starts a page of its own
    QString name;                      // the document's: the PDF's title and file name
    QString folder;                    // where the PDF is offered; empty: the dialog's choice
};

// Where a printout without a folder of its own offers its PDF: the folder
// plans were last saved in.
QString PlansFolder();

// What a window's Print button does with its printout of one part: the
// print dialog, then the job, `beforeStart` as PrintJob::runWithDialog runs
// it. (Print All's several parts go through PrintSeries.)
bool PrintPrintout(const Printout& printout, QWidget* parent,
                   const PrintJob::Step& beforeStart = {});

// Qt's print preview on the application's printer; its Print button prints
// the same pages after the print dialog.
void PreviewPrintout(const Printout& printout, QWidget* parent);

// Asks for a file, the printout's folder and name offered, and writes the
// PDF there without a print dialog. What cannot be written is said, and
// leaves no file behind. False when nothing was written.
bool ExportPrintout(const Printout& printout);

// The PDF's paper: the default printer's, or else A4, or Letter where the
// locale's country uses it.
QPageSize ExportPageSize(const QPageSize& printerDefault, const QLocale& locale);
