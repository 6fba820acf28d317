#include "plans/TPlanDetailDlg.h"

// Interface only: the editor itself is being written.
TPlanDetailDlg::TPlanDetailDlg(const QString& path, QWidget* parent)
    : QWidget(parent)
{
    setPath(path);
}

TPlanDetailDlg::~TPlanDetailDlg() = default;

QString TPlanDetailDlg::path() const
{
    return property("planPath").toString();
}

void TPlanDetailDlg::setPath(const QString& path)
{
    setProperty("planPath", path);
}

void TPlanDetailDlg::setFolder(const QString&) {}

bool TPlanDetailDlg::Save()
{
    return false;
}

bool TPlanDetailDlg::SaveAs()
{
    return false;
}

void TPlanDetailDlg::Print() {}
