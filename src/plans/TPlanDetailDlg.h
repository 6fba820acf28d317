#pragma once

#include "drills/ActivityChoices.h"
#include "formats/LocaleFormats.h"
#include "plans/PracticePlan.h"
#include "recovery/ChangedElsewhere.h"
#include "recovery/RecoveryCopy.h"

#include <QList>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

class AnnouncementsBox;
class DocumentRecovery;
class EntryRow;
class FocusTracker;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWheelEvent;
class ScheduleList;
struct Printout;

// The practice plan editor: one child window of the main frame per open plan.
// The plan's date, time, announcements and emphases are what its fields show;
// its 100 entries are edited through an entry row that floats over the
// schedule row being edited. Layout, focus routing and the upper fields are in
// TPlanDetailDlg.cpp; the schedule and entry row in TPlanDetailDlgSchedule.cpp;
// choosing the activity in TPlanDetailDlgActivity.cpp; Save, Save As and Print
// in TPlanDetailDlgDocument.cpp.
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
    // The plan as Print prints it, also for the preview and the PDF.
    Printout printout();

    // Refills the activity choices from drills.db.
    void ReloadActivityList();
    // Every plan window open right now, oldest first.
    static QList<TPlanDetailDlg*> openWindows();

    // Shows the plan kept in a recovery copy, bound to its original path and
    // changed, as soon as the window is shown.
    void recover(const RecoveryCopy& copy);
    DocumentRecovery* recovery() const { return m_recovery; }

    bool isChanged() const { return m_plan.changed; }
    const PlanEntry& entry(int row) const { return m_plan.entries.at(row); }

    // The row last opened in the schedule, -1 when none is selected.
    int selectedRow() const { return m_selectedRow; }
    // The rows as the window shows them: the entry row's fields taken in and
    // the time spans worked out from the practice time shown.
    std::array<PlanEntry, PlanEntryCount> shownEntries() const;
    // Gives rows new minutes (row, minutes), as typed into them: the time
    // spans follow and the plan is changed.
    void setMinutes(const std::vector<std::pair<int, int>>& rowMinutes);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createBanner();
    QLineEdit* addField(const char* name, const QRect& geometry);
    QLabel* addLabel(const char* name, const QString& text, QPoint position,
                     QWidget* buddy = nullptr);
    void connectHandlers();
    void focusEntered(QWidget* widget);
    void focusLeft(QWidget* widget);

    void ShowDlg();
    void ApplyEmphasisPrefs();
    void CmClose(QCloseEvent* event);

    // The upper fields.
    void FocusToNonListControl();
    void OnExitDateField();
    void OnExitTimeField();

    // The schedule and its entry row.
    void CmClick();
    void CmActivityListEnter();
    void CmDrawItem(int firstVisibleRow);
    void OpenEntryRow();
    void CommitEntryRow();
    void CmInsert();
    void CmDelete();
    void OnMinutesExit();
    void OnEmphasisExit();
    void OnEmphasisKeyDown(QKeyEvent* event);
    void OnEmphasisKeyUp(QKeyEvent* event);
    void OnDummyEditEnter();
    void moveToNextRow(bool commit);

    // Choosing the activity.
    void OnActivityChange(const QString& text);
    void ActivityClick(int choice);
    void OnActivityExit();
    void OnActivityKeyDown(QKeyEvent* event);
    void blankEntryFields();
    bool fillFromDrill(int drill);
    void CheckActivity();
    void proposeDrill(const QString& name, const QString& minutes, const QString& emphasis);

    // Document helpers.
    bool writePlan(PracticePlan& plan);
    void planIsStored();
    void showRecovered();
    PracticePlan planAsShown() const;
    void takeFieldsIntoPlan(PracticePlan& plan);
    void showPlanInFields();
    std::string todayText() const;
    void ComputeTimeSpans();
    void repaintList();
    void scrollList(QWheelEvent* event);
    void placeEntryRow(int row);
    void hideEntryRow();
    void blankEntryRow();
    PlanEntry* currentEntry();
    int readMinutes() const;

    PracticePlan m_plan;
    ActivityChoices m_choices;
    LocaleFormats m_formats;

    QLineEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    AnnouncementsBox* m_announcements = nullptr;
    QLabel* m_defEmphLbl = nullptr;
    QLineEdit* m_defEmphasis = nullptr;
    QLabel* m_offEmphLbl = nullptr;
    QLineEdit* m_offEmphasis = nullptr;
    QList<QLabel*> m_columnHeads;
    ScheduleList* m_list = nullptr;
    QPushButton* m_insertBtn = nullptr;
    QPushButton* m_deleteBtn = nullptr;
    QLabel* m_teamName = nullptr;
    EntryRow* m_entryRow = nullptr;
    FocusTracker* m_focus = nullptr;
    DocumentRecovery* m_recovery = nullptr;
    ChangedElsewhere m_readState;
    std::optional<RecoveryCopy> m_recoveredFrom;

    int m_editingRow = -1;
    int m_selectedRow = -1;
    int m_lastTopRow = 0;
    bool m_entryRowOpen = false; // shown unless its row is scrolled out of view
    bool m_showDefEmphasis = true;
    bool m_showOffEmphasis = true;
    bool m_backspacePending = false;
    // Enter went down in Emphasis; its release alone, as after Enter closed
    // a message box, moves nothing.
    bool m_enterDownInEmphasis = false;
    bool m_shown = false;
    bool m_closed = false;
    // The activity text last checked against the drill list in this row, so
    // that leaving the field right after Enter or Tab does not ask again.
    QString m_checkedActivity;

    static QList<TPlanDetailDlg*> s_openWindows;
};
