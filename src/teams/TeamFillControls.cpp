#include "teams/TeamFillControls.h"

#include "players/PlayerRatings.h"
#include "players/PlayerRoster.h"
#include "teams/TMakeTeamsDlg.h"
#include "teams/TeamListWidget.h"
#include "teams/TeamMgr.h"
#include "teams/TeamWindowShape.h"
#include "ui/CommandButton.h"
#include "ui/Platform.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <cmath>

namespace {

constexpr int Margin = 8;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int FirstButtonTop = 180; // a gap below Print
constexpr int SumWidth = 34;

QString sumText(double sum)
{
    const double whole = std::round(sum);
    if (std::abs(sum - whole) < 0.05)
        return QStringLiteral("\u03A3 %1").arg(whole, 0, 'f', 0);
    return QStringLiteral("\u03A3 %1").arg(sum, 0, 'f', 1);
}

} // namespace

TeamFillControls::TeamFillControls(QDialog& window, TeamMgr& teamMgr, const TeamWindowShape& shape,
                                   TeamListWidget* unassigned,
                                   const std::vector<QLineEdit*>& teamEdits,
                                   const std::vector<TeamListWidget*>& teamLists)
    : QObject(&window), m_window(window), m_teamMgr(teamMgr), m_shape(shape),
      m_unassigned(unassigned), m_teamEdits(teamEdits), m_teamLists(teamLists),
      m_random(std::random_device()())
{
    const int left = shape.clientWidth - Margin - ButtonWidth;
    AddCommandButton(this, &window, "MakeTeamsBtn", QStringLiteral("&Make Teams..."),
                     QRect(left, FirstButtonTop, ButtonWidth, ButtonHeight),
                     &TeamFillControls::makeTeams)
        ->setAutoDefault(false);
    m_shuffle = AddCommandButton(
        this, &window, "ShuffleBtn", QStringLiteral("&Shuffle again"),
        QRect(left, FirstButtonTop + ButtonHeight + Margin, ButtonWidth, ButtonHeight),
        &TeamFillControls::shuffleAgain);
    m_shuffle->setAutoDefault(false);
    m_shuffle->setEnabled(false);

    for (QLineEdit* edit : teamEdits) {
        auto* sum = new QLabel(edit);
        sum->setObjectName(edit->objectName() + QStringLiteral("Sum"));
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sum->setAttribute(Qt::WA_TransparentForMouseEvents);
        sum->setForegroundRole(QPalette::PlaceholderText);
        sum->setGeometry(edit->width() - SumWidth - 4, 0, SumWidth, edit->height());
        sum->hide();
        m_sums.push_back(sum);
    }
    for (TeamListWidget* list : teamLists)
        connect(list, &TeamListWidget::dropped, this, &TeamFillControls::showSums);
    connect(unassigned, &TeamListWidget::dropped, this, &TeamFillControls::showSums);
}

TeamFillControls::~TeamFillControls() = default;

void TeamFillControls::forget()
{
    m_shuffle->setEnabled(false);
    m_sumsShown = false;
    showSums();
}

void TeamFillControls::makeTeams()
{
    m_before = placement();
    m_unassignedBefore = m_unassigned->names();
    m_roster = PlayerRoster::Read();
    std::vector<std::string> everyone = m_unassignedBefore;
    for (const Team& team : m_before.teams)
        everyone.insert(everyone.end(), team.players.begin(), team.players.end());
    m_ratings = TeamFill::Ratings(everyone, PlayerRatings::Read(everyone));

    const int perTeam = m_shape.playersPerTeam;
    TMakeTeamsDlg dialog(
        m_shape.teamCount(),
        TeamFill::DefaultTeamCount(m_before, m_unassignedBefore.size(), perTeam),
        m_ratings.anyRated(),
        [this, perTeam](int teams, bool keepPlaced) {
            return TeamFill::Look(m_before, m_unassignedBefore, m_roster, teams, keepPlaced,
                                  perTeam);
        },
        &m_window);
    if (Platform::instance().runModal(dialog) != QDialog::Accepted)
        return;
    m_request = dialog.request();
    m_sumsShown = m_request.method == TeamFill::Method::Balanced;
    m_shuffle->setEnabled(true);
    fill();
}

void TeamFillControls::shuffleAgain()
{
    if (m_shuffle->isEnabled())
        fill();
}

void TeamFillControls::fill()
{
    TeamSet set = m_before;
    std::vector<std::string> pool =
        TeamFill::Release(set, m_unassignedBefore, m_roster, m_request.keepPlaced);
    std::vector<std::string> left = TeamFill::Deal(set, std::move(pool), m_request,
                                                   m_shape.playersPerTeam, m_ratings, m_random);
    m_teamMgr.showPlayers(set, std::move(left), m_unassigned);
    showSums();
}

// The players of each team; the names and description stay as typed.
TeamSet TeamFillControls::placement() const
{
    TeamSet set;
    for (const TeamListWidget* list : m_teamLists)
        set.teams.push_back({{}, list->names()});
    return set;
}

void TeamFillControls::showSums()
{
    const TeamSet set = placement();
    const std::vector<double> sums = TeamFill::Sums(set, m_ratings);
    const QString tip = QStringLiteral("The team's rating sum; a player without a rating counts "
                                       "as the average, %1.")
                            .arg(m_ratings.average(), 0, 'f', 1);
    for (std::size_t t = 0; t < m_sums.size(); ++t) {
        const bool shown = m_sumsShown && !set.teams[t].players.empty();
        m_sums[t]->setVisible(shown);
        m_teamEdits[t]->setTextMargins(0, 0, shown ? SumWidth + 4 : 0, 0);
        m_sums[t]->setText(shown ? sumText(sums[t]) : QString());
        m_sums[t]->setToolTip(tip);
    }
}
