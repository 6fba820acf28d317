#include "FileBytes.h"
#include "ManualClock.h"
#include "TempDataDir.h"

#include "store/PreviousVersions.h"
#include "store/ProfileStore.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>

using namespace std::chrono_literals;

// The previous content the store keeps: one backup a day of each data file,
// the newest of the day, for the last fourteen days it changed; one previous
// version of a document when the coach asks for it.
class tst_PreviousVersions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void backupsToDrop_data();
    void backupsToDrop();
    void dailyBackupsOverTwentyDays();
    void whatIsKept_data();
    void whatIsKept();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void tst_PreviousVersions::init()
{
    m_data = std::make_unique<TempDataDir>();
}

void tst_PreviousVersions::cleanup()
{
    PreviousVersions::setDailyBackups(false);
    PreviousVersions::setDocumentVersions(false);
    m_data.reset();
}

void tst_PreviousVersions::backupsToDrop_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QStringList>("dropped");

    QTest::newRow("no more than kept")
        << QStringList{"prefs.db.2026-01-01", "prefs.db.2026-01-02"} << 2 << QStringList();
    QTest::newRow("oldest beyond kept, years apart")
        << QStringList{"x.db.2026-01-01", "x.db.2025-12-31", "x.db.2026-02-01"} << 2
        << QStringList{"x.db.2025-12-31"};
    QTest::newRow("other files and half-written ones stay")
        << QStringList{"teams1.db.2026-01-01",
                       "teams10.db.2025-01-01",
                       "teams1.db.2026-01-02",
                       "teams1.db.2025-01-03.tmp",
                       ".teams1.db.2025-01-01.77-0.tmp",
                       "teams1.db.20250101",
                       "teams1.db",
                       "teams1.db.2025-1-01",
                       "."}
        << 1 << QStringList{"teams1.db.2026-01-01"};
}

void tst_PreviousVersions::backupsToDrop()
{
    QFETCH(QStringList, names);
    QFETCH(int, kept);
    std::vector<std::string> entries;
    for (const QString& name : names)
        entries.push_back(name.toStdString());
    QStringList dropped;
    for (const std::string& name : PreviousVersions::BackupsToDrop(entries, "teams1.db", kept))
        dropped << QString::fromStdString(name);
    for (const std::string& name : PreviousVersions::BackupsToDrop(entries, "prefs.db", kept))
        dropped << QString::fromStdString(name);
    for (const std::string& name : PreviousVersions::BackupsToDrop(entries, "x.db", kept))
        dropped << QString::fromStdString(name);
    QTEST(dropped, "dropped");
}

// Each day the coach changes prefs.db twice: the day's backup holds what was
// there before the last change of the day, and after twenty days the last
// fourteen are kept.
void tst_PreviousVersions::dailyBackupsOverTwentyDays()
{
    ManualClock clock(Clock::WallTime(std::chrono::hours(24 * 20000 + 12)));
    PreviousVersions::setDailyBackups(true);
    QStringList expected;
    for (int day = 0; day < 20; ++day) {
        const std::string value = "day " + std::to_string(day);
        WriteProfileText("prefs.db", "General", "Day", value, -1, true);
        WriteProfileText("prefs.db", "General", "Day", value + " later", -1, true);
        const QDate date =
            QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               clock.wallNow().time_since_epoch())
                                               .count())
                .date();
        if (day >= 20 - PreviousVersions::DaysKept)
            expected << QStringLiteral("prefs.db.") + date.toString(Qt::ISODate);
        clock.advance(24h);
    }
    const QString folder = m_data->file(QStringLiteral("backup/"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), expected);
    for (int i = 0; i < expected.size(); ++i) {
        const int day = 20 - PreviousVersions::DaysKept + i;
        QCOMPARE(readFile(folder + expected.at(i)),
                 QByteArray("[General]\r\nDay=day ") + QByteArray::number(day) + "\r\n");
    }
    QCOMPARE(readFile(m_data->file(QStringLiteral("prefs.db"))),
             QByteArray("[General]\r\nDay=day 19 later\r\n"));
}

void tst_PreviousVersions::whatIsKept_data()
{
    QTest::addColumn<QString>("file"); // beside the data folder, or in it
    QTest::addColumn<bool>("documentVersions");
    QTest::addColumn<bool>("existed");
    QTest::addColumn<QString>("keptAs"); // empty: nothing kept

    QTest::newRow("data file") << "data/players.db" << false << true << "data/backup/players.db.*";
    QTest::newRow("new data file") << "data/ratings.db" << false << false << "";
    QTest::newRow("file in a folder of the data folder") << "data/sub/x.db" << true << true << "";
    QTest::newRow("plan, versions on") << "MONDAY.pln" << true << true << "MONDAY.pln.bak";
    QTest::newRow("report in capitals, versions on")
        << "EAGLES.REP" << true << true << "EAGLES.REP.bak";
    QTest::newRow("evaluation, versions off") << "game.gev" << false << true << "";
    QTest::newRow("new plan, versions on") << "new.pln" << true << false << "";
    QTest::newRow("other file, versions on") << "notes.ini" << true << true << "";
}

void tst_PreviousVersions::whatIsKept()
{
    QFETCH(QString, file);
    QFETCH(bool, documentVersions);
    QFETCH(bool, existed);
    QFETCH(QString, keptAs);
    const QString path = m_data->folder() + file;
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray before = "[Main]\r\nKey=before\r\n";
    if (existed)
        QVERIFY(writeFile(path, before));
    PreviousVersions::setDailyBackups(true);
    PreviousVersions::setDocumentVersions(documentVersions);

    QVERIFY(WriteProfileText(path.toStdString(), "Main", "Key", "after", -1, false));

    QDir folder(m_data->folder());
    QStringList kept;
    for (const QString& name :
         {QStringLiteral("data/backup"), QFileInfo(file).path(), QStringLiteral("data/sub")}) {
        for (const QString& entry : QDir(folder.filePath(name)).entryList(QDir::Files)) {
            const QString relative = QDir::cleanPath(name + u'/' + entry);
            if (relative != QDir::cleanPath(file) && !kept.contains(relative))
                kept << relative;
        }
    }
    kept.removeAll(QStringLiteral("data/prefs.db"));
    if (keptAs.isEmpty()) {
        QCOMPARE(kept, QStringList());
        return;
    }
    QCOMPARE(kept.size(), 1);
    QVERIFY2(QDir::match(keptAs, kept.constFirst()), qPrintable(kept.constFirst()));
    QCOMPARE(readFile(folder.filePath(kept.constFirst())), before);
}

QTEST_GUILESS_MAIN(tst_PreviousVersions)
#include "tst_PreviousVersions.moc"
