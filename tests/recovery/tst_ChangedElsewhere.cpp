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
#include "ui/WindowModes.h"

#include <QtTest>
#include <utime.h>

namespace {

const QByteArray OtherProgram = "[Main]\r\nDate=9/9/2026\r\n[Players]\r\nName0=Zoe\r\n";

} // namespace

// A save that would replace a file another program changed since the window
// read it asks first, for a document and for the data files; this program's
// own writes never count, whichever window made them.
class tst_ChangedElsewhere : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void cleanup();
    void save_data();
    void save();

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

void tst_ChangedElsewhere::save_data()
{
    QTest::addColumn<QString>("file");
    // Since the window read it: nobody, another program or this one changed
    // it, it was touched, removed, or made by another program where none was.
    QTest::addColumn<QString>("changedBy");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    const auto row = [](const char* name, const char* file, const char* changedBy,
                        const char* answer, bool written) {
        QTest::newRow(name) << QString(file) << QString(changedBy) << QString(answer) << written;
    };
    row("plan unchanged", "MONDAY.pln", "", "", true);
    row("plan replaced", "MONDAY.pln", "other", "yes", true);
    row("plan kept", "MONDAY.pln", "other", "no", false);
    row("plan saved meanwhile by another plan window", "MONDAY.pln", "own", "", true);
    row("plan touched, same bytes", "MONDAY.pln", "touch", "", true);
    row("plan removed: nothing to lose", "MONDAY.pln", "remove", "", true);
    row("new plan's file made elsewhere, kept", "MONDAY.pln", "create", "no", false);
    row("players list kept: stays open", "players.db", "other", "no", false);
    row("players list replaced", "players.db", "other", "yes", true);
    row("drill list kept: stays open", "drills.db", "other", "no", false);
    row("preferences replaced", "prefs.db", "other", "yes", true);
    row("preferences after a window position was kept", "prefs.db", "own", "", true);
}

void tst_ChangedElsewhere::save()
{
    QFETCH(QString, file);
    QFETCH(QString, changedBy);
    QFETCH(QString, answer);
    QFETCH(bool, written);
    const bool plan = file.endsWith(QLatin1String(".pln"));
    const QString path = plan ? m_data->document(file) : m_data->file(file);
    QVERIFY(changedBy == QLatin1String("create") || writeFile(path, "[Main]\r\nDate=1/2/2026\r\n"));
    const auto change = [&] {
        if (changedBy == QLatin1String("other") || changedBy == QLatin1String("create")) {
            QVERIFY(writeFile(path, OtherProgram));
        } else if (changedBy == QLatin1String("touch")) {
            QVERIFY(utime(QFile::encodeName(path).constData(), nullptr) == 0);
        } else if (changedBy == QLatin1String("remove")) {
            QVERIFY(QFile::remove(path));
        } else if (changedBy == QLatin1String("own") && plan) {
            PlanWindowDriver second(path);
            second.retype(second.edit("OffEmphasis"), QStringLiteral("Theirs"));
            QVERIFY(second.window()->Save());
        } else if (changedBy == QLatin1String("own")) {
            WriteProfileInt("prefs.db", "Players", "X", 5, -1, true);
        }
        if (!answer.isEmpty())
            answer == QLatin1String("yes") ? m_platform->answerYes() : m_platform->answerNo();
    };

    bool saved = false;
    if (plan) {
        m_plan = std::make_unique<PlanWindowDriver>(path);
        m_plan->retype(m_plan->edit("DefEmphasis"), QStringLiteral("Mine"));
        change();
        saved = m_plan->window()->Save();
        QCOMPARE(m_plan->window()->isChanged(), !saved);
    } else if (file == QLatin1String("prefs.db")) {
        m_window = std::make_unique<TPreferencesDlg>();
        m_platform->runDialog([&](QDialog& dialog) {
            change();
            click(dialog, "OkBtn");
        });
        saved = static_cast<TPreferencesDlg&>(*m_window).run() == QDialog::Accepted;
    } else {
        m_entry = std::make_unique<TDrillEntry>();
        m_window.reset(file == QLatin1String("players.db") ? static_cast<QDialog*>(new TPlayersDlg)
                                                           : new TDrillCat);
        ShowModeless(*m_window);
        change();
        click(*m_window, "CloseBtn");
        saved = !m_window->isVisible(); // kept: the window stays open
    }
    QCOMPARE(saved, written);
    QCOMPARE(m_platform->messages(),
             answer.isEmpty() ? QStringList() : QStringList{ChangedElsewhere::question(path)});
    QCOMPARE(readFile(path) != OtherProgram, written);
    if (plan && !written) { // Save As remains
        m_platform->chooseFile(m_data->document("ELSEWHERE.pln"));
        QVERIFY(m_plan->window()->SaveAs());
    }
}

QTEST_MAIN(tst_ChangedElsewhere)
#include "tst_ChangedElsewhere.moc"
