#include "FileBytes.h"

#include "recovery/RecoveryCopy.h"
#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryWriter.h"
#include "store/ProfileBatch.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <mutex>

// The files of crash recovery: what a copy says about its document, which
// copies a start finds, and the writer that keeps them off the typing path.
class tst_RecoveryCopy : public QObject
{
    Q_OBJECT

private slots:
    void headerComesBack();
    void unreadableCopies_data();
    void unreadableCopies();
    void folderListsAndKeepsAside();
    void writerKeepsTheLastRequest();
    void writerReportsFailedWrites();
};

void tst_RecoveryCopy::headerComesBack()
{
    const QTemporaryDir folder;
    RecoveryCopy copy;
    copy.kind = "rep";
    copy.originalPath = "/home/coach/Scouting/Ünited = \"B\".rep";
    copy.original =
        FileFingerprint{true, 18446744073709551615ull, -1234567890123, 0xfedcba9876543210};
    ProfileBatch bytes;
    copy.writeHeader(bytes);
    bytes.writeText("Main", "Team", "Eagles");
    copy.file = folder.filePath(QStringLiteral("a.rep")).toStdString();
    QVERIFY(writeFile(QString::fromStdString(copy.file),
                      QByteArray::fromStdString(bytes.serialised())));

    const std::optional<RecoveryCopy> read = RecoveryCopy::read(copy.file);
    QVERIFY(read);
    QCOMPARE(read->file, copy.file);
    QCOMPARE(read->kind, copy.kind);
    QCOMPARE(read->originalPath, copy.originalPath);
    QVERIFY(read->original.sameContent(copy.original));
    QCOMPARE(read->original.modifiedNs, copy.original.modifiedNs);
}

void tst_RecoveryCopy::unreadableCopies_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<folder>": a folder in its place
    QTest::newRow("empty, as after a power cut") << QByteArray();
    QTest::newRow("a document without heading") << QByteArray("[Main]\r\nDate=1/2/26\r\n");
    QTest::newRow("unknown kind") << QByteArray("[Recovery]\r\nKind=exe\r\nPath=/x\r\n");
    QTest::newRow("a folder") << QByteArray("<folder>");
}

void tst_RecoveryCopy::unreadableCopies()
{
    QFETCH(QByteArray, bytes);
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("copy.pln"));
    if (bytes == "<folder>")
        QVERIFY(QDir().mkdir(file));
    else
        QVERIFY(writeFile(file, bytes));
    QVERIFY(!RecoveryCopy::read(file.toStdString()));
}

void tst_RecoveryCopy::folderListsAndKeepsAside()
{
    const QTemporaryDir base;
    const RecoveryFolder folder((base.path() + QStringLiteral("/state/recovery/")).toStdString());
    QVERIFY(folder.prepare());
    const std::string first = folder.newCopyPath("pln");
    const std::string second = folder.newCopyPath("pln");
    QVERIFY(first != second);
    for (const std::string& file : {first, second, folder.path() + ".half-written.tmp"})
        QVERIFY(writeFile(QString::fromStdString(file), "x"));

    QCOMPARE(folder.copies(), (std::vector<std::string>{first, second}));
    const std::string aside = folder.keepAside(first);
    const std::string again = folder.keepAside(folder.newCopyPath("pln"));
    QCOMPARE(aside,
             folder.path() + RecoveryFolder::AsideFolder + first.substr(folder.path().size()));
    QCOMPARE(readFile(QString::fromStdString(aside)), QByteArray("x"));
    QVERIFY(!again.empty());
    QCOMPARE(folder.copies(), std::vector<std::string>{second});

    const RecoveryFolder underAFile((QString::fromStdString(second) + u'/').toStdString());
    QVERIFY(!underAFile.prepare());
}

void tst_RecoveryCopy::writerKeepsTheLastRequest()
{
    const QTemporaryDir folder;
    const std::string kept = folder.filePath(QStringLiteral("kept.pln")).toStdString();
    const std::string removed = folder.filePath(QStringLiteral("removed.pln")).toStdString();
    {
        RecoveryWriter writer({});
        for (int i = 0; i < 50; ++i) {
            writer.write(kept, "version " + std::to_string(i));
            writer.write(removed, "version " + std::to_string(i));
        }
        writer.remove(removed);
        writer.flush();
        QCOMPARE(readFile(QString::fromStdString(kept)), QByteArray("version 49"));
        QVERIFY(!QFile::exists(QString::fromStdString(removed)));
        writer.write(removed, "after");
    } // what waits is written before the writer goes
    QCOMPARE(readFile(QString::fromStdString(removed)), QByteArray("after"));
}

void tst_RecoveryCopy::writerReportsFailedWrites()
{
    const QTemporaryDir folder;
    std::mutex mutex;
    QStringList reports;
    RecoveryWriter writer([&](const std::string& file, bool written) {
        const std::lock_guard lock(mutex);
        reports << QString::fromStdString(file).section(u'/', -2) + (written ? " yes" : " no");
    });
    const QString name = QFileInfo(folder.path()).fileName();
    writer.write(folder.filePath(QStringLiteral("a.pln")).toStdString(), "a");
    writer.write(folder.filePath(QStringLiteral("gone/b.pln")).toStdString(), "b");
    writer.flush();
    const std::lock_guard lock(mutex);
    QCOMPARE(reports, (QStringList{name + "/a.pln yes", "gone/b.pln no"}));
}

QTEST_GUILESS_MAIN(tst_RecoveryCopy)
#include "tst_RecoveryCopy.moc"
