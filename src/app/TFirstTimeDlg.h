#pragma once

#include <QDialog>
#include <functional>

class QFrame;

// The welcome shown once, on the first run: three buttons open the
// preferences, the players list and the drill list, each modally over it and
// as often as the coach likes. The main window supplies what they open.
class TFirstTimeDlg : public QDialog
{
    Q_OBJECT

public:
    using Task = std::function<void()>;

    explicit TFirstTimeDlg(QWidget* parent = nullptr);
    ~TFirstTimeDlg() override;

    // Runs the preferences modally.
    Task showPreferences;
    // Runs the players list modally.
    Task showPlayers;
    // Clears the drill proposal and runs the drill list modally.
    Task showDrills;

private:
    void createControls();
    QFrame* createTaskPanel();

    void CmPreferences();
    void CmPlayers();
    void CmDrills();
    void CmClose();
    void CmHelp();

    QList<QWidget*> m_tabOrder;
};
