#include "teams/TTeams.h"

#include "report/Printout.h"
#include "report/PrintoutCommands.h"
#include "store/ProfileStore.h"
#include "teams/RowMarks.h"
#include "teams/TeamFillControls.h"
#include "teams/TeamListWidget.h"
#include "teams/TeamMgr.h"
#include "teams/TeamSet.h"
#include "teams/TeamWindowShape.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/SaveFailure.h"
#include "ui/TypingLimit.h"
#include "ui/WindowModes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <stdexcept>

namespace {

constexpr int HelpTopic = 116;
constexpr int MaxTextLength = 255; // longer names cannot come back from the file
constexpr int Margin = 8;
constexpr int PagesTop = 32;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int TeamWidth = 136;
constexpr int EditHeight = 20;
constexpr int TeamGap = 5;
constexpr int ColumnGap = 12;

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

const TeamWindowShape& shapeFor(int playersPerTeam)
{
    const TeamWindowShape* shape = TeamWindowShapeFor(playersPerTeam);
    if (!shape)
        throw std::invalid_argument("no team set for " + std::to_string(playersPerTeam));
    return *shape;
}

QLineEdit* nameField(QWidget* parent, const std::string& name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(qt(name));
    new TypingLimit(field, MaxTextLength);
    return field;
}

} // namespace

TTeams::TTeams(int playersPerTeam, QWidget* owner)
    : QDialog(owner), m_shape(shapeFor(playersPerTeam))
{
    setObjectName(QStringLiteral("Teams%1").arg(playersPerTeam));
    setWindowTitle(QString::fromLatin1(m_shape.caption));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(m_shape.clientWidth, m_shape.clientHeight));
    move(16, 16);
    createControls();
    FormCreate();
}

TTeams::~TTeams() = default;

std::string TTeams::fileName() const
{
    return TeamSetFile::FileName(m_shape.playersPerTeam);
}

void TTeams::createControls()
{
    auto* descLabel = new QLabel(QStringLiteral("Description"), this);
    descLabel->setObjectName(QStringLiteral("DescLbl"));
    descLabel->move(Margin, Margin + 3);
    m_description = nameField(this, "Description");
    const int descLeft = 72;
    m_description->setGeometry(descLeft, Margin,
                               m_shape.clientWidth - descLeft - ButtonWidth - 2 * Margin,
                               EditHeight + 1);

    const int listWidth = m_shape.playersListWidth();
    auto* playersLabel = new QLabel(QStringLiteral("&Players"), this);
    playersLabel->setObjectName(qt(m_shape.playersLabelName()));
    playersLabel->move(Margin, PagesTop + 8);
    auto* reset = new QPushButton(QStringLiteral("R&eset"), this);
    reset->setObjectName(qt(m_shape.resetButtonName()));
    reset->setGeometry(Margin + listWidth - 50, PagesTop + 3, 50, 22);
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &TTeams::ResetBtnClick);

    m_playersList = new TeamListWidget({0, TeamDrop::ListKind::Unassigned}, this);
    m_playersList->setObjectName(qt(m_shape.playersListName()));
    const int listTop = PagesTop + 30;
    m_playersList->setGeometry(Margin, listTop, listWidth, m_shape.clientHeight - listTop - Margin);
    playersLabel->setBuddy(m_playersList);
    m_allLists.push_back(m_playersList);

    createPages();
    createButtons();
}

void TTeams::createButtons()
{
    const struct
    {
        const char* name;
        const char* text;
        void (TTeams::*handler)();
    } buttons[] = {
        {"OkBtn", "OK", &TTeams::OkBtnClick},
        {"CancelBtn", "Cancel", &TTeams::CancelBtnClick},
        {"HelpBtn", "&Help", &TTeams::HelpBtnClick},
        {"PrintBtn", "P&rint", &TTeams::PrintBtnClick},
    };
    int top = PagesTop;
    for (const auto& button : buttons) {
        const QRect place(m_shape.clientWidth - Margin - ButtonWidth, top, ButtonWidth,
                          ButtonHeight);
        AddCommandButton(this, this, button.name, QString::fromLatin1(button.text), place,
                         button.handler)
            ->setAutoDefault(false);
        top += ButtonHeight + 8;
    }
    findChild<QPushButton*>(QStringLiteral("OkBtn"))->setDefault(true);
    AddPrintoutCommands(findChild<QPushButton*>(QStringLiteral("PrintBtn")),
                        [this] { return printout(); });
}

void TTeams::createPages()
{
    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QString::fromLatin1(m_shape.pageControlName));
    // Narrow tabs, so that five of them fit without scrolling.
    m_pageControl->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 5px; border: 1px solid palette(mid); border-bottom: none;"
        " border-top-left-radius: 2px; border-top-right-radius: 2px; margin-right: 1px;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    const int left = 2 * Margin + m_shape.playersListWidth();
    m_pageControl->setGeometry(left, PagesTop,
                               m_shape.clientWidth - left - ButtonWidth - 2 * Margin,
                               m_shape.clientHeight - PagesTop - Margin);

    const int columnWidth = m_shape.rowMarksWidth() + 2 + TeamWidth + ColumnGap;
    const int teamHeight = EditHeight + m_shape.listHeight() + TeamGap;
    for (int tab = 0; tab < m_shape.tabCount(); ++tab) {
        auto* page = new QWidget;
        page->setObjectName(qt(m_shape.tabName(tab)));
        const int count = m_shape.teamsOnTab(tab);
        const bool full = count == m_shape.teamsPerTab();
        for (int i = 0; i < count; ++i) {
            // Top to bottom, left column first; a short last tab uses its first row.
            const int column = full ? i / m_shape.tabRows : i % m_shape.tabColumns;
            const int row = full ? i % m_shape.tabRows : i / m_shape.tabColumns;
            addTeam(page, m_shape.firstTeamOnTab(tab) + i + 1,
                    QPoint(Margin + column * columnWidth, 6 + row * teamHeight));
        }
        m_pageControl->addTab(page, qt(m_shape.tabCaption(tab)));
    }
}

void TTeams::addTeam(QWidget* page, int team, QPoint at)
{
    const int marksWidth = m_shape.rowMarksWidth();
    const int left = at.x() + marksWidth + 2;
    QLineEdit* edit = nameField(page, m_shape.teamEditName(team));
    edit->setGeometry(left, at.y(), TeamWidth, EditHeight);

    auto* list = new TeamListWidget({team, TeamDrop::ListKind::Team}, page);
    list->setObjectName(qt(m_shape.teamListName(team)));
    list->setGeometry(left, at.y() + EditHeight, TeamWidth, m_shape.listHeight());

    QStringList marks;
    for (int row = 0; row <= m_shape.playersPerTeam; ++row)
        marks << qt(m_shape.rowMark(row));
    auto* label = new RowMarks(marks, TeamWindowShape::RowHeight, list->frameWidth(), page);
    label->setObjectName(qt(m_shape.rowMarksName(team)));
    label->setGeometry(at.x(), at.y() + EditHeight, marksWidth, m_shape.listHeight());

    m_teamEdits.push_back(edit);
    m_teamLists.push_back(list);
    m_allLists.push_back(list);
}

void TTeams::FormCreate()
{
    for (TeamListWidget* list : m_allLists) {
        connect(list, &TeamListWidget::dragOver, this, &TTeams::LBDragOver);
        connect(list, &TeamListWidget::dropped, this, &TTeams::LBDragDrop);
    }
    m_teamMgr = std::make_unique<TeamMgr>(m_teamEdits, m_teamLists, m_description,
                                          m_shape.teamCount(), m_shape.playersPerTeam);
    m_teamMgr->LoadPlayers(m_playersList);
    m_teamMgr->LoadTeams(fileName(), m_playersList);
    m_fill =
        new TeamFillControls(*this, *m_teamMgr, m_shape, m_playersList, m_teamEdits, m_teamLists);
}

void TTeams::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TTeams::FormShow()
{
    m_teamMgr->LoadPlayers(m_playersList);
    m_readState.remember(qt(ProfileFilePath(fileName(), true)));
    m_teamMgr->LoadTeams(fileName(), m_playersList);
    m_fill->forget();
    m_pageControl->setCurrentIndex(0);
}

QString TTeams::filePath() const
{
    return qt(ProfileFilePath(fileName(), true));
}

QString TTeams::saveFailedMessage() const
{
    return NotWrittenMessage(filePath(), QStringLiteral("The teams were not saved."));
}

void TTeams::OkBtnClick()
{
    if (!m_readState.mayReplace(qt(ProfileFilePath(fileName(), true))))
        return;
    if (m_teamMgr->SaveTeams(fileName())) {
        done(QDialog::Accepted);
        return;
    }
    ShowError(saveFailedMessage());
    if (CloseWithoutSaving(QStringLiteral("teams")))
        done(QDialog::Rejected);
}

void TTeams::CancelBtnClick()
{
    if (AskConfirm(QStringLiteral("Cancel edit of teams?")))
        done(QDialog::Rejected);
}

void TTeams::reject()
{
    CancelBtnClick();
}

// The close box leaves without saving and without a question.
void TTeams::closeEvent(QCloseEvent* event)
{
    setResult(QDialog::Rejected);
    event->accept();
}

bool TTeams::ResetAndSave()
{
    m_teamMgr->ResetTeams(m_playersList);
    m_fill->forget();
    return m_teamMgr->SaveTeams(fileName());
}

void TTeams::ResetBtnClick()
{
    if (!ResetAndSave())
        ShowError(saveFailedMessage());
}

void TTeams::PrintBtnClick()
{
    m_teamMgr->PrintWithDialog(this);
}

bool TTeams::PrintAll(PrintSeries& series)
{
    return m_teamMgr->PrintIfAny(series);
}

Printout TTeams::printout() const
{
    return m_teamMgr->printout();
}

bool TTeams::holdsPlayers() const
{
    return HasPlacedPlayer(m_teamMgr->fields());
}

void TTeams::HelpBtnClick()
{
    ShowHelpTopic(HelpTopic);
}

TeamListWidget* TTeams::sourceOf(const QMimeData* data) const
{
    return TeamListWidget::sourceOf(data, m_allLists);
}

void TTeams::LBDragOver(TeamListWidget* target, const QMimeData* data, bool& allowed)
{
    allowed = m_teamMgr->CanDrop(target, sourceOf(data));
}

void TTeams::LBDragDrop(TeamListWidget* target, const QMimeData* data)
{
    m_teamMgr->DropPlayers(target, sourceOf(data));
}
