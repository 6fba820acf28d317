#include "plans/TPlanDetailDlg.h"

#include "formats/CalendarDate.h"
#include "plans/EntryRow.h"
#include "plans/PlanFieldText.h"
#include "plans/PlanFile.h"
#include "plans/PlanPrintout.h"
#include "recovery/DocumentRecovery.h"
#include "report/Printout.h"
#include "settings/GeneralSettings.h"
#include "ui/AnnouncementsBox.h"
#include "ui/FieldText.h"
#include "ui/Platform.h"
#include "ui/RecentDocuments.h"
#include "ui/SaveFailure.h"

#include <QDate>
#include <QFileInfo>
#include <QLineEdit>

// The plan as a document: Save, Save As, Print, and the upper fields as the
// plan's own texts.

bool TPlanDetailDlg::Save()
{
    if (m_plan.path.empty())
        return SaveAs();
    if (!writePlan(m_plan))
        return false;
    planIsStored();
    return true;
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
    // The plan moves to the new file, and the next Open to its folder, only
    // once it is written there.
    PracticePlan saved = m_plan;
    SetPlanPath(saved, file);
    if (!writePlan(saved))
        return false;
    GeneralSettings::writeText("Path", FolderOfPath(file));
    m_plan = std::move(saved);
    setWindowTitle(*chosen);
    planIsStored();
    return true;
}

bool TPlanDetailDlg::writePlan(PracticePlan& plan)
{
    takeFieldsIntoPlan(plan);
    // No: the plan stays unsaved, and Save As can put it elsewhere.
    if (!m_readState.mayReplace(QString::fromStdString(plan.path)))
        return false;
    if (!SavePlanFile(plan)) {
        ShowNotWritten(QString::fromStdString(plan.path),
                       QStringLiteral("The practice plan was not saved."));
        return false;
    }
    plan.changed = false;
    NoteRecentDocument(RecentPlans, QString::fromStdString(plan.path));
    return true;
}

// What the window shows is now the plan at its path: the file as it is
// counts as read, and nothing is left to recover.
void TPlanDetailDlg::planIsStored()
{
    if (m_plan.path.empty())
        m_readState.forget();
    else
        m_readState.remember(path());
    m_recovery->showsStored(m_plan.path, m_readState.read(),
                            [this](ProfileBatch& file) { WritePlanKeys(file, m_plan); });
}

void TPlanDetailDlg::recover(const RecoveryCopy& copy)
{
    m_recoveredFrom = copy;
    if (m_shown)
        showRecovered();
}

void TPlanDetailDlg::showRecovered()
{
    const RecoveryCopy copy = *std::exchange(m_recoveredFrom, std::nullopt);
    PracticePlan recovered;
    recovered.path = copy.file;
    LoadPlanFile(recovered, todayText(), m_formats);
    SetPlanPath(recovered, copy.originalPath);
    recovered.changed = true;
    m_plan = std::move(recovered);
    showPlanInFields();
    repaintList();
    if (copy.originalPath.empty())
        m_readState.forget();
    else
        m_readState.remember(copy.originalPath, copy.original);
    m_recovery->showsRecovered(copy);
}

// The plan with what the entry row holds in the row being edited, which the
// plan takes only when the row is left.
PracticePlan TPlanDetailDlg::planAsShown() const
{
    PracticePlan shown = m_plan;
    // Taken as they are: the fields are not to change under the coach's
    // typing, as a save makes them show what the file gives back.
    shown.date = utf8(m_date->text());
    shown.practiceTime = utf8(m_time->text());
    shown.announcements = m_announcements->lines();
    shown.defEmphasis = utf8(m_defEmphasis->text());
    shown.offEmphasis = utf8(m_offEmphasis->text());
    if (m_editingRow >= 0) {
        PlanEntry& entry = shown.entries[m_editingRow];
        entry.activity = utf8(storedText(m_entryRow->activityText()));
        entry.emphasis = utf8(storedText(m_entryRow->emphasis()->text()));
        entry.minutes = readMinutes();
    }
    return shown;
}

void TPlanDetailDlg::Print()
{
    PrintPrintout(printout(), this);
}

Printout TPlanDetailDlg::printout()
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

    Printout printout;
    printout.parts.push_back(
        {PlanPrintoutInfo, [sheet](ReportPage& page) { PrintPlanRows(page, sheet); }});
    printout.name = m_plan.name.empty()
                        ? windowTitle()
                        : QFileInfo(QString::fromStdString(m_plan.name)).completeBaseName();
    printout.folder = m_plan.folder.empty() ? PlansFolder() : QString::fromStdString(m_plan.folder);
    return printout;
}

// The texts as the file will give them back; the fields show them so too.
void TPlanDetailDlg::takeFieldsIntoPlan(PracticePlan& plan)
{
    plan.date = utf8(TakeStoredText(m_date));
    plan.practiceTime = utf8(TakeStoredText(m_time));
    plan.announcements = m_announcements->lines();
    for (std::string& line : plan.announcements)
        line = UnquotedText(line);
    plan.defEmphasis = utf8(TakeStoredText(m_defEmphasis));
    plan.offEmphasis = utf8(TakeStoredText(m_offEmphasis));
}

void TPlanDetailDlg::showPlanInFields()
{
    FillField(m_date, QString::fromStdString(m_plan.date));
    FillField(m_time, QString::fromStdString(m_plan.practiceTime));
    m_announcements->setLines(m_plan.announcements);
    FillField(m_defEmphasis, QString::fromStdString(m_plan.defEmphasis));
    FillField(m_offEmphasis, QString::fromStdString(m_plan.offEmphasis));
}

std::string TPlanDetailDlg::todayText() const
{
    const QDate today = Platform::instance().today();
    return FormatShortDate(CalendarDate{today.year(), today.month(), today.day()}, m_formats);
}
