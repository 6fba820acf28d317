#pragma once

#include "teams/TeamFill.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Asks how a team set is to be filled: how many teams, whether the players
// already placed stay, and at random or balanced by rating (offered only
// when some player has a rating). A line below says what the fill will do.
class TMakeTeamsDlg : public QDialog
{
    Q_OBJECT

public:
    using Outlook = std::function<TeamFill::Outlook(int teams, bool keepPlaced)>;

    TMakeTeamsDlg(int mostTeams, int teams, bool ratingsOffered, Outlook outlook,
                  QWidget* parent = nullptr);

    TeamFill::Request request() const;

    QSpinBox* teamCount() const { return m_teams; }
    QCheckBox* keepPlaced() const { return m_keep; }
    QRadioButton* randomButton() const { return m_random; }
    QRadioButton* balancedButton() const { return m_balanced; }
    QLabel* summary() const { return m_summary; }
    QPushButton* okButton() const { return m_ok; }

private:
    void updateSummary();

    Outlook m_outlook;
    QSpinBox* m_teams = nullptr;
    QCheckBox* m_keep = nullptr;
    QRadioButton* m_random = nullptr;
    QRadioButton* m_balanced = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_ok = nullptr;
};
