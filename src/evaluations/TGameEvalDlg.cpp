#include "evaluations/TGameEvalDlg.h"

#include "evaluations/TextDocumentKind.h"

TGameEvalDlg::TGameEvalDlg(QWidget* parent) : TextDocumentDlg(GameEvaluationKind, parent) {}
