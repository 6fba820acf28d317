#include "OracleScript.h"

#include <QDir>
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
    void addRows(const QString& scriptName);
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

    const QStringList scripts =
        QDir(QStringLiteral(ORACLE_DIR)).entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(!scripts.isEmpty());
    for (const QString& script : scripts)
        addRows(script);
}

void tst_ProfileOracle::addRows(const QString& scriptName)
{
    const QList<QByteArray> script = linesOf(scriptName);
    QString goldenName = scriptName;
    goldenName.replace(QLatin1String(".txt"), QLatin1String(".golden"));
    const QList<QByteArray> golden = linesOf(goldenName);
    QCOMPARE(golden.size(), script.size());

    // Each script has its own scratch folder for as long as the test runs,
    // since later lines read what earlier lines wrote.
    auto* scratch = new QTemporaryDir;
    connect(this, &QObject::destroyed, [scratch] { delete scratch; });
    const OracleScript runner(scratch->path());
    bool skipNext = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QByteArray& line = script[i];
        const QByteArray ours = runner.run(line);
        if (line.isEmpty() || line.startsWith('#')) {
            skipNext = line.startsWith("# ours differs:");
            continue;
        }
        if (!skipNext) {
            const QByteArray name =
                scriptName.toUtf8() + ":" + QByteArray::number(i + 1) + ": " + line.left(60);
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
