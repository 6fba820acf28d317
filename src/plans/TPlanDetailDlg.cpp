#include "plans/TPlanDetailDlg.h"

#include "drills/ActivityChoices.h"
#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"
#include "plans/AnnouncementsBox.h"
#include "plans/CalendarDate.h"
#include "plans/EntryRow.h"
#include "plans/FocusTracker.h"
#include "plans/KeyWatcher.h"
#include "plans/PlanFile.h"
#include "plans/PlanPrintout.h"
#include "plans/ScheduleColumns.h"
#include "plans/ScheduleList.h"
#include "store/PlainText.h"
#include "plans/TimeOfDay.h"
#include "plans/TimeSpans.h"
#include "plans/WholeNumber.h"
#include "prefs/GeneralSettings.h"
#include "report/PrintJob.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

QList<TPlanDetailDlg*> TPlanDetailDlg::s_openWindows;

namespace {

constexpr int RowHeight = ScheduleLayout::RowHeight;
constexpr int BannerPoints = 10;
constexpr int EmphasisLimit = 69;
constexpr int LastRow = PlanEntryCount - 1;
constexpr const char* PositionSection = "PlanDetail";

const QRect DateGeometry(40, 5, 93, 22);
const QRect TimeGeometry(248, 5, 57, 22);
const QRect AnnouncementsGeometry(108, 28, 421, 73);
const QRect DefEmphasisGeometry(108, 104, 421, 22);
const QRect OffEmphasisGeometry(108, 128, 421, 22);
const QRect ListGeometry(16, 164, 625, 238);
const QRect InsertGeometry(460, 408, 75, 25);
const QRect DeleteGeometry(544, 408, 75, 25);
const QRect BannerGeometry(8, 408, 332, 26);
const QSize ClientSize(644, 458);

const QString NewPlanCaption = QStringLiteral("New Plan");
const QString InsertQuestion =
    QStringLiteral("Inserting a new entry will cause you to lose your last entry.  Continue?");

QString limitMessage()
{
    return QStringLiteral("You have reached the limit of ") + QString::number(PlanEntryCount) +
           QStringLiteral(" entries for this practice plan.");
}

QString trimmed(const QString& text)
{
    return QString::fromStdString(std::string(TrimBlanks(text.toStdString())));
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

void moveBy(QWidget* widget, int dy)
{
    widget->move(widget->x(), widget->y() + dy);
}

} // namespace

TPlanDetailDlg::TPlanDetailDlg(const QString& path, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Practice Plan"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(ClientSize);
    createControls();
    connectHandlers();
    setPath(path);
    s_openWindows.append(this);
}

TPlanDetailDlg::~TPlanDetailDlg()
{
    // Children about to go move the focus; nothing of this window may react.
    delete m_focus;
    s_openWindows.removeOne(this);
}

QList<TPlanDetailDlg*> TPlanDetailDlg::openWindows()
{
    return s_openWindows;
}

QString TPlanDetailDlg::path() const
{
    return QString::fromStdString(m_plan.path);
}

void TPlanDetailDlg::setPath(const QString& path)
{
    SetPlanPath(m_plan, utf8(path));
}

void TPlanDetailDlg::setFolder(const QString& folder)
{
    m_plan.folder = utf8(folder);
}

// ---------------------------------------------------------------------------
// Building the window

QLineEdit* TPlanDetailDlg::addField(const char* name, const QRect& geometry)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    return field;
}

QLabel* TPlanDetailDlg::addLabel(const char* name, const QString& text, QPoint position,
                                 QWidget* buddy)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->move(position);
    label->adjustSize();
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

void TPlanDetailDlg::createControls()
{
    m_date = addField("PracticeDate", DateGeometry);
    addLabel("DateLbl", QStringLiteral("Da&te"), {8, 8}, m_date);
    m_time = addField("PracticeTime", TimeGeometry);
    addLabel("TimeLbl", QStringLiteral("&Practice Time"), {176, 8}, m_time);

    m_announcements = new AnnouncementsBox(this);
    m_announcements->setObjectName(QStringLiteral("Announcements"));
    m_announcements->setGeometry(AnnouncementsGeometry);
    addLabel("AnnouncementLbl", QStringLiteral("&Announcements"), {8, 32}, m_announcements);

    m_defEmphasis = addField("DefEmphasis", DefEmphasisGeometry);
    m_defEmphasis->setMaxLength(EmphasisLimit);
    m_defEmphLbl =
        addLabel("DefEmphLbl", QStringLiteral("&Defensive Emphasis"), {8, 108}, m_defEmphasis);
    m_offEmphasis = addField("OffEmphasis", OffEmphasisGeometry);
    m_offEmphasis->setMaxLength(EmphasisLimit);
    m_offEmphLbl =
        addLabel("OffEmphLbl", QStringLiteral("&Offensive Emphasis"), {8, 132}, m_offEmphasis);

    m_columnHeads = {addLabel("MinLbl", QStringLiteral("Min"), {16, 152}),
                     addLabel("TimLbl", QStringLiteral("Time"), {60, 152}),
                     addLabel("ActivityLbl", QStringLiteral("Activity"), {148, 152}),
                     addLabel("EmphLbl", QStringLiteral("Emphasis"), {399, 152})};

    m_list = new ScheduleList(m_plan.entries, this);
    m_list->setObjectName(QStringLiteral("ActivityList"));
    m_list->setGeometry(ListGeometry);

    m_insertBtn = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown),
                                  QStringLiteral("Insert"), this);
    m_insertBtn->setObjectName(QStringLiteral("InsertBtn"));
    m_insertBtn->setGeometry(InsertGeometry);
    m_deleteBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogDiscardButton),
                                  QStringLiteral("Delete"), this);
    m_deleteBtn->setObjectName(QStringLiteral("DeleteBtn"));
    m_deleteBtn->setGeometry(DeleteGeometry);

    createBanner();

    m_entryRow = new EntryRow(this);
    m_entryRow->hide();

    const QList<QWidget*> tabOrder = {m_date,        m_time, m_announcements, m_defEmphasis,
                                      m_offEmphasis, m_list, m_insertBtn,     m_deleteBtn};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TPlanDetailDlg::createBanner()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(BannerGeometry);
    m_teamName = new QLabel(panel);
    m_teamName->setObjectName(QStringLiteral("TeamName"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_teamName, 0, Qt::AlignCenter);
}

void TPlanDetailDlg::connectHandlers()
{
    m_focus = new FocusTracker(this);
    connect(m_focus, &FocusTracker::entered, this, &TPlanDetailDlg::focusEntered);
    connect(m_focus, &FocusTracker::left, this, &TPlanDetailDlg::focusLeft);

    connect(m_list, &ScheduleList::rowChosen, this, &TPlanDetailDlg::CmClick);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TPlanDetailDlg::CmDrawItem);
    connect(m_insertBtn, &QPushButton::clicked, this, &TPlanDetailDlg::CmInsert);
    connect(m_deleteBtn, &QPushButton::clicked, this, &TPlanDetailDlg::CmDelete);

    connect(m_entryRow, &EntryRow::wheelTurned, this, &TPlanDetailDlg::scrollList);
    QComboBox* activity = m_entryRow->activity();
    connect(activity->lineEdit(), &QLineEdit::textEdited, this, &TPlanDetailDlg::OnActivityChange);
    connect(activity, &QComboBox::activated, this, &TPlanDetailDlg::ActivityClick);
    connect(new KeyWatcher(activity), &KeyWatcher::keyPressed, this,
            &TPlanDetailDlg::OnActivityKeyDown);
    connect(new KeyWatcher(m_entryRow->emphasis()), &KeyWatcher::keyReleased, this,
            &TPlanDetailDlg::OnEmphasisKeyUp);
}

void TPlanDetailDlg::focusEntered(QWidget* widget)
{
    if (widget == m_date || widget == m_time || widget == m_announcements ||
        widget == m_defEmphasis || widget == m_offEmphasis)
        FocusToNonListControl();
    else if (widget == m_list)
        CmActivityListEnter();
    else if (widget == m_entryRow->dummy())
        OnDummyEditEnter();
}

void TPlanDetailDlg::focusLeft(QWidget* widget)
{
    if (widget == m_date)
        OnExitDateField();
    else if (widget == m_time)
        OnExitTimeField();
    else if (widget == m_entryRow->minutes())
        OnMinutesExit();
    else if (widget == m_entryRow->activity())
        OnActivityExit();
    else if (widget == m_entryRow->emphasis())
        OnEmphasisExit();
}

// ---------------------------------------------------------------------------
// Showing and closing

void TPlanDetailDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        ShowDlg();
    }
}

void TPlanDetailDlg::ShowDlg()
{
    m_formats = Platform::instance().localeFormats();
    setWindowTitle(QString::fromStdString(m_plan.name));
    m_editingRow = -1;
    m_selectedRow = -1;
    hideEntryRow();
    m_lastTopRow = 0;

    LoadTeamBanner(m_teamName, BannerPoints);
    ReloadActivityList();
    ApplyEmphasisPrefs();

    const bool changed = m_plan.changed;
    if (m_plan.path.empty()) {
        setWindowTitle(NewPlanCaption);
        const std::string folder = m_plan.folder;
        ResetToNewPlan(m_plan, todayText());
        m_plan.folder = folder;
    } else {
        LoadPlanFile(m_plan, todayText(), m_formats);
    }
    m_plan.changed = changed;
    showPlanInFields();
    repaintList();

    m_focus->startAt(m_date);
    m_date->setFocus();
}

void TPlanDetailDlg::ApplyEmphasisPrefs()
{
    m_showDefEmphasis = GeneralSettings::readYesNo("ShowDefEmphasis", true);
    m_showOffEmphasis = GeneralSettings::readYesNo("ShowOffEmphasis", true);
    m_defEmphLbl->setVisible(m_showDefEmphasis);
    m_defEmphasis->setVisible(m_showDefEmphasis);
    m_offEmphLbl->setVisible(m_showOffEmphasis);
    m_offEmphasis->setVisible(m_showOffEmphasis);

    if (!m_showDefEmphasis && m_showOffEmphasis) {
        moveBy(m_offEmphLbl, -RowHeight);
        moveBy(m_offEmphasis, -RowHeight);
    }
    if (!m_showDefEmphasis || !m_showOffEmphasis) {
        for (QLabel* head : std::as_const(m_columnHeads))
            moveBy(head, -RowHeight);
        m_list->setGeometry(m_list->geometry().adjusted(0, -RowHeight, 0, 0));
    }
    if (!m_showDefEmphasis && !m_showOffEmphasis)
        m_announcements->resize(m_announcements->width(), m_announcements->height() + RowHeight);
}

void TPlanDetailDlg::closeEvent(QCloseEvent* event)
{
    CmClose(event);
}

void TPlanDetailDlg::CmClose(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (m_plan.changed) {
        const QString name =
            m_plan.name.empty() ? NewPlanCaption : QString::fromStdString(m_plan.name);
        if (AskConfirm(QStringLiteral("Save changes to ") + name + QStringLiteral("?")) &&
            !Save()) {
            event->ignore();
            return;
        }
    }
    // Inside the main frame the sub window is what the coach moves around.
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    SaveWindowPos(frame, PositionSection);
    m_closed = true;
    event->accept();
}

// ---------------------------------------------------------------------------
// The upper fields

void TPlanDetailDlg::FocusToNonListControl()
{
    m_plan.changed = true;
    CommitEntryRow();
    m_selectedRow = -1;
    m_list->clearCurrentRow();
}

void TPlanDetailDlg::OnExitDateField()
{
    m_plan.changed = true;
    const int year = Platform::instance().today().year();
    if (!ParseDate(utf8(m_date->text()), m_formats, year)) {
        ShowError(QString::fromUtf8(InvalidDateMessage.data(), InvalidDateMessage.size()));
        m_date->setFocus();
    }
}

void TPlanDetailDlg::OnExitTimeField()
{
    m_plan.changed = true;
    if (!ParseTime(utf8(m_time->text()), m_formats)) {
        ShowError(QString::fromUtf8(InvalidTimeMessage.data(), InvalidTimeMessage.size()));
        m_time->setFocus();
        return;
    }
    ComputeTimeSpans();
    repaintList();
}

// ---------------------------------------------------------------------------
// The schedule and its entry row

void TPlanDetailDlg::CmClick()
{
    m_plan.changed = true;
    CommitEntryRow();
    OpenEntryRow();
}

// A click into the list opens the clicked row; opening row 0 first would
// scroll the list under the pointer and open another row.
void TPlanDetailDlg::CmActivityListEnter()
{
    m_plan.changed = true;
    if (m_list->currentRow() < 0 && !m_list->focusedByMouse())
        OpenEntryRow();
}

// Keeps the entry row over its row while the list scrolls.
void TPlanDetailDlg::CmDrawItem(int firstVisibleRow)
{
    if (firstVisibleRow != m_lastTopRow && m_entryRowOpen) {
        const int lastVisibleRow = firstVisibleRow + m_list->visibleRowCount() - 1;
        if (m_editingRow < firstVisibleRow || m_editingRow > lastVisibleRow)
            hideEntryRow();
        else
            placeEntryRow(m_editingRow);
    }
    m_lastTopRow = firstVisibleRow;
}

void TPlanDetailDlg::OpenEntryRow()
{
    if (m_list->currentRow() < 0)
        m_list->setCurrentRow(0);
    const int row = m_list->currentRow();
    m_editingRow = row;
    m_selectedRow = row;
    m_entryRowOpen = true;
    m_lastTopRow = m_list->firstVisibleRow();
    placeEntryRow(row);

    m_entryRow->load(m_plan.entries[row], false);
    m_checkedActivity.clear();
    m_backspacePending = false;
    m_entryRow->minutes()->setFocus();
}

// Stores the entry row into the row it was opened on once the list has moved
// to another row. The time span is the plan's to compute, never taken back
// from the read-only field, which may show a span from before the practice
// time changed.
void TPlanDetailDlg::CommitEntryRow()
{
    if (m_editingRow >= 0 && m_list->currentRow() != m_editingRow) {
        PlanEntry& entry = m_plan.entries[m_editingRow];
        entry.activity = utf8(trimmed(m_entryRow->activityText()));
        entry.emphasis = utf8(m_entryRow->emphasis()->text());
        const int minutes = readMinutes();
        if (entry.minutes != minutes) {
            entry.minutes = minutes;
            ComputeTimeSpans();
        }
        m_editingRow = -1;
    }
    m_entryRowOpen = false;
    hideEntryRow();
}

void TPlanDetailDlg::CmInsert()
{
    m_plan.changed = true;
    if (m_selectedRow < 0 || m_selectedRow > LastRow) {
        Platform::instance().beep();
        return;
    }
    auto& entries = m_plan.entries;
    if (!entries[LastRow].isEmpty() && !AskConfirm(InsertQuestion))
        return;
    std::move_backward(entries.begin() + m_selectedRow, entries.end() - 1, entries.end());
    entries[m_selectedRow] = PlanEntry{};
    blankEntryRow();
    m_entryRow->minutes()->setFocus();
    repaintList();
}

void TPlanDetailDlg::CmDelete()
{
    m_plan.changed = true;
    if (m_selectedRow < 0 || m_selectedRow > LastRow) {
        Platform::instance().beep();
        return;
    }
    auto& entries = m_plan.entries;
    std::move(entries.begin() + m_selectedRow + 1, entries.end(), entries.begin() + m_selectedRow);
    entries[LastRow] = PlanEntry{};
    ComputeTimeSpans();
    if (entries[m_selectedRow].isEmpty())
        blankEntryRow();
    else
        m_entryRow->load(entries[m_selectedRow], true);
    m_entryRow->minutes()->setFocus();
    repaintList();
}

void TPlanDetailDlg::OnMinutesExit()
{
    m_plan.changed = true;
    PlanEntry* entry = currentEntry();
    if (!entry)
        return;
    entry->minutes = readMinutes();
    ComputeTimeSpans();
    m_entryRow->time()->setText(QString::fromStdString(entry->timeSpan));
    repaintList();
}

void TPlanDetailDlg::OnEmphasisExit()
{
    m_plan.changed = true;
    if (PlanEntry* entry = currentEntry())
        entry->emphasis = utf8(m_entryRow->emphasis()->text());
}

void TPlanDetailDlg::OnEmphasisKeyUp(QKeyEvent* event)
{
    m_plan.changed = true;
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    PlanEntry* entry = currentEntry();
    if (!entry)
        return;
    entry->emphasis = utf8(m_entryRow->emphasis()->text());
    moveToNextRow(false);
}

void TPlanDetailDlg::OnDummyEditEnter()
{
    m_plan.changed = true;
    moveToNextRow(true);
}

void TPlanDetailDlg::moveToNextRow(bool commit)
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    if (row >= LastRow) {
        ShowError(limitMessage());
        m_entryRow->emphasis()->setFocus();
        return;
    }
    m_list->setCurrentRow(row + 1);
    if (commit)
        CommitEntryRow();
    OpenEntryRow();
}

// ---------------------------------------------------------------------------
// Choosing the activity

void TPlanDetailDlg::ReloadActivityList()
{
    QComboBox* activity = m_entryRow->activity();
    const QString typed = m_entryRow->activityText();
    m_choices = LoadActivityChoices();
    activity->clear();
    for (const std::string& choice : m_choices.choices)
        activity->addItem(QString::fromStdString(choice));
    activity->setCurrentIndex(-1);
    m_entryRow->setActivityText(typed);
    if (!m_choices.error.empty())
        ShowApplicationError(QString::fromStdString(m_choices.error));
}

// Completes the typed text with the first choice that starts with it and
// selects the completed tail, so that typing on replaces it.
void TPlanDetailDlg::OnActivityChange(const QString& typed)
{
    m_plan.changed = true;
    m_checkedActivity.clear();
    QLineEdit* edit = m_entryRow->activity()->lineEdit();
    QString text = typed;
    if (m_backspacePending) {
        // Backspace took the suggested tail; it takes the last typed character too.
        m_backspacePending = false;
        text.chop(1);
        edit->setText(text);
    }
    const int typedLength = int(text.size());
    if (typedLength == 0)
        return;
    for (const std::string& choice : m_choices.choices) {
        const QString candidate = QString::fromStdString(choice);
        if (QString::compare(candidate.left(typedLength), text, Qt::CaseInsensitive) != 0)
            continue;
        const QString completed = trimmed(candidate);
        edit->setText(completed);
        edit->setSelection(typedLength, int(edit->text().size()) - typedLength);
        return;
    }
}

void TPlanDetailDlg::ActivityClick(int choice)
{
    if (choice < 0 || choice >= int(m_choices.choiceToDrill.size()))
        return;
    m_plan.changed = true;
    const int drill = m_choices.choiceToDrill[choice];
    if (drill < 0) {
        blankEntryFields();
        OnMinutesExit();
        return;
    }
    if (!fillFromDrill(drill))
        return;
    if (PlanEntry* entry = currentEntry())
        entry->activity = utf8(trimmed(m_entryRow->activityText()));
}

// A category clears the row's activity, minutes and emphasis fields.
void TPlanDetailDlg::blankEntryFields()
{
    m_entryRow->activity()->setCurrentIndex(-1);
    m_entryRow->setActivityText(QString());
    m_entryRow->minutes()->clear();
    m_entryRow->emphasis()->clear();
}

// The drill's minutes (unless 0) and emphasis; false when its stored minutes
// are not a number, leaving both fields as they were.
bool TPlanDetailDlg::fillFromDrill(int drill)
{
    const DrillDefaults defaults = ReadDrillDefaults(drill);
    const std::optional<int> minutes = ParseWholeNumber(defaults.minutes);
    if (!minutes) {
        ShowApplicationError(QString::fromStdString(NotValidIntegerMessage(defaults.minutes)));
        return false;
    }
    if (*minutes != 0)
        m_entryRow->minutes()->setText(QString::number(*minutes));
    OnMinutesExit();
    m_entryRow->emphasis()->setText(QString::fromStdString(defaults.emphasis));
    OnEmphasisExit();
    return true;
}

void TPlanDetailDlg::OnActivityExit()
{
    m_plan.changed = true;
    PlanEntry* entry = currentEntry();
    if (!entry)
        return;
    const QString text = m_entryRow->activityText();
    const QString name = trimmed(text);
    if (!text.isEmpty() && name != QString::fromStdString(entry->activity) &&
        name != m_checkedActivity)
        CheckActivity();
    entry->activity = utf8(trimmed(m_entryRow->activityText()));
}

void TPlanDetailDlg::OnActivityKeyDown(QKeyEvent* event)
{
    m_plan.changed = true;
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (m_entryRow->activity()->lineEdit()->hasSelectedText())
            m_backspacePending = true;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CheckActivity();
        event->accept();
        break;
    case Qt::Key_Tab:
        CheckActivity();
        break;
    default:
        break;
    }
}

// A typed activity that is no drill may be added to the library; a drill,
// found now or added just now, fills in its minutes and emphasis. The text
// stays as the coach typed it either way.
void TPlanDetailDlg::CheckActivity()
{
    QComboBox* activity = m_entryRow->activity();
    const QString name = trimmed(m_entryRow->activityText());
    m_checkedActivity = name;
    // Passing over an empty field offers no drill without a name.
    if (name.isEmpty())
        return;
    if (m_choices.findDrill(utf8(name)) < 0) {
        activity->setCurrentIndex(-1);
        m_entryRow->setActivityText(name);
        if (AskConfirm(name +
                       QStringLiteral(" is not in drill list. \nWould you like to add it now?")))
            proposeDrill(name, m_entryRow->minutes()->text(), m_entryRow->emphasis()->text());
    }
    const int drill = m_choices.findDrill(utf8(name));
    if (drill < 0)
        return;
    const int choice = m_choices.drillToChoice[drill];
    activity->setCurrentIndex(choice);
    ActivityClick(choice);
    m_entryRow->setActivityText(name);
}

// Offers the drill to the library: the drill list window opens modally with
// the proposal in its entry dialog, and closing it reloads the activity
// choices of every plan window. Without the drill windows the activity simply
// stays as typed.
void TPlanDetailDlg::proposeDrill(const QString& name, const QString& minutes,
                                  const QString& emphasis)
{
    TDrillEntry* entry = TDrillEntry::instance();
    TDrillCat* drillList = TDrillCat::instance();
    if (!entry || !drillList)
        return;
    entry->setDrillProposal(name, minutes, emphasis);
    drillList->showModal();
}

// ---------------------------------------------------------------------------
// Document commands

bool TPlanDetailDlg::Save()
{
    if (m_plan.path.empty())
        return SaveAs();
    return writePlan(m_plan);
}

bool TPlanDetailDlg::SaveAs()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("Save Practice Plan");
    request.filter = QStringLiteral("Practice Plans (*.pln)");
    request.defaultSuffix = QStringLiteral("pln");
    if (m_plan.path.empty()) {
        request.fileName = QStringLiteral("*.pln");
    } else {
        request.initialFolder = QString::fromStdString(m_plan.folder);
        request.fileName = path();
    }
    const std::optional<QString> chosen = Platform::instance().saveFileName(request);
    if (!chosen)
        return false;

    const std::string file = utf8(*chosen);
    GeneralSettings::writeText("Path", FolderOfPath(file));
    // The plan moves to the new file only once it is written there.
    PracticePlan saved = m_plan;
    SetPlanPath(saved, file);
    if (!writePlan(saved))
        return false;
    m_plan = std::move(saved);
    setWindowTitle(*chosen);
    return true;
}

bool TPlanDetailDlg::writePlan(PracticePlan& plan)
{
    takeFieldsIntoPlan(plan);
    if (!SavePlanFile(plan)) {
        ShowError(QStringLiteral("Cannot write the file ") + QString::fromStdString(plan.path) +
                  QStringLiteral(".  The practice plan was not saved."));
        return false;
    }
    plan.changed = false;
    return true;
}

void TPlanDetailDlg::Print()
{
    PlanSheet sheet;
    PracticePlan shown = m_plan;
    takeFieldsIntoPlan(shown);
    sheet.date = shown.date;
    sheet.practiceTime = shown.practiceTime;
    sheet.name = shown.name;
    sheet.announcements = shown.announcements;
    sheet.defEmphasis = shown.defEmphasis;
    sheet.offEmphasis = shown.offEmphasis;
    sheet.showDefEmphasis = m_showDefEmphasis;
    sheet.showOffEmphasis = m_showOffEmphasis;
    sheet.entries = shown.entries;
    PrintJob::runWithDialog(this, PlanPrintoutInfo,
                            [&sheet](ReportPage& page) { PrintPlanRows(page, sheet); });
}

void TPlanDetailDlg::takeFieldsIntoPlan(PracticePlan& plan) const
{
    plan.date = utf8(m_date->text());
    plan.practiceTime = utf8(m_time->text());
    plan.announcements = m_announcements->lines();
    plan.defEmphasis = utf8(m_defEmphasis->text());
    plan.offEmphasis = utf8(m_offEmphasis->text());
}

void TPlanDetailDlg::showPlanInFields()
{
    m_date->setText(QString::fromStdString(m_plan.date));
    m_time->setText(QString::fromStdString(m_plan.practiceTime));
    m_announcements->setLines(m_plan.announcements);
    m_defEmphasis->setText(QString::fromStdString(m_plan.defEmphasis));
    m_offEmphasis->setText(QString::fromStdString(m_plan.offEmphasis));
}

// ---------------------------------------------------------------------------
// Helpers

std::string TPlanDetailDlg::todayText() const
{
    const QDate today = Platform::instance().today();
    return FormatShortDate(CalendarDate{today.year(), today.month(), today.day()}, m_formats);
}

void TPlanDetailDlg::ComputeTimeSpans()
{
    ::ComputeTimeSpans(m_plan.entries, utf8(m_time->text()), m_formats);
}

void TPlanDetailDlg::scrollList(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_list->viewport(), event);
}

void TPlanDetailDlg::repaintList()
{
    m_list->viewport()->update();
}

void TPlanDetailDlg::placeEntryRow(int row)
{
    m_entryRow->move(m_list->rowLeftInParent(), m_list->rowTopInParent(row));
    m_entryRow->show();
    m_entryRow->raise();
}

void TPlanDetailDlg::hideEntryRow()
{
    // Hidden fields cannot keep the focus; the list takes it rather than
    // whichever control comes next.
    if (m_entryRow->isAncestorOf(QApplication::focusWidget()))
        m_list->setFocus();
    m_entryRow->hide();
}

void TPlanDetailDlg::blankEntryRow()
{
    m_entryRow->blank();
    m_checkedActivity.clear();
}

int TPlanDetailDlg::readMinutes() const
{
    const std::optional<int> minutes = ParseWholeNumber(utf8(m_entryRow->minutes()->text()));
    return minutes ? std::max(*minutes, 0) : 0;
}

PlanEntry* TPlanDetailDlg::currentEntry()
{
    const int row = m_list->currentRow();
    return row >= 0 && row < PlanEntryCount ? &m_plan.entries[row] : nullptr;
}
