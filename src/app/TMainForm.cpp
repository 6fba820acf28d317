#include "app/TMainForm.h"

#include "app/FirstPaint.h"
#include "app/MenuShortcuts.h"
#include "app/PlanSubWindow.h"
#include "app/RecentMenu.h"
#include "app/RecoveryAtStart.h"
#include "app/TAboutBox.h"
#include "app/TFirstTimeDlg.h"
#include "drills/DrillWindows.h"
#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"
#include "evaluations/DocumentChooser.h"
#include "evaluations/TGameEvalDlg.h"
#include "evaluations/TScoutReportDlg.h"
#include "evaluations/TextDocumentKind.h"
#include "plans/PlanFile.h"
#include "plans/TPlanDetailDlg.h"
#include "players/TPlayersDlg.h"
#include "practicerun/TPracticeRunWindow.h"
#include "prefs/TPreferencesDlg.h"
#include "recovery/DocumentVersionSetting.h"
#include "report/AppPrinter.h"
#include "report/Printout.h"
#include "settings/GeneralSettings.h"
#include "store/ProfileStore.h"
#include "teams/TTeamDlg.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"
#include "ui/RecentDocuments.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPointer<TMainForm> mainForm;

constexpr int HelpContents = 100;
constexpr int ButtonBarHeight = 40;
constexpr int BannerHeight = 52;
constexpr int ButtonSize = 35;
constexpr int BannerPoints = 24;

TPlanDetailDlg* planOf(QMdiSubWindow* window)
{
    return window ? qobject_cast<TPlanDetailDlg*>(window->widget()) : nullptr;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    mainForm = this;
    SetMainWindow(this);
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Corvanta"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(644, 446 + ButtonBarHeight + BannerHeight);

    m_mdiArea = new QMdiArea;
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    createActions();
    createMenus();
    new MenuShortcuts(this,
                      {m_drills, m_evaluations, m_scouting, m_teams, m_playersList, m_preferences});

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createButtonBar());
    layout->addWidget(createBannerPanel());
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);

    CreateDrillWindowsOnFirstUse(this);
}

TMainForm::~TMainForm()
{
    // Plan windows go with the frame, closed ones still waiting for deletion
    // too; their going must not reach the frame, which is no longer a
    // TMainForm by the time its children are deleted.
    for (QMdiSubWindow* window : m_mdiArea->findChildren<QMdiSubWindow*>())
        window->disconnect(this);
}

TMainForm* TMainForm::instance()
{
    return mainForm;
}

QAction* TMainForm::addAction(const char* name, const QString& text, void (TMainForm::*slot)(),
                              const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    else
        action->setEnabled(false); // its window is not part of this program yet
    return action;
}

void TMainForm::createActions()
{
    m_newPlan = addAction("actionNewPlan", QStringLiteral("&New Plan..."), &TMainForm::CmNewPlan,
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    m_openPlan = addAction("actionOpenPlan", QStringLiteral("&Open Old Plan..."),
                           &TMainForm::CmOpenPlan, QKeySequence(Qt::CTRL | Qt::Key_O));
    m_save = addAction("actionSave", QStringLiteral("&Save"), &TMainForm::Save1Click);
    m_saveAs = addAction("actionSaveAs", QStringLiteral("Save &As..."), &TMainForm::Saveas1Click);
    m_print = addAction("actionPrint", QStringLiteral("&Print..."), &TMainForm::Print1Click);
    m_printPreview =
        addAction("actionPrintPreview", QStringLiteral("Print Pre&view..."),
                  &TMainForm::PrintPreviewClick, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    m_exportPdf =
        addAction("actionExportPdf", QStringLiteral("&Export as PDF..."),
                  &TMainForm::ExportPdfClick, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_printSetup = addAction("actionPrintSetup", QStringLiteral("P&rint Setup..."),
                             &TMainForm::CmPrintSetupClick);
    m_runPractice = addAction("actionRunPractice", QStringLiteral("R&un Practice..."),
                              &TMainForm::CmRunPractice, QKeySequence(Qt::Key_F5));
    m_exit = addAction("actionExit", QStringLiteral("E&xit"), &TMainForm::CmExit,
                       QKeySequence(Qt::ALT | Qt::Key_F4));
    m_drills = addAction("actionDrills", QStringLiteral("&Drills..."), &TMainForm::CmDrills,
                         QKeySequence(Qt::ALT | Qt::Key_D));
    m_evaluations = addAction("actionEvaluations", QStringLiteral("&Evaluations..."),
                              &TMainForm::CmEvaluations, QKeySequence(Qt::ALT | Qt::Key_E));
    m_scouting = addAction("actionScouting", QStringLiteral("&Scouting Reports..."),
                           &TMainForm::CmScouting, QKeySequence(Qt::ALT | Qt::Key_S));
    m_teams = addAction("actionTeams", QStringLiteral("Create &Teams..."), &TMainForm::CmTeams,
                        QKeySequence(Qt::ALT | Qt::Key_T));
    m_playersList = addAction("actionPlayersList", QStringLiteral("P&layers List..."),
                              &TMainForm::CmPlayersList, QKeySequence(Qt::ALT | Qt::Key_L));
    m_preferences = addAction("actionPreferences", QStringLiteral("&Preferences..."),
                              &TMainForm::CmPreferences, QKeySequence(Qt::ALT | Qt::Key_P));
    m_keepPreviousVersion =
        addAction("actionKeepPreviousVersion",
                  QStringLiteral("&Keep Previous Version of Documents"), nullptr);
    m_keepPreviousVersion->setEnabled(true);
    m_keepPreviousVersion->setCheckable(true);
    m_keepPreviousVersion->setChecked(DocumentVersionSetting::isOn());
    connect(m_keepPreviousVersion, &QAction::toggled, this, &DocumentVersionSetting::set);
    m_cascade = addAction("actionCascade", QStringLiteral("&Cascade"), &TMainForm::Cascade1Click);
    m_tile = addAction("actionTile", QStringLiteral("&Tile "), &TMainForm::Tile1Click);
    m_arrangeIcons = addAction("actionArrangeIcons", QStringLiteral("&Arrange Icons"),
                               &TMainForm::ArrangeAll1Click);
    m_help = addAction("actionHelpContents", QStringLiteral("&Contents"), &TMainForm::CmHelp);
    m_about = addAction("actionAbout", QStringLiteral("&About Corvanta..."), &TMainForm::CmAbout);
}

void TMainForm::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(m_newPlan);
    file->addAction(m_openPlan);
    file->addSeparator();
    file->addAction(m_save);
    file->addAction(m_saveAs);
    file->addSeparator();
    file->addAction(m_print);
    file->addAction(m_printPreview);
    file->addAction(m_exportPdf);
    file->addAction(m_printSetup);
    file->addAction(m_runPractice);
    file->addSeparator();
    file->addAction(m_exit);
    new RecentMenu(file, m_exit, QString::fromLatin1(RecentPlans),
                   [this](const QString& path) { OpenPlan(path); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(m_drills);
    edit->addAction(m_evaluations);
    edit->addAction(m_scouting);
    edit->addAction(m_teams);
    edit->addSeparator();
    edit->addAction(m_playersList);
    edit->addAction(m_preferences);
    edit->addAction(m_keepPreviousVersion);
    edit->addSeparator();
    RecentMenu::addSubmenu(edit, GameEvaluationKind.recentMenu, GameEvaluationKind.recentList,
                           [this](const QString& path) { OpenEvaluation(path); });
    RecentMenu::addSubmenu(edit, ScoutingReportKind.recentMenu, ScoutingReportKind.recentList,
                           [this](const QString& path) { OpenScoutingReport(path); });

    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);
    updateWindowMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(m_help);
    help->addSeparator();
    help->addAction(m_about);
}

QToolButton* TMainForm::addButton(QWidget* bar, int left, const QString& icon, const QString& tip,
                                  QAction* command)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(command->objectName() + QStringLiteral("Button"));
    button->setGeometry(left, 2, ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.bmp").arg(icon)));
    button->setIconSize(QSize(28, 28));
    button->setToolTip(tip);
    // The buttons follow whether a command exists, not the menu's plan state.
    button->setEnabled(command->isEnabled());
    connect(button, &QToolButton::clicked, command, &QAction::trigger);
    return button;
}

QWidget* TMainForm::createButtonBar()
{
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("ButtonBar"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setFixedHeight(ButtonBarHeight);
    addButton(bar, 8, QStringLiteral("newplan"), QStringLiteral("New Practice Plan"), m_newPlan);
    addButton(bar, 48, QStringLiteral("openplan"), QStringLiteral("Open a Practice Plan"),
              m_openPlan);
    addButton(bar, 88, QStringLiteral("save"), QStringLiteral("Save Practice Plan"), m_save);
    QToolButton* print = addButton(bar, 128, QStringLiteral("print"),
                                   QStringLiteral("Print Practice Plan"), m_print);
    // Not the button's own actions: those would give it a drop-down arrow.
    print->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(print, &QToolButton::customContextMenuRequested, this, [this, print](QPoint at) {
        QMenu::exec({m_print, m_printPreview, m_exportPdf}, print->mapToGlobal(at), nullptr, print);
    });
    addButton(bar, 240, QStringLiteral("drills"), QStringLiteral("View Drill List"), m_drills);
    addButton(bar, 278, QStringLiteral("evaluations"), QStringLiteral("View Evaluations"),
              m_evaluations);
    addButton(bar, 316, QStringLiteral("scouting"), QStringLiteral("Scouting"), m_scouting);
    addButton(bar, 426, QStringLiteral("players"), QStringLiteral("Players List"), m_playersList);
    addButton(bar, 464, QStringLiteral("teams"), QStringLiteral("Practice Teams"), m_teams);
    addButton(bar, 568, QStringLiteral("preferences"), QStringLiteral("Preferences"),
              m_preferences);
    addButton(bar, 608, QStringLiteral("help"), QStringLiteral("Help"), m_help);
    return bar;
}

QWidget* TMainForm::createBannerPanel()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("BannerPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setFixedHeight(BannerHeight);
    m_teamName = new QLabel;
    m_teamName->setObjectName(QStringLiteral("TeamName"));
    m_teamName->setAlignment(Qt::AlignCenter);
    // The frame's width is never the banner's to set: a name wider than the
    // banner is cut at both edges.
    m_teamName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The face, size and style come with the team's name (RefreshTeamBanner).
    QPalette palette = m_teamName->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_teamName->setPalette(palette);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_teamName);
    return panel;
}

void TMainForm::updateWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction(m_cascade);
    m_windowMenu->addAction(m_tile);
    m_windowMenu->addAction(m_arrangeIcons);
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        const QString number = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QAction* entry = m_windowMenu->addAction(number + window->windowTitle());
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdiArea,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void TMainForm::DisablePlanCommands()
{
    m_save->setEnabled(false);
    m_saveAs->setEnabled(false);
    m_print->setEnabled(false);
    m_printPreview->setEnabled(false);
    m_exportPdf->setEnabled(false);
    m_runPractice->setEnabled(false);
}

void TMainForm::EnablePlanCommands()
{
    m_save->setEnabled(true);
    m_saveAs->setEnabled(true);
    m_print->setEnabled(true);
    m_printPreview->setEnabled(true);
    m_exportPdf->setEnabled(true);
    m_runPractice->setEnabled(true);
}

void TMainForm::RefreshTeamBanner()
{
    LoadTeamBanner(m_teamName, BannerPoints);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The welcome and the recovery question come up over the painted frame,
    // not on an empty screen; without them the banner and the new plan come
    // with the first paint.
    if (Platform::instance().isFirstRun() || RecoveryToOffer())
        FirstPaint::await(*this, [this] { FormShow(); });
    else
        FormShow();
}

void TMainForm::FormShow()
{
    // Cleared first, so the welcome never comes back, even if the program
    // ends while it is open.
    if (Platform::instance().isFirstRun()) {
        Platform::instance().clearFirstRun();
        RunFirstTimeSetup();
    }
    RefreshTeamBanner();
    // Documents recovered after a crash take the place of the new plan.
    const bool recovered = OfferRecovery(*this);
    if (m_autoNewPlan && !recovered && GeneralSettings::readYesNo("AutoNewPlan", true))
        CmNewPlan();
    emit firstShowDone();
}

void TMainForm::CmNewPlan()
{
    EnablePlanCommands();
    auto* plan = new TPlanDetailDlg;
    plan->setFolder(QString());
    plan->setPath(QString());
    plan->setWindowTitle(QStringLiteral("New Plan"));
    PlacePlanWindow(m_mdiArea->addSubWindow(new PlanSubWindow(plan)));
}

void TMainForm::CmOpenPlan()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("Open a Practice Plan");
    request.filter = QStringLiteral("Practice Plan Files (*.pln)");
    request.defaultSuffix = QStringLiteral("pln");
    request.initialFolder = QString::fromStdString(GeneralSettings::readText("Path"));
    request.fileName = QStringLiteral("*.pln");
    const std::optional<QString> chosen = Platform::instance().openFileName(request);
    if (chosen)
        OpenPlan(*chosen);
}

void TMainForm::OpenPlan(const QString& path)
{
    EnablePlanCommands();
    auto* plan = new TPlanDetailDlg(path);
    plan->setFolder(QString::fromStdString(FolderOfPath(path.toStdString())));
    PlacePlanWindow(m_mdiArea->addSubWindow(new PlanSubWindow(plan)));
}

void TMainForm::PlacePlanWindow(QMdiSubWindow* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, [this] {
        const QList<QMdiSubWindow*> remaining = m_mdiArea->subWindowList();
        const bool anyPlan = std::any_of(remaining.begin(), remaining.end(),
                                         [](QMdiSubWindow* w) { return planOf(w) != nullptr; });
        if (!anyPlan)
            DisablePlanCommands();
    });

    const QList<QMdiSubWindow*> order = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    QMdiSubWindow* previous = nullptr;
    for (QMdiSubWindow* other : order) {
        if (other != window && other->isVisible())
            previous = other; // the most recently active one ends up here
    }
    if (!previous || previous->isMaximized())
        window->showMaximized();
    else
        window->showNormal();
    m_mdiArea->setActiveSubWindow(window);
}

void TMainForm::Save1Click()
{
    if (TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow()))
        plan->Save();
}

void TMainForm::Saveas1Click()
{
    if (TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow()))
        plan->SaveAs();
}

void TMainForm::Print1Click()
{
    if (TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow()))
        plan->Print();
}

void TMainForm::PrintPreviewClick()
{
    if (TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow()))
        PreviewPrintout(plan->printout(), this);
}

void TMainForm::ExportPdfClick()
{
    if (TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow()))
        ExportPrintout(plan->printout());
}

void TMainForm::CmPrintSetupClick()
{
    Platform::instance().runPrinterSetup(AppPrinter::printer(), this);
}

// The run gets a copy of the active plan's rows; it reaches the plan window
// only through the link, which knows when that window is gone.
void TMainForm::CmRunPractice()
{
    TPlanDetailDlg* plan = planOf(m_mdiArea->activeSubWindow());
    if (!plan)
        return;
    const QPointer<TPlanDetailDlg> window(plan);
    RunPlanLink link;
    link.rows = [window]() -> std::optional<PlanRows> {
        if (!window)
            return std::nullopt;
        return window->shownEntries();
    };
    link.putMinutes = [window](const std::vector<std::pair<int, int>>& minutes) {
        if (window)
            window->setMinutes(minutes);
    };
    TPracticeRunWindow::open(plan, plan->windowTitle(), plan->shownEntries(), plan->selectedRow(),
                             std::move(link));
}

void TMainForm::CmExit()
{
    close();
}

void TMainForm::CmDrills()
{
    TDrillCat* drillList = TDrillCat::instance(); // made on first use, with the entry dialog
    TDrillEntry::instance()->clearDrillProposal();
    drillList->showModeless();
}

void TMainForm::CmTeams()
{
    if (!m_teamDlg)
        m_teamDlg = new TTeamDlg(this);
    m_teamDlg->showModeless();
}

void TMainForm::CmEvaluations()
{
    if (const std::optional<QString> path = ChooseTextDocument(GameEvaluationKind))
        OpenEvaluation(*path);
}

void TMainForm::CmScouting()
{
    if (const std::optional<QString> path = ChooseTextDocument(ScoutingReportKind))
        OpenScoutingReport(*path);
}

void TMainForm::OpenEvaluation(const QString& path)
{
    if (!m_evaluationDlg)
        m_evaluationDlg = new TGameEvalDlg(this);
    m_evaluationDlg->openDocument(path, QString::fromStdString(FolderOfPath(path.toStdString())));
}

void TMainForm::OpenScoutingReport(const QString& path)
{
    if (!m_scoutingDlg)
        m_scoutingDlg = new TScoutReportDlg(this);
    m_scoutingDlg->openDocument(path, QString::fromStdString(FolderOfPath(path.toStdString())));
}

void TMainForm::RunFirstTimeSetup()
{
    TFirstTimeDlg welcome(this);
    welcome.showPreferences = [this] { CmPreferences(); };
    welcome.showPlayers = [this] { playersDlg()->showModal(); };
    welcome.showDrills = [] {
        TDrillEntry::instance()->clearDrillProposal();
        TDrillCat::instance()->showModal();
    };
    Platform::instance().runModal(welcome);
}

TPlayersDlg* TMainForm::playersDlg()
{
    if (!m_playersDlg)
        m_playersDlg = new TPlayersDlg(this);
    return m_playersDlg;
}

void TMainForm::CmPlayersList()
{
    playersDlg()->showModeless();
}

void TMainForm::CmPreferences()
{
    if (!m_preferencesDlg)
        m_preferencesDlg = new TPreferencesDlg(this);
    m_preferencesDlg->run();
    RefreshTeamBanner();
}

void TMainForm::CmAbout()
{
    if (!m_aboutBox)
        m_aboutBox = new TAboutBox(this);
    m_aboutBox->run();
}

void TMainForm::CmHelp()
{
    ShowHelpTopic(HelpContents);
}

void TMainForm::Cascade1Click()
{
    m_mdiArea->cascadeSubWindows();
}

void TMainForm::Tile1Click()
{
    // One window above the other, each as wide as the frame, above the
    // minimised windows, which stay in sight.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const int width = m_mdiArea->viewport()->width();
    const int height = lineUpIcons() / windows.size();
    for (int i = 0; i < windows.size(); ++i) {
        windows.at(i)->showNormal();
        windows.at(i)->setGeometry(0, i * height, width, height);
    }
}

void TMainForm::ArrangeAll1Click()
{
    lineUpIcons();
}

// Minimised windows line up along the bottom edge, left to right, in rows
// upwards; returns the top of the rows, the bottom edge when there are none.
int TMainForm::lineUpIcons()
{
    const QRect area = m_mdiArea->viewport()->rect();
    int left = 0;
    int bottom = area.bottom() + 1;
    int top = bottom;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (left > 0 && left + size.width() > area.width()) {
            left = 0;
            bottom -= size.height();
        }
        window->move(left, bottom - size.height());
        top = bottom - size.height();
        left += size.width();
    }
    return top;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    CmClose(event);
}

void TMainForm::CmClose(QCloseEvent* event)
{
    const QRect frame = frameGeometry();
    WriteProfileInt(GeneralSettings::File, "Initialization", "X", frame.x(), -1, true);
    WriteProfileInt(GeneralSettings::File, "Initialization", "Y", frame.y(), -1, true);
    WriteProfileInt(GeneralSettings::File, "Initialization", "W", frame.width(), -1, true);
    WriteProfileInt(GeneralSettings::File, "Initialization", "H", frame.height(), -1, true);

    // Least recently active first; a plan whose save was abandoned stays open
    // with its changes, and so does the program.
    const QList<QMdiSubWindow*> windows =
        m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (QMdiSubWindow* window : windows) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    // The program ends with the frame: no other window (the help viewer, a
    // modeless dialog) may keep it running, and each closes as it would by
    // hand, the drill list saving its library.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
