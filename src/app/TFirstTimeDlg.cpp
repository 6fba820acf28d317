#include "app/TFirstTimeDlg.h"

#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/WindowModes.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int HelpTopic = 101;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As tall as its text needs, should the text wrap to more lines here.
    label->setGeometry(QRect(
        place.topLeft(),
        QSize(place.width(), std::max(place.height(), label->heightForWidth(place.width())))));
    return label;
}

void run(const TFirstTimeDlg::Task& task)
{
    if (task)
        task();
}

} // namespace

TFirstTimeDlg::TFirstTimeDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFirstTimeDlg"));
    setWindowTitle(QStringLiteral("Corvanta - First Time Setup"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(418, 372));
    move(113, 23);
    createControls();
}

TFirstTimeDlg::~TFirstTimeDlg() = default;

void TFirstTimeDlg::createControls()
{
    addLabel(this, "Label1", QStringLiteral("Welcome to Corvanta!"), {8, 8, 245, 13});
    addLabel(this, "Label2",
             QStringLiteral("You can begin using Corvanta right away.  To assist you in getting "
                            "started, we recommend that you begin by performing the following "
                            "tasks."),
             {8, 36, 297, 45});
    addLabel(this, "Label3",
             QStringLiteral("If you would prefer, you can take care of these tasks later by "
                            "selecting the appropriate options from the menu or from the button "
                            "bar."),
             {8, 88, 297, 45});
    createTaskPanel();

    const struct
    {
        const char* name;
        const char* text;
        int top;
        void (TFirstTimeDlg::*handler)();
    } buttons[] = {
        {"CloseBtn", "&Close", 12, &TFirstTimeDlg::CmClose},
        {"HelpBtn", "&Help", 48, &TFirstTimeDlg::CmHelp},
    };
    for (const auto& button : buttons) {
        m_tabOrder << AddCommandButton(this, this, button.name, QString::fromLatin1(button.text),
                                       {328, button.top, 75, 25}, button.handler);
    }
    for (int i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
}

QFrame* TFirstTimeDlg::createTaskPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    // A groove: lowered outside, raised inside.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setGeometry(8, 140, 301, 217);

    const struct
    {
        const char* button;
        const char* icon;
        const char* tip;
        int top;
        const char* label;
        const char* text;
        QSize labelSize;
        void (TFirstTimeDlg::*handler)();
    } tasks[] = {
        {"PrefsBtn",
         "preferences",
         "Preferences",
         14,
         "Label4",
         "Click this button to set your preferences, including team name and color, startup "
         "options and display options.",
         {193, 45},
         &TFirstTimeDlg::CmPreferences},
        {"PlayersBtn",
         "players",
         "Players",
         84,
         "Label5",
         "Click this button to enter the names of the players on your team.  This list will be "
         "used by other features.",
         {189, 47},
         &TFirstTimeDlg::CmPlayers},
        {"DrillsBtn",
         "drills",
         "Drills",
         154,
         "Label6",
         "Click this button to create your list of drills for defense, offense, and \"other\" "
         "categories.",
         {185, 45},
         &TFirstTimeDlg::CmDrills},
    };
    for (const auto& task : tasks) {
        auto* button = new QPushButton(panel);
        button->setObjectName(QString::fromLatin1(task.button));
        button->setGeometry(16, task.top, 75, 48);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.bmp").arg(QLatin1String(task.icon))));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(QString::fromLatin1(task.tip));
        connect(button, &QPushButton::clicked, this, task.handler);
        m_tabOrder << button;
        addLabel(panel, task.label, QString::fromLatin1(task.text),
                 {QPoint(100, task.top + 2), task.labelSize});
    }
    return panel;
}

void TFirstTimeDlg::CmPreferences()
{
    run(showPreferences);
}

void TFirstTimeDlg::CmPlayers()
{
    run(showPlayers);
}

void TFirstTimeDlg::CmDrills()
{
    run(showDrills);
}

void TFirstTimeDlg::CmClose()
{
    accept();
}

void TFirstTimeDlg::CmHelp()
{
    ShowHelpTopic(HelpTopic);
}
