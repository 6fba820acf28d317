#include "FileBytes.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "../plans/PlanWindowDriver.h"
#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"
#include "players/TPlayersDlg.h"
#include "prefs/TPreferencesDlg.h"
#include "recovery/ChangedElsewhere.h"
#include "store/ProfileStore.h"

#include <QtTest>

namespace {

const QByteArray StoredPlan = "[Main]\r\nDate=1/2/2026\r\nPracticeTime=3:30\r\n";
const QByteArray OtherProgram = "[Main]\r\nDate=9/9/2026\r\n[Players]\r\nName0=Zoe\r\n";

} // namespace

// A save that would replace a file another program changed since the window
// read it asks first; this program's own writes never count.
class tst_ChangedElsewhere : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void cleanup();
    void planSave_data();
    void planSave();
    void dataFiles_data();
    void dataFiles();

private:
    std::unique_ptr<PlanWindowDriver> m_plan;
    std::unique_ptr<QDialog> m_window;
    std::unique_ptr<TDrillEntry> m_entry;
};

void tst_ChangedElsewhere::cleanup()
{
    finishWindowTest([this] {
        m_plan.reset();
        m_window.reset();
        m_entry.reset();
    });
}

void tst_ChangedElsewhere::planSave_data()
{
    QTest::addColumn<QString>("changedBy"); // nobody, another program, another window of this one
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");

    QTest::newRow("unchanged") << ""
                               << "" << true;
    QTest::newRow("changed elsewhere, replaced") << "other"
                                                 << "yes" << true;
    QTest::newRow("changed elsewhere, kept") << "other"
                                             << "no" << false;
    QTest::newRow("saved meanwhile by another plan window") << "own"
                                                            << "" << true;
}

void tst_ChangedElsewhere::planSave()
{
    QFETCH(QString, changedBy);
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    const QString path = m_data->document("MONDAY.pln");
    QVERIFY(writeFile(path, StoredPlan));
    m_plan = std::make_unique<PlanWindowDriver>(path);
    m_plan->retype(m_plan->edit("DefEmphasis"), QStringLiteral("Mine"));
    if (changedBy == QLatin1String("other")) {
        QVERIFY(writeFile(path, OtherProgram));
    } else if (changedBy == QLatin1String("own")) {
        PlanWindowDriver second(path);
        second.retype(second.edit("OffEmphasis"), QStringLiteral("Theirs"));
        QVERIFY(second.window()->Save());
    }
    if (!answer.isEmpty())
        answer == QLatin1String("yes") ? m_platform->answerYes() : m_platform->answerNo();

    QCOMPARE(m_plan->window()->Save(), saved);
    QCOMPARE(m_platform->messages(),
             answer.isEmpty() ? QStringList() : QStringList{ChangedElsewhere::question(path)});
    QCOMPARE(readFile(path).contains("DefEmphasis=Mine"), saved);
    QCOMPARE(m_plan->window()->isChanged(), !saved);
    // Once saved, the file is what the window read; kept, Save As remains.
    if (!saved)
        m_platform->chooseFile(m_data->document("ELSEWHERE.pln"));
    QVERIFY(saved ? m_plan->window()->Save() : m_plan->window()->SaveAs());
    QCOMPARE(m_platform->messages().size(), answer.isEmpty() ? 0 : 1);
}

void tst_ChangedElsewhere::dataFiles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("changedBy");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");

    QTest::newRow("players list, kept: stays open") << "players"
                                                    << "other"
                                                    << "no" << false;
    QTest::newRow("players list, replaced") << "players"
                                            << "other"
                                            << "yes" << true;
    QTest::newRow("drill list, kept: stays open") << "drills"
                                                  << "other"
                                                  << "no" << false;
    QTest::newRow("preferences, replaced") << "prefs"
                                           << "other"
                                           << "yes" << true;
    QTest::newRow("preferences after this program kept a position") << "prefs"
                                                                    << "own"
                                                                    << "" << true;
}

void tst_ChangedElsewhere::dataFiles()
{
    QFETCH(QString, window);
    QFETCH(QString, changedBy);
    QFETCH(QString, answer);
    QFETCH(bool, written);
    const QString file = window == QLatin1String("players")  ? QStringLiteral("players.db")
                         : window == QLatin1String("drills") ? QStringLiteral("drills.db")
                                                             : QStringLiteral("prefs.db");
    const QString path = m_data->file(file);
    QVERIFY(writeFile(path, "[General]\r\nTeamName=Owls\r\n"));
    const auto change = [&] {
        if (changedBy == QLatin1String("own"))
            WriteProfileInt("prefs.db", "Players", "X", 5, -1, true);
        else
            QVERIFY(writeFile(path, OtherProgram));
    };
    const auto queueAnswer = [&] {
        if (!answer.isEmpty())
            answer == QLatin1String("yes") ? m_platform->answerYes() : m_platform->answerNo();
    };

    if (window == QLatin1String("prefs")) {
        auto* prefs = new TPreferencesDlg;
        m_window.reset(prefs);
        m_platform->runDialog([&](QDialog& dialog) {
            change();
            click(dialog, "OkBtn");
        });
        queueAnswer();
        QCOMPARE(prefs->run(), written ? int(QDialog::Accepted) : int(QDialog::Rejected));
    } else {
        if (window == QLatin1String("players")) {
            auto* players = new TPlayersDlg;
            m_window.reset(players);
            players->showModeless();
        } else {
            m_entry = std::make_unique<TDrillEntry>();
            auto* drills = new TDrillCat;
            m_window.reset(drills);
            drills->showModeless();
        }
        change();
        queueAnswer();
        click(*m_window, "CloseBtn");
        QCOMPARE(m_window->isVisible(), !written);
    }
    QCOMPARE(m_platform->messages(),
             answer.isEmpty() ? QStringList() : QStringList{ChangedElsewhere::question(path)});
    QCOMPARE(readFile(path) != OtherProgram, written);
}

QTEST_MAIN(tst_ChangedElsewhere)
#include "tst_ChangedElsewhere.moc"
