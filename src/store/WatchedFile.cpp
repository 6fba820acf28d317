#include "store/WatchedFile.h"

#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<WatchedFile*>& watches()
{
    static std::vector<WatchedFile*> all;
    return all;
}

} // namespace

WatchedFile::WatchedFile()
{
    watches().push_back(this);
}

WatchedFile::~WatchedFile()
{
    std::erase(watches(), this);
}

void WatchedFile::remember(const std::string& path)
{
    remember(path, FileFingerprint::ofFile(path));
}

void WatchedFile::remember(const std::string& path, const FileFingerprint& read)
{
    m_path = path;
    m_read = read;
}

void WatchedFile::forget()
{
    m_path.clear();
    m_read = FileFingerprint();
}

bool WatchedFile::changedElsewhere() const
{
    // A file gone, or something else in its place, holds nothing of another
    // program's to lose; the save itself says whether it can be written.
    struct stat info;
    if (!isWatching() || stat(m_path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return !m_read.matchesFile(m_path);
}

bool WatchedFile::anyWatching(const std::string& path)
{
    const auto& all = watches();
    return std::any_of(all.begin(), all.end(),
                       [&path](const WatchedFile* watch) { return watch->m_path == path; });
}

void WatchedFile::replaced(const std::string& path, const FileFingerprint& before,
                           const FileFingerprint& after)
{
    for (WatchedFile* watch : watches()) {
        if (watch->m_path == path && watch->m_read.sameContent(before))
            watch->m_read = after;
    }
}
