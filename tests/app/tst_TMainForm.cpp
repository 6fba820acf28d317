#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "app/TMainForm.h"
#include "evaluations/TextDocumentDlg.h"
#include "plans/TPlanDetailDlg.h"
#include "store/ProfileStore.h"
#include "teams/TTeamDlg.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
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
    void teamBannerAt24Points();
    void windowMenuListsPlans();
    void openPlanStartsInPathFolder();
    void exitAsksEachChangedPlanLeastRecentFirst();
    void exitStopsWhenASaveIsAbandoned();
    void documentCommands_data();
    void documentCommands();
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
             QStringLiteral("&New Plan...,&Open Old Plan...,-,&Save,Save &As...,-,&Print...,"
                            "P&rint Setup...,-,E&xit,|,&Drills...,&Evaluations...,"
                            "&Scouting Reports...,Create &Teams...,-,P&layers List...,"
                            "&Preferences...,|,&Cascade,&Tile ,&Arrange Icons,|,&Contents,-,"
                            "&About Corvanta...,|"));
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
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("ButtonBar"));
    QCOMPARE(button->parentWidget()->findChildren<QToolButton*>().size(), 11);
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
    form.show();
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
    form.show();
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
    form.show();
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
    form.show();
    QAction* save = action(form, QStringLiteral("actionSave"));
    QAction* saveAs = action(form, QStringLiteral("actionSaveAs"));
    QAction* print = action(form, QStringLiteral("actionPrint"));
    QVERIFY(save->isEnabled());

    form.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(form.mdiArea()->subWindowList().isEmpty());
    QTRY_VERIFY(!save->isEnabled());
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(!print->isEnabled());
    // The buttons never follow the menu's plan state.
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("actionSaveButton"))->isEnabled());
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("actionPrintButton"))->isEnabled());

    action(form, QStringLiteral("actionNewPlan"))->trigger();
    QVERIFY(save->isEnabled() && saveAs->isEnabled() && print->isEnabled());
}

void tst_TMainForm::commandsWithoutPlanDoNothing()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
    action(form, QStringLiteral("actionSaveAs"))->trigger();
    action(form, QStringLiteral("actionSave"))->trigger();
    action(form, QStringLiteral("actionPrint"))->trigger();
    QVERIFY(platform.shown.isEmpty());
}

void tst_TMainForm::closingWritesGeometry()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
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

void tst_TMainForm::teamBannerAt24Points()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\nTeamName=Eagles\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    QCOMPARE(form.teamBanner()->text(), QString());
    form.show();
    QCOMPARE(form.teamBanner()->text(), QStringLiteral("Eagles"));
    QCOMPARE(form.teamBanner()->font().pointSize(), 24);
}

void tst_TMainForm::windowMenuListsPlans()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
    action(form, QStringLiteral("actionNewPlan"))->trigger();
    QMenu* windowMenu = form.menuBar()->actions().at(2)->menu();
    emit windowMenu->aboutToShow();
    QStringList items;
    for (QAction* item : windowMenu->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    QCOMPARE(items, QStringList({"&Cascade", "&Tile ", "&Arrange Icons", "-", "&1 New Plan",
                                 "&2 New Plan"}));
    QVERIFY(windowMenu->actions().last()->isChecked());
}

void tst_TMainForm::openPlanStartsInPathFolder()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\nPath=" + data.folder().toUtf8() + "\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
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

void tst_TMainForm::exitAsksEachChangedPlanLeastRecentFirst()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
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
    form.show();
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
    form.show();
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

QTEST_MAIN(tst_TMainForm)
#include "tst_TMainForm.moc"
