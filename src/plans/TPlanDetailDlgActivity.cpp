#include "plans/TPlanDetailDlg.h"

#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"
#include "formats/WholeNumber.h"
#include "plans/EntryRow.h"
#include "plans/PlanFieldText.h"
#include "ui/DialogServices.h"
#include "ui/FieldText.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

// Choosing a row's activity: the choices from the drill library, completion
// as the coach types, picking a choice, and checking a typed name against
// the library.

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
        const QString completed = storedText(candidate);
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
        entry->activity = utf8(storedText(m_entryRow->activityText()));
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
        FillField(m_entryRow->minutes(), QString::number(*minutes));
    OnMinutesExit();
    FillField(m_entryRow->emphasis(), QString::fromStdString(defaults.emphasis));
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
    const QString name = storedText(text);
    if (!text.isEmpty() && name != QString::fromStdString(entry->activity) &&
        name != m_checkedActivity)
        CheckActivity();
    entry->activity = utf8(storedText(m_entryRow->activityText()));
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
    const QString name = storedText(m_entryRow->activityText());
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
