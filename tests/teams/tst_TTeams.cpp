#include "PdfText.h"
#include "TeamWindowTest.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "teams/RowMarks.h"
#include "teams/TMakeTeamsDlg.h"
#include "teams/TeamWindowShape.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString Cancel = QStringLiteral("Cancel edit of teams?");

// players.db of P01, P02, ... and ratings.db rating each of them `rating`.
void writeNumberedRoster(const TempDataDir& data, int players, int rating)
{
    QStringList names;
    QByteArray ratings("[Ratings]\r\n");
    for (int i = 1; i <= players; ++i) {
        names << QString("P%1").arg(i, 2, 10, QChar('0'));
        ratings += names.last().toUtf8() + "=" + QByteArray::number(rating) + "\r\n";
    }
    writeRoster(data.file("players.db"), names);
    if (rating > 0)
        QVERIFY(writeFile(data.file("ratings.db"), ratings));
}

// Each team's size and the sum beside its name, "5 \u03A3 15" or "0".
QStringList teamsShown(const TTeams& window, int teams)
{
    QStringList shown;
    for (int team = 1; team <= teams; ++team) {
        const auto* sum = window.findChild<QLabel*>(QString("T%1EditSum").arg(team));
        shown << QString::number(window.teamList(team)->count()) +
                     (sum->isVisible() ? ' ' + sum->text() : QString());
    }
    return shown;
}

QStringList tabCaptions(const QTabWidget* pages)
{
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    return captions;
}

} // namespace

class tst_TTeams : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void loadsOnEveryShow();
    void drops_data();
    void drops();
    void leave_data();
    void leave();
    void resetSavesAtOnce();
    void failedSaveKeepsTheWindowOpen();
    void printShowsTheMovedPlayers();
    void makeTeams_data();
    void makeTeams();
    void shuffleAgain();

private:
    std::unique_ptr<TTeams> m_window;
};

void tst_TTeams::init()
{
    startWindowTest();
}

void tst_TTeams::cleanup()
{
    finishWindowTest([this] { m_window.reset(); });
}

void tst_TTeams::layout_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<int>("listHeight");
    QTest::addColumn<QString>("marks");

    const QStringList fours{"Teams 1-4", "Teams 5-8", "Teams 9-10"};
    QTest::newRow("2") << 2 << "2 Players" << QSize(644, 459)
                       << QStringList{"Teams 1-8", "Teams 9-16", "Teams 17-24", "Teams 25-32",
                                      "Teams 33-40"}
                       << 46 << "1 2 S";
    QTest::newRow("4: a short last tab")
        << 4 << "4 Players" << QSize(634, 497)
        << QStringList{"Teams 1-8", "Teams 9-16", "Teams 17-18"} << 74 << "1 2 3 4 S";
    QTest::newRow("7") << 7 << "7 Player" << QSize(633, 383) << fours << 116 << "1 2 3 4 5 6 7 S";
    QTest::newRow("11") << 11 << "11 Players" << QSize(614, 395)
                        << QStringList{"Teams 1-2", "Teams 3-4", "Teams 5-6", "Teams 7-8",
                                       "Teams 9-10"}
                        << 172 << "1 2 3 4 5 6 7 8 9 10 11 S";
}

void tst_TTeams::layout()
{
    QFETCH(int, players);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QStringList, tabs);
    QFETCH(int, listHeight);
    QFETCH(QString, marks);

    m_window = std::make_unique<TTeams>(players);
    m_window->show();
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(m_window->size(), client);
    QCOMPARE(tabCaptions(m_window->pageControl()), tabs);
    // What is typed is what the file gives back: 255 characters, an emoji one.
    QCOMPARE(typedCharacterLimit(m_window->description()), 255);
    for (int team = 1; team <= m_window->shape().teamCount(); ++team) {
        QCOMPARE(typedCharacterLimit(m_window->teamEdit(team)), 255);
        TeamListWidget* list = m_window->teamList(team);
        QCOMPARE(list->height(), listHeight);
        // Every place has its row and no list scrolls.
        QVERIFY(list->contentsRect().height() >= 14 * (players + 1));
        QVERIFY(list->contentsRect().height() < 14 * (players + 2));
        auto* label = m_window->findChild<RowMarks*>(QString("T%1lbl").arg(team));
        QCOMPARE(label->marks().join(' '), marks);
        // Each tab holds its teams whole.
        QVERIFY(list->parentWidget()->rect().contains(list->geometry()));
    }
    // The fill's buttons stand in the button column below Print.
    const QRect print = control<QPushButton>(*m_window, "PrintBtn")->geometry();
    const QRect make = control<QPushButton>(*m_window, "MakeTeamsBtn")->geometry();
    const QRect shuffle = control<QPushButton>(*m_window, "ShuffleBtn")->geometry();
    QCOMPARE(make.left(), print.left());
    QVERIFY(make.top() > print.bottom() && shuffle.top() > make.bottom());
    QVERIFY(m_window->rect().contains(shuffle));
    m_window->close();
}

void tst_TTeams::loadsOnEveryShow()
{
    writeRoster(m_data->file("players.db"), {"zed", "Bo", "ann", "Cy"});
    const QByteArray stored("[Main]\r\nTm0P0=Cy\r\nTm5=Sixth\r\nTm5P3=Gone\r\n");
    QVERIFY(writeFile(m_data->file("teams3.db"), stored));
    m_window = std::make_unique<TTeams>(3);
    QCOMPARE(namesOf(m_window->playersList()), QString("ann,Bo,zed"));
    QCOMPARE(m_window->description()->text(), QString("Teams for 12/8/2026"));
    QCOMPARE(m_window->teamEdit(6)->text(), QString("Sixth"));
    QCOMPARE(namesOf(m_window->teamList(6)), QString("Gone"));
    QCOMPARE(fieldsNotAtStart(*m_window), QStringList());

    // Edits not saved are gone at the next showing, which starts on tab 1.
    m_window->pageControl()->setCurrentIndex(2);
    m_window->teamEdit(1)->setText("Edited");
    writeRoster(m_data->file("players.db"), {"zed", "Bo", "ann", "Cy", "Al"});
    m_window->show();
    QCOMPARE(m_window->pageControl()->currentIndex(), 0);
    QCOMPARE(m_window->teamEdit(1)->text(), QString("Team 1"));
    QCOMPARE(namesOf(m_window->playersList()), QString("Al,ann,Bo,zed"));
    m_window->close();
    QCOMPARE(readFile(m_data->file("teams3.db")), stored);
}

// The 5-player set: team 1 holds five, team 2 is full, three unassigned.
void tst_TTeams::drops_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("fromAfter");
    QTest::addColumn<QString>("toAfter");

    QTest::newRow("full team takes the drag and nothing moves")
        << 0 << QList<int>{0} << 2 << true << "Lou,Pat,Quin"
        << "B1,B2,B3,B4,B5,B6";
    QTest::newRow("back to the unassigned list in order")
        << 2 << QList<int>{5, 0} << 0 << true << "B2,B3,B4,B5"
        << "B1,B6,Lou,Pat,Quin";
    QTest::newRow("onto its own list refused")
        << 1 << QList<int>{0} << 1 << false << "A1,A2,A3,A4,A5"
        << "A1,A2,A3,A4,A5";
}

void tst_TTeams::drops()
{
    QFETCH(int, from);
    QFETCH(QList<int>, rows);
    QFETCH(int, to);
    QFETCH(bool, taken);
    QFETCH(QString, fromAfter);
    QFETCH(QString, toAfter);

    writeRoster(m_data->file("players.db"), {"Quin", "Lou", "Pat"});
    QVERIFY(writeFile(m_data->file("teams5.db"),
                      "[Main]\r\nTm0P0=A1\r\nTm0P1=A2\r\nTm0P2=A3\r\nTm0P3=A4\r\nTm0P4=A5\r\n"
                      "Tm1P0=B1\r\nTm1P1=B2\r\nTm1P2=B3\r\nTm1P3=B4\r\nTm1P4=B5\r\nTm1P5=B6\r\n"));
    m_window = std::make_unique<TTeams5>();
    m_window->show();
    QCOMPARE(dragSelection(listOf(*m_window, from), rows, listOf(*m_window, to)), taken);
    QCOMPARE(namesOf(listOf(*m_window, from)), fromAfter);
    QCOMPARE(namesOf(listOf(*m_window, to)), toAfter);
    m_window->close();
}

void tst_TTeams::leave_data()
{
    QTest::addColumn<QString>("how"); // the key or button, then the answer to the question
    QTest::newRow("OK saves") << "OkBtn";
    QTest::newRow("Enter in a team name saves") << "Enter";
    QTest::newRow("Escape, No keeps every edit") << "Escape No";
    QTest::newRow("Cancel, Yes") << "CancelBtn Yes";
    QTest::newRow("close box, no question") << "close";
}

void tst_TTeams::leave()
{
    QFETCH(QString, how);
    const QString answer = how.section(' ', 1);
    const bool saves = how == "OkBtn" || how == "Enter";

    writeRoster(m_data->file("players.db"), {"Ann", "Bo"});
    m_window = std::make_unique<TTeams7>();
    m_window->show();
    QVERIFY(dragSelection(m_window->playersList(), {1}, m_window->teamList(10)));
    m_window->teamEdit(3)->clear();
    // Quotes the file would take off go now: what is shown is what comes back.
    m_window->teamEdit(4)->setText("''");
    m_window->description()->setText(" \"Friday\" ");
    if (!answer.isEmpty())
        answer == "Yes" ? m_platform->answerYes() : m_platform->answerNo();
    if (how == "Enter")
        QTest::keyClick(m_window->teamEdit(3), Qt::Key_Return);
    else if (how.startsWith("Escape"))
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
    else if (how == "close")
        m_window->close();
    else
        click(*m_window, how.section(' ', 0, 0).toLatin1());
    QCOMPARE(m_platform->messages(), answer.isEmpty() ? QStringList() : QStringList{Cancel});
    if (!answer.isEmpty())
        QCOMPARE(m_platform->shown.first().caption, QString("Confirm"));
    QCOMPARE(m_window->isVisible(), answer == "No");
    QCOMPARE(m_window->result(), int(saves ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(namesOf(m_window->teamList(10)), QString("Bo"));
    const QByteArray saved = readFile(m_data->file("teams7.db"));
    QCOMPARE(saved.contains("Description=Friday\r\n"), saves);
    if (!saves)
        return;
    QVERIFY(saved.contains("\r\nTm2=Team 3\r\nTm2P0=\r\n"));
    QVERIFY(saved.contains("\r\nTm3=Team 4\r\nTm3P0=\r\n"));
    QVERIFY(saved.contains("\r\nTm9P0=Bo\r\nTm9P1=\r\n"));
    m_window->show();
    QCOMPARE(m_window->teamEdit(3)->text(), QString("Team 3"));
    QCOMPARE(namesOf(m_window->playersList()), QString("Ann"));
    m_window->close();
}

void tst_TTeams::resetSavesAtOnce()
{
    writeRoster(m_data->file("players.db"), {"Ann", "Bo"});
    QVERIFY(writeFile(m_data->file("teams6.db"),
                      "[Main]\r\nDescription=Old\r\nTm11=Last\r\nTm11P6=Bo\r\n"));
    m_window = std::make_unique<TTeams6>();
    m_window->show();
    click(*m_window, "ResetBtn");
    QVERIFY(m_window->isVisible());
    QVERIFY(m_platform->shown.isEmpty());
    QCOMPARE(m_window->teamEdit(12)->text(), QString("Team 12"));
    QCOMPARE(namesOf(m_window->playersList()), QString("Ann,Bo"));

    m_platform->answerYes();
    click(*m_window, "CancelBtn");
    const QByteArray saved = readFile(m_data->file("teams6.db"));
    QVERIFY(saved.contains("Description=Teams for 12/8/2026\r\n"));
    QVERIFY(saved.contains("\r\nTm11=Team 12\r\n"));
    QVERIFY(saved.contains("\r\nTm11P6=\r\n"));
}

// A folder where the file should be makes every write fail, also as root.
void tst_TTeams::failedSaveKeepsTheWindowOpen()
{
    const QString path = m_data->file("teams8.db");
    QVERIFY(QDir().mkpath(path));
    m_window = std::make_unique<TTeams8>();
    m_window->show();
    m_window->teamEdit(1)->setText("Unsaved");
    const QString failed = "Cannot write the file " + path + ".  The teams were not saved.";
    m_platform->answerNo();
    click(*m_window, "OkBtn");
    QCOMPARE(m_platform->messages(),
             QStringList({failed, "Close the teams without saving your changes?"}));
    QCOMPARE(m_platform->shown.first().caption, QString("Error"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->teamEdit(1)->text(), QString("Unsaved"));

    click(*m_window, "ResetBtn");
    QCOMPARE(m_platform->messages().mid(2), QStringList{failed});
    QVERIFY(m_window->isVisible());
    m_window->close();
}

void tst_TTeams::printShowsTheMovedPlayers()
{
    writeRoster(m_data->file("players.db"), {"Ann Able", "Bo Brisk"});
    m_window = std::make_unique<TTeams10>();
    m_window->show();
    click(*m_window, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{116});
    QVERIFY(dragSelection(m_window->playersList(), {1}, m_window->teamList(4)));
    m_window->teamEdit(4)->setText("Fourth");

    const QString pdf = m_data->document("teams.pdf");
    m_platform->printToPdf(pdf);
    click(*m_window, "PrintBtn");
    QVERIFY(!QFile::exists(m_data->file("teams10.db")));
    const QString printed = pdfText(pdf);
    if (printed.isNull())
        QSKIP("pdftotext is not installed");
    QVERIFY2(printed.contains("Practice Teams"), qPrintable(printed));
    QVERIFY2(printed.contains("10-Player Teams"), qPrintable(printed));
    QVERIFY2(printed.contains("Fourth"), qPrintable(printed));
    QVERIFY2(printed.contains("Bo Brisk"), qPrintable(printed));
    QVERIFY2(!printed.contains("Ann Able"), qPrintable(printed));
    m_window->close();
}

// The roster P01, P02, ...; the dialog answered with "teams keep method"
// (empty: as offered) or "cancel"; what it offered, then what the teams show.
void tst_TTeams::makeTeams_data()
{
    QTest::addColumn<int>("perTeam");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rating"); // of every player; 0 none
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("offered"); // teams, balanced offered, the summary
    QTest::addColumn<QStringList>("teams");
    QTest::addColumn<int>("unassigned");

    QTest::newRow("at random into the teams offered")
        << 5 << 12 << 0 << QByteArray() << ""
        << QStringList{"3", "no", "12 players to place into 3 teams."}
        << QStringList{"4", "4", "4", "0"} << 0;
    QTest::newRow("balanced, sums beside the names")
        << 5 << 11 << 3 << QByteArray() << ""
        << QStringList{"3", "yes", "11 players to place into 3 teams."}
        << QStringList{"4 \u03A3 12", "4 \u03A3 12", "3 \u03A3 9", "0"} << 0;
    QTest::newRow("more players than places")
        << 2 << 130 << 0 << QByteArray() << ""
        << QStringList{"40", "no",
                       "130 players to place, room for 120 in 40 teams: 10 stay unassigned."}
        << QStringList{"3", "3", "3", "3"} << 10;
    QTest::newRow("placed taken back, a name off the roster stays")
        << 3 << 4 << 0 << QByteArray("[Main]\r\nTm0P0=Gone\r\nTm0P1=P01\r\nTm1P0=P02\r\n")
        << "2 drop random" << QStringList{"2", "no", "2 players to place into 2 teams."}
        << QStringList{"3", "2", "0"} << 0;
    QTest::newRow("cancelled") << 4 << 3 << 0 << QByteArray() << "cancel"
                               << QStringList{"1", "no", "3 players to place into 1 team."}
                               << QStringList{"0", "0"} << 3;
}

void tst_TTeams::makeTeams()
{
    QFETCH(int, perTeam);
    QFETCH(int, players);
    QFETCH(int, rating);
    QFETCH(QByteArray, stored);
    QFETCH(QString, answer);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, teams);
    QFETCH(int, unassigned);

    writeNumberedRoster(*m_data, players, rating);
    const QString file = m_data->file(QString("teams%1.db").arg(perTeam));
    QVERIFY(stored.isEmpty() || writeFile(file, stored));
    m_window = std::make_unique<TTeams>(perTeam);
    m_window->show();
    QStringList seen;
    m_platform->runDialog([&](QDialog& dialog) {
        auto& fill = static_cast<TMakeTeamsDlg&>(dialog);
        seen << QString::number(fill.teamCount()->value())
             << (fill.balancedButton()->isEnabled() ? "yes" : "no") << fill.summary()->text();
        if (answer == "cancel")
            return dialog.reject();
        if (!answer.isEmpty()) {
            fill.teamCount()->setValue(answer.section(' ', 0, 0).toInt());
            fill.keepPlaced()->setChecked(answer.section(' ', 1, 1) == "keep");
            fill.randomButton()->setChecked(answer.section(' ', 2, 2) == "random");
        }
        dialog.accept();
    });
    click(*m_window, "MakeTeamsBtn");
    QCOMPARE(seen, offered);
    QCOMPARE(teamsShown(*m_window, teams.size()), teams);
    QCOMPARE(m_window->playersList()->count(), unassigned);
    QCOMPARE(control<QPushButton>(*m_window, "ShuffleBtn")->isEnabled(), answer != "cancel");
    if (!stored.isEmpty())
        QCOMPARE(m_window->teamList(1)->item(0)->text(), QString("Gone"));
    QCOMPARE(readFile(file), stored.isEmpty() ? QByteArray("<missing>") : stored);
    m_window->close();
}

// Another draw of the last fill from where it started; the sums follow every
// move; Reset and the next showing end both.
void tst_TTeams::shuffleAgain()
{
    writeNumberedRoster(*m_data, 20, 2);
    m_window = std::make_unique<TTeams5>();
    m_window->show();
    const auto arrangement = [this] {
        QStringList teams;
        for (int team = 1; team <= 4; ++team)
            teams << namesOf(m_window->teamList(team));
        return teams;
    };
    m_platform->runDialog([](QDialog& dialog) { dialog.accept(); });
    click(*m_window, "MakeTeamsBtn");
    const QStringList first = arrangement();
    QVERIFY(dragSelection(m_window->teamList(1), {0, 1}, m_window->playersList()));
    QCOMPARE(teamsShown(*m_window, 5),
             QStringList({"3 \u03A3 6", "5 \u03A3 10", "5 \u03A3 10", "5 \u03A3 10", "0"}));

    click(*m_window, "ShuffleBtn");
    QCOMPARE(teamsShown(*m_window, 5),
             QStringList({"5 \u03A3 10", "5 \u03A3 10", "5 \u03A3 10", "5 \u03A3 10", "0"}));
    QVERIFY(arrangement() != first);
    click(*m_window, "OkBtn");
    QVERIFY(readFile(m_data->file("teams5.db")).contains("Tm3P4=P"));

    m_window->show();
    QCOMPARE(teamsShown(*m_window, 2), QStringList({"5", "5"}));
    QVERIFY(!control<QPushButton>(*m_window, "ShuffleBtn")->isEnabled());
    m_platform->runDialog([](QDialog& dialog) { dialog.accept(); });
    click(*m_window, "MakeTeamsBtn");
    click(*m_window, "ResetBtn");
    QCOMPARE(teamsShown(*m_window, 2), QStringList({"0", "0"}));
    QVERIFY(!control<QPushButton>(*m_window, "ShuffleBtn")->isEnabled());
    m_window->close();
}

QTEST_MAIN(tst_TTeams)
#include "tst_TTeams.moc"
