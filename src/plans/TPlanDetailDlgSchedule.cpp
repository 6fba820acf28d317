#include "plans/TPlanDetailDlg.h"

#include "formats/WholeNumber.h"
#include "plans/EntryRow.h"
#include "plans/PlanFieldText.h"
#include "plans/ScheduleList.h"
#include "plans/TimeSpans.h"
#include "recovery/DocumentRecovery.h"
#include "ui/DialogServices.h"
#include "ui/FieldText.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

// The schedule and the entry row that floats over the row being edited:
// opening and committing rows, moving down, Insert and Delete.

namespace {

constexpr int LastRow = PlanEntryCount - 1;

const QString InsertQuestion =
    QStringLiteral("Inserting a new entry will cause you to lose your last entry.  Continue?");

QString limitMessage()
{
    return QStringLiteral("You have reached the limit of ") + QString::number(PlanEntryCount) +
           QStringLiteral(" entries for this practice plan.");
}

} // namespace

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
    m_enterDownInEmphasis = false;
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
        entry.activity = utf8(storedText(m_entryRow->activityText()));
        entry.emphasis = utf8(storedText(m_entryRow->emphasis()->text()));
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
    FillField(m_entryRow->time(), QString::fromStdString(entry->timeSpan));
    repaintList();
}

void TPlanDetailDlg::OnEmphasisExit()
{
    m_plan.changed = true;
    if (PlanEntry* entry = currentEntry())
        entry->emphasis = utf8(storedText(m_entryRow->emphasis()->text()));
}

namespace {

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

void TPlanDetailDlg::OnEmphasisKeyDown(QKeyEvent* event)
{
    if (isEnter(event))
        m_enterDownInEmphasis = true;
}

void TPlanDetailDlg::OnEmphasisKeyUp(QKeyEvent* event)
{
    m_plan.changed = true;
    if (!isEnter(event) || !m_enterDownInEmphasis)
        return;
    m_enterDownInEmphasis = false;
    PlanEntry* entry = currentEntry();
    if (!entry)
        return;
    entry->emphasis = utf8(storedText(m_entryRow->emphasis()->text()));
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

std::array<PlanEntry, PlanEntryCount> TPlanDetailDlg::shownEntries() const
{
    std::array<PlanEntry, PlanEntryCount> entries = m_plan.entries;
    if (m_editingRow >= 0) {
        PlanEntry& entry = entries[m_editingRow];
        entry.minutes = readMinutes();
        entry.activity = utf8(storedText(m_entryRow->activityText()));
        entry.emphasis = utf8(storedText(m_entryRow->emphasis()->text()));
    }
    ::ComputeTimeSpans(entries, utf8(m_time->text()), m_formats);
    return entries;
}

void TPlanDetailDlg::setMinutes(const std::vector<std::pair<int, int>>& rowMinutes)
{
    m_plan.changed = true;
    for (const auto& [row, minutes] : rowMinutes) {
        if (row < 0 || row >= PlanEntryCount)
            continue;
        m_plan.entries[row].minutes = minutes;
        // The open entry row would store its old minutes back when committed.
        if (row == m_editingRow)
            m_entryRow->minutes()->setText(QString::number(minutes));
    }
    ComputeTimeSpans();
    if (m_editingRow >= 0)
        m_entryRow->time()->setText(QString::fromStdString(m_plan.entries[m_editingRow].timeSpan));
    repaintList();
    m_recovery->noteEdit();
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
