// Times, with the platform users get (its settings in a file of its own, so
// the coach's first-run flag is never touched): the main window's start-up
// with and without a new plan, and the players list on a roster of 5,000
// names in reverse order, shown (read, sorted) and closed with Close (saved).
// Usage: players_bench

#include "BenchTiming.h"

#include "app/TMainForm.h"
#include "players/PlayerRoster.h"
#include "players/TPlayersDlg.h"
#include "store/ProfileStore.h"

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Runs = 10;
constexpr int Players = 5000;

std::vector<std::string> roster()
{
    std::vector<std::string> names;
    for (int i = Players; i > 0; --i)
        names.push_back((i % 2 ? "player " : "Player ") + std::to_string(i));
    return names;
}

void writePrefs(const QTemporaryDir& work, const char* bytes)
{
    QFile file(work.filePath(QStringLiteral("data/prefs.db")));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

std::vector<double> startUps(const QTemporaryDir& work, const char* prefs)
{
    writePrefs(work, prefs);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        times.push_back(millisecondsOf([] {
            TMainForm form;
            // Until the new plan is there: at once without the welcome, else
            // after the frame's first paint.
            bool done = false;
            QEventLoop firstShowing;
            QObject::connect(&form, &TMainForm::firstShowDone, &firstShowing, [&] {
                done = true;
                firstShowing.quit();
            });
            form.show();
            if (!done)
                firstShowing.exec();
        }));
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir work;
    const QString settings = work.filePath(QStringLiteral("settings.ini"));
    QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("FirstRun"), false);
    qputenv("CORVANTA_SETTINGS", settings.toLocal8Bit());
    QApplication app(argc, argv);
    InitDataDir(work.path().toStdString() + "/");

    const std::vector<double> bare = startUps(work, "[General]\r\nAutoNewPlan=FALSE\r\n");
    const std::vector<double> withPlan = startUps(work, "[General]\r\nAutoNewPlan=TRUE\r\n");

    TPlayersDlg window;
    auto* closeButton = window.findChild<QPushButton*>(QStringLiteral("CloseBtn"));
    std::vector<double> show, close, write, read;
    const std::vector<std::string> names = roster();
    for (int run = 0; run < Runs; ++run) {
        write.push_back(millisecondsOf([&] { PlayerRoster::Write(names); }));
        read.push_back(millisecondsOf([] { PlayerRoster::Read(); }));
        show.push_back(millisecondsOf([&] { window.showModeless(); }));
        close.push_back(millisecondsOf([&] { closeButton->click(); }));
    }
    const std::vector<std::string> saved = PlayerRoster::Read();
    std::printf("%d runs; players list of %zu names, first \"%s\", last \"%s\"\n", Runs,
                saved.size(), saved.front().c_str(), saved.back().c_str());
    report("start-up, no plan", bare);
    report("start-up, new plan", withPlan);
    report("players.db write (core)", write);
    report("players.db read (core)", read);
    report("players list show (read, sort)", show);
    report("players list Close (save)", close);
    return 0;
}
