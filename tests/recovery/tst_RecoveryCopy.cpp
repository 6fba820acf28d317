#include "FileBytes.h"

#include "recovery/RecoveryCopy.h"
#include "recovery/RecoveryWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// What a start makes of the files in the recovery folder, and the writer
// that keeps them off the typing path.
class tst_RecoveryCopy : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void writerKeepsTheLastRequest();
};

void tst_RecoveryCopy::read_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<folder>": a folder in its place
    QTest::addColumn<QString>("read");     // kind, path, size, time, hash; empty: unreadable

    QTest::newRow("copy") << QByteArray("[Recovery]\r\nKind=rep\r\nPath=/x/Ünited = \"B\".rep\r\n"
                                        "Existed=1\r\nSize=18446744073709551615\r\n"
                                        "Time=-1234567890123\r\nHash=fedcba9876543210\r\n")
                          << "rep|/x/Ünited = \"B\".rep|18446744073709551615|-1234567890123|"
                             "fedcba9876543210";
    QTest::newRow("empty, as after a power cut") << QByteArray() << "";
    QTest::newRow("a document without heading") << QByteArray("[Main]\r\nDate=1/2/26\r\n") << "";
    QTest::newRow("unknown kind") << QByteArray("[Recovery]\r\nKind=exe\r\nPath=/x\r\n") << "";
    QTest::newRow("a folder") << QByteArray("<folder>") << "";
}

void tst_RecoveryCopy::read()
{
    QFETCH(QByteArray, bytes);
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("copy.pln"));
    QVERIFY(bytes == "<folder>" ? QDir().mkdir(file) : writeFile(file, bytes));
    const std::optional<RecoveryCopy> copy = RecoveryCopy::read(file.toStdString());
    QString read;
    if (copy)
        read =
            QStringLiteral("%1|%2|%3|%4|%5")
                .arg(QString::fromStdString(copy->kind), QString::fromStdString(copy->originalPath))
                .arg(copy->original.size)
                .arg(copy->original.modifiedNs)
                .arg(copy->original.hash, 16, 16, QLatin1Char('0'));
    QTEST(read, "read");
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

QTEST_GUILESS_MAIN(tst_RecoveryCopy)
#include "tst_RecoveryCopy.moc"
