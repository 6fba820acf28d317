#include "evaluations/TScoutReportDlg.h"

#include "evaluations/TextDocumentKind.h"

TScoutReportDlg::TScoutReportDlg(QWidget* parent) : TextDocumentDlg(ScoutingReportKind, parent) {}
