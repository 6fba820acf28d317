#include "recovery/RecoveryFolder.h"

#include "clock/Clock.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::atomic<unsigned> copiesMade{0};

std::string stamp()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(Clock::instance().wallNow());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

bool RecoveryFolder::prepare() const
{
    std::error_code error;
    fs::create_directories(m_path, error);
    return fs::is_directory(m_path, error) && access(m_path.c_str(), W_OK | X_OK) == 0;
}

std::vector<std::string> RecoveryFolder::copies() const
{
    std::vector<std::string> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_path, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with('.') && entry.is_regular_file(error))
            files.push_back(m_path + name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string RecoveryFolder::newCopyPath(std::string_view kind) const
{
    const std::string prefix = m_path + stamp() + "-" + std::to_string(getpid()) + "-";
    std::error_code error;
    for (;;) {
        char count[16];
        std::snprintf(count, sizeof count, "%06u", ++copiesMade);
        const std::string path = prefix + count + "." + std::string(kind);
        if (!fs::exists(path, error))
            return path;
    }
}

std::string RecoveryFolder::keepAside(const std::string& file) const
{
    const std::string folder = m_path + AsideFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string name = fs::path(file).filename().string();
    std::string target = folder + name;
    for (int n = 1; fs::exists(target, error); ++n)
        target = folder + name + "." + std::to_string(n);
    fs::rename(file, target, error);
    return error ? file : target;
}
