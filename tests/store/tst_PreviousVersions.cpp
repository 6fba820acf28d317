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
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup();
    void dailyBackupsOverTwentyDays();
    void whatIsKept_data();
    void whatIsKept();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void tst_PreviousVersions::cleanup()
{
    PreviousVersions::setDailyBackups(false);
    PreviousVersions::setDocumentVersions(false);
    m_data.reset();
}

// Each day the coach changes prefs.db twice: the day's backup holds what was
// there before the last change of the day, and the last fourteen days stay.
void tst_PreviousVersions::dailyBackupsOverTwentyDays()
{
    ManualClock clock(Clock::WallTime(std::chrono::hours(24 * 20000 + 12)));
    PreviousVersions::setDailyBackups(true);
    const QString folder = m_data->file(QStringLiteral("backup/"));
    // Names that only look like backups of prefs.db stay.
    QStringList expected{"prefs.db.1970-01-01.7.tmp", "prefs.dbx.1970-01-01", "prefs.db.1970-1-01",
                         "xprefs.db.1970-01-01"};
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : expected)
        QVERIFY(writeFile(folder + name, "other"));
    for (int day = 0; day < 20; ++day) {
        const std::string value = "day " + std::to_string(day);
        WriteProfileText("prefs.db", "General", "Day", value, -1, true);
        WriteProfileText("prefs.db", "General", "Day", value + " later", -1, true);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            clock.wallNow().time_since_epoch());
        const QString name =
            "prefs.db." + QDateTime::fromMSecsSinceEpoch(ms.count()).date().toString(Qt::ISODate);
        if (day >= 20 - PreviousVersions::DaysKept)
            expected << name;
        QCOMPARE(readFile(folder + name), "[General]\r\nDay=" + QByteArray(value.c_str()) + "\r\n");
        clock.advance(24h);
    }
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), expected);
}

void tst_PreviousVersions::whatIsKept_data()
{
    QTest::addColumn<QString>("file"); // beside the data folder, or in it
    QTest::addColumn<bool>("documentVersions");
    QTest::addColumn<bool>("existed");
    QTest::addColumn<QString>("keptAs"); // a pattern; empty: nothing kept

    QTest::newRow("data file") << "data/players.db" << false << true << "data/backup/players.db.*";
    QTest::newRow("new data file") << "data/ratings.db" << false << false << "";
    QTest::newRow("file in a folder of the data folder") << "data/sub/x.db" << true << true << "";
    QTest::newRow("plan, versions on") << "MONDAY.pln" << true << true << "MONDAY.pln.bak";
    QTest::newRow("report in capitals") << "EAGLES.REP" << true << true << "EAGLES.REP.bak";
    QTest::newRow("evaluation, versions off") << "game.gev" << false << true << "";
    QTest::newRow("new plan") << "new.pln" << true << false << "";
    QTest::newRow("other file") << "notes.ini" << true << true << "";
}

void tst_PreviousVersions::whatIsKept()
{
    QFETCH(QString, file);
    QFETCH(bool, documentVersions);
    QFETCH(bool, existed);
    QFETCH(QString, keptAs);
    const QDir folder(m_data->folder());
    QVERIFY(folder.mkpath(QStringLiteral("data/sub")));
    const QByteArray before = "[Main]\r\nKey=before\r\n";
    QVERIFY(!existed || writeFile(folder.filePath(file), before));
    PreviousVersions::setDailyBackups(true);
    PreviousVersions::setDocumentVersions(documentVersions);

    QVERIFY(
        WriteProfileText(folder.filePath(file).toStdString(), "Main", "Key", "after", -1, false));
    QStringList kept;
    for (const QString& sub : {QStringLiteral("."), QStringLiteral("data/backup")}) {
        for (const QString& name : QDir(folder.filePath(sub)).entryList(QDir::Files))
            kept << QDir::cleanPath(sub + u'/' + name);
    }
    kept.removeOne(QDir::cleanPath(file));
    QCOMPARE(kept.size(), keptAs.isEmpty() ? 0 : 1);
    if (!keptAs.isEmpty()) {
        QVERIFY2(QDir::match(keptAs, kept.constFirst()), qPrintable(kept.constFirst()));
        QCOMPARE(readFile(folder.filePath(kept.constFirst())), before);
    }
}

QTEST_GUILESS_MAIN(tst_PreviousVersions)
#include "tst_PreviousVersions.moc"
