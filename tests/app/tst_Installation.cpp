#include "app/ApplicationId.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Id = ApplicationId::Id;

struct Run
{
    int exitCode = -1;
    QByteArray output; // standard output and error together
};

// Runs a tool to its end; a tool that hangs fails the test instead of the run.
Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    else
        process.kill();
    result.output = process.readAll();
    return result;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The tree `cmake --install` makes, the launcher, metainfo and document types
// in it, the installed program's command line and data folder, and the
// Debian package's contents.
class tst_Installation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void validators_data();
    void validators();
    void documentTypes_data();
    void documentTypes();
    void commandLine_data();
    void commandLine();
    void installedProgramKeepsDataPerUser();
    void package();

private:
    QString installed(const QString& path) const { return m_prefix.filePath(path); }
    QStringList expectedFiles() const;

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
};

void tst_Installation::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_home.isValid());
    const Run install = run(QStringLiteral(CORVANTA_CMAKE),
                            {"--install", CORVANTA_BUILD_DIR, "--prefix", m_prefix.path()});
    QVERIFY2(install.exitCode == 0, install.output.constData());
}

QStringList tst_Installation::expectedFiles() const
{
    QStringList files{"bin/corvanta", "share/applications/" + Id + ".desktop",
                      "share/metainfo/" + Id + ".metainfo.xml",
                      "share/mime/packages/" + Id + ".xml"};
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(Id);
    return files;
}

void tst_Installation::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : expectedFiles())
        QTest::newRow(qPrintable(path)) << path;
}

void tst_Installation::installedFiles()
{
    QFETCH(QString, path);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(path));
    if (path.startsWith(QStringLiteral("bin/")))
        QVERIFY(file.isExecutable());
    if (path.endsWith(QStringLiteral(".png"))) {
        const QString size = path.section(QLatin1Char('/'), 3, 3);
        QVERIFY2(QImage(file.filePath()).size() ==
                     QSize(size.section('x', 0, 0).toInt(), size.section('x', 1, 1).toInt()),
                 qPrintable(size));
    }
}

void tst_Installation::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");

    QTest::newRow("launcher") << "desktop-file-validate" << QStringList()
                              << "share/applications/" + Id + ".desktop";
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                              << "share/metainfo/" + Id + ".metainfo.xml";
}

void tst_Installation::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);

    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    const Run result = run(program, arguments << installed(file));
    QVERIFY2(result.exitCode == 0, result.output.constData());
}

void tst_Installation::documentTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("glob");

    // The plan's glob outweighs the word processor's *.pln (50) in the system database.
    QTest::newRow("practice plan") << "application/x-corvanta-plan"
                                   << "60:application/x-corvanta-plan:*.pln";
    QTest::newRow("game evaluation") << "application/x-corvanta-game-evaluation"
                                     << "50:application/x-corvanta-game-evaluation:*.gev";
    QTest::newRow("scouting report") << "application/x-corvanta-scouting-report"
                                     << "50:application/x-corvanta-scouting-report:*.rep";
}

// Each type is compiled into a MIME database and named by the launcher, so
// the file manager opens it with Corvanta.
void tst_Installation::documentTypes()
{
    QFETCH(QString, type);
    QFETCH(QString, glob);

    const QString launcher = readText(installed("share/applications/" + Id + ".desktop"));
    QVERIFY(launcher.contains(QStringLiteral("\nExec=corvanta %F\n")));
    const QString mimeLine = launcher.section(QStringLiteral("\nMimeType="), 1).section('\n', 0, 0);
    QVERIFY2(mimeLine.split(';').contains(type), qPrintable(mimeLine));

    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (updater.isEmpty())
        QSKIP("update-mime-database is not installed");
    const QString database = m_home.filePath(QStringLiteral("mime"));
    QVERIFY(QDir().mkpath(database + QStringLiteral("/packages")));
    QFile::remove(database + QStringLiteral("/packages/corvanta.xml"));
    QVERIFY(QFile::copy(installed("share/mime/packages/" + Id + ".xml"),
                        database + QStringLiteral("/packages/corvanta.xml")));
    const Run update = run(updater, {database});
    // It only notes that the folder is not one the desktop searches.
    QVERIFY2(update.exitCode == 0 && !update.output.toLower().contains("error") &&
                 !update.output.toLower().contains("warning"),
             update.output.constData());
    QVERIFY2(readText(database + QStringLiteral("/globs2")).split('\n').contains(glob),
             qPrintable(readText(database + QStringLiteral("/globs2"))));
}

void tst_Installation::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // the start of what it prints

    QTest::newRow("version") << QStringList{"--version"} << 0 << "Corvanta 2.0p\n";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
    QTest::newRow("help before a document")
        << QStringList{"--help", "MONDAY.pln"} << 0 << "Usage: ";
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 1 << "Corvanta: Unknown option 'frobnicate'.";
}

// Help and version come without a display.
void tst_Installation::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    const Run result = run(installed("bin/corvanta"), arguments, environment);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(result.output).contains(output), result.output.constData());
    if (arguments.first() == QStringLiteral("--help"))
        QVERIFY(result.output.contains("[documents...]"));
}

void tst_Installation::installedProgramKeepsDataPerUser()
{
    const QString home = m_home.path();
    QVERIFY(QDir().mkpath(home + QStringLiteral("/config/Corvanta")));
    QFile settings(home + QStringLiteral("/config/Corvanta/Corvanta.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nFirstRun=false\n");
    settings.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CORVANTA_STARTUP_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/share"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    // A window left waiting for the coach (a first-run dialog) fails here fast.
    const Run result = run(installed("bin/corvanta"), {}, environment, 15000);
    QVERIFY2(result.exitCode == 0 && result.output.contains("first-paint-ns"),
             result.output.constData());
    QVERIFY(QFileInfo(home + QStringLiteral("/share/Corvanta/Corvanta/data")).isDir());
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("bin/data"))));
}

// The package holds the installed tree under /usr and depends on what the
// program needs at run time; it is inspected, never installed.
void tst_Installation::package()
{
    const QString cpack = QStringLiteral(CORVANTA_CPACK);
    const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (!QFileInfo(cpack).isExecutable() || dpkgDeb.isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QSKIP("the Debian package tools are not installed");
    QTemporaryDir output;
    const Run made = run(cpack, {"-G", "DEB", "-B", output.path(), "--config",
                                 CORVANTA_BUILD_DIR "/CPackConfig.cmake"});
    QVERIFY2(made.exitCode == 0, made.output.constData());
    const QString deb = output.filePath(
        QStringLiteral("corvanta_2.0p_") +
        QSysInfo::buildCpuArchitecture().replace("x86_64", "amd64") + QStringLiteral(".deb"));
    QVERIFY2(QFileInfo(deb).isFile(), made.output.constData());

    const Run contents = run(dpkgDeb, {"--contents", deb});
    QCOMPARE(contents.exitCode, 0);
    QStringList files;
    for (const QByteArray& line : contents.output.split('\n')) {
        const QString path = QString::fromUtf8(line).section(' ', -1);
        if (!path.isEmpty() && !path.endsWith('/'))
            files << path;
    }
    QStringList expected;
    for (const QString& file : expectedFiles())
        expected << QStringLiteral("./usr/") + file;
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);

    const Run depends = run(dpkgDeb, {"--field", deb, "Depends"});
    for (const char* package : {"libqt6widgets6", "libqt6printsupport6", "libqt6multimedia6",
                                "libqt6dbus6", "qt6-qpa-plugins", "fonts-liberation2"})
        QVERIFY2(depends.output.contains(package), depends.output.constData());
    const Run recommends = run(dpkgDeb, {"--field", deb, "Recommends"});
    QVERIFY2(recommends.output.contains("pipewire-pulse | pulseaudio"),
             recommends.output.constData());
}

QTEST_GUILESS_MAIN(tst_Installation)
#include "tst_Installation.moc"
