#include "plans/PlanFile.h"

#include "formats/TimeOfDay.h"
#include "plans/PracticePlan.h"
#include "plans/TimeSpans.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

#include <algorithm>

namespace {

const std::string Section = "Main";
constexpr int ValueCapacity = 256;
constexpr int EndOfEntries = -99;
// A hand-made count in the billions must not hang the program filling blank lines.
constexpr int MaxAnnouncementLines = 10000;

std::string readText(const ProfileSnapshot& file, const std::string& key, int index = -1)
{
    return file.text(Section, key, ValueCapacity, {}, index);
}

std::vector<std::string> readAnnouncements(const ProfileSnapshot& file)
{
    const int count =
        std::min(file.readInt(Section, "AnnouncementsNumLines", 0), MaxAnnouncementLines);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        std::string line = readText(file, "Announcement", i);
        lines.push_back(line.empty() ? " " : std::move(line));
    }
    return lines;
}

// Rows up to the first whose minutes are missing or -99; the rest stay empty.
void readEntries(const ProfileSnapshot& file, std::array<PlanEntry, PlanEntryCount>& entries)
{
    entries.fill(PlanEntry{});
    for (int i = 0; i < PlanEntryCount; ++i) {
        const int minutes = file.readInt(Section, "Minutes", EndOfEntries, i);
        if (minutes == EndOfEntries)
            return;
        // The editor never keeps negative minutes; a hand-made file may hold them.
        entries[i].minutes = std::max(minutes, 0);
        entries[i].activity = readText(file, "Drill", i);
        entries[i].emphasis = readText(file, "Emphasis", i);
    }
}

void writeEntry(ProfileBatch& file, int index, const PlanEntry& entry)
{
    file.writeInt(Section, "Minutes", entry.minutes, index);
    file.writeText(Section, "Drill", entry.activity, index);
    file.writeText(Section, "Emphasis", entry.emphasis, index);
}

} // namespace

void SetPlanPath(PracticePlan& plan, const std::string& path)
{
    plan.path = path;
    plan.name = NameOfPath(path);
    plan.folder = FolderOfPath(path);
}

std::string DefaultPracticeTime(const LocaleFormats& formats)
{
    return FormatLocaleTime(TimeOfDay{12, 0, 0}, formats);
}

void ResetToNewPlan(PracticePlan& plan, const std::string& today, const LocaleFormats& formats)
{
    plan = PracticePlan{};
    plan.date = today;
    plan.practiceTime = DefaultPracticeTime(formats);
}

void LoadPlanFile(PracticePlan& plan, const std::string& today, const LocaleFormats& formats)
{
    const ProfileSnapshot file(plan.path, false);
    plan.date = readText(file, "Date");
    if (plan.date.empty())
        plan.date = today;
    plan.practiceTime = readText(file, "PracticeTime");
    if (plan.practiceTime.empty())
        plan.practiceTime = DefaultPracticeTime(formats);
    plan.announcements = readAnnouncements(file);
    plan.defEmphasis = readText(file, "DefEmphasis");
    plan.offEmphasis = readText(file, "OffEmphasis");
    readEntries(file, plan.entries);
    ComputeTimeSpans(plan.entries, plan.practiceTime, formats);
}

bool SavePlanFile(const PracticePlan& plan)
{
    ProfileBatch file(plan.path, false);
    WritePlanKeys(file, plan);
    return file.commit();
}

void WritePlanKeys(ProfileBatch& file, const PracticePlan& plan)
{
    file.writeText(Section, "Date", plan.date);
    file.writeText(Section, "PracticeTime", plan.practiceTime);
    file.writeInt(Section, "PlanNumber", plan.planNumber);
    const int lineCount = static_cast<int>(plan.announcements.size());
    file.writeInt(Section, "AnnouncementsNumLines", lineCount);
    for (int i = 0; i < lineCount; ++i)
        file.writeText(Section, "Announcement", plan.announcements[i], i);
    file.writeText(Section, "DefEmphasis", plan.defEmphasis);
    file.writeText(Section, "OffEmphasis", plan.offEmphasis);
    for (int i = 0; i < PlanEntryCount; ++i)
        writeEntry(file, i, plan.entries[i]);
    // A closing row after the last entry.
    writeEntry(file, PlanEntryCount, PlanEntry{});
}
