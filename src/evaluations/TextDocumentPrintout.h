#pragma once

class ReportPage;
struct TextDocument;
struct TextDocumentKind;

// The document's rows below the page header: the date and the opponent or
// team in bold, a blank line, then every line as the window displays it.
void PrintTextDocumentRows(ReportPage& page, const TextDocumentKind& kind,
                           const TextDocument& document);
