#include "FileBytes.h"
#include "TempDataDir.h"

#include "players/PlayerRatings.h"

#include <QDir>
#include <QtTest>

using PlayerRatings::Rated;

class tst_PlayerRatings : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }
    void names_data();
    void names();
    void saves();
    void storedValues();

private:
    QString file() const { return m_data->file("ratings.db"); }
    std::unique_ptr<TempDataDir> m_data;
};

// Whatever a name holds, it keys its own rating and no other.
void tst_PlayerRatings::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");

    QTest::newRow("plain") << "Ann Lee"
                           << "Ann Lee";
    QTest::newRow("accents") << "Émile"
                             << "Émile";
    QTest::newRow("equals sign") << "a=b"
                                 << "a%3Db";
    QTest::newRow("a section's bracket") << "[x]"
                                         << "%5Bx]";
    QTest::newRow("a comment's semicolon") << ";c;d"
                                           << "%3Bc;d";
    QTest::newRow("percent") << "50%"
                             << "50%25";
    QTest::newRow("blanks at the ends") << " x "
                                        << "%20x%20";
    QTest::newRow("control character") << "a\tb\x01"
                                       << "a%09b%01";
}

void tst_PlayerRatings::names()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    const std::string stored = name.toStdString();
    QCOMPARE(QString::fromStdString(PlayerRatings::KeyOf(stored)), key);

    const std::string decoy = "x" + stored;
    QVERIFY(PlayerRatings::Write({{decoy, 1}, {stored, 4}}, {}));
    const std::vector<int> read =
        PlayerRatings::Read({stored, name.toUpper().toStdString(), decoy, "x", "%"});
    QCOMPARE(read, (std::vector<int>{4, 4, 1, 0, 0}));
}

void tst_PlayerRatings::saves()
{
    QVERIFY(PlayerRatings::Write({{"Ann", 0}, {"Bob", 0}}, {"Cy"}));
    QCOMPARE(readFile(file()), QByteArray("<missing>"));

    QVERIFY(PlayerRatings::Write({{"Ann", 3}, {"Bob", 0}, {"Cy", 5}}, {}));
    QCOMPARE(readFile(file()), QByteArray("[Ratings]\r\nAnn=3\r\nCy=5\r\n"));

    // Ann deleted, Cy's rating taken away, Bob rated, D renamed Dee and rated.
    QVERIFY(PlayerRatings::Write({{"BOB", 2}, {"Cy", 0}, {"Dee", 4}}, {"Ann", "Bob", "Cy", "D"}));
    QCOMPARE(readFile(file()), QByteArray("[Ratings]\r\nAnn=\r\nCy=\r\nBOB=2\r\nDee=4\r\n"));
    QCOMPARE(PlayerRatings::Read({"ann", "bob", "cy", "dee"}), (std::vector<int>{0, 2, 0, 4}));

    const QByteArray before = readFile(file());
    QVERIFY(QFile::remove(file()) && QDir().mkpath(file()));
    QVERIFY(!PlayerRatings::Write({{"Bob", 5}}, {}));
    QVERIFY(QDir(file()).removeRecursively());
    QVERIFY(writeFile(file(), before));
    QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner));
    QVERIFY(!PlayerRatings::Write({{"Bob", 5}}, {}));
    QCOMPARE(readFile(file()), before);
}

void tst_PlayerRatings::storedValues()
{
    QVERIFY(writeFile(file(), "[ratings]\nA=9\nB=x\nC= 4 \nD=0\nE=-2\nF=\"5\"\n"));
    QCOMPARE(PlayerRatings::Read({"a", "b", "c", "d", "e", "f", "g"}),
             (std::vector<int>{0, 0, 4, 0, 0, 5, 0}));
}

QTEST_GUILESS_MAIN(tst_PlayerRatings)
#include "tst_PlayerRatings.moc"
