#include "DrillWindowTest.h"
#include "PlanWindowDriver.h"
#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "app/TMainForm.h"

#include <QAction>
#include <QtTest>

// The drill windows as the main frame and the plan windows reach them.
class tst_DrillsFromPlan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drillsCommandShowsTheListBesideThePlans();
    void addItNowFromAPlan();
    void aPlanAsksBeforeTheDrillListWasEverOpened();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
};

void tst_DrillsFromPlan::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    WriteTestDrillLibrary();
}

void tst_DrillsFromPlan::cleanup()
{
    const QStringList unanswered = m_platform->unanswered();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
}

void tst_DrillsFromPlan::drillsCommandShowsTheListBesideThePlans()
{
    TMainForm form;
    // Made on first use, owned by the frame.
    QVERIFY(!form.findChild<TDrillCat*>() && !form.findChild<TDrillEntry*>());
    TDrillEntry* entry = TDrillEntry::instance();
    TDrillCat* drillList = TDrillCat::instance();
    QVERIFY(drillList && entry && !drillList->isVisible() && !entry->isVisible());
    QCOMPARE(drillList->parent(), &form);
    QCOMPARE(entry->parent(), &form);
    QAction* drills = form.findChild<QAction*>("actionDrills");
    QVERIFY(drills->isEnabled());

    entry->setDrillProposal("Zone Press", "15", "");
    drills->trigger();
    QVERIFY(!entry->hasDrillProposal());
    QVERIFY(drillList->isVisible());
    QCOMPARE(drillList->windowModality(), Qt::NonModal);

    // A plan asking for it now is refused, and its proposal stays for Add.
    PlanWindowDriver plan;
    plan.clickRow(0);
    plan.tab();
    plan.activity()->lineEdit()->setText("Zone Press");
    m_platform->answerYes();
    plan.tab();
    QCOMPARE(m_platform->messages().last(), QString("Cannot make a visible window modal"));
    QCOMPARE(m_platform->shown.last().caption, QString("Corvanta"));
    QVERIFY(entry->hasDrillProposal());
    QVERIFY(drillList->isVisible());
    // The plan's blank minutes come along as they are, to be typed here.
    m_platform->runDialog([](QDialog& dialog) {
        QCOMPARE(control<QLineEdit>(dialog, "MinutesEb")->text(), QString());
        enterEntry("", "Zone Press", "0", "")(dialog);
    });
    click(*drillList, "AddBtn");

    // Closing the list by the system saves it and reloads every plan's choices.
    drillList->close();
    QVERIFY(entry->hasDrillProposal());
    QCOMPARE(plan.activity()->findText("Zone Press"), 4);
}

void tst_DrillsFromPlan::addItNowFromAPlan()
{
    TDrillEntry entry;
    TDrillCat drillList;
    PlanWindowDriver other;
    PlanWindowDriver plan;
    plan.clickRow(0);
    QTest::keyClicks(plan.edit("Minutes"), "12");
    plan.tab();
    plan.activity()->lineEdit()->setText("Water Break");

    m_platform->answerYes();
    m_platform->runDialog([](QDialog& window) {
        click(window, "AddBtn");
        click(window, "CloseBtn");
    });
    m_platform->runDialog([](QDialog& dialog) {
        QCOMPARE(control<QLineEdit>(dialog, "DrillName")->text(), QString("Water Break"));
        QCOMPARE(control<QLineEdit>(dialog, "MinutesEb")->text(), QString("12"));
        QVERIFY(control<QRadioButton>(dialog, "DrillRb")->isChecked());
        enterEntry("", "Water Break", "3", "Rest")(dialog);
    });
    plan.pressEnter();

    QVERIFY(!drillList.isVisible());
    QVERIFY(!entry.hasDrillProposal());
    QCOMPARE(plan.activity()->currentText(), QString("Water Break"));
    QCOMPARE(plan.edit("Minutes")->text(), QString("3"));
    QCOMPARE(plan.edit("Emphasis")->text(), QString("Rest"));
    QCOMPARE(other.activity()->findText("Water Break"), 4);
    plan.clickRow(1);
    QCOMPARE(plan.window()->entry(0).minutes, 3);
    QCOMPARE(plan.window()->entry(0).activity, std::string("Water Break"));
    QCOMPARE(plan.window()->entry(0).emphasis, std::string("Rest"));
}

// The drill windows are made on first use: a plan asking for a drill before
// the coach ever opened the drill list still gets it, owned by the frame.
void tst_DrillsFromPlan::aPlanAsksBeforeTheDrillListWasEverOpened()
{
    TMainForm form;
    PlanWindowDriver plan;
    plan.clickRow(0);
    plan.tab();
    plan.activity()->lineEdit()->setText("Zone Press");

    QWidget* shown = nullptr;
    m_platform->answerYes();
    m_platform->runDialog([&shown](QDialog& window) {
        shown = &window;
        click(window, "CloseBtn");
    });
    plan.tab();

    QVERIFY(m_platform->allAnswersUsed());
    QCOMPARE(shown, TDrillCat::instance());
    QCOMPARE(shown->parent(), &form);
    QCOMPARE(TDrillEntry::instance()->parent(), &form);
}

QTEST_MAIN(tst_DrillsFromPlan)
#include "tst_DrillsFromPlan.moc"
