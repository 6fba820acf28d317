#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class TTeamDlg;
class TextDocumentDlg;
class TAboutBox;
class TPlayersDlg;
class TPreferencesDlg;

// The main window: menu, button bar, team banner and the area in which the
// practice plan windows open. Every command of the program starts here.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The one main window of the program, or null before it exists.
    static TMainForm* instance();

    QMdiArea* mdiArea() const { return m_mdiArea; }
    QLabel* teamBanner() const { return m_teamName; }

    void DisablePlanCommands();
    void EnablePlanCommands();
    void RefreshTeamBanner();

    // Shows the evaluation or scouting window with the document at `path`
    // (the file need not exist), beside the other windows.
    void OpenEvaluation(const QString& path);
    void OpenScoutingReport(const QString& path);
    // Opens the plan at `path` (a full path) in a new plan window, as Open
    // Old Plan does with the file chosen.
    void OpenPlan(const QString& path);
    // The first showing opens no new plan: documents are opened instead.
    void SuppressAutoNewPlan() { m_autoNewPlan = false; }

signals:
    // The steps of the first showing (welcome, banner, new plan) are done;
    // on the first run they wait until the frame is on the screen.
    void firstShowDone();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CmNewPlan();
    void CmOpenPlan();
    void Save1Click();
    void Saveas1Click();
    void Print1Click();
    void PrintPreviewClick();
    void ExportPdfClick();
    void CmPrintSetupClick();
    void CmRunPractice();
    void CmExit();
    void CmDrills();
    void CmTeams();
    void CmEvaluations();
    void CmScouting();
    void CmPlayersList();
    void CmPreferences();
    void CmAbout();
    void CmHelp();
    void Cascade1Click();
    void Tile1Click();
    void ArrangeAll1Click();
    int lineUpIcons();
    void FormShow();
    void RunFirstTimeSetup();
    TPlayersDlg* playersDlg();
    void CmClose(QCloseEvent* event);

    void createActions();
    void createMenus();
    QWidget* createButtonBar();
    QWidget* createBannerPanel();
    void updateWindowMenu();
    void PlacePlanWindow(QMdiSubWindow* window);

    QAction* addAction(const char* name, const QString& text, void (TMainForm::*slot)(),
                       const QKeySequence& shortcut = {});
    QToolButton* addButton(QWidget* bar, int left, const QString& icon, const QString& tip,
                           QAction* command);

    QMdiArea* m_mdiArea = nullptr;
    TextDocumentDlg* m_evaluationDlg = nullptr; // created on first use
    TextDocumentDlg* m_scoutingDlg = nullptr;
    QLabel* m_teamName = nullptr;
    QMenu* m_windowMenu = nullptr;
    bool m_shown = false;
    bool m_autoNewPlan = true;

    // Created on first use, then kept.
    TPlayersDlg* m_playersDlg = nullptr;
    TPreferencesDlg* m_preferencesDlg = nullptr;
    TAboutBox* m_aboutBox = nullptr;

    QAction* m_newPlan = nullptr;
    QAction* m_openPlan = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_print = nullptr;
    QAction* m_printPreview = nullptr;
    QAction* m_exportPdf = nullptr;
    QAction* m_printSetup = nullptr;
    QAction* m_runPractice = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_drills = nullptr;
    QAction* m_evaluations = nullptr;
    QAction* m_scouting = nullptr;
    QAction* m_teams = nullptr;
    QAction* m_playersList = nullptr;
    QAction* m_preferences = nullptr;
    QAction* m_keepPreviousVersion = nullptr;
    QAction* m_cascade = nullptr;
    QAction* m_tile = nullptr;
    QAction* m_arrangeIcons = nullptr;
    QAction* m_help = nullptr;
    QAction* m_about = nullptr;
    TTeamDlg* m_teamDlg = nullptr; // made on first use, then kept
};
