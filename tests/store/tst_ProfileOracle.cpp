#include "OracleScript.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Our profile store against the answers of the Windows functions, recorded
// once in a golden file beside the script that produced them.
class tst_ProfileOracle : public QObject
{
    Q_OBJECT

private slots:
    void matchesReference_data();
    void matchesReference();

private:
    static QList<QByteArray> linesOf(const QString& name);
};

QList<QByteArray> tst_ProfileOracle::linesOf(const QString& name)
{
    QFile file(QStringLiteral(ORACLE_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void tst_ProfileOracle::matchesReference_data()
{
    QTest::addColumn<QByteArray>("ours");
    QTest::addColumn<QByteArray>("reference");

    const QList<QByteArray> script = linesOf(QStringLiteral("profile_cases.txt"));
    const QList<QByteArray> golden = linesOf(QStringLiteral("profile_cases.golden"));
    QVERIFY(!script.isEmpty());
    QCOMPARE(golden.size(), script.size());

    // The scratch folder lives as long as the test, since later lines read
    // what earlier lines wrote.
    static QTemporaryDir scratch;
    const OracleScript runner(scratch.path());
    bool skipNext = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QByteArray& line = script[i];
        const QByteArray ours = runner.run(line);
        if (line.isEmpty() || line.startsWith('#')) {
            skipNext = line.startsWith("# ours differs:");
            continue;
        }
        if (!skipNext) {
            const QByteArray name = "line " + QByteArray::number(i + 1) + ": " + line.left(60);
            QTest::newRow(name.constData()) << ours << golden[i];
        }
        skipNext = false;
    }
}

void tst_ProfileOracle::matchesReference()
{
    QFETCH(QByteArray, ours);
    QFETCH(QByteArray, reference);
    QCOMPARE(ours, reference);
}

QTEST_GUILESS_MAIN(tst_ProfileOracle)
#include "tst_ProfileOracle.moc"
