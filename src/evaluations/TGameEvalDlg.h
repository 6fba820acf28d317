#pragma once

#include "evaluations/TextDocumentDlg.h"

// The game evaluation window: a .gev document.
class TGameEvalDlg : public TextDocumentDlg
{
    Q_OBJECT

public:
    explicit TGameEvalDlg(QWidget* parent = nullptr);
};
