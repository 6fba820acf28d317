#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "app/TAboutBox.h"
#include "app/TMainForm.h"
#include "players/TPlayersDlg.h"
#include "prefs/TPreferencesDlg.h"
#include "store/ProfileStore.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

void writePrefs(const QByteArray& bytes)
{
    QFile file(QString::fromStdString(DataDir()) + QStringLiteral("prefs.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void trigger(TMainForm& form, const char* action)
{
    form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class tst_MainFormDialogs : public QObject
{
    Q_OBJECT

private slots:
    void createdOnFirstUseAndKept();
    void preferencesReloadTheBanner_data();
    void preferencesReloadTheBanner();
    void playersListBesideTheOtherWindows();
};

void tst_MainFormDialogs::createdOnFirstUseAndKept()
{
    TempDataDir data;
    writePrefs("[General]\r\nAutoNewPlan=FALSE\r\n");
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
    QVERIFY(form.findChildren<TPreferencesDlg*>().isEmpty());
    QVERIFY(form.findChildren<TPlayersDlg*>().isEmpty());
    QVERIFY(form.findChildren<TAboutBox*>().isEmpty());

    for (int i = 0; i < 2; ++i) {
        platform.runDialog([](QDialog& dialog) { dialog.accept(); });
        trigger(form, "actionAbout");
        platform.runDialog([](QDialog& dialog) { dialog.reject(); });
        trigger(form, "actionPreferences");
    }
    QCOMPARE(form.findChildren<TAboutBox*>().size(), 1);
    QCOMPARE(form.findChildren<TPreferencesDlg*>().size(), 1);
    QStringList run;
    for (const ScriptedPlatform::Shown& shown : platform.shown)
        run << shown.caption;
    QCOMPARE(run, QStringList({"About", "Preferences", "About", "Preferences"}));
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
    form.show();
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

void tst_MainFormDialogs::playersListBesideTheOtherWindows()
{
    TempDataDir data;
    ScriptedPlatform platform;
    TMainForm form;
    form.show();
    auto* button = form.findChild<QWidget*>("actionPlayersListButton");
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    trigger(form, "actionPlayersList");
    const QList<TPlayersDlg*> lists = form.findChildren<TPlayersDlg*>();
    QCOMPARE(lists.size(), 1);
    QVERIFY(lists.first()->isVisible());
    QCOMPARE(lists.first()->windowModality(), Qt::NonModal);
    QVERIFY(platform.shown.isEmpty());
}

QTEST_MAIN(tst_MainFormDialogs)
#include "tst_MainFormDialogs.moc"
