#include "teams/TTeamDlg.h"

#include "report/PrintJob.h"
#include "report/PrintSeries.h"
#include "teams/TTeams.h"
#include "teams/TeamSet.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"
#include "ui/WindowModes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <memory>

namespace {

constexpr int HelpTopic = 116;
const QPoint FirstPlace(126, 136);

std::optional<int> playersPerTeam(const QString& text)
{
    bool converted = false;
    const int number = text.trimmed().toInt(&converted, 10);
    if (!converted || number < TeamSetFile::FewestPlayers || number > TeamSetFile::MostPlayers)
        return std::nullopt;
    return number;
}

} // namespace

TTeamDlg::TTeamDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TeamDlg"));
    setWindowTitle(QStringLiteral("Practice Teams"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(317, 122));
    createControls();
}

TTeamDlg::~TTeamDlg() = default;

void TTeamDlg::createControls()
{
    auto* label1 = new QLabel(QStringLiteral("To view a set of Practice Teams, "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(16, 12);
    auto* label2 = new QLabel(QStringLiteral("enter the number of players per team:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->move(16, 28);

    m_playerCbo = new QComboBox(this);
    m_playerCbo->setObjectName(QStringLiteral("PlayerCbo"));
    m_playerCbo->setEditable(true);
    m_playerCbo->setInsertPolicy(QComboBox::NoInsert);
    // What was typed is what OK checks: "1" must not grow into "10".
    m_playerCbo->setCompleter(nullptr);
    m_playerCbo->setMaxVisibleItems(10);
    for (int n = TeamSetFile::FewestPlayers; n <= TeamSetFile::MostPlayers; ++n)
        m_playerCbo->addItem(QString::number(n));
    m_playerCbo->setGeometry(16, 50, 38, 21);
    label2->setBuddy(m_playerCbo);

    const struct
    {
        const char* name;
        const char* text;
        QRect place;
        void (TTeamDlg::*handler)();
    } buttons[] = {
        {"OkBtn", "OK", {232, 8, 75, 25}, &TTeamDlg::OkBtnClick},
        {"HelpBtn", "&Help", {232, 72, 75, 25}, &TTeamDlg::HelpBtnClick},
        {"PrintAllBtn", "P&rint All", {16, 88, 75, 25}, &TTeamDlg::PrintAllBtnClick},
        {"ResetAll", "&Reset All", {100, 88, 75, 25}, &TTeamDlg::ResetAllClick},
        {"CancelBtn", "Cancel", {232, 40, 75, 25}, &TTeamDlg::CancelBtnClick},
    };
    QWidget* previous = m_playerCbo;
    for (const auto& button : buttons) {
        QPushButton* control =
            AddCommandButton(this, this, button.name, QString::fromLatin1(button.text),
                             button.place, button.handler);
        control->setAutoDefault(false);
        setTabOrder(previous, control);
        previous = control;
    }
}

void TTeamDlg::showModeless()
{
    if (!m_placed) {
        move(FirstPlace);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void TTeamDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TTeamDlg::FormShow()
{
    m_playerCbo->setCurrentIndex(-1);
    m_playerCbo->clearEditText();
    m_playerCbo->setFocus();
}

void TTeamDlg::OkBtnClick()
{
    const std::optional<int> players = playersPerTeam(m_playerCbo->currentText());
    if (!players) {
        Platform::instance().showMessage(QStringLiteral("Error"),
                                         QStringLiteral("Not a valid number of players"),
                                         Platform::Icon::Warning);
        return;
    }
    {
        TTeams window(*players, this);
        Platform::instance().runModal(window);
    }
    hide();
}

void TTeamDlg::CancelBtnClick()
{
    hide();
}

void TTeamDlg::HelpBtnClick()
{
    ShowHelpTopic(HelpTopic);
}

std::vector<int> TTeamDlg::PrintAllSets()
{
    std::vector<int> printed;
    if (!PrintJob::choosePrinter(this))
        return printed;
    PrintSeries series;
    for (int n = TeamSetFile::FewestPlayers; n <= TeamSetFile::MostPlayers; ++n) {
        TTeams window(n, this);
        if (window.PrintAll(series))
            printed.push_back(n);
    }
    return printed;
}

std::vector<TTeamDlg::ResetFailure> TTeamDlg::ResetAllSets()
{
    std::vector<std::unique_ptr<TTeams>> windows;
    for (int n = TeamSetFile::FewestPlayers; n <= TeamSetFile::MostPlayers; ++n)
        windows.push_back(std::make_unique<TTeams>(n, this));
    std::vector<ResetFailure> failures;
    for (const auto& window : windows) {
        if (!window->ResetAndSave())
            failures.push_back({window->saveFailedMessage(), window->filePath()});
    }
    return failures;
}

void TTeamDlg::PrintAllBtnClick()
{
    PrintAllSets();
}

void TTeamDlg::ResetAllClick()
{
    const std::vector<ResetFailure> failures = ResetAllSets();
    if (failures.size() == 1) {
        ShowError(failures.front().message);
    } else if (!failures.empty()) {
        QString message =
            QStringLiteral("These files cannot be written, so their teams were not saved:");
        for (const ResetFailure& failure : failures)
            message += QLatin1Char('\n') + failure.path;
        ShowError(message);
    }
}
