// Times a game evaluation of 2,000 lines: the file read and written alone,
// then the window opening it (read, fill the text area) and saving it on OK
// (displayed lines from the text layout, one batch write).
// Usage: text_document_bench

#include "BenchSession.h"
#include "BenchTiming.h"
#include "ScriptedPlatform.h"

#include "evaluations/TGameEvalDlg.h"
#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "store/ProfileStore.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Runs = 20;
constexpr int LineCount = 2000;

TextDocument longEvaluation()
{
    TextDocument document{"12/8/2026", "Tigers", {}};
    for (int i = 0; i < LineCount; ++i)
        document.lines.push_back("Line " + std::to_string(i) + ": closeouts late, help side slow");
    return document;
}

struct Timing
{
    double wall = 0; // milliseconds
    double cpu = 0;  // milliseconds of this process, steadier on a busy machine
};

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timing timingOf(const std::function<void()>& step)
{
    const double cpuStart = cpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    step();
    const auto wall = std::chrono::steady_clock::now() - start;
    return {std::chrono::duration<double, std::milli>(wall).count(), cpuMilliseconds() - cpuStart};
}

void report(const char* what, const std::vector<Timing>& timings)
{
    std::vector<double> wall, cpu;
    for (const Timing& timing : timings) {
        wall.push_back(timing.wall);
        cpu.push_back(timing.cpu);
    }
    std::printf("%-34s wall median %7.2f ms, best %7.2f ms; cpu median %7.2f ms\n", what,
                medianOf(wall), *std::min_element(wall.begin(), wall.end()), medianOf(cpu));
}

} // namespace

int main(int argc, char** argv)
{
    const BenchSession session(argc, argv);
    const std::string path = session.folder().toStdString() + "LONG.gev";
    const TextDocument document = longEvaluation();

    std::vector<Timing> save, load;
    std::size_t loaded = 0;
    for (int run = 0; run < Runs; ++run) {
        save.push_back(timingOf([&] { SaveTextDocument(path, GameEvaluationKind, document); }));
        load.push_back(
            timingOf([&] { loaded = LoadTextDocument(path, GameEvaluationKind).lines.size(); }));
    }

    ScriptedPlatform platform;
    TGameEvalDlg window;
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("OkBtn"));
    std::vector<Timing> open, okSave;
    for (int run = 0; run < Runs; ++run) {
        open.push_back(
            timingOf([&] { window.openDocument(QString::fromStdString(path), session.folder()); }));
        platform.chooseFile(QString::fromStdString(path));
        okSave.push_back(timingOf([&] { QTest::mouseClick(ok, Qt::LeftButton); }));
    }
    const int stored = ReadProfileInt(path, "Evaluation", "NumLines", 0, -1, false);
    std::printf("evaluation of %d lines, %d runs; loaded %zu lines, %d after the window's saves\n",
                LineCount, Runs, loaded, stored);
    report("save (one batch write)", save);
    report("load (one snapshot read)", load);
    report("window: open and show", open);
    report("window: OK (lines, save, close)", okSave);
    return 0;
}
