#include "PlanWindowDriver.h"
#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "drills/DrillLibraryFile.h"
#include "drills/DrillTree.h"
#include "store/ProfileStore.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

// The plan editor window: the schedule, its entry row and the fields above it.
class tst_TPlanDetailDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void spansFollowTypedMinutes_data();
    void spansFollowTypedMinutes();
    void zeroMinutesClearSpanAndPullLaterRowsBack();
    void invalidFieldKeepsTextAndFocus_data();
    void invalidFieldKeepsTextAndFocus();
    void invalidFieldLeftByClickingARow_data();
    void invalidFieldLeftByClickingARow();

    void tabAndEnterMoveDown_data();
    void tabAndEnterMoveDown();
    void entryRowFollowsScrolling();
    void entryRowAtTheScheduleEdges_data();
    void entryRowAtTheScheduleEdges();
    void limitMessageOncePerAttempt_data();
    void limitMessageOncePerAttempt();
    void anotherPlanMovesNothing();
    void upperFieldEndsEditing();

    void insertAndDelete_data();
    void insertAndDelete();

    void typeAheadCompletes_data();
    void typeAheadCompletes();
    void pickingAChoice_data();
    void pickingAChoice();
    void typedActivityIsChecked_data();
    void typedActivityIsChecked();
    void reloadKeepsTypedActivity();
    void longNamesStayWhole_data();
    void longNamesStayWhole();
    void typingStopsAtTheLimits_data();
    void typingStopsAtTheLimits();
    void destroyedWindowHearsNothing();
    void changedByEveryEdit_data();
    void changedByEveryEdit();

    void emphasisPrefsMoveControls_data();
    void emphasisPrefsMoveControls();
    void teamBannerAtTenPoints();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
};

namespace {

QString span(const PlanWindowDriver& plan, int row)
{
    return QString::fromStdString(plan.window()->entry(row).timeSpan);
}

QString activityOf(const PlanWindowDriver& plan, int row)
{
    return QString::fromStdString(plan.window()->entry(row).activity);
}

QString emphasisOf(const PlanWindowDriver& plan, int row)
{
    return QString::fromStdString(plan.window()->entry(row).emphasis);
}

// Fills rows 0 to count - 1 with <row + 1> minutes and the emphasis "E<row>" by typing.
void typeRows(PlanWindowDriver& plan, int count)
{
    plan.clickRow(0);
    for (int row = 0; row < count; ++row)
        plan.typeRow(QString::number(row + 1), QString(), QStringLiteral("E%1").arg(row));
}

// The entry row's top as it must be over `row` with the list scrolled as it is.
int expectedEntryTop(const PlanWindowDriver& plan, int row)
{
    const int first = plan.list()->verticalScrollBar()->value();
    return plan.list()->y() + 1 + (row - first) * 18;
}

} // namespace

void tst_TPlanDetailDlg::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    WriteTestDrillLibrary();
}

void tst_TPlanDetailDlg::cleanup()
{
    // Take the result first: the scripted platform and data folder go whatever
    // it is, so a failing case cannot bring a real dialog into the run.
    const QStringList unanswered = m_platform->unanswered();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
}

void tst_TPlanDetailDlg::spansFollowTypedMinutes_data()
{
    QTest::addColumn<QString>("practiceTime");
    QTest::addColumn<QStringList>("minutes");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<QList<int>>("stored");

    QTest::newRow("a row of 0 minutes takes no time")
        << "3:30" << QStringList{"15", "0", "20"} << QStringList{"3:30 - 3:45", "", "3:45 - 4:05"}
        << QList<int>{15, 0, 20};
    QTest::newRow("past twelve starts again at one")
        << "12:50" << QStringList{"20"} << QStringList{"12:50 - 1:10"} << QList<int>{20};
    QTest::newRow("afternoon time on a 12-hour clock")
        << "15:00" << QStringList{"30", "45"} << QStringList{"3:00 - 3:30", "3:30 - 4:15"}
        << QList<int>{30, 45};
    QTest::newRow("empty rows between take no time")
        << "9:00" << QStringList{"10", "", "", "5"}
        << QStringList{"9:00 - 9:10", "", "", "9:10 - 9:15"} << QList<int>{10, 0, 0, 5};
    QTest::newRow("not a number counts as 0")
        << "9:00" << QStringList{"abc", "-5", "10"} << QStringList{"", "", "9:00 - 9:10"}
        << QList<int>{0, 0, 10};
    QTest::newRow("negative minutes count as 0 before later rows")
        << "9:00" << QStringList{"-30", "10"} << QStringList{"", "9:00 - 9:10"}
        << QList<int>{0, 10};
}

void tst_TPlanDetailDlg::spansFollowTypedMinutes()
{
    QFETCH(QString, practiceTime);
    QFETCH(QStringList, minutes);
    QFETCH(QStringList, spans);
    QFETCH(QList<int>, stored);

    PlanWindowDriver plan;
    plan.retype(plan.edit("PracticeTime"), practiceTime);
    plan.clickRow(0);
    for (const QString& value : minutes)
        plan.typeRow(value, QString(), QString());

    for (int row = 0; row < spans.size(); ++row) {
        QCOMPARE(span(plan, row), spans[row]);
        QCOMPARE(plan.window()->entry(row).minutes, stored[row]);
    }
    // The entry row shows the span of the row it is over as soon as Minutes is left.
    plan.clickRow(0);
    QCOMPARE(plan.edit("Time")->text(), spans[0]);
}

void tst_TPlanDetailDlg::zeroMinutesClearSpanAndPullLaterRowsBack()
{
    PlanWindowDriver plan;
    plan.retype(plan.edit("PracticeTime"), QStringLiteral("3:30"));
    plan.clickRow(0);
    plan.typeRow("10", QString(), QString());
    plan.typeRow("20", QString(), QString());
    QCOMPARE(span(plan, 1), QStringLiteral("3:40 - 4:00"));

    plan.clickRow(0);
    plan.retype(plan.edit("Minutes"), QStringLiteral("0"));
    plan.tab();

    QCOMPARE(span(plan, 0), QString());
    QCOMPARE(plan.edit("Time")->text(), QString());
    QCOMPARE(span(plan, 1), QStringLiteral("3:30 - 3:50"));
    QCOMPARE(plan.window()->entry(0).minutes, 0);
}

void tst_TPlanDetailDlg::invalidFieldKeepsTextAndFocus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString date = QStringLiteral("Invalid date.  You must enter a valid date.");
    const QString time = QStringLiteral("Invalid time.  You must enter a valid time.");
    QTest::newRow("day beyond the month") << "PracticeDate"
                                          << "2/30/98" << date;
    QTest::newRow("valid two-number date") << "PracticeDate"
                                           << "3/7"
                                           << "";
    QTest::newRow("hour 24") << "PracticeTime"
                             << "24:00" << time;
    QTest::newRow("1:30pm") << "PracticeTime"
                            << "1:30pm"
                            << "";
}

void tst_TPlanDetailDlg::invalidFieldKeepsTextAndFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    PlanWindowDriver plan;
    plan.clickRow(0);
    plan.typeRow("15", QString(), QString());
    QLineEdit* edit = plan.edit(field.toLatin1());
    plan.retype(edit, text);
    plan.click(plan.edit("DefEmphasis"));

    QCOMPARE(m_platform->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(edit->text(), text);
    QCOMPARE(QApplication::focusWidget(), message.isEmpty() ? plan.edit("DefEmphasis") : edit);
    // A rejected time leaves the spans as they were.
    if (field == QLatin1String("PracticeTime") && !message.isEmpty())
        QCOMPARE(span(plan, 0), QStringLiteral("12:00 - 12:15"));
    if (!message.isEmpty())
        QCOMPARE(m_platform->beeps, 1);
}

void tst_TPlanDetailDlg::tabAndEnterMoveDown_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("limit");

    QTest::newRow("tab on row 12") << 12 << false << false;
    QTest::newRow("enter on row 12") << 12 << true << false;
    QTest::newRow("tab on row 98") << 98 << false << false;
    QTest::newRow("tab on row 99") << 99 << false << true;
    QTest::newRow("enter on row 99") << 99 << true << true;
}

void tst_TPlanDetailDlg::tabAndEnterMoveDown()
{
    QFETCH(int, row);
    QFETCH(bool, enter);
    QFETCH(bool, limit);

    PlanWindowDriver plan;
    plan.clickRow(row);
    QTest::keyClicks(plan.edit("Minutes"), "5");
    plan.tab();
    plan.tab();
    QTest::keyClicks(plan.edit("Emphasis"), "Box out");
    if (enter)
        plan.pressEnter();
    else
        plan.tab();

    const int expectedRow = limit ? row : row + 1;
    QCOMPARE(plan.list()->currentRow(), expectedRow);
    QCOMPARE(plan.window()->entry(row).emphasis, std::string("Box out"));
    QCOMPARE(plan.window()->entry(row).minutes, 5);
    QVERIFY(plan.entryPanel()->isVisible());
    QCOMPARE(plan.entryPanel()->y(), expectedEntryTop(plan, expectedRow));
    if (limit) {
        QCOMPARE(m_platform->messages(),
                 QStringList{"You have reached the limit of 100 entries for this practice plan."});
        QCOMPARE(QApplication::focusWidget(), plan.edit("Emphasis"));
    } else {
        QCOMPARE(m_platform->messages(), QStringList());
        QCOMPARE(QApplication::focusWidget(), plan.edit("Minutes"));
        QCOMPARE(plan.edit("Emphasis")->text(), QString());
    }
}

void tst_TPlanDetailDlg::entryRowFollowsScrolling()
{
    PlanWindowDriver plan;
    plan.clickRow(2);
    QScrollBar* scroll = plan.list()->verticalScrollBar();
    QCOMPARE(plan.entryPanel()->geometry(),
             QRect(plan.list()->x() + 1, plan.list()->y() + 1 + 2 * 18, 609, 21));

    scroll->setValue(1);
    QVERIFY(plan.entryPanel()->isVisible());
    QCOMPARE(plan.entryPanel()->y(), plan.list()->y() + 1 + 18);

    scroll->setValue(3);
    QVERIFY(!plan.entryPanel()->isVisible());
    QCOMPARE(QApplication::focusWidget(), plan.list());

    scroll->setValue(0);
    QVERIFY(plan.entryPanel()->isVisible());
    QCOMPARE(plan.entryPanel()->y(), expectedEntryTop(plan, 2));

    // The wheel over the entry row scrolls the schedule and leaves the pick alone.
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plan.activity(), &wheel);
    QVERIFY(scroll->value() > 0);
    QCOMPARE(plan.activity()->currentIndex(), -1);
    scroll->setValue(0);

    // Row 12 is the last of the 13 visible rows.
    plan.clickRow(12);
    scroll->setValue(0);
    QVERIFY(plan.entryPanel()->isVisible());
    QCOMPARE(plan.entryPanel()->y(), plan.list()->y() + 1 + 12 * 18);
    scroll->setValue(13);
    QVERIFY(!plan.entryPanel()->isVisible());
}

void tst_TPlanDetailDlg::upperFieldEndsEditing()
{
    PlanWindowDriver plan;
    plan.clickRow(4);
    QTest::keyClicks(plan.edit("Minutes"), "7");
    plan.click(plan.edit("OffEmphasis"));

    QCOMPARE(plan.window()->entry(4).minutes, 7);
    QVERIFY(!plan.entryPanel()->isVisible());
    QCOMPARE(plan.list()->currentRow(), -1);
    // With no selected row Insert and Delete only beep.
    plan.click(plan.control<QPushButton>("InsertBtn"));
    QTest::mouseClick(plan.control<QPushButton>("DeleteBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->beeps, 2);
    QCOMPARE(plan.window()->entry(4).minutes, 7);

    // Tab into the list opens its first row.
    plan.click(plan.edit("OffEmphasis"));
    plan.tab();
    QCOMPARE(plan.list()->currentRow(), 0);
    QCOMPARE(QApplication::focusWidget(), plan.edit("Minutes"));
}

void tst_TPlanDetailDlg::insertAndDelete_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("lastRowFilled");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("emphases"); // rows 0 to 4 afterwards
    QTest::addColumn<QString>("entryMinutes");

    QTest::newRow("insert, last row empty: no question")
        << "InsertBtn" << false << "" << QStringList{"E0", "", "E1", "E2", ""} << "";
    QTest::newRow("insert, last row filled, yes")
        << "InsertBtn" << true << "yes" << QStringList{"E0", "", "E1", "E2", ""} << "";
    QTest::newRow("insert, last row filled, no")
        << "InsertBtn" << true << "no" << QStringList{"E0", "E1", "E2", "", ""} << "2";
    QTest::newRow("delete moves the rows below up")
        << "DeleteBtn" << false << "" << QStringList{"E0", "E2", "", "", ""} << "3";
    QTest::newRow("delete in a full plan empties the last row")
        << "DeleteBtn" << true << "" << QStringList{"E0", "E2", "", "", ""} << "3";
}

void tst_TPlanDetailDlg::insertAndDelete()
{
    QFETCH(QString, command);
    QFETCH(bool, lastRowFilled);
    QFETCH(QString, answer);
    QFETCH(QStringList, emphases);
    QFETCH(QString, entryMinutes);

    PlanWindowDriver plan;
    if (lastRowFilled) {
        plan.clickRow(99);
        plan.typeRow("9", QString(), "Last");
        QCOMPARE(m_platform->messages().size(), 1); // the limit message of Tab on row 99
        m_platform->shown.clear();
    }
    typeRows(plan, 3);
    plan.clickRow(1);
    if (answer == QLatin1String("yes"))
        m_platform->answerYes();
    else if (answer == QLatin1String("no"))
        m_platform->answerNo();
    plan.click(plan.control<QPushButton>(command.toLatin1()));

    QStringList actual;
    for (int row = 0; row < 5; ++row)
        actual << emphasisOf(plan, row);
    QCOMPARE(actual, emphases);
    QCOMPARE(m_platform->messages(),
             answer.isEmpty() ? QStringList()
                              : QStringList{"Inserting a new entry will cause you to lose your "
                                            "last entry.  Continue?"});
    QCOMPARE(plan.edit("Minutes")->text(), entryMinutes);
    if (answer != QLatin1String("no"))
        QCOMPARE(QApplication::focusWidget(), plan.edit("Minutes"));
    if (command == QLatin1String("DeleteBtn"))
        QCOMPARE(span(plan, 1), QStringLiteral("12:01 - 12:04"));
    if (answer == QLatin1String("yes"))
        QCOMPARE(emphasisOf(plan, 99), QString());
    if (answer == QLatin1String("no"))
        QCOMPARE(emphasisOf(plan, 99), QStringLiteral("Last"));
    if (command == QLatin1String("DeleteBtn")) {
        QVERIFY(plan.window()->entry(99).isEmpty());
        QCOMPARE(plan.window()->entry(99).minutes, 0);
        QCOMPARE(emphasisOf(plan, 98), lastRowFilled ? QStringLiteral("Last") : QString());
    }
}

void tst_TPlanDetailDlg::typeAheadCompletes_data()
{
    QTest::addColumn<QStringList>("keys"); // texts to type, "<bs>" for Backspace
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");

    QTest::newRow("pas completes a top-level drill") << QStringList{"pas"} << "Passing Lines"
                                                     << "sing Lines";
    QTest::newRow("typing on overwrites the suggestion") << QStringList{"pass"} << "Passing Lines"
                                                         << "ing Lines";
    QTest::newRow("backspace over the suggestion takes a typed letter too")
        << QStringList{"pas", "<bs>"} << "Passing Lines"
        << "ssing Lines";
    QTest::newRow("indented drill is not completed") << QStringList{"shell"} << "shell"
                                                     << "";
    QTest::newRow("category completes") << QStringList{"d"} << "Defense"
                                        << "efense";
    QTest::newRow("no match stays as typed") << QStringList{"Water"} << "Water"
                                             << "";
}

void tst_TPlanDetailDlg::typeAheadCompletes()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);

    PlanWindowDriver plan;
    plan.clickRow(0);
    plan.tab();
    for (const QString& key : keys) {
        if (key == QLatin1String("<bs>"))
            QTest::keyClick(plan.activity(), Qt::Key_Backspace);
        else
            QTest::keyClicks(plan.activity(), key);
    }
    QCOMPARE(plan.activity()->currentText(), text);
    QCOMPARE(plan.activity()->lineEdit()->selectedText(), selected);
    QVERIFY(plan.window()->isChanged());
}

void tst_TPlanDetailDlg::pickingAChoice_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("minutesField");
    QTest::addColumn<QString>("emphasisField");
    QTest::addColumn<QString>("activityField");
    QTest::addColumn<int>("rowMinutes");
    QTest::addColumn<QString>("message");

    QTest::newRow("drill fills minutes and emphasis") << "    Shell Drill"
                                                      << "10"
                                                      << "Help side"
                                                      << "    Shell Drill" << 10 << "";
    QTest::newRow("drill with 0 minutes keeps the minutes, empties the emphasis")
        << "    Pass Deny"
        << "25"
        << ""
        << "    Pass Deny" << 25 << "";
    QTest::newRow("category blanks the row's fields") << "Defense"
                                                      << ""
                                                      << ""
                                                      << "" << 0 << "";
    QTest::newRow("drill whose minutes are not a number changes nothing")
        << "Passing Lines"
        << "25"
        << "Old"
        << "Passing Lines" << 25 << "'ten' is not a valid integer value";
}

void tst_TPlanDetailDlg::pickingAChoice()
{
    QFETCH(QString, choice);
    QFETCH(QString, minutesField);
    QFETCH(QString, emphasisField);
    QFETCH(QString, activityField);
    QFETCH(int, rowMinutes);
    QFETCH(QString, message);

    WriteProfileText("drills.db", "Mins", "Mins", "ten", 2, true);
    PlanWindowDriver plan;
    plan.clickRow(3);
    QTest::keyClicks(plan.edit("Minutes"), "25");
    plan.tab();
    plan.edit("Emphasis")->setText(QStringLiteral("Old"));
    const int index = plan.activity()->findText(choice);
    QVERIFY(index >= 0);
    plan.activity()->setCurrentIndex(index);
    emit plan.activity()->activated(index);

    QCOMPARE(plan.edit("Minutes")->text(), minutesField);
    QCOMPARE(plan.edit("Emphasis")->text(), emphasisField);
    QCOMPARE(plan.activity()->currentText(), activityField);
    QCOMPARE(plan.window()->entry(3).minutes, rowMinutes);
    QCOMPARE(m_platform->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty())
        QCOMPARE(QString::fromStdString(plan.window()->entry(3).emphasis), emphasisField);

    // Leaving the row stores the activity without its indent.
    plan.clickRow(4);
    QCOMPARE(activityOf(plan, 3), activityField.trimmed());
}

void tst_TPlanDetailDlg::typedActivityIsChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("emphasis");

    QTest::newRow("drill typed in other letter case, Tab") << "PASSING LINES"
                                                           << "tab"
                                                           << ""
                                                           << "15"
                                                           << "Crisp passes";
    QTest::newRow("drill typed, Enter") << "Passing Lines"
                                        << "enter"
                                        << ""
                                        << "15"
                                        << "Crisp passes";
    QTest::newRow("unknown activity, No") << "Water break"
                                          << "tab"
                                          << "no"
                                          << ""
                                          << "";
    QTest::newRow("unknown activity, Yes") << "Water break"
                                           << "enter"
                                           << "yes"
                                           << ""
                                           << "";
    QTest::newRow("unknown activity, left by click") << "Water break"
                                                     << "click"
                                                     << "no"
                                                     << ""
                                                     << "";
}

void tst_TPlanDetailDlg::typedActivityIsChecked()
{
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(QString, minutes);
    QFETCH(QString, emphasis);

    PlanWindowDriver plan;
    plan.clickRow(0);
    plan.tab();
    // Typed with the suggestion out of the way, as the coach does by retyping.
    plan.activity()->lineEdit()->setText(typed);
    if (answer == QLatin1String("yes"))
        m_platform->answerYes();
    else if (answer == QLatin1String("no"))
        m_platform->answerNo();
    if (key == QLatin1String("tab"))
        plan.tab();
    else if (key == QLatin1String("enter"))
        plan.pressEnter();
    else
        plan.click(plan.edit("Emphasis"));

    const QStringList question{typed + " is not in drill list. \nWould you like to add it now?"};
    QCOMPARE(m_platform->messages(), answer.isEmpty() ? QStringList() : question);
    QCOMPARE(plan.activity()->currentText(), typed);
    QCOMPARE(plan.edit("Minutes")->text(), minutes);
    QCOMPARE(plan.edit("Emphasis")->text(), emphasis);

    // Leaving afterwards asks nothing more and keeps the text as typed.
    plan.clickRow(1);
    QCOMPARE(m_platform->messages(), answer.isEmpty() ? QStringList() : question);
    QCOMPARE(activityOf(plan, 0), typed);
}

void tst_TPlanDetailDlg::reloadKeepsTypedActivity()
{
    PlanWindowDriver plan;
    QCOMPARE(TPlanDetailDlg::openWindows(), QList<TPlanDetailDlg*>{plan.window()});
    plan.clickRow(0);
    plan.tab();
    plan.activity()->lineEdit()->setText(QStringLiteral("Zone Press"));

    WriteProfileText("drills.db", "Pattern", "Pattern", "C1D2D2", 0, true);
    WriteProfileText("drills.db", "Drl", "Drl", "Zone Press", 0, true);
    WriteProfileText("drills.db", "Drl", "Drl", "Fast Break", 1, true);
    for (TPlanDetailDlg* window : TPlanDetailDlg::openWindows())
        window->ReloadActivityList();

    QCOMPARE(plan.activity()->count(), 2);
    QCOMPARE(plan.activity()->itemText(1), QStringLiteral("Fast Break"));
    QCOMPARE(plan.activity()->currentText(), QStringLiteral("Zone Press"));
    // Now a drill: leaving the field asks nothing.
    plan.tab();
    QCOMPARE(m_platform->messages(), QStringList());
}

void tst_TPlanDetailDlg::changedByEveryEdit_data()
{
    QTest::addColumn<QString>("field"); // where the focus is when the plan is saved
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changed");

    QTest::newRow("nothing after the save") << "PracticeDate"
                                            << "" << false;
    QTest::newRow("enter the time") << "PracticeDate"
                                    << "click PracticeTime" << true;
    QTest::newRow("enter the offensive emphasis") << "PracticeDate"
                                                  << "click OffEmphasis" << true;
    QTest::newRow("tab into the list") << "OffEmphasis"
                                       << "tab" << true;
    QTest::newRow("leave the minutes") << "row"
                                       << "tab" << true;
    QTest::newRow("a key in the emphasis") << "Emphasis"
                                           << "key" << true;
}

void tst_TPlanDetailDlg::changedByEveryEdit()
{
    QFETCH(QString, field);
    QFETCH(QString, action);
    QFETCH(bool, changed);

    const QString path = m_data->document(QStringLiteral("MONDAY.pln"));
    WriteProfileText(path.toStdString(), "Main", "Minutes0", "10", -1, false);
    PlanWindowDriver plan(path);
    if (field != QLatin1String("PracticeDate"))
        plan.clickRow(1);
    if (field == QLatin1String("Activity") || field == QLatin1String("Emphasis"))
        plan.click(plan.control(field.toLatin1()));
    if (field == QLatin1String("OffEmphasis"))
        plan.click(plan.edit("OffEmphasis"));
    QVERIFY(plan.window()->Save());
    QVERIFY(!plan.window()->isChanged());

    if (action == QLatin1String("tab"))
        plan.tab();
    else if (action == QLatin1String("key"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    else if (action == QLatin1String("click row"))
        plan.clickRow(0);
    else if (action.startsWith(QLatin1String("click ")))
        plan.click(plan.control(action.mid(6).toLatin1()));
    QCOMPARE(plan.window()->isChanged(), changed);
}

void tst_TPlanDetailDlg::emphasisPrefsMoveControls_data()
{
    QTest::addColumn<QString>("showDef");
    QTest::addColumn<QString>("showOff");
    QTest::addColumn<int>("offTop");
    QTest::addColumn<QRect>("list");
    QTest::addColumn<int>("headsTop");
    QTest::addColumn<int>("announcementsHeight");

    QTest::newRow("both shown") << "TRUE"
                                << "true" << 128 << QRect(16, 164, 625, 238) << 152 << 73;
    QTest::newRow("defensive hidden") << "FALSE"
                                      << "TRUE" << 110 << QRect(16, 146, 625, 256) << 134 << 73;
    QTest::newRow("offensive hidden") << "TRUE"
                                      << "no" << 128 << QRect(16, 146, 625, 256) << 134 << 73;
    QTest::newRow("both hidden") << "1"
                                 << "Yes" << 128 << QRect(16, 146, 625, 256) << 134 << 91;
}

void tst_TPlanDetailDlg::emphasisPrefsMoveControls()
{
    QFETCH(QString, showDef);
    QFETCH(QString, showOff);
    QFETCH(int, offTop);
    QFETCH(QRect, list);
    QFETCH(int, headsTop);
    QFETCH(int, announcementsHeight);

    WriteProfileText("prefs.db", "General", "ShowDefEmphasis", showDef.toStdString(), -1, true);
    WriteProfileText("prefs.db", "General", "ShowOffEmphasis", showOff.toStdString(), -1, true);
    PlanWindowDriver plan;

    QCOMPARE(plan.edit("DefEmphasis")->isVisible(), showDef.toUpper() == QLatin1String("TRUE"));
    QCOMPARE(plan.edit("OffEmphasis")->isVisible(), showOff.toUpper() == QLatin1String("TRUE"));
    QCOMPARE(plan.edit("OffEmphasis")->y(), offTop);
    QCOMPARE(plan.control<QLabel>("OffEmphLbl")->y(), offTop + 4);
    QCOMPARE(plan.list()->geometry(), list);
    for (const char* head : {"MinLbl", "TimLbl", "ActivityLbl", "EmphLbl"})
        QCOMPARE(plan.control<QLabel>(head)->y(), headsTop);
    QCOMPARE(plan.control("Announcements")->height(), announcementsHeight);

    // The entry row still lies on its row.
    plan.clickRow(0);
    QCOMPARE(plan.entryPanel()->y(), list.y() + 1);
}

void tst_TPlanDetailDlg::teamBannerAtTenPoints()
{
    WriteProfileText("prefs.db", "General", "TeamName", "Wildcats", -1, true);
    PlanWindowDriver plan;
    auto* banner = plan.control<QLabel>("TeamName");
    QCOMPARE(banner->text(), QStringLiteral("Wildcats"));
    QCOMPARE(banner->font().pointSize(), 10);
    QVERIFY(banner->font().bold());
}

void tst_TPlanDetailDlg::invalidFieldLeftByClickingARow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("invalid date") << "PracticeDate"
                                  << "2/30/98"
                                  << "Invalid date.  You must enter a valid date.";
    QTest::newRow("invalid time") << "PracticeTime"
                                  << "24:00"
                                  << "Invalid time.  You must enter a valid time.";
    QTest::newRow("valid date opens the row") << "PracticeDate"
                                              << "3/7"
                                              << "";
}

void tst_TPlanDetailDlg::invalidFieldLeftByClickingARow()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    PlanWindowDriver plan;
    QLineEdit* edit = plan.edit(field.toLatin1());
    plan.retype(edit, text);
    plan.clickRow(3);

    QCOMPARE(m_platform->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty()) {
        QCOMPARE(plan.list()->currentRow(), 3);
        QCOMPARE(QApplication::focusWidget(), plan.edit("Minutes"));
        return;
    }
    // The clicked row stays closed, and what is typed goes into the field.
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(!plan.entryPanel()->isVisible());
    QCOMPARE(plan.list()->currentRow(), -1);
    QTest::keyClicks(QApplication::focusWidget(), "9");
    QCOMPARE(edit->text(), text + "9");
    QVERIFY(plan.window()->entry(3).isEmpty());
}

void tst_TPlanDetailDlg::entryRowAtTheScheduleEdges_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("scrolls"); // first visible rows, in turn
    QTest::addColumn<bool>("visible");

    QTest::newRow("back on the bottom visible row") << 12 << QList<int>{1, 0} << true;
    QTest::newRow("on the top visible row") << 5 << QList<int>{5} << true;
    QTest::newRow("one above the top") << 5 << QList<int>{6} << false;
    QTest::newRow("one below the bottom") << 13 << QList<int>{0} << false;
    QTest::newRow("scrolled back to the bottom") << 13 << QList<int>{0, 1} << true;
}

void tst_TPlanDetailDlg::entryRowAtTheScheduleEdges()
{
    QFETCH(int, row);
    QFETCH(QList<int>, scrolls);
    QFETCH(bool, visible);

    PlanWindowDriver plan;
    plan.clickRow(row);
    for (int first : scrolls)
        plan.list()->verticalScrollBar()->setValue(first);

    QCOMPARE(plan.entryPanel()->isVisible(), visible);
    if (visible)
        QCOMPARE(plan.entryPanel()->y(), expectedEntryTop(plan, row));
}

void tst_TPlanDetailDlg::limitMessageOncePerAttempt_data()
{
    QTest::addColumn<QStringList>("keys"); // in Emphasis on row 99
    QTest::addColumn<int>("messages");

    // A box dismissed with Enter leaves the key's release to the field.
    QTest::newRow("tab, box dismissed with enter") << QStringList{"tab", "release"} << 1;
    QTest::newRow("enter, box dismissed with enter") << QStringList{"enter", "release"} << 1;
    QTest::newRow("enter twice is two attempts") << QStringList{"enter", "enter"} << 2;
}

void tst_TPlanDetailDlg::limitMessageOncePerAttempt()
{
    QFETCH(QStringList, keys);
    QFETCH(int, messages);

    PlanWindowDriver plan;
    plan.clickRow(99);
    plan.click(plan.edit("Emphasis"));
    for (const QString& key : keys) {
        if (key == QLatin1String("tab"))
            plan.tab();
        else if (key == QLatin1String("enter"))
            plan.pressEnter();
        else
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    }

    const QString limit = QStringLiteral("You have reached the limit of 100 entries for this "
                                         "practice plan.");
    QCOMPARE(m_platform->messages(), QStringList(messages, limit));
    QCOMPARE(QApplication::focusWidget(), plan.edit("Emphasis"));
    QCOMPARE(plan.list()->currentRow(), 99);
}

// A plan window maximised in the main frame is restored when another one
// opens maximised; the focus Qt moves on meanwhile is no Tab of the coach.
void tst_TPlanDetailDlg::anotherPlanMovesNothing()
{
    QMdiArea frame;
    frame.resize(900, 700);
    auto* plan = new TPlanDetailDlg;
    QMdiSubWindow* first = frame.addSubWindow(plan);
    first->showMaximized();
    frame.show();
    QApplication::setActiveWindow(&frame);
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* rows = plan->findChild<QListWidget*>(QStringLiteral("ActivityList"));
    rows->scrollToBottom();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(rows->item(99)).center());
    auto* emphasis = plan->findChild<QLineEdit*>(QStringLiteral("Emphasis"));
    QTest::mouseClick(emphasis, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClicks(emphasis, "Box out");
    QCOMPARE(QApplication::focusWidget(), emphasis);

    frame.addSubWindow(new TPlanDetailDlg)->showMaximized();

    QCOMPARE(m_platform->messages(), QStringList());
    // Back in the first plan, the coach goes on where the typing stopped.
    frame.setActiveSubWindow(first);
    QCOMPARE(QApplication::focusWidget(), emphasis);
    QCOMPARE(m_platform->messages(), QStringList());
}

void tst_TPlanDetailDlg::longNamesStayWhole_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("depth"); // of the picked drill
    QTest::addColumn<QString>("name");

    QTest::newRow("drill of 32 one level down, picked")
        << "choice" << 3 << "Full Court Press Break Four Lanes";
    QTest::newRow("drill of 28 two levels down, picked")
        << "choice" << 4 << "Three Man Weave Full Lengths";
    QTest::newRow("row of 40 loaded from a file")
        << "file" << 0 << "Shell Drill With Skip Passes And Closeouts";
}

void tst_TPlanDetailDlg::longNamesStayWhole()
{
    QFETCH(QString, source);
    QFETCH(int, depth);
    QFETCH(QString, name);

    const QString emphasis = QStringLiteral("Sprint lanes, pass ahead, finish strong");
    const QString defEmphasis = QString(80, QLatin1Char('d'));
    QString path;
    if (source == QLatin1String("choice")) {
        DrillTree tree;
        DrillNode* parent = &tree.root();
        for (int level = 2; level < depth; ++level)
            parent = tree.appendCategory(*parent, "Level " + std::to_string(level));
        tree.appendDrill(*parent, DrillRecord{name.toStdString(), 12, emphasis.toStdString()});
        QVERIFY(SaveDrillLibrary(tree));
    } else {
        path = m_data->document(QStringLiteral("LONG.pln"));
        const std::string file = path.toStdString();
        WriteProfileText(file, "Main", "Minutes0", "12", -1, false);
        WriteProfileText(file, "Main", "Drill0", name.toStdString(), -1, false);
        WriteProfileText(file, "Main", "Emphasis0", emphasis.toStdString(), -1, false);
        WriteProfileText(file, "Main", "DefEmphasis", defEmphasis.toStdString(), -1, false);
    }

    PlanWindowDriver plan(path);
    plan.clickRow(0);
    if (source == QLatin1String("choice")) {
        plan.tab();
        const int index = plan.activity()->count() - 1;
        plan.activity()->setCurrentIndex(index);
        emit plan.activity()->activated(index);
    } else {
        QCOMPARE(plan.edit("DefEmphasis")->text(), defEmphasis);
    }
    QCOMPARE(plan.activity()->currentText().trimmed(), name);
    QCOMPARE(plan.edit("Emphasis")->text(), emphasis);
    plan.clickRow(1);

    // Nothing cut, and nothing to offer the library.
    QCOMPARE(m_platform->messages(), QStringList());
    QCOMPARE(activityOf(plan, 0), name);
    QCOMPARE(emphasisOf(plan, 0), emphasis);
    QCOMPARE(plan.window()->entry(0).minutes, 12);
}

void tst_TPlanDetailDlg::typingStopsAtTheLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");

    QTest::newRow("activity") << "Activity" << 35;
    QTest::newRow("emphasis of a row") << "Emphasis" << 30;
    QTest::newRow("defensive emphasis") << "DefEmphasis" << 69;
    QTest::newRow("offensive emphasis") << "OffEmphasis" << 69;
}

void tst_TPlanDetailDlg::typingStopsAtTheLimits()
{
    QFETCH(QString, field);
    QFETCH(int, limit);

    PlanWindowDriver plan;
    plan.clickRow(0);
    QLineEdit* edit = field == QLatin1String("Activity") ? plan.activity()->lineEdit()
                                                         : plan.edit(field.toLatin1());
    plan.click(field == QLatin1String("Activity") ? static_cast<QWidget*>(plan.activity()) : edit);
    QTest::keyClicks(edit, QString(80, QLatin1Char('q')));
    QCOMPARE(edit->text(), QString(limit, QLatin1Char('q')));
}

void tst_TPlanDetailDlg::destroyedWindowHearsNothing()
{
    // The drill's minutes are no number: reaching the window would show a box.
    WriteProfileText("drills.db", "Mins", "Mins", "ten", 2, true);
    auto plan = std::make_unique<PlanWindowDriver>();
    plan->clickRow(0);
    plan->tab();
    plan->activity()->lineEdit()->setText(QStringLiteral("Passing Lines"));
    QCOMPARE(QApplication::focusWidget(), plan->activity());

    // The first control to go finds every other still linked to the window
    // or not; the activity box signals its pick when its field loses the focus.
    QObject* window = plan->window();
    QStringList stillLinked;
    QList<QPointer<QObject>> controls;
    for (QObject* control : window->findChildren<QObject*>())
        controls << control;
    connect(plan->edit("PracticeDate"), &QObject::destroyed, [&] {
        for (const QPointer<QObject>& control : std::as_const(controls))
            if (control && QObject::disconnect(control, nullptr, window, nullptr))
                stillLinked << control->objectName() + ":" + control->metaObject()->className();
    });
    plan.reset();

    QCOMPARE(stillLinked, QStringList());
    QCOMPARE(m_platform->messages(), QStringList());
}

QTEST_MAIN(tst_TPlanDetailDlg)
#include "tst_TPlanDetailDlg.moc"
