#include "plans/TPlanDetailDlg.h"

#include "drills/DrillLibraryNotifier.h"
#include "formats/CalendarDate.h"
#include "formats/TimeOfDay.h"
#include "plans/EntryRow.h"
#include "plans/KeyWatcher.h"
#include "plans/PlanFieldText.h"
#include "plans/PlanFile.h"
#include "plans/ScheduleColumns.h"
#include "plans/ScheduleList.h"
#include "recovery/DocumentRecovery.h"
#include "settings/GeneralSettings.h"
#include "ui/AnnouncementsBox.h"
#include "ui/DialogServices.h"
#include "ui/FocusTracker.h"
#include "ui/Platform.h"
#include "ui/RecentDocuments.h"
#include "ui/TypingLimit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>

QList<TPlanDetailDlg*> TPlanDetailDlg::s_openWindows;

namespace {

constexpr int RowHeight = ScheduleLayout::RowHeight;
constexpr int BannerPoints = 10;
constexpr int EmphasisLimit = 69;
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
    m_recovery = new DocumentRecovery(
        *this, "pln", [this](ProfileBatch& copy) { WritePlanKeys(copy, planAsShown()); });
    setPath(path);
    s_openWindows.append(this);
}

TPlanDetailDlg::~TPlanDetailDlg()
{
    // Children about to go move the focus and may still signal (the activity
    // box picks a choice when its field loses the focus); nothing of this
    // window may react once its destruction has begun.
    delete m_focus;
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    QObject::disconnect(&DrillLibraryNotifier::instance(), nullptr, this, nullptr);
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
    new TypingLimit(m_defEmphasis, EmphasisLimit);
    m_defEmphLbl =
        addLabel("DefEmphLbl", QStringLiteral("&Defensive Emphasis"), {8, 108}, m_defEmphasis);
    m_offEmphasis = addField("OffEmphasis", OffEmphasisGeometry);
    new TypingLimit(m_offEmphasis, EmphasisLimit);
    m_offEmphLbl =
        addLabel("OffEmphLbl", QStringLiteral("&Offensive Emphasis"), {8, 132}, m_offEmphasis);

    m_columnHeads = {addLabel("MinLbl", QStringLiteral("Min"), {16, 152}),
                     addLabel("TimLbl", QStringLiteral("Time"), {60, 152}),
                     addLabel("ActivityLbl", QStringLiteral("Activity"), {148, 152}),
                     addLabel("EmphLbl", QStringLiteral("Emphasis"), {399, 152})};

    m_list = new ScheduleList(m_plan.entries, this);
    m_list->setObjectName(QStringLiteral("ActivityList"));
    m_list->setGeometry(ListGeometry);

    m_insertBtn = new QPushButton(QIcon(QStringLiteral(":/plans/icons/insert.bmp")),
                                  QStringLiteral("Insert"), this);
    m_insertBtn->setObjectName(QStringLiteral("InsertBtn"));
    m_insertBtn->setGeometry(InsertGeometry);
    m_deleteBtn = new QPushButton(QIcon(QStringLiteral(":/plans/icons/delete.bmp")),
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

    connect(&DrillLibraryNotifier::instance(), &DrillLibraryNotifier::saved, this,
            &TPlanDetailDlg::ReloadActivityList);
    connect(m_list, &ScheduleList::rowChosen, this, &TPlanDetailDlg::CmClick);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TPlanDetailDlg::CmDrawItem);
    connect(m_insertBtn, &QPushButton::clicked, this, &TPlanDetailDlg::CmInsert);
    connect(m_deleteBtn, &QPushButton::clicked, this, &TPlanDetailDlg::CmDelete);

    connect(m_entryRow, &EntryRow::wheelTurned, this, &TPlanDetailDlg::scrollList);
    QComboBox* activity = m_entryRow->activity();
    connect(m_entryRow, &EntryRow::activityEdited, this, &TPlanDetailDlg::OnActivityChange);
    connect(activity, &QComboBox::activated, this, &TPlanDetailDlg::ActivityClick);
    connect(new KeyWatcher(activity), &KeyWatcher::keyPressed, this,
            &TPlanDetailDlg::OnActivityKeyDown);
    auto* emphasisKeys = new KeyWatcher(m_entryRow->emphasis());
    connect(emphasisKeys, &KeyWatcher::keyPressed, this, &TPlanDetailDlg::OnEmphasisKeyDown);
    connect(emphasisKeys, &KeyWatcher::keyReleased, this, &TPlanDetailDlg::OnEmphasisKeyUp);
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
        ResetToNewPlan(m_plan, todayText(), m_formats);
        m_plan.folder = folder;
    } else {
        LoadPlanFile(m_plan, todayText(), m_formats);
        NoteRecentDocument(RecentPlans, QString::fromStdString(m_plan.path));
    }
    m_plan.changed = changed;
    showPlanInFields();
    repaintList();
    planIsStored();
    if (m_recoveredFrom)
        showRecovered();

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
    m_recovery->discard(); // saved, or not to be saved
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
