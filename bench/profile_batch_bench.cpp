// Saving 1,500 keys into one profile file: one write operation per key
// against one batch, into a new file and again over the saved one.

#include "store/ProfileBatch.h"
#include "store/ProfileStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int keyCount = 1500;
constexpr int keysPerSection = 300;

std::string sectionOf(int i)
{
    return "Section" + std::to_string(i / keysPerSection);
}

std::string valueOf(int i, int round)
{
    return "Drill number " + std::to_string(i) + " of round " + std::to_string(round);
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double saveOneByOne(const std::string& file, int round)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < keyCount; ++i)
        WriteProfileText(file, sectionOf(i), "Activity", valueOf(i, round), i, false);
    return millisecondsSince(start);
}

double saveAsBatch(const std::string& file, int round)
{
    const auto start = std::chrono::steady_clock::now();
    ProfileBatch batch(file, false);
    for (int i = 0; i < keyCount; ++i)
        batch.writeText(sectionOf(i), "Activity", valueOf(i, round), i);
    batch.commit();
    return millisecondsSince(start);
}

std::string contentOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

int main()
{
    char folderTemplate[] = "/tmp/profile_batch_bench.XXXXXX";
    const char* folder = mkdtemp(folderTemplate);
    if (folder == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string single = std::string(folder) + "/single.pln";
    const std::string batch = std::string(folder) + "/batch.pln";

    std::printf("%d keys in %d sections, one fsync'd atomic replace per save\n", keyCount,
                keyCount / keysPerSection);
    for (int round = 0; round < 2; ++round) {
        const double singleMs = saveOneByOne(single, round);
        const double batchMs = saveAsBatch(batch, round);
        const bool same = contentOf(single) == contentOf(batch);
        std::printf("%-16s one by one %9.1f ms   one batch %7.1f ms   %5.0fx   same bytes: %s\n",
                    round == 0 ? "new file:" : "over saved file:", singleMs, batchMs,
                    singleMs / batchMs, same ? "yes" : "NO");
    }
    std::printf("file size: %zu bytes\n", contentOf(single).size());
    unlink(single.c_str());
    unlink(batch.c_str());
    rmdir(folder);
    return 0;
}
