#include "players/TPlayersDlg.h"

#include "players/PlayerRoster.h"
#include "players/PlayersListRules.h"
#include "store/ProfileStore.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/ListCollator.h"
#include "ui/SaveFailure.h"
#include "ui/TypingLimit.h"
#include "ui/WindowModes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr const char* PositionSection = "Players";
constexpr int HelpTopic = 115;
constexpr int RowHeight = 14;

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString rosterPath()
{
    return qt(ProfileFilePath(PlayerRoster::FileName, true));
}

} // namespace

TPlayersDlg::TPlayersDlg(QWidget* parent)
    : QDialog(parent), m_order(ListCollator(Qt::CaseInsensitive))
{
    setObjectName(QStringLiteral("TPlayersDlg"));
    setWindowTitle(QStringLiteral("Players"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(369, 385));
    createControls();
}

TPlayersDlg::~TPlayersDlg() = default;

void TPlayersDlg::createControls()
{
    m_playerName = new QLineEdit(this);
    m_playerName->setObjectName(QStringLiteral("PlayerName"));
    m_playerName->setGeometry(8, 24, 169, 22);
    // Longer names would not come back from the file whole.
    new TypingLimit(m_playerName, PlayersListRules::MaxNameLength);

    auto* label = new QLabel(QStringLiteral("&Player Name"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(8, 8);
    label->adjustSize();
    label->setBuddy(m_playerName);

    m_playersList = new QListWidget(this);
    m_playersList->setObjectName(QStringLiteral("PlayersList"));
    m_playersList->setGeometry(8, 52, 249, 293);
    m_playersList->setUniformItemSizes(true);

    const struct
    {
        const char* name;
        const char* text;
        QRect place;
        void (TPlayersDlg::*handler)();
    } buttons[] = {
        {"AddBtn", "&Add", {180, 24, 75, 25}, &TPlayersDlg::CmAdd},
        {"DeleteBtn", "&Delete", {180, 348, 75, 25}, &TPlayersDlg::CmDelete},
        {"CloseBtn", "&Close", {284, 8, 75, 25}, &TPlayersDlg::CmCloseBtnClicked},
        {"HelpBtn", "&Help", {284, 40, 75, 25}, &TPlayersDlg::CmHelp},
    };
    QList<QWidget*> tabOrder{m_playerName};
    for (const auto& button : buttons) {
        tabOrder << AddCommandButton(this, this, button.name, QString::fromLatin1(button.text),
                                     button.place, button.handler);
    }
    tabOrder.insert(2, m_playersList); // after Add
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    qobject_cast<QPushButton*>(tabOrder.at(1))->setDefault(true);
}

void TPlayersDlg::showModeless()
{
    ShowModeless(*this);
}

int TPlayersDlg::showModal()
{
    return ShowModal(*this);
}

void TPlayersDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CmShowForm();
}

void TPlayersDlg::CmShowForm()
{
    RestoreWindowPos(this, PositionSection);
    m_playerName->clear();
    m_playersList->clear();
    m_order = ListCollator(Qt::CaseInsensitive);
    m_readState.remember(rosterPath());
    for (const std::string& name : PlayerRoster::Read())
        addName(qt(name));
    m_playerName->setFocus();
}

// Each name takes its place in the order a person expects, capitals apart,
// after the names it equals.
void TPlayersDlg::addName(const QString& name)
{
    int low = 0;
    int high = m_playersList->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_order.compare(name, m_playersList->item(middle)->text()) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, RowHeight));
    m_playersList->insertItem(low, item);
}

void TPlayersDlg::CmAdd()
{
    const QString name = qt(PlayersListRules::TypedName(m_playerName->text().toStdString()));
    m_playerName->setText(name);
    if (name.isEmpty())
        return;
    addName(name);
    m_playerName->clear();
    m_playerName->setFocus();
}

void TPlayersDlg::CmDelete()
{
    const int row = m_playersList->currentRow();
    if (row < 0 || !m_playersList->currentItem()->isSelected())
        return;
    delete m_playersList->takeItem(row);
    const int next = PlayersListRules::RowAfterDelete(row, m_playersList->count());
    m_playersList->setCurrentRow(next);
}

void TPlayersDlg::CmCloseBtnClicked()
{
    // A name of blanks alone is no name: it would end the stored list early.
    const QString typed = qt(PlayersListRules::TypedName(m_playerName->text().toStdString()));
    m_playerName->setText(typed);
    if (!typed.isEmpty() &&
        AskConfirm(qt(PlayersListRules::AddBeforeClosingQuestion(typed.toStdString())))) {
        addName(typed);
        m_playerName->clear();
    }
    if (!m_readState.mayReplace(rosterPath()))
        return;
    if (!saveList() && !CloseWithoutSaving(QStringLiteral("players list")))
        return;
    accept();
}

bool TPlayersDlg::saveList()
{
    std::vector<std::string> names;
    names.reserve(m_playersList->count());
    for (int row = 0; row < m_playersList->count(); ++row)
        names.push_back(m_playersList->item(row)->text().toStdString());
    if (PlayerRoster::Write(names))
        return true;
    ShowNotWritten(rosterPath(), QStringLiteral("The players list was not saved."));
    return false;
}

void TPlayersDlg::done(int result)
{
    CmClose();
    QDialog::done(result);
}

void TPlayersDlg::CmClose()
{
    SaveWindowPos(this, PositionSection);
}

void TPlayersDlg::CmHelp()
{
    ShowHelpTopic(HelpTopic);
}

// There is no Cancel button: Escape closes nothing.
void TPlayersDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}
