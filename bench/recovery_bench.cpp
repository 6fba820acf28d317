// What crash recovery costs a coach: a recovery copy of a full 100-row plan
// made into bytes on the window's thread (the part a keystroke could ever
// wait for), then written by the writer's thread with its flush to disk; and
// what the daily backup adds to a write of prefs.db.
// Usage: recovery_bench [folder on the disk to measure]   (default: a new
// folder in the current one)

#include "BenchTiming.h"
#include "FullPlan.h"

#include "plans/PlanFile.h"
#include "plans/PracticePlan.h"
#include "recovery/RecoveryCopy.h"
#include "recovery/RecoveryWriter.h"
#include "store/AtomicFile.h"
#include "store/PreviousVersions.h"
#include "store/ProfileBatch.h"
#include "store/ProfileStore.h"

#include <filesystem>
#include <string>

namespace {

constexpr int Runs = 200;

std::string copyBytes(const RecoveryCopy& header, PracticePlan& plan, int run)
{
    plan.entries[run % PlanEntryCount].emphasis = "Edit " + std::to_string(run);
    ProfileBatch bytes;
    header.writeHeader(bytes);
    WritePlanKeys(bytes, plan);
    return bytes.serialised();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder =
        (argc > 1 ? std::string(argv[1]) : std::filesystem::current_path().string()) +
        "/recovery-bench/";
    std::filesystem::create_directories(folder + "data");
    PracticePlan plan = FullPlan();
    RecoveryCopy header;
    header.kind = "pln";
    header.originalPath = "/home/coach/Plans/MONDAY.pln";
    const std::string copy = folder + "copy.pln";

    std::vector<double> made, written, handedOver, wholeCopy;
    for (int run = 0; run < Runs; ++run) {
        std::string bytes;
        made.push_back(millisecondsOf([&] { bytes = copyBytes(header, plan, run); }));
        written.push_back(millisecondsOf([&] { AtomicFile::replace(copy, bytes); }));
    }
    {
        RecoveryWriter writer({});
        for (int run = 0; run < Runs; ++run) {
            wholeCopy.push_back(millisecondsOf([&] {
                handedOver.push_back(
                    millisecondsOf([&] { writer.write(copy, copyBytes(header, plan, run)); }));
                writer.flush();
            }));
        }
    }
    std::printf("recovery copy of a full plan: %zu bytes\n", copyBytes(header, plan, 0).size());
    report("made into bytes (window's thread)", made);
    report("handed to the writer (same)", handedOver);
    report("written with its flush (writer)", written);
    report("whole copy, bytes to disk", wholeCopy);

    InitDataDir(folder);
    std::vector<double> plain, backedUp;
    for (int run = 0; run < Runs; ++run) {
        const std::string value = std::to_string(run);
        plain.push_back(millisecondsOf(
            [&] { WriteProfileText("prefs.db", "PlanDetail", "X", value, -1, true); }));
    }
    PreviousVersions::setDailyBackups(true);
    for (int run = 0; run < Runs; ++run) {
        const std::string value = std::to_string(run);
        backedUp.push_back(millisecondsOf(
            [&] { WriteProfileText("prefs.db", "PlanDetail", "X", value, -1, true); }));
    }
    report("prefs.db key written", plain);
    report("prefs.db key written, day's backup", backedUp);
    std::filesystem::remove_all(folder);
    return 0;
}
