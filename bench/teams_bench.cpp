// Times the practice teams: creating and showing the 2-player window (40
// teams), Reset All (ten windows created, reset and saved), and the printing
// part of Print All to a PDF file with all ten sets filled (the print dialog
// left out). The roster holds 100 players.
// Usage: teams_bench

#include "BenchSession.h"
#include "BenchTiming.h"

#include "report/AppPrinter.h"
#include "report/PrintSeries.h"
#include "store/ProfileStore.h"
#include "teams/TTeamDlg.h"
#include "teams/TTeams.h"
#include "teams/TeamSet.h"

#include <QApplication>
#include <QPrinter>
#include <cstdio>

namespace {

constexpr int Runs = 10;
constexpr int Players = 100;

void writeRoster()
{
    for (int i = 0; i < Players; ++i)
        WriteProfileText("players.db", "Players", "Name", "Player " + std::to_string(i), i, true);
    WriteProfileText("players.db", "Players", "Name", "", Players, true);
}

// Every set with as many players placed as the roster allows.
void fillEverySet()
{
    for (int n = TeamSetFile::FewestPlayers; n <= TeamSetFile::MostPlayers; ++n) {
        TeamSet set = TeamSetFile::Empty(n, "12/8/2026");
        int player = 0;
        for (Team& team : set.teams) {
            for (int place = 0; place <= n && player < Players; ++place)
                team.players.push_back("Player " + std::to_string(player++));
        }
        TeamSetFile::Write(TeamSetFile::FileName(n), n, set);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const BenchSession session(argc, argv);
    writeRoster();
    fillEverySet();

    std::vector<double> show;
    for (int run = 0; run < Runs; ++run) {
        show.push_back(millisecondsOf([] {
            TTeams2 window;
            window.show();
            QCoreApplication::processEvents();
        }));
    }
    report("2-player window created and shown", show);

    QPrinter& printer = AppPrinter::printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(session.folder() + QStringLiteral("teams.pdf"));
    std::vector<double> print;
    for (int run = 0; run < Runs; ++run) {
        print.push_back(millisecondsOf([] {
            PrintSeries series;
            for (int n = TeamSetFile::FewestPlayers; n <= TeamSetFile::MostPlayers; ++n) {
                TTeams window(n);
                window.PrintAll(series);
            }
        }));
    }
    report("Print All, ten sets to PDF", print);

    TTeamDlg selector;
    std::vector<double> reset;
    for (int run = 0; run < Runs; ++run)
        reset.push_back(millisecondsOf([&selector] { selector.ResetAllSets(); }));
    report("Reset All, ten sets", reset);
    return 0;
}
