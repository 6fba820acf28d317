#include "FileBytes.h"
#include "ScriptedPlatform.h"
#include "ShowFrame.h"
#include "TempDataDir.h"
#include "WidgetLookup.h"

#include "app/DocumentOpener.h"
#include "app/TAboutBox.h"
#include "app/TFirstTimeDlg.h"
#include "app/TMainForm.h"
#include "drills/TDrillEntry.h"
#include "players/TPlayersDlg.h"
#include "prefs/TPreferencesDlg.h"
#include "store/ProfileStore.h"
#include "ui/QtPlatform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Caption = QStringLiteral("Corvanta - First Time Setup");

void trigger(TMainForm& form, const char* action)
{
    form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

void writePrefs(const QByteArray& bytes)
{
    QVERIFY(writeFile(QString::fromStdString(DataDir()) + "prefs.db", bytes));
}

// Titles of our own dialogs the platform ran, in order.
QStringList dialogsRun(const ScriptedPlatform& platform)
{
    QStringList titles;
    for (const ScriptedPlatform::Shown& shown : platform.shown) {
        if (shown.kind == QLatin1String("dialog"))
            titles << shown.caption;
    }
    return titles;
}

} // namespace

// The dialogs the main window opens: the first-time setup on the first run,
// the preferences, the players list and the About box.
class tst_MainFormDialogs : public QObject
{
    Q_OBJECT

private slots:
    void shownOnceOnTheFirstStart();
    void welcomeOverThePaintedFrame_data();
    void welcomeOverThePaintedFrame();
    void tasksOpenTheirWindowsModally();
    void settingsTakeEffectAtOnce();
    void flagKeptInTheSettingsFile();
    void createdOnFirstUseAndKept();
    void preferencesReloadTheBanner_data();
    void preferencesReloadTheBanner();
    void positionsComeBackAcrossStarts_data();
    void positionsComeBackAcrossStarts();
};

void tst_MainFormDialogs::shownOnceOnTheFirstStart()
{
    TempDataDir data;
    ScriptedPlatform platform;
    platform.firstRun = true;
    bool clearedBeforeShown = false;
    platform.runDialog([&](QDialog& dialog) {
        // Ending the program now must not bring the welcome back next time.
        clearedBeforeShown = !platform.firstRun;
        QCOMPARE(dialog.parentWidget(), TMainForm::instance());
        click(dialog, "CloseBtn");
    });
    {
        TMainForm form;
        QVERIFY(ShowFrame(form));
        QVERIFY(form.findChildren<TFirstTimeDlg*>().isEmpty()); // destroyed when closed
    }
    QVERIFY(clearedBeforeShown);
    QCOMPARE(dialogsRun(platform), QStringList{Caption});

    TMainForm second;
    QVERIFY(ShowFrame(second));
    QCOMPARE(dialogsRun(platform), QStringList{Caption});
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::welcomeOverThePaintedFrame_data()
{
    QTest::addColumn<QStringList>("documents");
    QTest::addColumn<QString>("planTitle");
    QTest::newRow("the new plan") << QStringList() << "New Plan";
    QTest::newRow("a plan named at start") << QStringList{"MONDAY.pln"} << "MONDAY.pln";
}

// The coach sees the frame on the screen behind the welcome; the banner and
// the first plan come after it.
void tst_MainFormDialogs::welcomeOverThePaintedFrame()
{
    QFETCH(QStringList, documents);
    QFETCH(QString, planTitle);
    TempDataDir data;
    writePrefs("[General]\r\nTeamName=Eagles\r\n");
    for (QString& document : documents) {
        document = data.document(document);
        QVERIFY(writeFile(document, "[Main]\r\nDate=1/2/2026\r\n"));
    }
    ScriptedPlatform platform;
    platform.firstRun = true;
    TMainForm form;
    bool onScreen = false;
    int plans = -1;
    QString banner = QStringLiteral("unread");
    platform.runDialog([&](QDialog& dialog) {
        onScreen = form.windowHandle() && form.windowHandle()->isExposed();
        plans = int(form.mdiArea()->subWindowList().size());
        banner = form.teamBanner()->text();
        click(dialog, "CloseBtn");
    });
    QSignalSpy firstShown(&form, &TMainForm::firstShowDone);
    ShowWithDocuments(form, documents);
    QTRY_COMPARE(firstShown.size(), 1);
    QCoreApplication::sendPostedEvents(&form, QEvent::MetaCall); // the documents
    QVERIFY(onScreen);
    QCOMPARE(plans, 0);
    QCOMPARE(banner, QString());
    QCOMPARE(form.teamBanner()->text(), QStringLiteral("Eagles"));
    QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(form.mdiArea()->subWindowList().constFirst()->widget()->windowTitle(), planTitle);
    QCOMPARE(dialogsRun(platform), QStringList{Caption});
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::tasksOpenTheirWindowsModally()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    platform.firstRun = true;
    QList<bool> modal;
    const auto closeWith = [&modal](const char* button) {
        return [&modal, button](QDialog& dialog) {
            modal << (dialog.windowModality() != Qt::NonModal);
            click(dialog, button);
        };
    };
    platform.runDialog([](QDialog& dialog) {
        TDrillEntry::instance()->setDrillProposal("Zigzag", "5", "");
        for (const char* button : {"PrefsBtn", "PlayersBtn", "DrillsBtn", "PrefsBtn"})
            click(dialog, button);
        QVERIFY(!TDrillEntry::instance()->hasDrillProposal());
        click(dialog, "HelpBtn");
        click(dialog, "CloseBtn");
    });
    platform.runDialog(closeWith("CancelBtn"));
    platform.runDialog(closeWith("CloseBtn"));
    platform.runDialog(closeWith("CloseBtn"));
    platform.runDialog(closeWith("CancelBtn"));
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QCOMPARE(dialogsRun(platform),
             QStringList({Caption, "Preferences", "Players", "Drills", "Preferences"}));
    QCOMPARE(modal, QList<bool>({true, true, true, true}));
    QCOMPARE(platform.helpTopics, QList<int>{101});
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::settingsTakeEffectAtOnce()
{
    TempDataDir data;
    ScriptedPlatform platform;
    platform.firstRun = true;
    platform.runDialog([](QDialog& dialog) {
        click(dialog, "PrefsBtn");
        click(dialog, "CloseBtn");
    });
    platform.runDialog([](QDialog& dialog) {
        control<QLineEdit>(dialog, "TeamName")->setText("Eagles");
        QTest::mouseClick(dialog.findChild<QWidget*>("AutoNewPlan"), Qt::LeftButton);
        click(dialog, "OkBtn");
    });
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QCOMPARE(form.teamBanner()->text(), QStringLiteral("Eagles"));
    QVERIFY(form.mdiArea()->subWindowList().isEmpty());
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::flagKeptInTheSettingsFile()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("settings.ini");
    const QByteArray previous = qgetenv("CORVANTA_SETTINGS");
    const auto restore = qScopeGuard([&previous] { qputenv("CORVANTA_SETTINGS", previous); });
    qputenv("CORVANTA_SETTINGS", file.toLocal8Bit());
    QVERIFY(QtPlatform().isFirstRun());
    QtPlatform().clearFirstRun();
    QVERIFY(QFile::exists(file));
    QVERIFY(!QtPlatform().isFirstRun());
}

void tst_MainFormDialogs::createdOnFirstUseAndKept()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    platform.screen = QSize(1299, 1192);
    TMainForm form;
    QVERIFY(ShowFrame(form));
    QVERIFY(form.findChildren<TAboutBox*>().isEmpty() &&
            form.findChildren<TPreferencesDlg*>().isEmpty() &&
            form.findChildren<TPlayersDlg*>().isEmpty());
    const auto closeBy = [](int key) {
        return [key](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key(key)); };
    };
    platform.runDialog([](QDialog& dialog) {
        QCOMPARE(QRect(dialog.pos(), dialog.size()), QRect(500, 500, 299, 192)); // centred
        QVERIFY(dialog.findChild<QPushButton*>("OKButton")->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    platform.runDialog(closeBy(Qt::Key_Escape));
    trigger(form, "actionAbout");
    QCOMPARE(platform.shown.last().caption, QStringLiteral("About"));
    trigger(form, "actionAbout");
    platform.runDialog(closeBy(Qt::Key_Escape));
    trigger(form, "actionPreferences");
    QCOMPARE(form.findChildren<TAboutBox*>().size(), 1);
    QCOMPARE(form.findChildren<TPreferencesDlg*>().size(), 1);
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::preferencesReloadTheBanner_data()
{
    QTest::addColumn<QByteArray>("atStart");
    QTest::addColumn<QByteArray>("whileOpen"); // written behind the dialog's back
    QTest::addColumn<QString>("typed");        // null: Cancel
    QTest::addColumn<QString>("banner");

    const QByteArray noPlan("[General]\r\nAutoNewPlan=FALSE\r\n");
    QTest::newRow("OK shows the new name")
        << noPlan << QByteArray() << QStringLiteral("Hawks") << QStringLiteral("Hawks");
    QTest::newRow("Cancel still reloads from the file")
        << noPlan << QByteArray(noPlan + "TeamName=Owls\r\n") << QString() << "Owls";
    QTest::newRow("an emptied name leaves the old banner")
        << QByteArray(noPlan + "TeamName=Eagles\r\n") << QByteArray() << QStringLiteral("")
        << QStringLiteral("Eagles");
}

void tst_MainFormDialogs::preferencesReloadTheBanner()
{
    QFETCH(QByteArray, atStart);
    QFETCH(QByteArray, whileOpen);
    QFETCH(QString, typed);
    QFETCH(QString, banner);
    TempDataDir data;
    writePrefs(atStart);
    ScriptedPlatform platform;
    TMainForm form;
    QVERIFY(ShowFrame(form));
    platform.runDialog([&](QDialog& dialog) {
        if (!whileOpen.isEmpty())
            writePrefs(whileOpen);
        if (typed.isNull()) {
            click(dialog, "CancelBtn");
            return;
        }
        dialog.findChild<QLineEdit*>("TeamName")->setText(typed);
        click(dialog, "OkBtn");
    });
    trigger(form, "actionPreferences");
    QCOMPARE(form.teamBanner()->text(), banner);
    QCOMPARE(form.teamBanner()->font().pointSize(), 24);
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_MainFormDialogs::positionsComeBackAcrossStarts_data()
{
    QTest::addColumn<QString>("document"); // empty: the players list
    QTest::newRow("players list") << QString();
    QTest::newRow("evaluation") << "GAME.gev";
}

// The frame's corner is stored and comes back to the same place at every start.
void tst_MainFormDialogs::positionsComeBackAcrossStarts()
{
    QFETCH(QString, document);
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    for (int start = 0; start < 3; ++start) {
        TMainForm form;
        QVERIFY(ShowFrame(form));
        document.isEmpty() ? trigger(form, "actionPlayersList")
                           : OpenDocument(form, data.document(document));
        QDialog* window = form.findChild<QDialog*>();
        if (start == 0)
            window->move(140, 90);
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(140, 90));
        window->close();
    }
}

QTEST_MAIN(tst_MainFormDialogs)
#include "tst_MainFormDialogs.moc"
