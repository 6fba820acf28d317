#include "players/TPlayersDlg.h"

#include "players/PlayerRatings.h"
#include "players/PlayerRoster.h"
#include "players/PlayersImport.h"
#include "players/PlayersListRules.h"
#include "players/PlayersListWidget.h"
#include "players/RosterFile.h"
#include "players/TImportPlayersDlg.h"
#include "settings/GeneralSettings.h"
#include "store/AtomicFile.h"
#include "store/ProfileStore.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"
#include "ui/SaveFailure.h"
#include "ui/TypingLimit.h"
#include "ui/WindowModes.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* PositionSection = "Players";
constexpr int HelpTopic = 115;

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString rosterPath()
{
    return qt(ProfileFilePath(PlayerRoster::FileName, true));
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

TPlayersDlg::TPlayersDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPlayersDlg"));
    setWindowTitle(QStringLiteral("Players"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(369, 385));
    createControls();
}

TPlayersDlg::~TPlayersDlg() = default;

QListWidget* TPlayersDlg::playersList() const
{
    return m_playersList;
}

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

    m_playersList = new PlayersListWidget(this);
    m_playersList->setObjectName(QStringLiteral("PlayersList"));
    m_playersList->setGeometry(8, 52, 249, 293);

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
        {"ImportBtn", "&Import...", {284, 88, 75, 25}, &TPlayersDlg::CmImport},
        {"ExportBtn", "E&xport...", {284, 120, 75, 25}, &TPlayersDlg::CmExport},
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

    auto* hint = new QLabel(QStringLiteral("Rate the selected player with the keys 1 to 5, "
                                           "or 0 for none."),
                            this);
    hint->setObjectName(QStringLiteral("RatingHintLbl"));
    hint->setWordWrap(true);
    hint->setGeometry(284, 160, 77, 70);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    m_readState.remember(rosterPath());
    const std::vector<std::string> names = PlayerRoster::Read();
    m_playersList->load(names, PlayerRatings::Read(names));
    m_playerName->setFocus();
}

void TPlayersDlg::CmAdd()
{
    const QString name = qt(PlayersListRules::TypedName(m_playerName->text().toStdString()));
    m_playerName->setText(name);
    if (name.isEmpty())
        return;
    m_playersList->addName(name);
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
        m_playersList->addName(typed);
        m_playerName->clear();
    }
    if (!m_readState.mayReplace(rosterPath()))
        return;
    if (!saveList() && !CloseWithoutSaving(QStringLiteral("players list")))
        return;
    accept();
}

// The ratings first: they go with the names the file held until now.
bool TPlayersDlg::saveList()
{
    if (!PlayerRatings::Write(m_playersList->ratedNames(), PlayerRoster::Read())) {
        ShowNotWritten(qt(ProfileFilePath(PlayerRatings::FileName, true)),
                       QStringLiteral("The players list was not saved."));
        return false;
    }
    if (PlayerRoster::Write(m_playersList->names()))
        return true;
    ShowNotWritten(rosterPath(), QStringLiteral("The players list was not saved."));
    return false;
}

QString TPlayersDlg::transferFolder() const
{
    if (!m_transferFolder.isEmpty())
        return m_transferFolder;
    return qt(GeneralSettings::readText("Path"));
}

void TPlayersDlg::keepFolder(const QString& path)
{
    m_transferFolder = QFileInfo(path).absolutePath();
}

void TPlayersDlg::CmImport()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("Import Players");
    request.filter = QStringLiteral("Player Lists (*.csv *.txt);;All Files (*)");
    request.initialFolder = transferFolder();
    const std::optional<QString> path = Platform::instance().openFileName(request);
    if (!path)
        return;
    keepFolder(*path);
    const RosterFile::Rows rows = RosterFile::Load(localPath(*path));
    if (rows.problem != RosterFile::Problem::None) {
        ShowError(qt(PlayersImport::ProblemMessage(rows.problem, path->toStdString())));
        return;
    }
    const PlayersImport::Preview preview =
        PlayersImport::Classify(rows.names, m_playersList->names());
    TImportPlayersDlg dialog(*path, preview, this);
    if (Platform::instance().runModal(dialog) == QDialog::Accepted)
        m_playersList->addNames(preview.added);
}

void TPlayersDlg::CmExport()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("Export Players");
    request.filter = QStringLiteral("CSV Files (*.csv);;Text Files (*.txt)");
    request.initialFolder = transferFolder();
    request.fileName = QStringLiteral("players.csv");
    request.defaultSuffix = QStringLiteral("csv");
    const std::optional<QString> path = Platform::instance().saveFileName(request);
    if (!path)
        return;
    keepFolder(*path);
    const std::string bytes =
        RosterFile::Bytes(m_playersList->names(), RosterFile::FormatFor(path->toStdString()));
    if (!AtomicFile::replace(localPath(*path), bytes))
        ShowNotWritten(*path);
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
