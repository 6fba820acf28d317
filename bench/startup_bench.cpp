// Times the program from process start to the first paint of its main window
// with a new plan, and its resident memory then, beside a bare Qt main window
// (bare_window_bench) measured the same way in the same run.
//
// The program runs installed-style: a copy in a folder it cannot write, its
// data in a fresh per-user data folder and its settings in a fresh per-user
// settings folder that says the first run is over.
// Usage: startup_bench [runs]   (run it on a display with a window manager)

#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Sample
{
    double milliseconds = 0;
    double mebibytes = 0;
};

struct Subject
{
    const char* name;
    QString program;
    std::vector<Sample> samples;
};

// One start of `program`; an empty sample when it printed no probe line.
std::optional<Sample> runOnce(const QString& program, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    process.start(program, {});
    if (!process.waitForFinished(30000))
        return std::nullopt;
    long long paintedNs = 0;
    long rssKiB = 0;
    const QByteArray line = process.readAllStandardOutput();
    if (std::sscanf(line.constData(), "first-paint-ns %lld rss-kib %ld", &paintedNs, &rssKiB) != 2)
        return std::nullopt;
    const long long startNs = std::chrono::nanoseconds(start).count();
    return Sample{(paintedNs - startNs) / 1e6, rssKiB / 1024.0};
}

QProcessEnvironment installedStyleEnvironment(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(StartupProbe::EnvironmentSwitch), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/share"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return environment;
}

// The first-run flag cleared, so no first-time dialog comes up.
bool writeSettings(const QString& home)
{
    const QString folder = home + QStringLiteral("/config/Corvanta");
    QFile settings(folder + QStringLiteral("/Corvanta.conf"));
    return QDir().mkpath(folder) && settings.open(QIODevice::WriteOnly) &&
           settings.write("[General]\nFirstRun=false\n") > 0;
}

// A copy of the program in a folder nobody may write, as under /usr/bin.
QString installedCopy(const QString& home, const QString& program)
{
    const QString bin = home + QStringLiteral("/bin");
    const QString copy = bin + QStringLiteral("/corvanta");
    if (!QDir().mkpath(bin) || !QFile::copy(program, copy))
        return {};
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return copy;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir home;
    const QString corvanta = installedCopy(home.path(), folder + QStringLiteral("/corvanta"));
    if (corvanta.isEmpty() || !writeSettings(home.path())) {
        std::fprintf(stderr, "cannot prepare %s\n", qPrintable(home.path()));
        return 1;
    }
    const QProcessEnvironment environment = installedStyleEnvironment(home.path());
    Subject subjects[] = {{"corvanta", corvanta, {}},
                          {"bare window", folder + QStringLiteral("/bare_window_bench"), {}}};

    for (Subject& subject : subjects)
        runOnce(subject.program, environment); // warm the caches, make the data folder
    for (int run = 0; run < runs; ++run) {
        for (Subject& subject : subjects) {
            const std::optional<Sample> sample = runOnce(subject.program, environment);
            if (!sample) {
                std::fprintf(stderr, "%s printed no first paint\n", subject.name);
                return 1;
            }
            subject.samples.push_back(*sample);
        }
    }

    double time[2], memory[2];
    for (int i = 0; i < 2; ++i) {
        std::vector<double> times, sizes;
        for (const Sample& sample : subjects[i].samples) {
            times.push_back(sample.milliseconds);
            sizes.push_back(sample.mebibytes);
        }
        time[i] = median(times);
        memory[i] = median(sizes);
        std::printf("%-12s first paint median %7.1f ms   resident %6.1f MiB   (%d runs)\n",
                    subjects[i].name, time[i], memory[i], runs);
    }
    std::printf("ratio        time %.2f   memory %.2f\n", time[0] / time[1], memory[0] / memory[1]);
    std::printf("data folder  %s\n",
                QDir(home.path() + QStringLiteral("/share/Corvanta/Corvanta/data")).exists()
                    ? "per-user, as installed"
                    : "NOT the per-user folder");
    return 0;
}
