#pragma once

#include "practicerun/PracticeRun.h"
#include "practicerun/RunPlanLink.h"
#include "ui/Platform.h"

#include <QPointer>
#include <QWidget>

class ActivityProgress;
class FittedText;
class QAction;
class QLabel;
class QStackedWidget;
class QTimer;
class RunEndPage;

// The live practice: a top-level window of its own that counts the plan's
// activities down in type readable across a gym, chimes at each change, warns
// a minute before the end, keeps the screen on while running and ends with a
// table of how the practice went. It runs on a copy of the plan's rows.
class TPracticeRunWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens the run of the plan window `plan`, captioned `caption`, from its
    // selected row `startRow` (-1: the first timed row). A run of that window
    // still going is brought forward instead; a plan without a timed row gets
    // a message and no window.
    static TPracticeRunWindow* open(const QObject* plan, const QString& caption,
                                    const PlanRows& rows, int startRow, RunPlanLink link);
    ~TPracticeRunWindow() override;

    const PracticeRun& run() const { return m_run; }
    // Catches up with the clock and shows where the run stands; the timer
    // does this whenever the time left shown changes.
    void updateNow();
    // Whether the display waits to be updated by the timer.
    bool isTicking() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TPracticeRunWindow(const QObject* plan, const QString& caption, const PlanRows& rows,
                       std::vector<RunActivity> schedule, RunPlanLink link);

    void createActions();
    QWidget* createLivePage();
    QWidget* createButtons();
    QAction* addCommand(const char* name, const QString& text, const QString& tip,
                        const QList<QKeySequence>& keys, void (TPracticeRunWindow::*handler)());
    void restoreGeometryAndWarning();

    void CmStartPause();
    void CmNext();
    void CmPrevious();
    void CmOneMore();
    void CmOneLess();
    void CmFullScreen();
    void CmEscape();
    void CmWarningToggled();
    void CmPutMinutes();

    void react(PracticeRun::Event event);
    void showRun();
    void showActivity();
    void updateCommands();
    void sound(Platform::Sound sound);
    void flash(FittedText* text);
    void holdScreen(bool on);

    QPointer<const QObject> m_plan;
    QString m_caption;
    PlanRows m_rowsAtStart;
    RunPlanLink m_link;
    PracticeRun m_run;

    QStackedWidget* m_pages = nullptr;
    FittedText* m_clock = nullptr;
    FittedText* m_standing = nullptr;
    FittedText* m_name = nullptr;
    FittedText* m_emphasis = nullptr;
    FittedText* m_notes = nullptr;
    FittedText* m_timeLeft = nullptr;
    ActivityProgress* m_progress = nullptr;
    FittedText* m_span = nullptr;
    FittedText* m_next = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_buttons = nullptr;
    RunEndPage* m_endPage = nullptr;

    QAction* m_startPause = nullptr;
    QAction* m_nextAction = nullptr;
    QAction* m_previousAction = nullptr;
    QAction* m_oneMore = nullptr;
    QAction* m_oneLess = nullptr;
    QAction* m_mute = nullptr;
    QAction* m_warning = nullptr;
    QAction* m_fullScreen = nullptr;

    QTimer* m_tick = nullptr;
    QTimer* m_flashEnd = nullptr;
    bool m_holdingScreen = false;
    bool m_saidNoSound = false;
};
