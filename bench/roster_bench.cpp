// Times the roster's way in and the team fill: a CSV of 5,000 rows (names
// with accents, a header, four columns) imported into a players list of 200
// until the preview shows, its parts in the core alone, and the balanced and
// random fill of 200 rated players into 40 teams of 5.
// Usage: roster_bench

#include "BenchSession.h"
#include "BenchTiming.h"
#include "ScriptedPlatform.h"

#include "players/PlayerRoster.h"
#include "players/PlayersImport.h"
#include "players/RosterFile.h"
#include "players/TPlayersDlg.h"
#include "teams/TeamFill.h"

#include <QFile>
#include <QPushButton>
#include <chrono>
#include <cstdio>

namespace {

constexpr int Runs = 20;
constexpr int Rows = 5000;
constexpr int Listed = 200;

std::string csv()
{
    const char* first[] = {"José", "Zoë", "Émilie", "Søren", "Ann", "Marta", "Bob", "Ana"};
    const char* last[] = {"García", "Müller", "Lefèvre", "Østergaard", "O'Neil", "Nováková"};
    std::string text = "\xEF\xBB\xBF"
                       "First Name,Last Name,Jersey,Position\r\n";
    for (int row = 0; row < Rows; ++row) {
        text += std::string(first[row % 8]) + ',' + "\"" + last[row % 6] + ", " +
                std::to_string(row) + "\"," + std::to_string(row % 99) + ",Guard\r\n";
    }
    return text;
}

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv)
{
    const BenchSession session(argc, argv);
    std::vector<std::string> listed;
    for (int i = 0; i < Listed; ++i)
        listed.push_back("Player " + std::to_string(i));
    PlayerRoster::Write(listed);
    const std::string bytes = csv();
    const QString path = session.folder() + QStringLiteral("roster.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    std::vector<double> read, classify, preview;
    std::size_t added = 0;
    for (int run = 0; run < Runs; ++run) {
        RosterFile::Rows rows;
        read.push_back(millisecondsOf([&] { rows = RosterFile::Load(path.toStdString()); }));
        classify.push_back(millisecondsOf(
            [&] { added = PlayersImport::Classify(rows.names, listed).added.size(); }));
    }
    TPlayersDlg window;
    window.showModeless();
    auto* importButton = window.findChild<QPushButton*>(QStringLiteral("ImportBtn"));
    for (int run = 0; run < Runs; ++run) {
        ScriptedPlatform platform;
        platform.chooseFile(path);
        const auto start = std::chrono::steady_clock::now();
        platform.runDialog([&](QDialog& dialog) {
            preview.push_back(since(start));
            dialog.reject();
        });
        importButton->click();
    }
    std::printf("%d runs; %d rows, %zu names new to a list of %d\n", Runs, Rows, added, Listed);
    report("CSV read and decoded (core)", read);
    report("rows classified (core)", classify);
    report("Import... until the preview shows", preview);

    TeamSet empty;
    empty.teams.resize(40);
    std::vector<std::string> players;
    std::vector<int> ratings;
    for (int i = 0; i < 200; ++i) {
        players.push_back("Player " + std::to_string(i));
        ratings.push_back(i % 7 == 0 ? 0 : 1 + (i * 37 % 5));
    }
    const TeamFill::Ratings rated(players, ratings);
    for (const TeamFill::Method method : {TeamFill::Method::Balanced, TeamFill::Method::Random}) {
        std::vector<double> fill;
        double worst = 0;
        for (int run = 0; run < Runs; ++run) {
            TeamSet set = empty;
            std::mt19937 random(static_cast<unsigned>(run));
            fill.push_back(millisecondsOf([&] {
                TeamFill::Deal(set, players, {40, true, method}, 5, rated, random);
            }));
            const std::vector<double> sums = TeamFill::Sums(set, rated);
            const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
            worst = std::max(worst, *high - *low);
        }
        const bool balanced = method == TeamFill::Method::Balanced;
        report(balanced ? "balanced fill, 200 into 40 (core)" : "random fill, 200 into 40 (core)",
               fill);
        std::printf("  widest spread of the rating sums over the runs: %.2f\n", worst);
    }
    return 0;
}
