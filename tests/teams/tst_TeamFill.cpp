#include "NameLists.h"

#include "teams/TeamFill.h"

#include <QtTest>
#include <algorithm>

namespace {

using TeamFill::Method;

// "Ann,Bo|Cy": team 1 holds Ann and Bo, team 2 Cy, the rest of `count` none.
TeamSet setOf(const QString& teams, int count)
{
    TeamSet set;
    set.teams.resize(count);
    const QStringList parts = teams.split(QLatin1Char('|'));
    for (int t = 0; t < parts.size() && !teams.isEmpty(); ++t)
        set.teams[t].players = names(parts.at(t));
    return set;
}

QString teamsOf(const TeamSet& set)
{
    QStringList teams;
    for (const Team& team : set.teams)
        teams << joined(team.players);
    return teams.join(QLatin1Char('|'));
}

// Players P0, P1, ...; every one rated 1 to 5, or every second one.
Names pool(int count)
{
    Names names;
    for (int i = 0; i < count; ++i)
        names.push_back("P" + std::to_string(i));
    return names;
}

TeamFill::Ratings ratingsOf(const Names& names, int ratedEvery)
{
    std::vector<int> ratings;
    for (std::size_t i = 0; i < names.size(); ++i)
        ratings.push_back(ratedEvery && i % ratedEvery == 0 ? 1 + int(i * 7 % 5) : 0);
    return {names, ratings};
}

double spread(const TeamSet& set, int teams, const TeamFill::Ratings& ratings)
{
    std::vector<double> sums = TeamFill::Sums(set, ratings);
    sums.resize(teams);
    const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
    return *high - *low;
}

Names everyone(const TeamSet& set, Names left)
{
    for (const Team& team : set.teams)
        left.insert(left.end(), team.players.begin(), team.players.end());
    std::sort(left.begin(), left.end());
    return left;
}

} // namespace

class tst_TeamFill : public QObject
{
    Q_OBJECT

private slots:
    void deal_data();
    void deal();
    void release_data();
    void release();
};

// A set of `teams` teams holding `kept` players, `players` unassigned, the
// first `asked` teams filled: checked for many draws.
void tst_TeamFill::deal_data()
{
    QTest::addColumn<int>("perTeam");
    QTest::addColumn<int>("teams");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("ratedEvery"); // 0: nobody rated
    QTest::addColumn<int>("offered");    // the dialog's first team count
    QTest::addColumn<int>("left");

    const int random = int(Method::Random);
    const int balanced = int(Method::Balanced);
    QTest::newRow("23 into 5 teams of 5") << 5 << 14 << "" << 23 << 5 << random << 0 << 5 << 0;
    QTest::newRow("fewer players than teams") << 3 << 24 << "" << 5 << 8 << random << 0 << 2 << 0;
    QTest::newRow("more than 40 x 3 places")
        << 2 << 40 << "" << 130 << 40 << random << 0 << 40 << 10;
    QTest::newRow("fewer teams asked than offered")
        << 4 << 18 << "" << 30 << 2 << random << 1 << 8 << 20;
    QTest::newRow("players placed stay, first")
        << 4 << 18 << "K1,K2,K3,K4,K5|K6,K7" << 9 << 4 << random << 0 << 4 << 0;
    QTest::newRow("balanced, half rated, sizes uneven")
        << 5 << 14 << "" << 22 << 4 << balanced << 2 << 5 << 0;
    QTest::newRow("balanced around players placed")
        << 3 << 24 << "P100,P101,P102|||P103" << 9 << 3 << balanced << 1 << 5 << 0;
    QTest::newRow("balanced, 200 into 40 teams")
        << 5 << 40 << "" << 200 << 40 << balanced << 1 << 40 << 0;
}

void tst_TeamFill::deal()
{
    QFETCH(int, perTeam);
    QFETCH(int, teams);
    QFETCH(QString, kept);
    QFETCH(int, players);
    QFETCH(int, asked);
    QFETCH(int, method);
    QFETCH(int, ratedEvery);
    QFETCH(int, offered);
    QFETCH(int, left);

    const TeamSet start = setOf(kept, teams);
    QCOMPARE(TeamFill::DefaultTeamCount(start, players, perTeam), offered);
    const Names unassigned = pool(players);
    Names named = everyone(start, unassigned);
    const TeamFill::Ratings ratings = ratingsOf(named, ratedEvery);
    const TeamFill::Request request{asked, true, Method(method)};

    for (unsigned seed = 0; seed < 100; ++seed) {
        const QByteArray draw = "seed " + QByteArray::number(seed);
        TeamSet set = start;
        std::mt19937 random(seed);
        const Names stayed = TeamFill::Deal(set, unassigned, request, perTeam, ratings, random);
        QVERIFY2(int(stayed.size()) == left, draw);
        QVERIFY2(everyone(set, stayed) == named, draw);

        std::size_t smallest = perTeam + 1;
        for (int t = 0; t < asked; ++t)
            smallest = std::min(smallest, set.teams[t].players.size());
        for (int t = 0; t < teams; ++t) {
            const Names& before = start.teams[t].players;
            const Names& after = set.teams[t].players;
            QVERIFY2(std::equal(before.begin(), before.end(), after.begin()), draw);
            QVERIFY2(t < asked || after == before, draw);
            QVERIFY2(after.size() <= std::size_t(perTeam) + 1, draw);
            QVERIFY2(after.size() == before.size() || after.size() <= smallest + 1, draw);
        }
        if (request.method == Method::Balanced) {
            TeamSet dealt = start;
            TeamFill::Deal(dealt, unassigned, {asked, true, Method::Random}, perTeam, ratings,
                           random);
            QVERIFY2(spread(set, asked, ratings) <= spread(dealt, asked, ratings), draw);
        }
    }
}

void tst_TeamFill::release_data()
{
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("unassigned");
    QTest::addColumn<QString>("roster");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<QString>("staying");

    const auto row = [](const char* name, const char* teams, const char* unassigned,
                        const char* roster, bool keep, const char* dealt, const char* staying) {
        QTest::newRow(name) << QString(teams) << QString(unassigned) << QString(roster) << keep
                            << QString(dealt) << QString(staying);
    };
    row("kept", "Ann|Bob", "Cy", "Ann,Bob,Cy", true, "Cy", "Ann|Bob|");
    row("taken back, off the roster stays", "Ann,Zed|bob", "Cy", "Ann,Bob,Cy", false, "Cy,Ann,bob",
        "Zed||");
    row("a name as often as the roster has it", "Bo|BO|bo", "", "Bo,bo", false, "Bo,BO", "||bo");
}

void tst_TeamFill::release()
{
    QFETCH(QString, teams);
    QFETCH(QString, unassigned);
    QFETCH(QString, roster);
    QFETCH(bool, keep);
    QFETCH(QString, dealt);
    QFETCH(QString, staying);

    TeamSet set = setOf(teams, 3);
    QCOMPARE(joined(TeamFill::Release(set, names(unassigned), names(roster), keep)), dealt);
    QCOMPARE(teamsOf(set), staying);
}

QTEST_APPLESS_MAIN(tst_TeamFill)
#include "tst_TeamFill.moc"
