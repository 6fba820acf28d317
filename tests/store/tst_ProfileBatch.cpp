#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

struct BatchWrite
{
    std::string section;
    std::string key;
    std::string text;
    int number = 0;
    bool isNumber = false;
    int index = -1;
};
using BatchWrites = std::vector<BatchWrite>;
Q_DECLARE_METATYPE(BatchWrites)

// Batches and snapshots against the single operations they stand for.
class tst_ProfileBatch : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sameBytesAsSingleWrites_data();
    void sameBytesAsSingleWrites();
    void refusedCommit_data();
    void refusedCommit();
    void commitAgain();
    void snapshotAnswersAsReads_data();
    void snapshotAnswersAsReads();

private:
    static BatchWrites planWrites(int rows);
    std::string path(const QString& name) const { return m_dir->filePath(name).toStdString(); }
    void put(const QString& name, const QByteArray& bytes) const;
    QByteArray bytesOf(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ProfileBatch::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ProfileBatch::put(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_ProfileBatch::bytesOf(const QString& name) const
{
    QFile file(m_dir->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What saving a full plan writes: a few hundred keys, some new, some equal
// to what is stored, some written twice, across several sections.
BatchWrites tst_ProfileBatch::planWrites(int rows)
{
    BatchWrites writes = {{"Plan", "Date", "12/24/99"},
                          {"Plan", "Start", "12:00"},
                          {"PLAN", "date", "12/25/99"},
                          {"Other", "x", "1"},
                          {"Emphasis", "Defense", "Zone press"}};
    for (int i = 0; i < rows; ++i) {
        writes.push_back(
            {"Plan", "Activity", i % 7 ? "Drill " + std::to_string(i) : "", 0, false, i});
        writes.push_back({"Plan", "Minutes", "", i % 15, true, i});
        writes.push_back({"Plan", "Emphasis", i % 2 ? "Offense" : "\"Defense\"", 0, false, i});
    }
    for (int i = 0; i < 10; ++i)
        writes.push_back({"Announcements", "Line", "Bring water \xC3\xA9t\xC3\xA9", 0, false, i});
    writes.push_back({"Plan", "Activity", "Drill 3 again", 0, false, 3});
    writes.push_back({"Tail", "y", "", -100, true, -1});
    return writes;
}

void tst_ProfileBatch::sameBytesAsSingleWrites_data()
{
    QTest::addColumn<QByteArray>("initial"); // null: no file
    QTest::addColumn<BatchWrites>("writes");

    const QByteArray crlf = "; plan\r\n[Other]\r\nx=1\r\n\r\n[Plan]\r\nDate=1/1/99\r\n"
                            "  Activity3 = Old  \r\n\r\n[Tail]\r\ny=2\r\n";
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QTest::newRow("plan into a file with other sections") << crlf << planWrites(100);
    QTest::newRow("plan into a new file") << QByteArray() << planWrites(20);
    QTest::newRow("plan into an LF file") << lf << planWrites(20);
    QTest::newRow("plan into a cp1252 file")
        << "[Team]\r\nName=Caf\xE9 \x80\r\n" + crlf << planWrites(20);
    QTest::newRow("plan into a file with a byte order mark")
        << "\xEF\xBB\xBF" + crlf + "last" << planWrites(20);
    QTest::newRow("values equal to the stored ones")
        << QByteArray("[s]\nk=1\nj = two\n")
        << BatchWrites{{"s", "k", "", 1, true}, {"S", "J", "two"}};
    QTest::newRow("duplicate names, first one wins after writes")
        << QByteArray("[s]\r\nk=1\r\n\r\n[S]\r\nk=2\r\nj=3\r\n")
        << BatchWrites{{"s", "j", "new"},          {"S", "J", "again"},
                       {"s", "k=dup", "5"},        {"s", "k", "6"},
                       {"s", "\xE2\x84\xAA", "7"}, {"t", "k", "8"},
                       {"T", "k=dup", "9"},        {"t", "K", "10"}};
    QTest::newRow("key written as a section header")
        << QByteArray("[a]\r\nk=1\r\n\r\n[b]\r\nk=2\r\n")
        << BatchWrites{{"a", "[b]", "x"}, {"a", "k", "3"},    {"b", "k", "4"},
                       {"a", "new", "5"}, {"c", "[c] ", "6"}, {"c", "k", "7"}};
}

void tst_ProfileBatch::sameBytesAsSingleWrites()
{
    QFETCH(QByteArray, initial);
    QFETCH(BatchWrites, writes);

    if (!initial.isNull()) {
        put("single.pln", initial);
        put("batch.pln", initial);
    }
    ProfileBatch batch(path("batch.pln"), false);
    for (const BatchWrite& w : writes) {
        if (w.isNumber) {
            QVERIFY(
                WriteProfileInt(path("single.pln"), w.section, w.key, w.number, w.index, false));
            batch.writeInt(w.section, w.key, w.number, w.index);
        } else {
            QVERIFY(WriteProfileText(path("single.pln"), w.section, w.key, w.text, w.index, false));
            batch.writeText(w.section, w.key, w.text, w.index);
        }
    }
    QVERIFY(batch.commit());
    QCOMPARE(bytesOf("batch.pln"), bytesOf("single.pln"));
}

void tst_ProfileBatch::refusedCommit_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("missing folder") << "none/p.pln" << false;
    QTest::newRow("read-only file") << "p.pln" << true;
}

void tst_ProfileBatch::refusedCommit()
{
    QFETCH(QString, file);
    QFETCH(bool, readOnly);

    const QByteArray old = "[Plan]\r\nDate=1/1/99\r\n";
    if (readOnly) {
        put(file, old);
        QVERIFY(QFile::setPermissions(m_dir->filePath(file), QFile::ReadOwner));
    }
    ProfileBatch batch(path(file), false);
    for (const BatchWrite& w : planWrites(20))
        batch.writeText(w.section, w.key, w.text, w.index);
    QVERIFY(!batch.commit());
    QCOMPARE(bytesOf(file), readOnly ? old : QByteArray("<missing>"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             readOnly ? QStringList{file} : QStringList());
}

void tst_ProfileBatch::commitAgain()
{
    ProfileBatch unused(path("none.pln"), false);
    QVERIFY(unused.commit());
    QCOMPARE(bytesOf("none.pln"), QByteArray("<missing>"));

    ProfileBatch batch(path("p.pln"), false);
    batch.writeText("s", "a", "1");
    QVERIFY(batch.commit());
    batch.writeInt("s", "b", 2);
    batch.writeText("t", "a", "3", 0);
    QVERIFY(batch.commit());
    QCOMPARE(bytesOf("p.pln"), QByteArray("[s]\r\na=1\r\nb=2\r\n[t]\r\na0=3\r\n"));
}

void tst_ProfileBatch::snapshotAnswersAsReads_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("defaultValue");

    QTest::newRow("plain key") << "Plan"
                               << "Date" << -1 << 256 << "d";
    QTest::newRow("indexed key") << "plan"
                                 << "ACTIVITY" << 12 << 256 << "d";
    QTest::newRow("missing key") << "Plan"
                                 << "Activity" << 13 << 256 << "d";
    QTest::newRow("missing section") << "Drills"
                                     << "Date" << -1 << 256 << "d";
    QTest::newRow("empty value") << "Plan"
                                 << "Empty" << -1 << 256 << "d";
    QTest::newRow("quoted value") << "Plan"
                                  << "Quoted" << -1 << 256 << "d";
    QTest::newRow("cut by capacity") << "Plan"
                                     << "Long" << -1 << 4 << "d";
    QTest::newRow("capacity 0") << "Plan"
                                << "Date" << -1 << 0 << "d";
    QTest::newRow("number") << "Plan"
                            << "Minutes" << 0 << 256 << "d";
}

void tst_ProfileBatch::snapshotAnswersAsReads()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, index);
    QFETCH(int, capacity);
    QFETCH(QString, defaultValue);

    put("p.pln", "[Plan]\r\nDate=12/24/99\r\nActivity12=Layups\r\nEmpty=\r\n"
                 "Quoted=\"  q  \"\r\nLong=\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\r\n"
                 "Minutes0=-15\r\n");
    const ProfileSnapshot snapshot(path("p.pln"), false);
    const std::string s = section.toStdString();
    const std::string k = key.toStdString();
    const std::string d = defaultValue.toStdString();

    std::string expected;
    const int count = ReadProfileText(path("p.pln"), s, k, expected, capacity, d, index, false);
    std::string actual;
    QCOMPARE(snapshot.readText(s, k, actual, capacity, d, index), count);
    QCOMPARE(actual, expected);
    QCOMPARE(snapshot.text(s, k, capacity, d, index), expected);
    QCOMPARE(snapshot.readInt(s, k, 7, index),
             ReadProfileInt(path("p.pln"), s, k, 7, index, false));
}

QTEST_GUILESS_MAIN(tst_ProfileBatch)
#include "tst_ProfileBatch.moc"
