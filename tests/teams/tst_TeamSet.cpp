#include "FileBytes.h"
#include "NameLists.h"
#include "TempDataDir.h"

#include "teams/TeamDrop.h"
#include "teams/TeamSet.h"

#include <QtTest>

namespace {

bool byName(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
}

} // namespace

class tst_TeamSet : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void savedKeysInOrder();
    void valuesThatChangeOnTheWay();
    void setFromWindows();
    void drop_data();
    void drop();
};

// teams2.db with the given body under [Main], read against a roster; the
// result is "team 1|team 2|unassigned".
void tst_TeamSet::load_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("roster");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty slots squeezed") << QByteArray("Tm0P0=\nTm0P1=\nTm0P2=Cy\n") << "Cy"
                                          << "Cy||";
    QTest::newRow("gone from the roster, stays") << QByteArray("Tm0P0=Zed\n") << "Ann"
                                                 << "Zed||Ann";
    QTest::newRow("capitals take the mixed case") << QByteArray("Tm0P0=BOB\n") << "Ann,Bob"
                                                  << "BOB||Ann";
    QTest::newRow("one placement, one entry") << QByteArray("Tm0P0=bob\n") << "Bob,Bob"
                                              << "bob||Bob";
    QTest::newRow("one name in two teams") << QByteArray("Tm0P0=Bob\nTm1P1=Bob\n") << "Bob,Cy"
                                           << "Bob|Bob|Cy";
    QTest::newRow("slots beyond N + 1 unread") << QByteArray("Tm0P2=Al\nTm0P3=Dan\n") << "Al,Dan"
                                               << "Al||Dan";
    QTest::newRow("order as placed") << QByteArray("Tm0P0=Zed\nTm0P1=Al\n") << ""
                                     << "Zed,Al||";
}

void tst_TeamSet::load()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, roster);
    QFETCH(QString, shown);

    TempDataDir data;
    QVERIFY(writeFile(data.file("teams2.db"), "[Main]\n" + body));
    const TeamSet set = TeamSetFile::Read("teams2.db", 2, "12/8/2026");
    Names players = names(roster);
    TakePlacedPlayers(set, players);
    QCOMPARE(set.teams.size(), std::size_t(40));
    QCOMPARE(joined(set.teams[0].players) + '|' + joined(set.teams[1].players) + '|' +
                 joined(players),
             shown);
    QCOMPARE(set.description, std::string("Teams for 12/8/2026"));
    QCOMPARE(set.teams[39].name, std::string("Team 40"));
}

void tst_TeamSet::savedKeysInOrder()
{
    TempDataDir data;
    TeamSet set = TeamSetFile::Empty(2, "12/8/2026");
    set.teams[0].players = {"Ann"};
    set.teams[39].players = {"Bo", "Cy", "Di"};
    QVERIFY(TeamSetFile::Write("teams2.db", 2, set));

    const QList<QByteArray> lines = readFile(data.file("teams2.db")).split('\n');
    QCOMPARE(lines.size(), 1 + 1 + 40 * 4 + 1); // section, description, keys, end
    QCOMPARE(lines.mid(0, 8), (QList<QByteArray>{"[Main]\r", "Description=Teams for 12/8/2026\r",
                                                 "Tm0=Team 1\r", "Tm0P0=Ann\r", "Tm0P1=\r",
                                                 "Tm0P2=\r", "Tm1=Team 2\r", "Tm1P0=\r"}));
    QCOMPARE(lines.mid(lines.size() - 5), (QList<QByteArray>{"Tm39=Team 40\r", "Tm39P0=Bo\r",
                                                             "Tm39P1=Cy\r", "Tm39P2=Di\r", ""}));
    QCOMPARE(TeamSetFile::Read("teams2.db", 2, "other"), set);
}

// What cannot come back as typed: an empty description reads as the
// default, a long one is cut at 255.
void tst_TeamSet::valuesThatChangeOnTheWay()
{
    TempDataDir data;
    TeamSet set = TeamSetFile::Empty(11, "today");
    set.description.clear();
    QVERIFY(TeamSetFile::Write("teams11.db", 11, set));
    QVERIFY(readFile(data.file("teams11.db")).contains("Description=\r\n"));
    const TeamSet read = TeamSetFile::Read("teams11.db", 11, "today");
    QCOMPARE(read.description, std::string("Teams for today"));

    set.description = std::string(300, 'd');
    QVERIFY(TeamSetFile::Write("teams11.db", 11, set));
    QVERIFY(readFile(data.file("teams11.db")).contains(QByteArray(300, 'd')));
    QCOMPARE(TeamSetFile::Read("teams11.db", 11, "today").description, std::string(255, 'd'));
}

// "target|source|selected rows" before, "target|source" after; N = 0 drops
// on the unassigned list.
// A set saved by the Windows edition: CR LF lines, Windows-1252 bytes, an
// empty slot before a name and the last team of the set.
void tst_TeamSet::setFromWindows()
{
    TempDataDir data;
    QVERIFY(writeFile(data.file("teams5.db"),
                      "[Main]\r\nDescription=Caf\xe9 night\r\nTm0=Los Ni\xf1os\r\n"
                      "Tm0P0=\r\nTm0P1=Jos\xe9\r\nTm13=Last\r\nTm13P5=Zo\xeb\r\n"));
    const TeamSet set = TeamSetFile::Read("teams5.db", 5, "today");
    QCOMPARE(set.description, std::string("Café night"));
    QCOMPARE(set.teams[0].name, std::string("Los Niños"));
    QCOMPARE(joined(set.teams[0].players), QString("José"));
    QCOMPARE(set.teams[13].name, std::string("Last"));
    QCOMPARE(joined(set.teams[13].players), QString("Zoë"));
    Names roster{"JOSÉ", "Zoë", "Ann"};
    TakePlacedPlayers(set, roster);
    QCOMPARE(joined(roster), QString("Ann"));
}

void tst_TeamSet::drop_data()
{
    QTest::addColumn<int>("playersPerTeam");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("room for one of three") << 5 << "A,B,C,D,E|P,Q,R,S|0,2,3"
                                           << "A,B,C,D,E,P|Q,R,S";
    QTest::newRow("empty team: N + 1 in order") << 2 << "|P,Q,R,S,T|1,2,3,4"
                                                << "Q,R,S|P,T";
    QTest::newRow("unassigned: alphabetical") << 0 << "Ann,Cy,Eve|Zed,bob,Dan|0,1,2"
                                              << "Ann,bob,Cy,Dan,Eve,Zed|";
    QTest::newRow("unassigned: after its twin, capitals apart") << 0 << "Ann,BOB,Cy|bob|0"
                                                                << "Ann,BOB,bob,Cy|";
}

void tst_TeamSet::drop()
{
    QFETCH(int, playersPerTeam);
    QFETCH(QString, before);
    QFETCH(QString, after);

    const QStringList parts = before.split(QLatin1Char('|'));
    Names into = names(parts[0]);
    Names from = names(parts[1]);
    std::vector<bool> marks(from.size());
    for (const QString& index : parts[2].split(QLatin1Char(','), Qt::SkipEmptyParts))
        marks[index.toInt()] = true;
    const auto kind = playersPerTeam ? TeamDrop::ListKind::Team : TeamDrop::ListKind::Unassigned;
    TeamDrop::DropPlayers(into, kind, playersPerTeam, from, marks, byName);
    QCOMPARE(joined(into) + '|' + joined(from), after);
}

QTEST_GUILESS_MAIN(tst_TeamSet)
#include "tst_TeamSet.moc"
