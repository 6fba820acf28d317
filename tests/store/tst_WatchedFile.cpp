#include "FileBytes.h"
#include "TempDataDir.h"

#include "store/ProfileBatch.h"
#include "store/ProfileStore.h"
#include "store/WatchedFile.h"

#include <QFile>
#include <QtTest>
#include <utime.h>

// Whether a file a window read was changed by another program since: this
// program's own writes through the store never count, whichever window made
// them; any other change of the bytes does, and a mere touch does not.
class tst_WatchedFile : public QObject
{
    Q_OBJECT

private slots:
    void changedElsewhere_data();
    void changedElsewhere();
};

void tst_WatchedFile::changedElsewhere_data()
{
    // Steps after the window read: o another program rewrites it, s this
    // program writes a key, b this program writes a batch, t the file is
    // touched, r it is removed, c another program creates it.
    QTest::addColumn<bool>("existed");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("changed");

    QTest::newRow("untouched") << true << "" << false;
    QTest::newRow("touched, same bytes") << true << "t" << false;
    QTest::newRow("rewritten by another program") << true << "o" << true;
    QTest::newRow("written by this program, twice") << true << "sb" << false;
    QTest::newRow("another program, then this one") << true << "os" << true;
    QTest::newRow("this program, then another") << true << "so" << true;
    QTest::newRow("removed: nothing to lose") << true << "r" << false;
    QTest::newRow("removed, then created by another program") << true << "rc" << true;
    QTest::newRow("missing, created by another program") << false << "c" << true;
    QTest::newRow("missing, created by this program") << false << "s" << false;
    QTest::newRow("missing, still missing") << false << "" << false;
}

void tst_WatchedFile::changedElsewhere()
{
    QFETCH(bool, existed);
    QFETCH(QString, steps);
    const TempDataDir data;
    const QString path = data.file(QStringLiteral("drills.db"));
    if (existed)
        QVERIFY(writeFile(path, "[Pattern]\r\nPattern0=PC1\r\n"));
    WatchedFile watch;
    watch.remember(path.toStdString());
    WatchedFile other; // another window on the same file changes nothing
    other.remember(path.toStdString());

    int count = 0;
    for (const QChar step : steps) {
        const std::string value = std::to_string(++count);
        if (step == u'o' || step == u'c') {
            QVERIFY(
                writeFile(path, "[Pattern]\r\nPattern0=PD" + QByteArray::number(count) + "\r\n"));
        } else if (step == u's') {
            WriteProfileText("drills.db", "Cat", "Cat1", value, -1, true);
        } else if (step == u'b') {
            ProfileBatch batch("drills.db", true);
            batch.writeText("Cat", "Cat1", value);
            QVERIFY(batch.commit());
        } else if (step == u't') {
            QVERIFY(utime(QFile::encodeName(path).constData(), nullptr) == 0);
        } else if (step == u'r') {
            QVERIFY(QFile::remove(path));
        }
    }
    QTEST(watch.changedElsewhere(), "changed");
}

QTEST_GUILESS_MAIN(tst_WatchedFile)
#include "tst_WatchedFile.moc"
