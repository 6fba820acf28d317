#include "teams/TeamMgr.h"

#include "formats/CalendarDate.h"
#include "players/PlayerRoster.h"
#include "report/PrintJob.h"
#include "report/PrintSeries.h"
#include "teams/TeamListWidget.h"
#include "teams/TeamPrintout.h"
#include "teams/TeamSet.h"
#include "ui/FieldText.h"
#include "ui/ListCollator.h"
#include "ui/Platform.h"

#include <QLineEdit>
#include <algorithm>

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

TeamDrop::NameLess alphabetical()
{
    const QCollator collator = ListCollator(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator.compare(qt(a), qt(b)) < 0;
    };
}

} // namespace

TeamMgr::TeamMgr(const std::vector<QLineEdit*>& teamEdits,
                 const std::vector<TeamListWidget*>& teamLists, QLineEdit* descEdit, int teamCount,
                 int playersPerTeam)
    : m_teamEdits(teamEdits), m_teamLists(teamLists), m_descEdit(descEdit), m_teamCount(teamCount),
      m_playersPerTeam(playersPerTeam)
{
}

void TeamMgr::LoadPlayers(TeamListWidget* unassigned)
{
    std::vector<std::string> players = PlayerRoster::Read();
    std::stable_sort(players.begin(), players.end(), alphabetical());
    unassigned->setNames(players);
}

void TeamMgr::LoadTeams(const std::string& file, TeamListWidget* unassigned)
{
    const TeamSet set = TeamSetFile::Read(file, m_playersPerTeam, todayText());
    showSet(set);
    std::vector<std::string> players = unassigned->names();
    TakePlacedPlayers(set, players);
    unassigned->setNames(players);
}

bool TeamMgr::SaveTeams(const std::string& file)
{
    return TeamSetFile::Write(file, m_playersPerTeam, fields());
}

void TeamMgr::ResetTeams(TeamListWidget* unassigned)
{
    showSet(TeamSetFile::Empty(m_playersPerTeam, todayText()));
    LoadPlayers(unassigned);
}

bool TeamMgr::PrintWithDialog(QWidget* parent)
{
    return PrintJob::choosePrinter(parent) &&
           PrintJob::run(TeamPrintoutInfo, [this](ReportPage& page) {
               PrintTeamSetRows(page, fields(), m_playersPerTeam);
           });
}

bool TeamMgr::PrintIfAny(PrintSeries& series)
{
    const TeamSet set = fields();
    if (!HasPlacedPlayer(set))
        return false;
    return series.print(TeamPrintoutInfo, [this, &set](ReportPage& page) {
        PrintTeamSetRows(page, set, m_playersPerTeam);
    });
}

bool TeamMgr::CanDrop(const TeamListWidget* target, const TeamListWidget* source) const
{
    if (!source)
        return TeamDrop::CanDrop(target->ref(), nullptr);
    const TeamDrop::ListRef from = source->ref();
    return TeamDrop::CanDrop(target->ref(), &from);
}

void TeamMgr::DropPlayers(TeamListWidget* target, TeamListWidget* source)
{
    if (!source || !CanDrop(target, source))
        return;
    std::vector<std::string> into = target->names();
    std::vector<std::string> from = source->names();
    const auto kind = target->ref().kind;
    const std::vector<std::string> moved = TeamDrop::DropPlayers(
        into, kind, m_playersPerTeam, from, source->selection(), alphabetical());
    if (moved.empty())
        return;
    target->setNames(into);
    source->setNames(from);
}

TeamSet TeamMgr::fields() const
{
    TeamSet set;
    set.description = TakeStoredText(m_descEdit).toStdString();
    set.teams.resize(m_teamCount);
    for (int t = 0; t < m_teamCount; ++t) {
        set.teams[t].name = TakeStoredText(m_teamEdits[t]).toStdString();
        set.teams[t].players = m_teamLists[t]->names();
    }
    return set;
}

void TeamMgr::showPlayers(const TeamSet& set, std::vector<std::string> unassigned,
                          TeamListWidget* unassignedList)
{
    for (int t = 0; t < m_teamCount; ++t)
        m_teamLists[t]->setNames(set.teams[t].players);
    std::stable_sort(unassigned.begin(), unassigned.end(), alphabetical());
    unassignedList->setNames(unassigned);
}

void TeamMgr::showSet(const TeamSet& set)
{
    FillField(m_descEdit, qt(set.description));
    for (int t = 0; t < m_teamCount; ++t) {
        FillField(m_teamEdits[t], qt(set.teams[t].name));
        m_teamLists[t]->setNames(set.teams[t].players);
    }
}

std::string TeamMgr::todayText() const
{
    Platform& platform = Platform::instance();
    const QDate today = platform.today();
    return FormatShortDate(CalendarDate{today.year(), today.month(), today.day()},
                           platform.localeFormats());
}
