#include "FileBytes.h"
#include "ManualClock.h"
#include "ShowFrame.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "../plans/PlanWindowDriver.h"
#include "app/RecoveryAtStart.h"
#include "app/TMainForm.h"
#include "evaluations/TGameEvalDlg.h"
#include "plans/PlanFile.h"
#include "plans/PracticePlan.h"
#include "recovery/DocumentRecovery.h"
#include "recovery/RecoverySession.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

const QByteArray StoredPlan = "[Main]\r\nDate=1/2/2026\r\nPracticeTime=3:30\r\nMinutes0=10\r\n"
                              "Drill0=Shell Drill\r\nEmphasis0=\r\n";

} // namespace

// Recovery copies of unsaved documents: written a few seconds after the last
// edit and only when needed, gone once the edits are saved or given up, and
// offered at the next start after a run that did not end normally.
class tst_DocumentRecovery : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copyFollowsTheEdits();
    void copyGoes_data();
    void copyGoes();
    void offeredAtTheNextStart_data();
    void offeredAtTheNextStart();
    void recoveryOff_data();
    void recoveryOff();

private:
    QString folder() const { return m_state.path() + QStringLiteral("/recovery/"); }
    QStringList copies() const
    {
        m_session->flush();
        return QDir(folder()).entryList(QDir::Files);
    }
    QString storedPlan()
    {
        const QString path = m_data->document(QStringLiteral("MONDAY.pln"));
        writeFile(path, StoredPlan);
        return path;
    }
    // Moves the clock on and lets the copy be written when it is due.
    void after(std::chrono::milliseconds time, DocumentRecovery* recovery)
    {
        m_clock->advance(time);
        recovery->writeIfDue();
    }
    void startSession() { m_session = std::make_unique<RecoverySession>(folder()); }

    QTemporaryDir m_state;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<RecoverySession> m_session;
    std::unique_ptr<PlanWindowDriver> m_plan;
    std::unique_ptr<TMainForm> m_frame;
};

void tst_DocumentRecovery::init()
{
    startWindowTest();
    m_clock = std::make_unique<ManualClock>();
    startSession();
}

void tst_DocumentRecovery::cleanup()
{
    finishWindowTest([this] {
        m_frame.reset();
        m_plan.reset();
        m_session.reset();
        m_clock.reset();
        QFile::remove(folder().chopped(1));
        QDir(folder()).removeRecursively();
    });
}

void tst_DocumentRecovery::copyFollowsTheEdits()
{
    const QString path = storedPlan();
    m_plan = std::make_unique<PlanWindowDriver>(path);
    DocumentRecovery* recovery = m_plan->window()->recovery();
    QSignalSpy written(m_session.get(), &RecoverySession::copyWritten);
    QVERIFY(!recovery->isWaiting());

    m_plan->retype(m_plan->edit("DefEmphasis"), QStringLiteral("Help side"));
    m_plan->clickRow(1);
    QTest::keyClicks(m_plan->edit("Minutes"), QStringLiteral("15")); // the row still open
    after(2999ms, recovery);
    QCOMPARE(copies(), QStringList());
    after(1ms, recovery);
    QCOMPARE(copies().size(), 1);
    QVERIFY(!recovery->isWaiting());
    const std::optional<RecoveryCopy> copy = RecoveryCopy::read(recovery->copyFile());
    QVERIFY(copy && copy->kind == "pln" && copy->originalPath == path.toStdString());
    QVERIFY(copy->original.sameContent(FileFingerprint::ofFile(path.toStdString())));
    PracticePlan kept;
    kept.path = copy->file;
    LoadPlanFile(kept, "today", LocaleFormats());
    QCOMPARE(kept.defEmphasis + "|" + kept.entries[0].activity + "|" +
                 std::to_string(kept.entries[1].minutes),
             std::string("Help side|Shell Drill|15"));

    // Nothing new, nothing written; typing on without a pause, written once
    // half a minute after the first edit not yet kept.
    after(10s, recovery);
    for (int second = 0; second < 32; second += 2) {
        QTest::keyClicks(m_plan->edit("DefEmphasis"), QStringLiteral("x"));
        after(2s, recovery);
    }
    m_session->flush();
    QTRY_COMPARE(written.size(), 2);

    // Back to what the file holds: the copy goes.
    m_plan->retype(m_plan->edit("DefEmphasis"), QString());
    m_plan->clickRow(1);
    m_plan->retype(m_plan->edit("Minutes"), QString());
    after(3s, recovery);
    QCOMPARE(copies(), QStringList());
    QCOMPARE(readFile(path), StoredPlan);

    // The actual minutes of a practice run are an edit too.
    m_plan->window()->setMinutes({{0, 12}});
    after(3s, recovery);
    QCOMPARE(copies().size(), 1);
}

void tst_DocumentRecovery::copyGoes_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("ending"); // the answers on closing: no, yes, yes-cancel
    QTest::addColumn<bool>("copyLeft");

    QTest::newRow("closed without saving") << true << "no" << false;
    QTest::newRow("saved on closing") << true << "yes" << false;
    QTest::newRow("new plan saved as on closing") << false << "yes" << false;
    QTest::newRow("save as cancelled on closing") << false << "yes-cancel" << true;
}

void tst_DocumentRecovery::copyGoes()
{
    QFETCH(bool, stored);
    QFETCH(QString, ending);
    m_plan = std::make_unique<PlanWindowDriver>(stored ? storedPlan() : QString());
    m_plan->retype(m_plan->edit("OffEmphasis"), QStringLiteral("Fast break"));
    after(3s, m_plan->window()->recovery());
    QCOMPARE(copies().size(), 1);

    ending == QLatin1String("no") ? m_platform->answerNo() : m_platform->answerYes();
    if (ending == QLatin1String("yes") && !stored)
        m_platform->chooseFile(m_data->document("NEW.pln"));
    else if (ending == QLatin1String("yes-cancel"))
        m_platform->cancelDialog();
    m_plan->close();
    QTEST(!copies().isEmpty(), "copyLeft");
}

void tst_DocumentRecovery::offeredAtTheNextStart_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("recover") << "Recover";
    QTest::newRow("discard") << "Discard";
}

// A run leaves copies of a stored plan, a new plan and an evaluation, then
// ends without closing them; the next start asks, where its new plan would open.
void tst_DocumentRecovery::offeredAtTheNextStart()
{
    QFETCH(QString, answer);
    const QString planPath = storedPlan();
    const QString evaluationPath = m_data->document("GAME.gev");
    {
        PlanWindowDriver stored(planPath);
        stored.retype(stored.edit("DefEmphasis"), QStringLiteral("Help side"));
        after(3s, stored.window()->recovery());
        PlanWindowDriver fresh;
        fresh.retype(fresh.edit("PracticeTime"), QStringLiteral("4:15"));
        after(3s, fresh.window()->recovery());
        TGameEvalDlg evaluation;
        evaluation.openDocument(evaluationPath, m_data->folder());
        control<QLineEdit>(evaluation, "Opponent")->setText(QStringLiteral("Eagles"));
        after(3s, evaluation.recovery());
        QCOMPARE(copies().size(), 3);
    }
    QVERIFY(writeFile(folder() + "cut.pln", QByteArray())); // as after a power cut
    startSession();
    m_platform->chooseButton(answer);
    m_frame = std::make_unique<TMainForm>();
    QVERIFY(ShowFrame(*m_frame));

    QCOMPARE(m_platform->messages(),
             QStringList({"Corvanta was not closed properly. Recover 3 unsaved documents?\n\n" +
                              planPath + "\nNew Plan\n" + evaluationPath,
                          "A recovery copy could not be read. It is kept as:\n" + folder() +
                              "unreadable/cut.pln"}));
    QCOMPARE(m_platform->choiceButtons, (QStringList{"Recover", "Discard"}));
    QStringList shown;
    for (QMdiSubWindow* window : m_frame->mdiArea()->subWindowList()) {
        auto* plan = qobject_cast<TPlanDetailDlg*>(window->widget());
        shown << plan->windowTitle() + (plan->isChanged() ? " changed " : " ") +
                     plan->findChild<QLineEdit*>("DefEmphasis")->text() + u'|' +
                     plan->findChild<QLineEdit*>("PracticeTime")->text();
    }
    auto* evaluation = m_frame->findChild<TGameEvalDlg*>();
    if (answer == QLatin1String("Recover")) {
        QCOMPARE(shown,
                 (QStringList{"MONDAY.pln changed Help side|3:30", "New Plan changed |4:15"}));
        QVERIFY(evaluation && evaluation->isVisible() && evaluation->isChanged());
        QCOMPARE(evaluation->documentPath(), evaluationPath);
        QCOMPARE(evaluation->findChild<QLineEdit*>("Opponent")->text(), QStringLiteral("Eagles"));
        QCOMPARE(copies().size(), 3); // each window's own now
    } else {
        QCOMPARE(shown.size(), 1); // the new plan, as always
        QVERIFY(shown.constFirst().startsWith("New Plan") &&
                shown.constFirst().endsWith(" |12:00"));
        QVERIFY(!evaluation);
        QCOMPARE(copies(), QStringList());
    }
    QCOMPARE(readFile(planPath), StoredPlan);
    QVERIFY(!QFile::exists(evaluationPath));
}

void tst_DocumentRecovery::recoveryOff_data()
{
    QTest::addColumn<bool>("failsLater"); // as a full disk: the folder fails at the first write
    QTest::newRow("folder cannot be made") << false;
    QTest::newRow("write fails") << true;
}

void tst_DocumentRecovery::recoveryOff()
{
    QFETCH(bool, failsLater);
    const QString path = storedPlan();
    const auto blockFolder = [this] {
        QVERIFY(QDir(folder()).removeRecursively() && writeFile(folder().chopped(1), "a file"));
    };
    if (!failsLater) {
        blockFolder();
        startSession();
    }
    QSignalSpy turnedOff(m_session.get(), &RecoverySession::turnedOff);
    m_frame = std::make_unique<TMainForm>();
    ShowRecoveryState(*m_frame);
    m_plan = std::make_unique<PlanWindowDriver>(path);
    if (failsLater)
        blockFolder();

    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(m_plan->edit("DefEmphasis"), QStringLiteral("x"));
        after(3s, m_plan->window()->recovery());
        m_session->flush();
    }
    QTRY_COMPARE(m_frame->statusBar()->currentMessage(),
                 "Unsaved work is not kept for recovery in this session: " + folder() +
                     " cannot be written.");
    QCOMPARE(turnedOff.size(), failsLater ? 1 : 0); // said once, at the failure or at the start
    QVERIFY(!m_session->isOn());
    QCOMPARE(readFile(path), StoredPlan);
}

QTEST_MAIN(tst_DocumentRecovery)
#include "tst_DocumentRecovery.moc"
