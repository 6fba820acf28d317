#include "plans/TPlanDetailDlg.h"

#include "formats/CalendarDate.h"
#include "plans/PlanFieldText.h"
#include "plans/PlanFile.h"
#include "plans/PlanPrintout.h"
#include "report/PrintJob.h"
#include "settings/GeneralSettings.h"
#include "ui/AnnouncementsBox.h"
#include "ui/FieldText.h"
#include "ui/Platform.h"
#include "ui/SaveFailure.h"

#include <QDate>
#include <QLineEdit>

// The plan as a document: Save, Save As, Print, and the upper fields as the
// plan's own texts.

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
    // The plan moves to the new file, and the next Open to its folder, only
    // once it is written there.
    PracticePlan saved = m_plan;
    SetPlanPath(saved, file);
    if (!writePlan(saved))
        return false;
    GeneralSettings::writeText("Path", FolderOfPath(file));
    m_plan = std::move(saved);
    setWindowTitle(*chosen);
    return true;
}

bool TPlanDetailDlg::writePlan(PracticePlan& plan)
{
    takeFieldsIntoPlan(plan);
    if (!SavePlanFile(plan)) {
        ShowNotWritten(QString::fromStdString(plan.path),
                       QStringLiteral("The practice plan was not saved."));
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
