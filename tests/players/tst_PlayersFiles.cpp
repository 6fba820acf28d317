#include "../teams/NameLists.h"
#include "FileBytes.h"
#include "TempDataDir.h"

#include "players/PlayerRatings.h"
#include "players/PlayersImport.h"
#include "players/RosterFile.h"

#include <QtTest>

namespace {

Names split(const QString& names)
{
    Names result;
    if (names.isNull())
        return result;
    for (const QString& name : names.split(QLatin1Char('|')))
        result.push_back(name.toStdString());
    return result;
}

// Little endian, behind its byte order mark.
QByteArray utf16(const QString& text)
{
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace

class tst_PlayersFiles : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void classify_data();
    void classify();
    void write_data();
    void write();
    void ratingKeys_data();
    void ratingKeys();
    void ratingsFile();
};

// A file's bytes against the name of each row ("|" between rows, blank rows
// empty) or, in brackets, the problem that stops the import.
void tst_PlayersFiles::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");

    const auto row = [](const char* name, const QByteArray& bytes, const char* rows) {
        QTest::newRow(name) << bytes << QString(rows);
    };
    row("plain text, CR LF, LF and CR", "Ann\r\nBob\nCy\rDee", "Ann|Bob|Cy|Dee");
    row("comma, no header: the first column", "Ann,5\nBob,7\n", "Ann|Bob");
    row("semicolon inside quotes", "\"Smith; Ann\";5\nBob;7", "Smith; Ann|Bob");
    row("tab beats the commas of the names", "Lee, Ann\t5\nKo, Bo\t6", "Lee, Ann|Ko, Bo");
    row("doubled quotes, blanks before the quote", "No, Name\n4, \"Red \"\"Rocket\"\" Lee\"\n5, Bo",
        "Red \"Rocket\" Lee|Bo");
    row("Name header picks its column", "Number,\"Name\"\n4,\"Lee, Ann\"\n5,Bo", "Lee, Ann|Bo");
    row("First and Last joined, either may be missing",
        "Last Name;FIRST_NAME;Team\nLee;Ann;A\n;Bo;B\nKo;;C", "Ann Lee|Bo|Ko");
    row("Name and Surname", "name,Surname\nAnn,Lee", "Ann Lee");
    row("a header only in the first row", "Ann\nName\n", "Ann|Name");
    row("a comma in a few lines is part of the name", "Smith, Ann\nBob\nCy\n", "Smith, Ann|Bob|Cy");
    row("a stray quote swallows no line", "\"Ann\nBob\n", "\"Ann|Bob");
    row("blank rows kept as rows", "\nName,No\nAnn,1\n\n,\n\t Bob\x01,2", "|Ann|||Bob");
    row("UTF-8 with its mark", "\xEF\xBB\xBFName\r\nJos\xC3\xA9\r\n", "José");
    row("Windows-1252", "Jos\xE9\nM\xFCller;1", "José|Müller;1");
    row("UTF-16 little endian", utf16("Name,No\r\nZoë,1\rŽan"), "Zoë|Žan");
    row("binary", QByteArray("PK\x03\x04\x14\0\x06\0", 8), "[binary]");
    row("control characters throughout", "\x01\x02\x03\x04\x05 Ann\x06\x07\x08\x0E\x0F",
        "[binary]");
    row("empty", QByteArray(), "[empty]");
    row("a header and blank rows", "First,Last\r\n,\r\n \r\n", "[empty]");
}

void tst_PlayersFiles::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    static const char* const problems[] = {"", "[unreadable]", "[too large]", "[binary]",
                                           "[empty]"};
    const RosterFile::Rows read = RosterFile::Read(bytes.toStdString());
    QCOMPARE(joined(read.names, u'|') + problems[int(read.problem)], rows);
}

void tst_PlayersFiles::classify_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("listed"); // the list: "Ann", "ÉMILE" and then P1, P2, ...
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QStringList>("notes");

    const auto row = [](const char* name, const QString& rows, int listed, const QString& added,
                        const QString& present, const QStringList& notes = {}) {
        QTest::newRow(name) << rows << listed << added << present << notes;
    };
    row("on the list whatever the case", "ann|Bob|émile", 2, "Bob", "ann|émile");
    row("repeated in the file", "Bo|BO|bo", 2, "Bo", "BO|bo");
    row("blank rows", "| \t|Al|", 2, "Al", "", {"3 blank rows skipped."});
    row("read back as shown: enclosing quotes off", "'Cy'|\"Dee\"|' '|'ann'", 2, "Cy|Dee", "ann",
        {"1 blank row skipped."});
    const QString cut = "1 name cut to 255 characters.";
    row("cut at 255 characters, not bytes", QString(300, QChar(0xE9)) + "|" + QString(255, 'x'), 2,
        QString(255, QChar(0xE9)) + "|" + QString(255, 'x'), "", {cut});
    row("the same once cut", QString(256, 'x') + "|" + QString(255, 'X'), 2, QString(255, 'x'),
        QString(255, 'X'), {cut});
    row("beyond the list's size", "Al|Bo|Cy|ann", 9999, "Al", "ann",
        {"2 names left out: the list holds at most 10000 players."});
}

void tst_PlayersFiles::classify()
{
    QFETCH(QString, rows);
    QFETCH(int, listed);
    QFETCH(QString, added);
    QFETCH(QString, present);
    QFETCH(QStringList, notes);

    Names list{"Ann", "ÉMILE"};
    for (int i = 2; i < listed; ++i)
        list.push_back("P" + std::to_string(i));
    const PlayersImport::Preview preview = PlayersImport::Classify(split(rows), list);
    QCOMPARE(joined(preview.added, u'|'), added);
    QCOMPARE(joined(preview.present, u'|'), present);
    QStringList shownNotes;
    for (const std::string& note : PlayersImport::Notes(preview))
        shownNotes << QString::fromStdString(note);
    QCOMPARE(shownNotes, notes);
}

// The bytes written for a path, and what an import of them gives back.
void tst_PlayersFiles::write_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("CSV without a suffix: a mark, a header, quotes where needed")
        << "/tmp/roster"
        << QByteArray("\xEF\xBB\xBFName\r\nJos\xC3\xA9\r\n\"Lee, Ann\"\r\n\"Red \"\"R\"\" "
                      "Lee\"\r\n\"Ko;Bo\"\r\nName\r\n");
    QTest::newRow("text: one name a line") << "/tmp/ROSTER.TXT"
                                           << QByteArray("Jos\xC3\xA9\r\nLee, Ann\r\nRed \"R\" "
                                                         "Lee\r\nKo;Bo\r\nName\r\n");
}

void tst_PlayersFiles::write()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    const Names names{"José", "Lee, Ann", "Red \"R\" Lee", "Ko;Bo", "Name"};
    const RosterFile::Format format = RosterFile::FormatFor(path.toStdString());
    const std::string written = RosterFile::Bytes(names, format);
    QCOMPARE(QByteArray::fromStdString(written), bytes);
    if (format == RosterFile::Format::Csv)
        QCOMPARE(joined(RosterFile::Read(written).names, u'|'), joined(names, u'|'));
}

// Whatever a name holds, it keys its own rating and no other.
void tst_PlayersFiles::ratingKeys_data()
{
    QTest::addColumn<QStringList>("nameAndKey");

    QTest::newRow("plain") << QStringList{"Ann Lee", "Ann Lee"};
    QTest::newRow("accents") << QStringList{"Émile", "Émile"};
    QTest::newRow("equals sign") << QStringList{"a=b", "a%3Db"};
    QTest::newRow("a section's bracket") << QStringList{"[x]", "%5Bx]"};
    QTest::newRow("a comment's semicolon") << QStringList{";c;d", "%3Bc;d"};
    QTest::newRow("percent") << QStringList{"50%", "50%25"};
    QTest::newRow("blanks at the ends") << QStringList{" x ", "%20x%20"};
    QTest::newRow("control characters") << QStringList{"a\tb\x01", "a%09b%01"};
}

void tst_PlayersFiles::ratingKeys()
{
    QFETCH(QStringList, nameAndKey);
    const std::string name = nameAndKey.first().toStdString();
    QCOMPARE(QString::fromStdString(PlayerRatings::KeyOf(name)), nameAndKey.last());

    const TempDataDir data;
    const std::string decoy = "x" + name;
    QVERIFY(PlayerRatings::Write({{decoy, 1}, {name, 4}}, {}));
    const std::vector<int> read =
        PlayerRatings::Read({name, nameAndKey.first().toUpper().toStdString(), decoy, "x", "%"});
    QCOMPARE(read, (std::vector<int>{4, 4, 1, 0, 0}));
}

// What the file gives and takes beyond the players list's own saves.
void tst_PlayersFiles::ratingsFile()
{
    const TempDataDir data;
    const QString file = data.file("ratings.db");
    QVERIFY(PlayerRatings::Write({{"Ann", 0}, {"Bob", 0}}, {"Cy"}));
    QCOMPARE(readFile(file), QByteArray("<missing>")); // no ratings, no file

    const QByteArray stored("[ratings]\nA=9\nB=x\nC= 4 \nD=0\nE=-2\nF=\"5\"\n");
    QVERIFY(writeFile(file, stored));
    QCOMPARE(PlayerRatings::Read({"a", "b", "c", "d", "e", "f", "g"}),
             (std::vector<int>{0, 0, 4, 0, 0, 5, 0}));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    QVERIFY(!PlayerRatings::Write({{"Bob", 5}}, {}));
    QCOMPARE(readFile(file), stored);
}

QTEST_GUILESS_MAIN(tst_PlayersFiles)
#include "tst_PlayersFiles.moc"
