#pragma once

#include <QWidget>

// The practice plan editor: one child window of the main frame per open plan.
class TPlanDetailDlg : public QWidget
{
    Q_OBJECT

public:
    // An empty path makes a new plan; otherwise the plan at `path` is loaded
    // when the window is first shown.
    explicit TPlanDetailDlg(const QString& path = QString(), QWidget* parent = nullptr);
    ~TPlanDetailDlg() override;

    QString path() const;
    void setPath(const QString& path);
    void setFolder(const QString& folder);

    // Document commands; Save and SaveAs return whether the plan was written.
    bool Save();
    bool SaveAs();
    void Print();
};
