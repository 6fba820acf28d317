#include "FileBytes.h"
#include "ManualClock.h"
#include "ScriptedPlatform.h"
#include "ShowFrame.h"
#include "TempDataDir.h"
#include "WidgetLookup.h"

#include "app/DocumentOpener.h"
#include "app/TMainForm.h"
#include "drills/DrillTreeWidget.h"
#include "drills/TDrillCat.h"
#include "evaluations/TextDocumentDlg.h"
#include "plans/TPlanDetailDlg.h"
#include "practicerun/TPracticeRunWindow.h"
#include "store/ProfileStore.h"
#include "teams/TTeamDlg.h"
#include "ui/HelpWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <QtTest>

namespace {

QAction* action(TMainForm& form, const QString& name)
{
    return form.findChild<QAction*>(name);
}

void writePrefs(const QByteArray& bytes)
{
    QFile file(QString::fromStdString(DataDir()) + QStringLiteral("prefs.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString writePlan(const TempDataDir& data, const QString& name)
{
    const QString path = data.document(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Main]\r\nDate=1/2/2026\r\nPracticeTime=3:30\r\n");
    return path;
}

// The coach types into a plan's defensive emphasis, which changes the plan.
void editPlan(QMdiSubWindow* window)
{
    window->mdiArea()->setActiveSubWindow(window);
    auto* field = window->widget()->findChild<QLineEdit*>(QStringLiteral("DefEmphasis"));
    QVERIFY(field);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("Help side"));
    QTRY_VERIFY(qobject_cast<TPlanDetailDlg*>(window->widget())->isChanged());
}

// New plans, then every plan window, oldest first.
QList<QMdiSubWindow*> newPlans(TMainForm& form, int count)
{
    for (int i = 0; i < count; ++i)
        action(form, QStringLiteral("actionNewPlan"))->trigger();
    return form.mdiArea()->subWindowList();
}

// The menu up to date: its items as one line ("-" a separator), those of the
// File menu from the group after Print Setup's on, and each by its text.
QString itemsOf(QMenu* menu, QHash<QString, QAction*>* byText = nullptr)
{
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* item : menu->actions()) {
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        if (byText)
            byText->insert(item->text(), item);
    }
    const qsizetype setup = items.indexOf("P&rint Setup...");
    return items.mid(setup < 0 ? 0 : items.indexOf("-", setup) + 1).join(QLatin1Char(','));
}

QString readPrefs()
{
    QFile file(QString::fromStdString(DataDir()) + QStringLiteral("prefs.db"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

class tst_TMainForm : public QObject
{
    Q_OBJECT

private slots:
    void menu_data();
    void menu();
    void menuOrder();
    void buttonBar_data();
    void buttonBar();
    void pictures_data();
    void pictures();
    void autoNewPlan_data();
    void autoNewPlan();
    void badPrefsStillStart_data();
    void badPrefsStillStart();
    void placesPlanLikeThePreviousOne();
    void lastPlanClosedDisablesPlanCommands();
    void commandsWithoutPlanDoNothing();
    void closingWritesGeometry();
    void helpOpensContents();
    void teamsSelectorMadeOnceOnFirstUse();
    void printSetupRunsPrinterSetup();
    void teamBannerAt24Points_data();
    void teamBannerAt24Points();
    void windowMenuListsPlans();
    void openPlanStartsInPathFolder();
    void recentDocuments();
    void exitAsksEachChangedPlanLeastRecentFirst();
    void exitStopsWhenASaveIsAbandoned();
    void documentCommands_data();
    void documentCommands();
    void exitClosesHelpAndDrillList();
    void menuShortcutsComeFirst_data();
    void menuShortcutsComeFirst();
    void planWindowsKeepTheirSize_data();
    void planWindowsKeepTheirSize();
    void minimisedWindows_data();
    void minimisedWindows();
    void runPractice_data();
    void runPractice();
};

void tst_TMainForm::menu_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("new plan") << "actionNewPlan"
                              << "&New Plan..." << QKeySequence("Ctrl+N") << true;
    QTest::newRow("open plan") << "actionOpenPlan"
                               << "&Open Old Plan..." << QKeySequence("Ctrl+O") << true;
    QTest::newRow("save") << "actionSave"
                          << "&Save" << QKeySequence() << true;
    QTest::newRow("save as") << "actionSaveAs"
                             << "Save &As..." << QKeySequence() << true;
    QTest::newRow("print") << "actionPrint"
                           << "&Print..." << QKeySequence() << true;
    QTest::newRow("print setup") << "actionPrintSetup"
                                 << "P&rint Setup..." << QKeySequence() << true;
    QTest::newRow("run practice") << "actionRunPractice"
                                  << "R&un Practice..." << QKeySequence("F5") << true;
    QTest::newRow("exit") << "actionExit"
                          << "E&xit" << QKeySequence("Alt+F4") << true;
    QTest::newRow("drills") << "actionDrills"
                            << "&Drills..." << QKeySequence("Alt+D") << true;
    QTest::newRow("evaluations") << "actionEvaluations"
                                 << "&Evaluations..." << QKeySequence("Alt+E") << true;
    QTest::newRow("scouting") << "actionScouting"
                              << "&Scouting Reports..." << QKeySequence("Alt+S") << true;
    QTest::newRow("teams") << "actionTeams"
                           << "Create &Teams..." << QKeySequence("Alt+T") << true;
    QTest::newRow("players") << "actionPlayersList"
                             << "P&layers List..." << QKeySequence("Alt+L") << true;
    QTest::newRow("preferences") << "actionPreferences"
                                 << "&Preferences..." << QKeySequence("Alt+P") << true;
    QTest::newRow("cascade") << "actionCascade"
                             << "&Cascade" << QKeySequence() << true;
    QTest::newRow("tile, with its trailing blank") << "actionTile"
                                                   << "&Tile " << QKeySequence() << true;
    QTest::newRow("arrange icons") << "actionArrangeIcons"
                                   << "&Arrange Icons" << QKeySequence() << true;
    QTest::newRow("help contents") << "actionHelpContents"
                                   << "&Contents" << QKeySequence() << true;
    QTest::newRow("about") << "actionAbout"
                           << "&About Corvanta..." << QKeySequence() << true;
}

void tst_TMainForm::menu()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);

    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QAction* command = action(form, name);
    QVERIFY(command);
    QCOMPARE(command->text(), text);
    QCOMPARE(command->shortcut(), shortcut);
    QCOMPARE(command->isEnabled(), enabled);
    QCOMPARE(form.windowTitle(), QStringLiteral("Corvanta"));
}

void tst_TMainForm::menuOrder()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QStringList titles;
    QStringList items;
    for (QAction* menu : form.menuBar()->actions()) {
        titles << menu->text();
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        items << QStringLiteral("|");
    }
    QCOMPARE(titles, QStringList({"&File", "&Edit", "&Window", "&Help"}));
    QCOMPARE(items.join(QLatin1Char(',')),
             QStringLiteral(
                 "&New Plan...,&Open Old Plan...,-,&Save,Save &As...,-,&Print...,"
                 "Print Pre&view...,&Export as PDF...,P&rint Setup...,R&un Practice...,-,E&xit,|,"
                 "&Drills...,&Evaluations...,&Scouting Reports...,Create &Teams...,-,"
                 "P&layers List...,&Preferences...,&Keep Previous Version of Documents,-,"
                 "Recent E&valuations,Recent Sc&outing Reports,|,&Cascade,&Tile ,"
                 "&Arrange Icons,|,&Contents,-,&About Corvanta...,|"));
}

void tst_TMainForm::buttonBar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("tip");

    QTest::newRow("new") << "actionNewPlanButton" << 8 << "New Practice Plan";
    QTest::newRow("open") << "actionOpenPlanButton" << 48 << "Open a Practice Plan";
    QTest::newRow("save") << "actionSaveButton" << 88 << "Save Practice Plan";
    QTest::newRow("print") << "actionPrintButton" << 128 << "Print Practice Plan";
    QTest::newRow("drills") << "actionDrillsButton" << 240 << "View Drill List";
    QTest::newRow("evaluations") << "actionEvaluationsButton" << 278 << "View Evaluations";
    QTest::newRow("scouting") << "actionScoutingButton" << 316 << "Scouting";
    QTest::newRow("players") << "actionPlayersListButton" << 426 << "Players List";
    QTest::newRow("teams") << "actionTeamsButton" << 464 << "Practice Teams";
    QTest::newRow("preferences") << "actionPreferencesButton" << 568 << "Preferences";
    QTest::newRow("help") << "actionHelpContentsButton" << 608 << "Help";
}

void tst_TMainForm::buttonBar()
{
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(QString, tip);

    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    auto* button = form.findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->geometry(), QRect(left, 2, 35, 35));
    QCOMPARE(button->toolTip(), tip);
    QVERIFY(button->autoRaise());
    QCOMPARE(button->icon().availableSizes(), QList<QSize>{QSize(28, 28)});
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("ButtonBar"));
    QCOMPARE(button->parentWidget()->findChildren<QToolButton*>().size(), 11);
}

void tst_TMainForm::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");

    for (const char* name : {"newplan", "openplan", "save", "print", "drills", "evaluations",
                             "scouting", "players", "teams", "preferences", "help"})
        QTest::newRow(name) << QStringLiteral(":/icons/%1.bmp").arg(QLatin1String(name)) << 28;
    QTest::newRow("program") << ":/icons/corvanta.bmp" << 64;
    QTest::newRow("plan insert") << ":/plans/icons/insert.bmp" << 16;
    QTest::newRow("plan delete") << ":/plans/icons/delete.bmp" << 16;
    QTest::newRow("drill category") << ":/drills/icons/folder.bmp" << 16;
}

// Every picture is built in at the size it is shown and see-through around
// its drawing: one that lost its alpha would show as a dark square.
void tst_TMainForm::pictures()
{
    QFETCH(QString, path);
    QFETCH(int, size);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(qAlpha(image.pixel(0, 0)) < 128);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void tst_TMainForm::autoNewPlan_data()
{
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<int>("plans");

    QTest::newRow("missing") << QByteArray() << 1;
    QTest::newRow("lower case true") << QByteArray("[General]\r\nAutoNewPlan=true\r\n") << 1;
    QTest::newRow("FALSE") << QByteArray("[General]\r\nAutoNewPlan=FALSE\r\n") << 0;
    QTest::newRow("Yes counts as no") << QByteArray("[General]\r\nAutoNewPlan=Yes\r\n") << 0;
}

void tst_TMainForm::autoNewPlan()
{
    QFETCH(QByteArray, prefs);
    QFETCH(int, plans);

    TempDataDir data;
    if (!prefs.isEmpty())
        writePrefs(prefs);
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    const QList<QMdiSubWindow*> windows = form.mdiArea()->subWindowList();
    QCOMPARE(windows.size(), plans);
    if (plans == 1) {
        QVERIFY(windows.first()->isMaximized());
        QCOMPARE(windows.first()->widget()->windowTitle(), QStringLiteral("New Plan"));
    }
    QVERIFY(platform.shown.isEmpty());
}

void tst_TMainForm::badPrefsStillStart_data()
{
    QTest::addColumn<QByteArray>("prefs");
    QByteArray random(64 * 1024, '\0');
    QRandomGenerator generator(42);
    for (char& byte : random)
        byte = static_cast<char>(generator.bounded(256));
    QTest::newRow("random bytes") << random;
    QTest::newRow("one enormous line") << QByteArray(8 * 1024 * 1024, 'x');
    QTest::newRow("no sections") << QByteArray("AutoNewPlan=FALSE\r\nTeamName=Nobody\r\n");
    QTest::newRow("section without end") << QByteArray("[General\r\nTeamName=X\r\n");
}

void tst_TMainForm::badPrefsStillStart()
{
    QFETCH(QByteArray, prefs);
    TempDataDir data;
    writePrefs(prefs);
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QCOMPARE(form.mdiArea()->subWindowList().size(), 1); // the default: a new plan
    QCOMPARE(form.teamBanner()->text(), QString());
    QVERIFY(platform.shown.isEmpty());
}

void tst_TMainForm::placesPlanLikeThePreviousOne()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    form.resize(900, 700);
    QVERIFY(ShowFrame(form));
    QMdiSubWindow* first = form.mdiArea()->subWindowList().constFirst();
    QVERIFY(first->isMaximized());

    action(form, QStringLiteral("actionNewPlan"))->trigger();
    QMdiSubWindow* second = form.mdiArea()->activeSubWindow();
    QVERIFY(second != first);
    QVERIFY(second->isMaximized());

    second->showNormal();
    action(form, QStringLiteral("actionNewPlan"))->trigger();
    QMdiSubWindow* third = form.mdiArea()->activeSubWindow();
    QVERIFY(third != second);
    QVERIFY(!third->isMaximized());
}

void tst_TMainForm::lastPlanClosedDisablesPlanCommands()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QAction* save = action(form, QStringLiteral("actionSave"));
    QAction* saveAs = action(form, QStringLiteral("actionSaveAs"));
    QAction* print = action(form, QStringLiteral("actionPrint"));
    QAction* preview = action(form, QStringLiteral("actionPrintPreview"));
    QAction* exportPdf = action(form, QStringLiteral("actionExportPdf"));
    QAction* runPractice = action(form, QStringLiteral("actionRunPractice"));
    QVERIFY(save->isEnabled());

    form.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(form.mdiArea()->subWindowList().isEmpty());
    QTRY_VERIFY(!save->isEnabled());
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!print->isEnabled());
    QVERIFY(!preview->isEnabled() && !exportPdf->isEnabled() && !runPractice->isEnabled());
    // The buttons never follow the menu's plan state.
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("actionSaveButton"))->isEnabled());
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("actionPrintButton"))->isEnabled());

    action(form, QStringLiteral("actionNewPlan"))->trigger();
    QVERIFY(save->isEnabled() && saveAs->isEnabled() && print->isEnabled());
    QVERIFY(preview->isEnabled() && exportPdf->isEnabled() && runPractice->isEnabled());
}

void tst_TMainForm::commandsWithoutPlanDoNothing()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    action(form, QStringLiteral("actionSaveAs"))->trigger();
    action(form, QStringLiteral("actionSave"))->trigger();
    action(form, QStringLiteral("actionPrint"))->trigger();
    action(form, QStringLiteral("actionPrintPreview"))->trigger();
    action(form, QStringLiteral("actionExportPdf"))->trigger();
    QVERIFY(platform.shown.isEmpty());
}

void tst_TMainForm::closingWritesGeometry()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    const QRect frame = form.frameGeometry();
    QVERIFY(form.close());
    QCOMPARE(readPrefs(),
             QStringLiteral("[General]\r\nAutoNewPlan=FALSE\r\n[Initialization]\r\nX=%1\r\nY=%2\r\n"
                            "W=%3\r\nH=%4\r\n")
                 .arg(frame.x())
                 .arg(frame.y())
                 .arg(frame.width())
                 .arg(frame.height()));
}

void tst_TMainForm::helpOpensContents()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    form.findChild<QToolButton*>(QStringLiteral("actionHelpContentsButton"))->click();
    action(form, QStringLiteral("actionHelpContents"))->trigger();
    QCOMPARE(platform.helpTopics, QList<int>({100, 100}));
}

void tst_TMainForm::teamsSelectorMadeOnceOnFirstUse()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(form.findChildren<TTeamDlg*>().isEmpty());
    action(form, QStringLiteral("actionTeams"))->trigger();
    QCOMPARE(form.findChildren<TTeamDlg*>().size(), 1);
    TTeamDlg* selector = form.findChild<TTeamDlg*>();
    QVERIFY(selector->isVisible());
    QVERIFY(!selector->isModal());
    selector->playerCbo()->setEditText(QStringLiteral("4"));
    // Shown again while open: brought forward, the entry kept.
    form.findChild<QToolButton*>(QStringLiteral("actionTeamsButton"))->click();
    QCOMPARE(form.findChildren<TTeamDlg*>().size(), 1);
    QCOMPARE(selector->playerCbo()->currentText(), QStringLiteral("4"));
    selector->hide();
}

void tst_TMainForm::printSetupRunsPrinterSetup()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    platform.cancelDialog();
    action(form, QStringLiteral("actionPrintSetup"))->trigger();
    QCOMPARE(platform.shown.size(), 1);
    QCOMPARE(platform.shown.first().kind, QStringLiteral("printerSetup"));
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TMainForm::teamBannerAt24Points_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a short name") << "Eagles";
    QTest::newRow("a name wider than the frame: cut, the frame keeps its width")
        << QStringLiteral("Northside Community Basketball Association Senior Varsity Squad ")
               .repeated(3)
               .trimmed();
}

void tst_TMainForm::teamBannerAt24Points()
{
    QFETCH(QString, name);
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\nTeamName=" + name.toLatin1() + "\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QCOMPARE(form.teamBanner()->text(), QString());
    QVERIFY(ShowFrame(form));
    QCOMPARE(form.teamBanner()->text(), name);
    QCOMPARE(form.teamBanner()->font().pointSize(), 24);
    QVERIFY(form.minimumSizeHint().width() < form.width());
}

void tst_TMainForm::windowMenuListsPlans()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    newPlans(form, 10);
    QMenu* windowMenu = form.menuBar()->actions().at(2)->menu();
    emit windowMenu->aboutToShow();
    QStringList items;
    for (QAction* item : windowMenu->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    // Only the first nine windows have a number to type.
    QStringList expected{"&Cascade", "&Tile ", "&Arrange Icons", "-"};
    for (int number = 1; number <= 9; ++number)
        expected << QStringLiteral("&%1 New Plan").arg(number);
    QCOMPARE(items, expected + QStringList({"New Plan", "New Plan"}));
    QVERIFY(windowMenu->actions().last()->isChecked());
}

void tst_TMainForm::openPlanStartsInPathFolder()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\nPath=" + data.folder().toUtf8() + "\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    platform.cancelDialog();
    action(form, QStringLiteral("actionOpenPlan"))->trigger();
    QVERIFY(form.mdiArea()->subWindowList().isEmpty());

    platform.chooseFile(writePlan(data, QStringLiteral("MONDAY.pln")));
    action(form, QStringLiteral("actionOpenPlan"))->trigger();
    QCOMPARE(platform.fileRequests.size(), 2);
    const Platform::FileRequest request = platform.fileRequests.last();
    QCOMPARE(request.title, QStringLiteral("Open a Practice Plan"));
    QCOMPARE(request.filter, QStringLiteral("Practice Plan Files (*.pln)"));
    QCOMPARE(request.initialFolder, data.folder());
    QCOMPARE(request.fileName, QStringLiteral("*.pln"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pln"));

    const QList<QMdiSubWindow*> windows = form.mdiArea()->subWindowList();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->widget()->windowTitle(), QStringLiteral("MONDAY.pln"));
    QVERIFY(windows.first()->isMaximized());
    QVERIFY(platform.unanswered().isEmpty());
}

// Plans above Exit, evaluations and scouting reports in Edit submenus: what
// was loaded from its file or saved counts, however it was opened.
void tst_TMainForm::recentDocuments()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QMenu* file = form.menuBar()->actions().at(0)->menu();
    QMenu* edit = form.menuBar()->actions().at(1)->menu();
    QHash<QString, QAction*> items;
    itemsOf(edit, &items);
    QMenu* evaluations = items.value("Recent E&valuations")->menu();
    QVERIFY(!evaluations->menuAction()->isEnabled());

    const QStringList paths{writePlan(data, "A.pln"), writePlan(data, "C&D.pln"),
                            writePlan(data, "Game.gev"), data.document("new.gev")};
    OpenDocuments(form, paths); // as from the command line; new.gev is no file yet
    action(form, "actionNewPlan")->trigger();
    platform.chooseFile(data.document("F.pln"));
    qobject_cast<TPlanDetailDlg*>(form.mdiArea()->activeSubWindow()->widget())->SaveAs();
    QCOMPARE(itemsOf(file, &items), "&1 F.pln,&2 C&&D.pln,&3 A.pln,-,&Clear Recent,-,E&xit");
    QCOMPARE(items.value("&3 A.pln")->statusTip(), paths[0]);
    itemsOf(edit);
    QVERIFY(evaluations->menuAction()->isEnabled());
    QCOMPARE(itemsOf(evaluations, &items), "&1 Game.gev,-,&Clear Recent");

    // Chosen while there: opened and moved up; chosen once deleted: said and taken off.
    form.findChild<TextDocumentDlg*>()->close();
    items.value("&1 Game.gev")->trigger();
    QCOMPARE(form.findChild<TextDocumentDlg*>()->documentPath(), paths[2]);
    QFile::remove(paths[1]);
    items.value("&2 C&&D.pln")->trigger();
    items.value("&3 A.pln")->trigger();
    QCOMPARE(platform.messages(), QStringList{paths[1] + " no longer exists."});
    QCOMPARE(form.mdiArea()->subWindowList().size(), 4); // A.pln a second time
    QCOMPARE(itemsOf(file, &items), "&1 A.pln,&2 F.pln,-,&Clear Recent,-,E&xit");
    items.value("&Clear Recent")->trigger();
    QCOMPARE(itemsOf(file), "E&xit");
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TMainForm::exitAsksEachChangedPlanLeastRecentFirst()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QApplication::setActiveWindow(&form);
    platform.chooseFile(writePlan(data, QStringLiteral("A.pln")));
    action(form, QStringLiteral("actionOpenPlan"))->trigger();
    platform.chooseFile(writePlan(data, QStringLiteral("B.pln")));
    action(form, QStringLiteral("actionOpenPlan"))->trigger();
    const QList<QMdiSubWindow*> windows = form.mdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    editPlan(windows.at(1)); // B
    editPlan(windows.at(0)); // A, now the most recently active

    platform.answerNo();
    platform.answerNo();
    QVERIFY(form.close());
    QCOMPARE(platform.messages(),
             QStringList({"Save changes to B.pln?", "Save changes to A.pln?"}));
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TMainForm::exitStopsWhenASaveIsAbandoned()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QApplication::setActiveWindow(&form);
    QMdiSubWindow* plan = form.mdiArea()->subWindowList().constFirst();
    editPlan(plan);

    platform.answerYes();    // save the changes...
    platform.cancelDialog(); // ...but cancel the Save As dialog
    QVERIFY(!form.close());
    QCOMPARE(platform.messages(), QStringList({"Save changes to New Plan?"}));
    QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
    QVERIFY(qobject_cast<TPlanDetailDlg*>(plan->widget())->isChanged());
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TMainForm::documentCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("dialog"); // title, filter, file name
    QTest::addColumn<QString>("key");

    QTest::newRow("evaluations") << "actionEvaluations"
                                 << QStringList{"Open Game Evaluation", "Game Evaluations (*.gev)",
                                                "*.gev"}
                                 << "SPath";
    QTest::newRow("scouting reports")
        << "actionScouting"
        << QStringList{"Open Scouting Report", "Scouting Reports (*.rep)", "*.rep"} << "EPath";
}

// Cancelled: nothing written, no window made. Chosen (a new name): the folder
// remembered for the next run, the one window shown with the path.
void tst_TMainForm::documentCommands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, dialog);
    QFETCH(QString, key);

    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    platform.cancelDialog();
    action(form, command)->trigger();
    QVERIFY(!readPrefs().contains(key));
    QVERIFY(form.findChildren<TextDocumentDlg*>().isEmpty());

    const QString path = data.document(QStringLiteral("NEW") + dialog[2].mid(1));
    for (int run = 0; run < 2; ++run) {
        platform.chooseFile(path);
        action(form, command)->trigger();
        const Platform::FileRequest request = platform.fileRequests.last();
        QCOMPARE(QStringList({request.title, request.filter, request.fileName}), dialog);
        QCOMPARE(request.initialFolder, run == 0 ? QString() : data.folder());
        QVERIFY(readPrefs().contains(key + "=" + data.folder()));
        const QList<TextDocumentDlg*> windows = form.findChildren<TextDocumentDlg*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first()->isVisible() && !windows.first()->isModal());
        QCOMPARE(windows.first()->documentPath(), path);
        QCOMPARE(windows.first()->documentFolder(), data.folder());
        windows.first()->close();
    }
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_TMainForm::exitClosesHelpAndDrillList()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    action(form, QStringLiteral("actionDrills"))->trigger();
    HelpWindow::showTopic(100);
    action(form, QStringLiteral("actionExit"))->trigger();
    // Nothing is left to keep the program running, and the library is saved.
    QStringList open;
    for (QWidget* window : QApplication::topLevelWidgets())
        open << (window->isVisible() ? window->windowTitle() : QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(open.join(QString()), QString());
    QVERIFY(QFile::exists(data.file(QStringLiteral("drills.db"))));
}

void tst_TMainForm::menuShortcutsComeFirst_data()
{
    QTest::addColumn<int>("where"); // in a plan, in the drill list beside it, or modal
    QTest::addColumn<char>("key");  // with Alt
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("letterOf"); // the control with the same access letter

    QTest::newRow("plan, Drills") << 0 << 'D' << true << "DefEmphasis";
    QTest::newRow("plan, Teams") << 0 << 'T' << true << "PracticeDate";
    QTest::newRow("plan, Evaluations") << 0 << 'E' << true << "";
    QTest::newRow("plan, disabled Drills") << 0 << 'D' << false << "DefEmphasis";
    QTest::newRow("drill list, Drills") << 1 << 'D' << true << "";
    QTest::newRow("drill list, Evaluations") << 1 << 'E' << true << "EditBtn";
    QTest::newRow("drill list, Players List") << 1 << 'L' << true << "DeleteBtn";
    QTest::newRow("drill list, disabled Evaluations") << 1 << 'E' << false << "EditBtn";
    QTest::newRow("drill list, disabled Preferences") << 1 << 'P' << false << "PrintBtn";
    QTest::newRow("modal drill list, Evaluations") << 2 << 'E' << true << "EditBtn";
}

void tst_TMainForm::menuShortcutsComeFirst()
{
    QFETCH(int, where);
    QFETCH(char, key);
    QFETCH(bool, enabled);
    QFETCH(QString, letterOf);

    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QWidget* plan = form.mdiArea()->subWindowList().constFirst()->widget();
    QWidget* window = where == 0 ? plan : TDrillCat::instance();
    QAction* command = nullptr;
    for (QAction* each : form.findChildren<QAction*>())
        command = each->shortcut() == QKeySequence(Qt::ALT | key) ? each : command;
    command->setEnabled(enabled);
    const auto press = [&] {
        QSignalSpy triggered(command, &QAction::triggered);
        QApplication::setActiveWindow(window->window());
        QWidget* start = where == 0 ? plan->findChild<QWidget*>(QStringLiteral("Announcements"))
                                    : TDrillCat::instance()->treeView();
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(start, Qt::Key(key), Qt::AltModifier);
        // The menu's command, unless held back; else a label focuses its field, a
        // button is pressed.
        const bool menuFirst = enabled && where != 2;
        QCOMPARE(triggered.size(), menuFirst ? 1 : 0);
        if (QWidget* letter = window->findChild<QWidget*>(letterOf); !letterOf.isEmpty()) {
            auto* button = qobject_cast<QAbstractButton*>(letter);
            QCOMPARE(button ? button->isDown() : letter->hasFocus(), !menuFirst);
        }
    };
    if (where == 2) {
        platform.runDialog([&press](QDialog& dialog) { press(), dialog.reject(); });
        TDrillCat::instance()->showModal();
    } else {
        action(form, QStringLiteral("actionDrills"))->trigger();
        press();
    }
    platform.runDialog([](QDialog& dialog) { dialog.reject(); }); // Edit's entry dialog
}

void tst_TMainForm::planWindowsKeepTheirSize_data()
{
    QTest::addColumn<int>("plans");
    QTest::addColumn<bool>("cascade");  // else the active plan is restored from maximised
    QTest::addColumn<bool>("cascaded"); // cascaded and maximised again before

    QTest::newRow("cascade of three maximised plans") << 3 << true << false;
    QTest::newRow("cascade of one maximised plan") << 1 << true << false;
    QTest::newRow("restoring the first plan") << 1 << false << false;
    QTest::newRow("restoring after a cascade") << 3 << false << true;
}

void tst_TMainForm::planWindowsKeepTheirSize()
{
    QFETCH(int, plans);
    QFETCH(bool, cascade);
    QFETCH(bool, cascaded);

    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    form.resize(1000, 900);
    QVERIFY(ShowFrame(form));
    const QList<QMdiSubWindow*> windows = newPlans(form, plans - 1);
    QAction* cascadeCommand = action(form, QStringLiteral("actionCascade"));
    if (cascaded) {
        cascadeCommand->trigger();
        windows.constLast()->showMaximized();
    }
    cascade ? cascadeCommand->trigger() : windows.constLast()->showNormal();
    for (QMdiSubWindow* window : cascade ? windows : windows.mid(plans - 1))
        QCOMPARE(window->frameGeometry().size(), QSize(652, 492));
}

void tst_TMainForm::minimisedWindows_data()
{
    QTest::addColumn<int>("minimised");
    QTest::addColumn<int>("perRow"); // icons that fit across the frame
    QTest::addColumn<int>("normal"); // plans tiled after the icons are arranged

    QTest::newRow("one row") << 3 << 4 << 1;
    QTest::newRow("exactly one full row") << 4 << 4 << 0;
    QTest::newRow("two rows") << 5 << 2 << 2;
    QTest::newRow("one icon per row") << 3 << 1 << 0;
}

void tst_TMainForm::minimisedWindows()
{
    QFETCH(int, minimised);
    QFETCH(int, perRow);
    QFETCH(int, normal);

    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    const QList<QMdiSubWindow*> windows = newPlans(form, minimised + normal);
    for (int i = 0; i < minimised; ++i) {
        form.mdiArea()->setActiveSubWindow(windows.at(i)); // its own minimise button
        windows.at(i)->showMinimized();
        windows.at(i)->move(10 * i, 20 * i); // then dragged about
    }
    const QSize icon = windows.constFirst()->size();
    form.resize(form.width() - form.mdiArea()->width() + (perRow * 2 + 1) * icon.width() / 2, 700);
    QCoreApplication::processEvents();
    const QSize area = form.mdiArea()->viewport()->size();

    // Left to right along the bottom edge, further rows above the first.
    action(form, QStringLiteral("actionArrangeIcons"))->trigger();
    QList<QRect> icons;
    for (int i = 0; i < minimised; ++i)
        icons << QRect(
            QPoint(i % perRow * icon.width(), area.height() - (i / perRow + 1) * icon.height()),
            icon);
    // Tiling stacks the other windows across the whole width, above the icons.
    action(form, QStringLiteral("actionTile"))->trigger();
    const int height =
        (area.height() - (minimised + perRow - 1) / perRow * icon.height()) / std::max(normal, 1);
    for (int i = 0; i < minimised + normal; ++i) {
        const int tile = i - minimised;
        const QRect expected =
            tile < 0 ? icons.at(i) : QRect(0, tile * height, area.width(), height);
        QCOMPARE(windows.at(i)->geometry(), expected);
        QCOMPARE(windows.at(i)->isMinimized(), tile < 0);
    }
}

QTEST_MAIN(tst_TMainForm)
#include "tst_TMainForm.moc"

void tst_TMainForm::runPractice_data()
{
    QTest::addColumn<bool>("closePlan");
    QTest::newRow("the plan open") << false;
    QTest::newRow("the plan closed meanwhile") << true;
}

// The run starts at the selected row with the minutes still being typed in
// it, keeps its copy while the plan changes, and puts the minutes counted
// back into the plan window while it is open.
void tst_TMainForm::runPractice()
{
    QFETCH(bool, closePlan);

    TempDataDir data;
    QTemporaryDir settings;
    const QByteArray previous = qgetenv("CORVANTA_SETTINGS");
    const auto restore = qScopeGuard([&previous] { qputenv("CORVANTA_SETTINGS", previous); });
    qputenv("CORVANTA_SETTINGS", settings.filePath(QStringLiteral("run.ini")).toLocal8Bit());
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    const QString path = data.document(QStringLiteral("RUN.pln"));
    QVERIFY(writeFile(path,
                      "[Main]\r\nPracticeTime=3:30\r\nMinutes0=10\r\nDrill0=Shell Drill\r\n"
                      "Minutes1=0\r\nDrill1=Water\r\nMinutes2=8\r\nDrill2=Passing Lines\r\n"));
    ScriptedPlatform platform;
    ManualClock clock;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    form.OpenPlan(path);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QMdiSubWindow* window = form.mdiArea()->activeSubWindow();
    auto* plan = qobject_cast<TPlanDetailDlg*>(window->widget());
    auto* rows = control<QListWidget>(*plan, "ActivityList");
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(rows->item(1)).center());
    auto* minutes = control<QLineEdit>(*plan, "Minutes");
    QTRY_VERIFY(minutes->hasFocus());
    QTest::keyClicks(minutes, QStringLiteral("4"));

    action(form, QStringLiteral("actionRunPractice"))->trigger();
    TPracticeRunWindow* run = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        run = run ? run : qobject_cast<TPracticeRunWindow*>(top);
    QVERIFY(run);
    const auto release = qScopeGuard([run] { delete run; });
    QCOMPARE(run->windowTitle(), QStringLiteral("Practice Run - RUN.pln"));
    QCOMPARE(run->run().schedule().front().activity, std::string("Water"));
    QCOMPARE(run->run().schedule().front().timeSpan, std::string("3:40 - 3:44"));
    QCOMPARE(run->run().schedule().size(), std::size_t(2));

    QTest::keyClicks(minutes, QStringLiteral("0")); // 40 minutes: the run keeps 4
    control<QAction>(*run, "actionStartPause")->trigger();
    clock.advance(std::chrono::minutes(6));
    run->updateNow();
    control<QAction>(*run, "actionNext")->trigger();
    QCOMPARE(run->run().state(), PracticeRun::State::Over);

    if (closePlan) {
        platform.answerNo(); // not saved
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        platform.answerYes(); // the plan changed since the start
    }
    QTest::mouseClick(control<QPushButton>(*run, "PutMinutesBtn"), Qt::LeftButton);
    if (closePlan) {
        QCOMPARE(platform.messages().last(),
                 QStringLiteral("The plan RUN.pln has been closed, so the actual minutes cannot "
                                "be put in it."));
        return;
    }
    QCOMPARE(minutes->text(), QStringLiteral("4"));
    QCOMPARE(plan->entry(1).minutes, 4);
    QCOMPARE(plan->entry(2).minutes, 2);
    QCOMPARE(plan->shownEntries()[2].timeSpan, std::string("3:44 - 3:46"));
    QVERIFY(platform.allAnswersUsed());
}
