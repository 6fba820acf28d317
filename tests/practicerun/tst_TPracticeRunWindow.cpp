#include "ManualClock.h"
#include "PlanRowsText.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "practicerun/FittedText.h"
#include "practicerun/TPracticeRunWindow.h"
#include "ui/UserSettings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

QString describe(const TPracticeRunWindow& window)
{
    static const char* const states[] = {"Ready", "Running", "Paused", "Over"};
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(states[int(window.run().state())]),
             control<FittedText>(window, "ActivityName")->text(),
             control<FittedText>(window, "TimeLeft")->text());
}

} // namespace

class tst_TPracticeRunWindow : public QObject, public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void soundsAndScreen_data();
    void soundsAndScreen();
    void putActualMinutes_data();
    void putActualMinutes();
    void fitsTheWindow_data();
    void fitsTheWindow();
    void remembersItsPlaceAndWarning();
    void opening();

private:
    TPracticeRunWindow* open(const QString& rows, const QObject* plan = nullptr);
    void press(TPracticeRunWindow* window, const QList<Qt::Key>& keys);
    void runToTheEnd(TPracticeRunWindow* window);

    QTemporaryDir m_settings;
    std::unique_ptr<ManualClock> m_clock;
    QObject m_plan;
    std::optional<PlanRows> m_planRows; // what the plan window holds
    QStringList m_put;
};

void tst_TPracticeRunWindow::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    qputenv("CORVANTA_SETTINGS", m_settings.filePath(QStringLiteral("settings.ini")).toLocal8Bit());
}

void tst_TPracticeRunWindow::init()
{
    startWindowTest();
    QFile::remove(m_settings.filePath(QStringLiteral("settings.ini")));
    m_clock = std::make_unique<ManualClock>();
    m_put.clear();
}

void tst_TPracticeRunWindow::cleanup()
{
    finishWindowTest([this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* run = qobject_cast<TPracticeRunWindow*>(window))
                delete run;
        }
        m_clock.reset();
    });
}

TPracticeRunWindow* tst_TPracticeRunWindow::open(const QString& rows, const QObject* plan)
{
    m_planRows = planRows(rows);
    RunPlanLink link;
    link.rows = [this] { return m_planRows; };
    link.putMinutes = [this](const std::vector<std::pair<int, int>>& minutes) {
        for (const auto& [row, count] : minutes)
            m_put << QStringLiteral("%1=%2").arg(row).arg(count);
    };
    return TPracticeRunWindow::open(plan ? plan : &m_plan, QStringLiteral("MONDAY.pln"),
                                    *m_planRows, -1, std::move(link));
}

void tst_TPracticeRunWindow::press(TPracticeRunWindow* window, const QList<Qt::Key>& keys)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (Qt::Key key : keys)
        QTest::keyClick(window, key);
}

// 10 minutes of A, 3 of B, then the coach ends it.
void tst_TPracticeRunWindow::runToTheEnd(TPracticeRunWindow* window)
{
    press(window, {Qt::Key_Space});
    m_clock->advance(13min);
    window->updateNow();
    press(window, {Qt::Key_Right});
    QCOMPARE(window->run().state(), PracticeRun::State::Over);
}

void tst_TPracticeRunWindow::keys_data()
{
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("buttons"); // start, previous, next

    const auto row = [](const char* name, const QList<Qt::Key>& keys, const char* shown,
                        const char* buttons) {
        QTest::newRow(name) << keys << QString(shown) << QString(buttons);
    };
    row("nothing pressed", {}, "Ready A 10:00", "Start, -, Next Activity");
    row("Space starts", {Qt::Key_Space}, "Running A 10:00", "Pause, -, Next Activity");
    row("Space again pauses", {Qt::Key_Space, Qt::Key_Space}, "Paused A 10:00",
        "Resume, -, Next Activity");
    row("Right and Page Down: next", {Qt::Key_Right, Qt::Key_PageDown}, "Ready C 5:00",
        "Start, Previous, -");
    row("Left and Page Up: back", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp},
        "Ready A 10:00", "Start, -, Next Activity");
    row("the last activity under way ends the practice",
        {Qt::Key_Space, Qt::Key_Right, Qt::Key_Right}, "Running C 5:00",
        "Pause, Previous, End Practice");
    row("Up and Down: a minute more or less", {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down},
        "Ready A 11:00", "Start, -, Next Activity");
}

void tst_TPracticeRunWindow::keys()
{
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, shown);
    QFETCH(QString, buttons);

    TPracticeRunWindow* window = open(QStringLiteral("10 A, 0 Water, 8 B, 5 C"));
    press(window, keys);
    QCOMPARE(describe(*window), shown);
    QStringList state;
    for (const char* name : {"actionStartPause", "actionPrevious", "actionNext"}) {
        const QAction* action = control<QAction>(*window, name);
        state << (action->isEnabled() ? action->text() : QStringLiteral("-"));
    }
    QCOMPARE(state.join(QStringLiteral(", ")), buttons);
    QVERIFY(m_platform->sounds.isEmpty()); // the coach's own changes make no sound

    press(window, {Qt::Key_M});
    QVERIFY(control<QAction>(*window, "actionMute")->isChecked());
}

void tst_TPracticeRunWindow::soundsAndScreen_data()
{
    QTest::addColumn<bool>("mute");
    QTest::addColumn<bool>("warn"); // the warning kept in the settings
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("sounds");

    QTest::newRow("chime and warning") << false << true << true << "warning@540 chime@600";
    QTest::newRow("muted") << true << true << true << "";
    QTest::newRow("warning switched off") << false << false << true << "chime@600";
    QTest::newRow("no sound output") << false << true << false << "warning@540 chime@600";
}

// Nine minutes into a 10-minute activity the warning, at ten the chime and a
// flash of the new name; the screen stays on only while the run counts.
void tst_TPracticeRunWindow::soundsAndScreen()
{
    QFETCH(bool, mute);
    QFETCH(bool, warn);
    QFETCH(bool, output);
    QFETCH(QString, sounds);

    OpenUserSettings()->setValue(QStringLiteral("PracticeRun/WarnBeforeEnd"), warn);
    m_platform->soundOutput = output;
    TPracticeRunWindow* window = open(QStringLiteral("10 A, 8 B"));
    const Clock::SteadyTime start = m_clock->steadyNow();
    if (mute)
        press(window, {Qt::Key_M});
    press(window, {Qt::Key_Space});
    QVERIFY(window->isTicking());
    for (int second = 1; second <= 600; ++second) {
        m_clock->advance(1s);
        window->updateNow();
    }
    QStringList played;
    for (const ScriptedPlatform::PlayedSound& sound : m_platform->sounds)
        played
            << QStringLiteral("%1@%2")
                   .arg(sound.sound == Platform::Sound::Chime ? "chime" : "warning")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(sound.at - start).count());
    QCOMPARE(played.join(QLatin1Char(' ')), sounds);
    QVERIFY(control<FittedText>(*window, "ActivityName")->isFlashing());
    QCOMPARE(describe(*window), QStringLiteral("Running B 8:00"));
    const QString status = control<QLabel>(*window, "StatusLine")->text();
    QCOMPARE(status.count(QStringLiteral("no sound output")), output || mute ? 0 : 1);
    QVERIFY(status.contains(QStringLiteral("changes to the plan from now on do not reach it")));

    press(window, {Qt::Key_Space});
    QVERIFY(!window->isTicking());
    QVERIFY(!control<FittedText>(*window, "ActivityName")->isFlashing());
    press(window, {Qt::Key_Space});
    m_clock->advance(8min);
    window->updateNow();
    QCOMPARE(window->run().state(), PracticeRun::State::Over);
    QCOMPARE(m_platform->screenSaverCalls, QList<bool>({true, false, true, false}));
}

void tst_TPracticeRunWindow::putActualMinutes_data()
{
    QTest::addColumn<QString>("answer"); // the plan changed meanwhile: the answer to the question
    QTest::addColumn<QString>("put");

    QTest::newRow("the plan as it was") << QString() << "0=10,2=3";
    QTest::newRow("the plan changed, put all the same") << QString("yes") << "0=10,2=3";
    QTest::newRow("the plan changed, left alone") << QString("no") << QString();
}

// A closed plan window, and the minutes reaching a real one: the main frame's test.
void tst_TPracticeRunWindow::putActualMinutes()
{
    QFETCH(QString, answer);
    QFETCH(QString, put);

    TPracticeRunWindow* window = open(QStringLiteral("10 A, 0 Water, 8 B"));
    runToTheEnd(window);
    const auto* table = control<QTableWidget>(*window, "EndTable");
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            shown << table->item(row, column)->text();
    }
    QCOMPARE(shown.join(QLatin1Char('|')),
             QStringLiteral("A|10 min|10:00||B|8 min|3:00||Total|18 min|13:00|"));

    if (!answer.isEmpty()) {
        m_planRows->at(1).activity = "Water and a talk";
        answer == QLatin1String("yes") ? m_platform->answerYes() : m_platform->answerNo();
    }
    auto* button = control<QPushButton>(*window, "PutMinutesBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_platform->messages(),
             answer.isEmpty() ? QStringList()
                              : QStringList{"MONDAY.pln has changed since the practice started.  "
                                            "Put the actual minutes in its rows all the same?"});
    QCOMPARE(m_put.join(QLatin1Char(',')), put);
    QCOMPARE(button->isEnabled(), put.isEmpty());
}

void tst_TPracticeRunWindow::fitsTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimumPixels");

    const QString words =
        QStringLiteral("Three on two fast break with a trailer ").repeated(7).left(255);
    const QString oneWord = QString(255, QLatin1Char('W'));
    for (const QSize& size : {QSize(1280, 720), QSize(1920, 1080)}) {
        const QByteArray at = QByteArray::number(size.width());
        QTest::newRow("short name at " + at) << size << "Free Throws" << size.height() / 10;
        QTest::newRow("255 characters in words at " + at) << size << words << 20;
        QTest::newRow("255 characters in one word at " + at) << size << oneWord << 9;
    }
}

// The name takes the largest type that fits, however long it is; nothing of
// it is cut, and neither is the longest time left a plan allows.
void tst_TPracticeRunWindow::fitsTheWindow()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(int, minimumPixels);

    TPracticeRunWindow* window = open(QStringLiteral("2147483647 %1, 5 B").arg(name));
    window->resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (const char* line : {"ActivityName", "TimeLeft"}) {
        const auto* text = control<FittedText>(*window, line);
        const QFont font = text->fittedFont();
        const int wrap =
            text->text().contains(QLatin1Char(' ')) ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
        const QRect needed = QFontMetrics(font).boundingRect(text->contentsRect(),
                                                             wrap | Qt::AlignCenter, text->text());
        QVERIFY2(text->contentsRect().contains(needed), line);
        QVERIFY2(font.pixelSize() >= minimumPixels, qPrintable(QString::number(font.pixelSize())));
    }
    QCOMPARE(control<FittedText>(*window, "TimeLeft")->text(), QStringLiteral("2147483647:00"));
}

void tst_TPracticeRunWindow::remembersItsPlaceAndWarning()
{
    TPracticeRunWindow* first = open(QStringLiteral("10 A"));
    first->setGeometry(100, 80, 900, 600);
    control<QAction>(*first, "actionWarning")->trigger();
    QVERIFY(first->close()); // not started: closes without asking

    TPracticeRunWindow* second = open(QStringLiteral("10 A"));
    QCOMPARE(second->geometry(), QRect(100, 80, 900, 600));
    QVERIFY(!control<QAction>(*second, "actionWarning")->isChecked());
    press(second, {Qt::Key_F11});
    QVERIFY(second->isFullScreen());
    press(second, {Qt::Key_Space, Qt::Key_Escape});
    QVERIFY(!second->isFullScreen() && second->isVisible());
    m_platform->answerNo();
    press(second, {Qt::Key_Escape}); // under way: asks first
    QVERIFY(second->isVisible());
    QCOMPARE(m_platform->messages(),
             QStringList{"Stop the practice run?  Its times are not kept."});
}

// A plan with nothing timed gets a message; a plan whose run is going brings
// that run forward; once it is over, a new run opens.
void tst_TPracticeRunWindow::opening()
{
    QVERIFY(!open(QStringLiteral("0 Water, 0 Talk")));
    QCOMPARE(m_platform->messages(),
             QStringList{"There is nothing to run: no activity of MONDAY.pln has any minutes."});

    TPracticeRunWindow* first = open(QStringLiteral("10 A, 0 Water, 8 B"));
    QCOMPARE(first->windowTitle(), QStringLiteral("Practice Run - MONDAY.pln"));
    QCOMPARE(open(QStringLiteral("10 A")), first);
    QObject otherPlan;
    QVERIFY(open(QStringLiteral("10 A"), &otherPlan) != first);
    runToTheEnd(first);
    QVERIFY(open(QStringLiteral("10 A")) != first);
}

QTEST_MAIN(tst_TPracticeRunWindow)
#include "tst_TPracticeRunWindow.moc"
