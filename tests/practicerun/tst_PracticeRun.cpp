#include "ManualClock.h"
#include "PlanRowsText.h"

#include "practicerun/PracticeRun.h"
#include "practicerun/RunTexts.h"

#include <QtTest>

using namespace std::chrono_literals;
using Duration = PracticeRun::Duration;

namespace {

// Activities A, B, C... of the given minutes.
std::vector<RunActivity> activities(const QList<int>& minutes)
{
    std::vector<RunActivity> schedule;
    for (int i = 0; i < minutes.size(); ++i)
        schedule.push_back({i, minutes[i], std::string(1, char('A' + i)), "", "", {}});
    return schedule;
}

// "M:SS" or "M:SS.mmm".
Duration durationOf(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    return Duration(qRound64((parts[0].toDouble() * 60 + parts[1].toDouble()) * 1000));
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString eventName(PracticeRun::Event event)
{
    static const char* const names[] = {"", "warning", "change", "over"};
    return QLatin1String(names[int(event)]);
}

// Plays a script against a run, as the window does: the timer updates it
// on every second of "wait", a suspended machine once after "sleep".
// Returns the events with the time since the script began, and what "show"
// and "tick" saw.
QString play(PracticeRun& run, ManualClock& clock, const QString& script)
{
    QStringList log;
    Duration elapsed{0};
    const auto note = [&](PracticeRun::Event event) {
        if (event != PracticeRun::Event::None)
            log << eventName(event) + QLatin1Char('@') + q(DurationText(elapsed));
    };
    const QStringList steps = script.split(QLatin1Char(' '));
    for (int i = 0; i < steps.size(); ++i) {
        const QString& step = steps[i];
        if (step == QLatin1String("start") || step == QLatin1String("pause") ||
            step == QLatin1String("resume")) {
            note(run.startOrPause());
        } else if (step == QLatin1String("next")) {
            note(run.next());
        } else if (step == QLatin1String("prev")) {
            note(run.previous());
        } else if (step == QLatin1String("+1") || step == QLatin1String("-1")) {
            note(run.addMinutes(step.toInt()));
        } else if (step == QLatin1String("wait")) {
            for (Duration left = durationOf(steps[++i]); left > 0ms; left -= 1s) {
                clock.advance(std::min<Duration>(left, 1s));
                elapsed += std::min<Duration>(left, 1s);
                note(run.update());
            }
        } else if (step == QLatin1String("sleep")) {
            const Duration span = durationOf(steps[++i]);
            clock.advance(span);
            elapsed += span;
            note(run.update());
        } else if (step == QLatin1String("show")) {
            log << QStringLiteral("[%1 %2 | %3 | %4]")
                       .arg(q(ActivityName(run.schedule()[run.current()])),
                            q(CountdownText(run.left())), q(NextText(run)), q(StandingText(run)));
        } else if (step == QLatin1String("tick")) {
            const auto wait = run.untilNextSecond();
            log << (wait ? QStringLiteral("(%1 ms)").arg(wait->count()) : QStringLiteral("(none)"));
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
    return log.join(QLatin1Char(' '));
}

QString endTable(const PracticeRun& run)
{
    QStringList rows;
    for (const EndTableRow& row : EndTable(run))
        rows << QStringList{q(row.activity), q(row.planned), q(row.actual), q(row.note)}.join('|');
    QStringList put;
    for (const auto& [row, minutes] : ActualMinutes(run))
        put << QStringLiteral("%1=%2").arg(row).arg(minutes);
    return rows.join(QLatin1Char(';')) + QStringLiteral(" / ") + q(EndSummaryText(run)) +
           QStringLiteral(" / put ") + put.join(QLatin1Char(','));
}

} // namespace

class tst_PracticeRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void schedule_data();
    void schedule();
    void run_data();
    void run();
    void countdown_data();
    void countdown();
};

void tst_PracticeRun::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
}

void tst_PracticeRun::schedule_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("expected"); // row:activity(minutes)[notes]

    QTest::newRow("untimed rows are notes of the next timed one, trailing ones of the last")
        << "0 Talk, 10 A, 0 Water, 0, 8 B, 0 Stretch" << -1
        << "1:A(10)[Talk] 4:B(8)[Water,Stretch]";
    QTest::newRow("from the selected row") << "10 A, 0 Water, 8 B, 5 C" << 2 << "2:B(8)[] 3:C(5)[]";
    QTest::newRow("a selected untimed row starts at the next timed one, its note with it")
        << "10 A, 0 Water, 8 B" << 1 << "2:B(8)[Water]";
    QTest::newRow("selected below the last timed row: from the first")
        << "10 A, 8 B" << 40 << "0:A(10)[] 1:B(8)[]";
    QTest::newRow("negative minutes are not timed") << "-5 Odd, 3 A" << -1 << "1:A(3)[Odd]";
    QTest::newRow("a timed row without a name") << "0, 4" << -1 << "1:(4)[]";
    QTest::newRow("nothing timed: nothing to run") << "0 Water, 0 Talk" << -1 << "";
}

void tst_PracticeRun::schedule()
{
    QFETCH(QString, rows);
    QFETCH(int, startRow);
    QFETCH(QString, expected);

    QStringList shown;
    for (const RunActivity& activity : BuildRunSchedule(planRows(rows), startRow)) {
        QStringList notes;
        for (const std::string& note : activity.notes)
            notes << q(note);
        QCOMPARE(q(activity.timeSpan), QStringLiteral("span %1").arg(activity.row));
        shown << QStringLiteral("%1:%2(%3)[%4]")
                     .arg(activity.row)
                     .arg(q(activity.activity))
                     .arg(activity.minutes)
                     .arg(notes.join(QLatin1Char(',')));
    }
    QCOMPARE(shown.join(QLatin1Char(' ')), expected);
}

void tst_PracticeRun::run_data()
{
    QTest::addColumn<QList<int>>("minutes");
    QTest::addColumn<QString>("clock"); // the wall clock at the start, 24-hour
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("table"); // once over: the end table / summary / minutes put

    const auto row = [](const char* name, const QList<int>& minutes, const char* script,
                        const char* log, const char* table = "", const char* clock = "15:30") {
        QTest::newRow(name) << minutes << QString(clock) << QString(script) << QString(log)
                            << QString(table);
    };
    row("straight through: a warning a minute before each end, then the change", {10, 8},
        "start show wait 18:00",
        "[A 10:00 | Next: B (8 min) | Ends at 3:48 as planned]"
        " warning@9:00 change@10:00 warning@17:00 over@18:00",
        "A|10 min|10:00|;B|8 min|8:00|;Total|18 min|18:00|"
        " / Started at 3:30 \u00b7 Ended at 3:48 as planned / put 0=10,1=8");
    row("no warning for an activity under 3 minutes", {2, 3}, "start wait 5:00",
        "change@2:00 warning@4:00 over@5:00",
        "A|2 min|2:00|;B|3 min|3:00|;Total|5 min|5:00|"
        " / Started at 3:30 \u00b7 Ended at 3:35 as planned / put 0=2,1=3");
    row("a pause stops the count and is lost time; nothing waits while paused", {10, 5},
        "start wait 2:00 pause wait 3:00 tick show resume tick wait 13:00",
        "(none) [A 8:00 | Next: B (5 min) | Ends at 3:48, 3 min behind] (1000 ms)"
        " warning@12:00 change@13:00 warning@17:00 over@18:00",
        "A|10 min|10:00|paused 3:00;B|5 min|5:00|;Total|15 min|15:00|paused 3:00"
        " / Started at 3:30 \u00b7 Ended at 3:48, 3 min behind / put 0=10,1=5");
    row("next skips and gains the time; a skip keeps its planned minutes", {10, 5},
        "start wait 0:10 next show wait 5:00",
        "[B 5:00 | Last activity | Ends at 3:35, 10 min ahead] warning@4:10 over@5:10",
        "A|10 min|0:10|skipped;B|5 min|5:00|;Total|15 min|5:10|"
        " / Started at 3:30 \u00b7 Ended at 3:35, 10 min ahead / put 1=5");
    row("back to an activity left early: the time it had left", {10, 8},
        "start wait 2:00 next wait 1:00 prev show",
        "[A 8:00 | Next: B (8 min) | Ends at 3:48 as planned]");
    row("back to an activity that ran out: it runs again", {3, 8}, "start wait 3:30 prev show",
        "warning@2:00 change@3:00 [A 3:00 | Next: B (8 min) | Ends at 3:44, 3 min behind]");
    row("a minute less with half a minute left: none left, the next starts", {10, 8},
        "start wait 9:30 -1 +1 show",
        "warning@9:00 change@9:30 [B 9:00 | Last activity | Ends at 3:48 as planned]");
    row("a minute more moves the warning", {3, 3}, "start wait 1:30 +1 wait 1:30", "warning@3:00");
    row("the coach ends it early on the last activity", {10, 8}, "start wait 12:00 next",
        "warning@9:00 change@10:00 over@12:00",
        "A|10 min|10:00|;B|8 min|2:00|;Total|18 min|12:00|"
        " / Started at 3:30 \u00b7 Ended at 3:42, 6 min ahead / put 0=10,1=2");
    row("started further on: the rows before are not run", {10, 8, 5}, "next show start wait 13:00",
        "[B 8:00 | Next: C (5 min) | 13 min planned]"
        " warning@7:00 change@8:00 warning@12:00 over@13:00",
        "A|10 min||not run;B|8 min|8:00|;C|5 min|5:00|;Total|13 min|13:00|"
        " / Started at 3:30 \u00b7 Ended at 3:43 as planned / put 1=8,2=5");
    row("a suspended machine finds the run further on, with one chime", {10, 8, 15},
        "start sleep 25:00 show",
        "change@25:00 [C 8:00 | Last activity | Ends at 4:03 as planned]");
    row("woken in a last minute: the chime, no warning after it", {10, 8},
        "start sleep 17:30 wait 0:30", "change@17:30 over@18:00",
        "A|10 min|10:00|;B|8 min|8:00|;Total|18 min|18:00|"
        " / Started at 3:30 \u00b7 Ended at 3:48 as planned / put 0=10,1=8");
    row("the display waits for the next whole second", {10},
        "tick start tick sleep 0:00.250 tick sleep 0:00.750 tick",
        "(none) (1000 ms) (750 ms) (1000 ms)");
    row("across midnight on the plan's clock", {15, 10}, "start wait 0:10 show",
        "[A 14:50 | Next: B (10 min) | Ends at 12:15 as planned]", "", "23:50");
    row("the longest minutes a plan allows", {2147483647}, "start wait 0:01 +1 show",
        "[A 2147483647:59 | Last activity | Ends at 5:38, 1 min behind]");
}

void tst_PracticeRun::run()
{
    QFETCH(QList<int>, minutes);
    QFETCH(QString, clock);
    QFETCH(QString, script);
    QFETCH(QString, log);
    QFETCH(QString, table);

    const QTime start = QTime::fromString(clock, QStringLiteral("H:mm"));
    ManualClock manual(Clock::WallTime(std::chrono::hours(24 * 20000) +
                                       std::chrono::seconds(start.msecsSinceStartOfDay() / 1000)));
    PracticeRun practice(activities(minutes));
    QCOMPARE(play(practice, manual, script), log);
    QCOMPARE(practice.state() == PracticeRun::State::Over, !table.isEmpty());
    if (!table.isEmpty())
        QCOMPARE(endTable(practice), table);
}

void tst_PracticeRun::countdown_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("left");    // rounded up
    QTest::addColumn<QString>("counted"); // to the nearest

    const auto row = [](const char* name, qint64 ms, const char* left, const char* counted) {
        QTest::newRow(name) << ms << QString(left) << QString(counted);
    };
    row("nothing", 0, "0:00", "0:00");
    row("a millisecond", 1, "0:01", "0:00");
    row("just under a minute", 59'999, "1:00", "1:00");
    row("a minute and a half second", 60'500, "1:01", "1:01");
    row("over an hour stays in minutes", 6'000'000, "100:00", "100:00");
}

void tst_PracticeRun::countdown()
{
    QFETCH(qint64, ms);
    QFETCH(QString, left);
    QFETCH(QString, counted);
    QCOMPARE(q(CountdownText(Duration(ms))), left);
    QCOMPARE(q(DurationText(Duration(ms))), counted);
}

QTEST_GUILESS_MAIN(tst_PracticeRun)
#include "tst_PracticeRun.moc"
