#include "plans/EntryRow.h"

#include "plans/PlanEntry.h"
#include "plans/ScheduleColumns.h"
#include "ui/FieldText.h"
#include "ui/TypingLimit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

constexpr int DummyLeft = 800;
constexpr int DroppedDownLines = 12;

} // namespace

EntryRow::EntryRow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EntryPanel"));
    resize(ScheduleLayout::Emphasis.right() + 1, Height);

    m_time = addEdit("Time", ScheduleLayout::Time.left, ScheduleLayout::Time.width);
    m_time->setReadOnly(true);
    m_time->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = m_time->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    m_time->setPalette(palette);

    m_minutes = addEdit("Minutes", ScheduleLayout::Minutes.left, ScheduleLayout::Minutes.width);

    m_activity = new QComboBox(this);
    m_activity->setObjectName(QStringLiteral("Activity"));
    m_activity->setEditable(true);
    m_activity->setInsertPolicy(QComboBox::NoInsert);
    m_activity->setCompleter(nullptr); // the plan window completes as the coach types
    m_activity->setMaxVisibleItems(DroppedDownLines);
    // The limits hold for typing only: a drill picked from the choices or a
    // row loaded from a file is shown and kept whole.
    auto* activityLimit = new TypingLimit(m_activity->lineEdit(), ActivityLimit);
    connect(activityLimit, &TypingLimit::edited, this, &EntryRow::activityEdited);
    m_activity->setGeometry(ScheduleLayout::Activity.left, 0, ScheduleLayout::Activity.width,
                            Height);
    m_activity->installEventFilter(this);

    m_emphasis = addEdit("Emphasis", ScheduleLayout::Emphasis.left, ScheduleLayout::Emphasis.width);
    new TypingLimit(m_emphasis, EmphasisLimit);

    m_dummy = addEdit("DummyEdit", DummyLeft, 1);
    m_dummy->setReadOnly(true);

    setTabOrder(m_minutes, m_activity);
    setTabOrder(m_activity, m_emphasis);
    setTabOrder(m_emphasis, m_dummy);
}

QLineEdit* EntryRow::addEdit(const char* name, int left, int width)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, 0, width, Height);
    return edit;
}

QString EntryRow::activityText() const
{
    return m_activity->currentText();
}

void EntryRow::setActivityText(const QString& text)
{
    m_activity->setEditText(text);
}

void EntryRow::load(const PlanEntry& entry, bool showZero)
{
    FillField(m_minutes,
              entry.minutes == 0 && !showZero ? QString() : QString::number(entry.minutes));
    FillField(m_time, QString::fromStdString(entry.timeSpan));
    m_activity->setCurrentIndex(-1);
    FillField(m_activity, QString::fromStdString(entry.activity));
    FillField(m_emphasis, QString::fromStdString(entry.emphasis));
}

void EntryRow::blank()
{
    m_minutes->clear();
    m_time->clear();
    m_activity->setCurrentIndex(-1);
    setActivityText(QString());
    m_emphasis->clear();
}

// The drop-down list would change its pick under a turning wheel.
bool EntryRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_activity || event->type() != QEvent::Wheel)
        return false;
    emit wheelTurned(static_cast<QWheelEvent*>(event));
    return true;
}

void EntryRow::wheelEvent(QWheelEvent* event)
{
    emit wheelTurned(event);
}
