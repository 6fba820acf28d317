#pragma once

#include "evaluations/TextDocumentDlg.h"

// The scouting report window: a .rep document.
class TScoutReportDlg : public TextDocumentDlg
{
    Q_OBJECT

public:
    explicit TScoutReportDlg(QWidget* parent = nullptr);
};
