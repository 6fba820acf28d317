#include "teams/TMakeTeamsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TMakeTeamsDlg::TMakeTeamsDlg(int mostTeams, int teams, bool ratingsOffered, Outlook outlook,
                             QWidget* parent)
    : QDialog(parent), m_outlook(std::move(outlook))
{
    setObjectName(QStringLiteral("TMakeTeamsDlg"));
    setWindowTitle(QStringLiteral("Make Teams"));
    setFont(QFont(QStringLiteral("Arial"), 8));

    m_teams = new QSpinBox(this);
    m_teams->setObjectName(QStringLiteral("TeamCountEdit"));
    m_teams->setRange(1, mostTeams);
    m_teams->setValue(teams);
    m_keep = new QCheckBox(QStringLiteral("&Keep the players already placed"), this);
    m_keep->setObjectName(QStringLiteral("KeepPlacedChk"));
    m_keep->setChecked(true);

    auto* method = new QGroupBox(QStringLiteral("Fill"), this);
    m_random = new QRadioButton(QStringLiteral("&Random"), method);
    m_random->setObjectName(QStringLiteral("RandomBtn"));
    m_balanced = new QRadioButton(QStringLiteral("&Balanced by rating"), method);
    m_balanced->setObjectName(QStringLiteral("BalancedBtn"));
    m_balanced->setEnabled(ratingsOffered);
    (ratingsOffered ? m_balanced : m_random)->setChecked(true);
    auto* methods = new QVBoxLayout(method);
    methods->addWidget(m_random);
    methods->addWidget(m_balanced);
    if (!ratingsOffered) {
        auto* hint = new QLabel(QStringLiteral("No player has a rating: rate players in the "
                                               "players list to balance the teams."),
                                method);
        hint->setWordWrap(true);
        methods->addWidget(hint);
    }

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("SummaryLbl"));
    m_summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Number of teams:"), m_teams);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_keep);
    layout->addWidget(method);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    setMinimumWidth(300);

    connect(m_teams, &QSpinBox::valueChanged, this, &TMakeTeamsDlg::updateSummary);
    connect(m_keep, &QCheckBox::toggled, this, &TMakeTeamsDlg::updateSummary);
    updateSummary();
}

TeamFill::Request TMakeTeamsDlg::request() const
{
    return {m_teams->value(), m_keep->isChecked(),
            m_balanced->isChecked() ? TeamFill::Method::Balanced : TeamFill::Method::Random};
}

void TMakeTeamsDlg::updateSummary()
{
    const TeamFill::Outlook outlook = m_outlook(m_teams->value(), m_keep->isChecked());
    m_summary->setText(QString::fromStdString(
        TeamFill::Summary(outlook.players, m_teams->value(), outlook.freePlaces)));
    m_ok->setEnabled(outlook.players > 0 && outlook.freePlaces > 0);
}
