#include "FileBytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// Generous for a start under the sanitizers on a busy two-core machine.
constexpr int StartMs = 90000;
const QByteArray StoredPlan = "[Main]\r\nDate=1/2/2026\r\nPracticeTime=3:30\r\n";

} // namespace

// The program itself, run as child processes the way a coach starts it:
// each copy in a folder of its own, so its data folder is its own, on the
// offscreen platform, with the test switch that reports what it shows.
class tst_ProgramProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void killedProgramIsRecovered();
    void onePerDataFolder();

private:
    // A portable copy of the program in <root>/<folder>/, with data/ beside it.
    QString copyOfProgram(const QString& folder);
    QProcess* start(const QString& program, const QStringList& arguments,
                    const QString& typed = QString());
    // The next line the program prints that starts with `prefix`.
    QString lineStarting(QProcess& process, const QString& prefix);
    QString document() const { return m_root->filePath(QStringLiteral("MONDAY.pln")); }

    std::unique_ptr<QTemporaryDir> m_root;
    QList<QProcess*> m_processes;
};

void tst_ProgramProcesses::init()
{
    // Inside the build folder, where the program can be linked rather than copied.
    m_root = std::make_unique<QTemporaryDir>(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/processes-XXXXXX"));
    QVERIFY(m_root->isValid());
    for (const char* folder : {"home", "state", "run", "config"})
        QVERIFY(QDir(m_root->path()).mkpath(QLatin1String(folder)));
    QFile::setPermissions(m_root->filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(
        writeFile(m_root->filePath(QStringLiteral("settings.ini")), "[General]\nFirstRun=false\n"));
    QVERIFY(writeFile(document(), StoredPlan));
}

void tst_ProgramProcesses::cleanup()
{
    for (QProcess* process : std::as_const(m_processes)) {
        process->kill();
        process->waitForFinished(StartMs);
        delete process;
    }
    m_processes.clear();
    m_root.reset();
}

QString tst_ProgramProcesses::copyOfProgram(const QString& folder)
{
    const QString bin = m_root->filePath(folder);
    const QString copy = bin + QStringLiteral("/corvanta");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/corvanta");
    if (!QDir().mkpath(bin) ||
        (link(QFile::encodeName(program).constData(), QFile::encodeName(copy).constData()) != 0 &&
         !QFile::copy(program, copy)))
        qWarning("cannot place the program in %s", qPrintable(bin));
    return copy;
}

QProcess* tst_ProgramProcesses::start(const QString& program, const QStringList& arguments,
                                      const QString& typed)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, file] : {std::pair{"HOME", "home"},
                                     {"XDG_STATE_HOME", "state"},
                                     {"XDG_RUNTIME_DIR", "run"},
                                     {"XDG_CONFIG_HOME", "config"},
                                     {"CORVANTA_SETTINGS", "settings.ini"}})
        environment.insert(QLatin1String(name), m_root->filePath(QLatin1String(file)));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CORVANTA_TEST_PROBE"), typed);
    auto* process = new QProcess;
    m_processes << process;
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, arguments);
    return process;
}

QString tst_ProgramProcesses::lineStarting(QProcess& process, const QString& prefix)
{
    QDeadlineTimer deadline(StartMs);
    for (;;) {
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine()).chopped(1);
            if (line.startsWith(prefix))
                return line;
        }
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning ||
            !process.waitForReadyRead(int(deadline.remainingTime())))
            return QStringLiteral("<no line starting with %1>").arg(prefix);
    }
}

// Killed with unsaved edits in a stored plan, the program offers them at its
// next start and shows the plan changed, while the file itself is untouched.
void tst_ProgramProcesses::killedProgramIsRecovered()
{
    const QString program = copyOfProgram(QStringLiteral("bin"));
    QProcess* killed = start(program, {document()}, QStringLiteral("x7"));
    QCOMPARE(lineStarting(*killed, "plan\t"), "plan\tMONDAY.pln\t0\t1/2/2026x7");
    QVERIFY(lineStarting(*killed, "recovery-copy ").contains(m_root->filePath("state/Corvanta")));
    killed->kill();
    QVERIFY(killed->waitForFinished(StartMs));

    QProcess* next = start(program, {});
    QCOMPARE(lineStarting(*next, "question "),
             "question Corvanta was not closed properly. Recover 1 unsaved document? |  | " +
                 document());
    QCOMPARE(lineStarting(*next, "plan\t"), "plan\tMONDAY.pln\t1\t1/2/2026x7");
    QCOMPARE(lineStarting(*next, "shown "), "shown 1"); // in place of the new plan
    QCOMPARE(readFile(document()), StoredPlan);
}

// A second start on the same data folder hands its document to the first and
// ends; --version answers alone; another data folder runs beside; a socket
// left by a killed program does not stop the next start.
void tst_ProgramProcesses::onePerDataFolder()
{
    const QString program = copyOfProgram(QStringLiteral("bin"));
    QProcess* first = start(program, {});
    QCOMPARE(lineStarting(*first, "shown "), "shown 1");

    QProcess* second = start(program, {document()});
    QVERIFY(second->waitForFinished(StartMs));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(lineStarting(*first, "plan\tMONDAY.pln\t").endsWith("\t1/2/2026"));
    QCOMPARE(lineStarting(*first, "shown "), "shown 2");

    QProcess* version = start(program, {QStringLiteral("--version")});
    QVERIFY(version->waitForFinished(StartMs));
    QVERIFY(version->readAllStandardOutput().contains(CORVANTA_VERSION));

    QProcess* beside = start(copyOfProgram(QStringLiteral("other")), {});
    QCOMPARE(lineStarting(*beside, "shown "), "shown 1");

    first->kill();
    QVERIFY(first->waitForFinished(StartMs));
    QProcess* afterKill = start(program, {});
    QCOMPARE(lineStarting(*afterKill, "shown "), "shown 1");
    QProcess* nothingToOpen = start(program, {});
    QVERIFY(nothingToOpen->waitForFinished(StartMs));
    QCOMPARE(nothingToOpen->exitCode(), 0);
    QCOMPARE(lineStarting(*afterKill, "shown "), "shown 1"); // came to the front
}

QTEST_GUILESS_MAIN(tst_ProgramProcesses)
#include "tst_ProgramProcesses.moc"
