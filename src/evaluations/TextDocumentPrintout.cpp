#include "evaluations/TextDocumentPrintout.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "report/ReportPage.h"

void PrintTextDocumentRows(ReportPage& page, const TextDocumentKind& kind,
                           const TextDocument& document)
{
    page.setBold(true);
    page.printLine(std::string(kind.printDateLabel) + document.date);
    page.printLine(std::string(kind.printTeamLabel) + document.team);
    page.setBold(false);
    page.blankLine();
    for (const std::string& line : document.lines)
        page.printLine(line);
}
