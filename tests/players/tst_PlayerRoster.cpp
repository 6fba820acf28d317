#include "TempDataDir.h"

#include "players/PlayerRoster.h"
#include "players/PlayersListRules.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

using Names = std::vector<std::string>;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_PlayerRoster : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void failedWriteLeavesTheFile();
    void typedName_data();
    void typedName();
    void rowAfterDelete_data();
    void rowAfterDelete();
};

void tst_PlayerRoster::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("missing file") << QByteArray() << QStringList();
    QTest::newRow("empty list") << QByteArray("[Players]\r\nName0=\r\n") << QStringList();
    QTest::newRow("file order kept")
        << QByteArray("[Players]\r\nName0=Zed\r\nName1=amy\r\nName2=\r\n")
        << QStringList{"Zed", "amy"};
    QTest::newRow("stops at the first empty name")
        << QByteArray("[Players]\r\nName0=A\r\nName1=\r\nName2=Hidden\r\n") << QStringList{"A"};
    QTest::newRow("stops at a gap")
        << QByteArray("[Players]\r\nName0=A\r\nName2=C\r\n") << QStringList{"A"};
    QTest::newRow("no terminator")
        << QByteArray("[players]\nname0=A\nNAME1=B\n") << QStringList{"A", "B"};
    QTest::newRow("blanks read as empty")
        << QByteArray("[Players]\r\nName0=A\r\nName1=   \r\nName2=C\r\n") << QStringList{"A"};
    QTest::newRow("cut at 255") << QByteArray("[Players]\r\nName0=" + QByteArray(300, 'x') + "\r\n")
                                << QStringList{QString(255, 'x')};
}

void tst_PlayerRoster::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    TempDataDir data;
    if (!file.isEmpty())
        writeFile(data.file("players.db"), file);
    QStringList read;
    for (const std::string& name : PlayerRoster::Read())
        read << QString::fromStdString(name);
    QCOMPARE(read, names);
}

void tst_PlayerRoster::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file, empty list")
        << QByteArray() << QStringList() << QByteArray("[Players]\r\nName0=\r\n");
    QTest::newRow("duplicates kept") << QByteArray() << QStringList{"Ann", "Ann"}
                                     << QByteArray("[Players]\r\nName0=Ann\r\nName1=Ann\r\n"
                                                   "Name2=\r\n");
    QTest::newRow("three over five: old fifth stays")
        << QByteArray("[Players]\r\nName0=A\r\nName1=B\r\nName2=C\r\nName3=D\r\nName4=E\r\n"
                      "Name5=\r\n")
        << QStringList{"X", "Y", "Z"}
        << QByteArray("[Players]\r\nName0=X\r\nName1=Y\r\nName2=Z\r\nName3=\r\nName4=E\r\n"
                      "Name5=\r\n");
    QTest::newRow("blank names never reach the file")
        << QByteArray() << QStringList{"A", "   ", "\t", "B"}
        << QByteArray("[Players]\r\nName0=A\r\nName1=B\r\nName2=\r\n");
    QTest::newRow("other sections untouched")
        << QByteArray("[Other]\r\nKey=1\r\n") << QStringList{"A"}
        << QByteArray("[Other]\r\nKey=1\r\n[Players]\r\nName0=A\r\nName1=\r\n");
}

void tst_PlayerRoster::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, names);
    QFETCH(QByteArray, after);
    TempDataDir data;
    const QString path = data.file("players.db");
    if (!before.isEmpty())
        writeFile(path, before);
    Names list;
    for (const QString& name : names)
        list.push_back(name.toStdString());
    QVERIFY(PlayerRoster::Write(list));
    QCOMPARE(readFile(path), after);
}

void tst_PlayerRoster::failedWriteLeavesTheFile()
{
    TempDataDir data;
    QVERIFY(QDir().mkpath(data.file("players.db")));
    QVERIFY(!PlayerRoster::Write({"A"}));
    QVERIFY(QFileInfo(data.file("players.db")).isDir());
    QVERIFY(PlayerRoster::Read().empty());
}

void tst_PlayerRoster::typedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");

    QTest::newRow("blanks around") << "  Smith  "
                                   << "Smith";
    QTest::newRow("tabs and control characters") << "\t\x01Smith\r\n"
                                                 << "Smith";
    QTest::newRow("inner blanks kept") << " Mary  Ann "
                                       << "Mary  Ann";
    QTest::newRow("only blanks") << "   "
                                 << "";
    QTest::newRow("letters beyond ASCII kept") << " Ångström "
                                               << "Ångström";
}

void tst_PlayerRoster::typedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(PlayersListRules::TypedName(typed.toStdString())), name);
}

void tst_PlayerRoster::rowAfterDelete_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("selected");

    QTest::newRow("first of three") << 0 << 2 << 0;
    QTest::newRow("middle") << 1 << 2 << 1;
    QTest::newRow("last: the new last") << 2 << 2 << 1;
    QTest::newRow("the only one: none") << 0 << 0 << -1;
}

void tst_PlayerRoster::rowAfterDelete()
{
    QFETCH(int, removed);
    QFETCH(int, remaining);
    QFETCH(int, selected);
    QCOMPARE(PlayersListRules::RowAfterDelete(removed, remaining), selected);
}

QTEST_GUILESS_MAIN(tst_PlayerRoster)
#include "tst_PlayerRoster.moc"
