#include "store/PreviousVersions.h"

#include "clock/Clock.h"
#include "store/FileDescriptor.h"
#include "store/PlainText.h"
#include "store/ProfileStore.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool dailyBackupsOn = false;
bool documentVersionsOn = false;

constexpr std::string_view DocumentExtensions[] = {".pln", ".gev", ".rep"};

bool isDataFile(const std::string& path)
{
    const std::string& folder = DataDir();
    return !folder.empty() && path.size() > folder.size() && path.starts_with(folder) &&
           path.find('/', folder.size()) == std::string::npos;
}

bool isDocument(const std::string& path)
{
    const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
    return std::any_of(std::begin(DocumentExtensions), std::end(DocumentExtensions),
                       [name](std::string_view extension) {
                           return name.size() > extension.size() &&
                                  EqualsIgnoringCase(name.substr(name.size() - extension.size()),
                                                     extension);
                       });
}

bool isDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir))
        names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

// The copy goes to a temporary file renamed into place, so it is whole or
// absent, but without waiting for the disk: the file it comes from is still
// there, and the file that replaces it reaches the disk right after.
bool writeCopy(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + "." + std::to_string(getpid()) + ".tmp";
    const int fd =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        unlink(temporary.c_str());
    return ok;
}

void keepDailyBackup(const std::string& path, std::string_view previous)
{
    const std::string folder = DataDir() + PreviousVersions::BackupFolder;
    mkdir(folder.c_str(), 0777); // already there, or the copy below fails
    const std::string name = path.substr(DataDir().size());
    const std::time_t now = std::chrono::system_clock::to_time_t(Clock::instance().wallNow());
    std::tm local{};
    localtime_r(&now, &local);
    const std::string backup =
        PreviousVersions::BackupName(name, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (!writeCopy(folder + backup, previous))
        return;
    for (const std::string& old :
         PreviousVersions::BackupsToDrop(namesIn(folder), name, PreviousVersions::DaysKept))
        unlink((folder + old).c_str());
}

} // namespace

namespace PreviousVersions {

void setDailyBackups(bool on)
{
    dailyBackupsOn = on;
}

void setDocumentVersions(bool on)
{
    documentVersionsOn = on;
}

bool documentVersions()
{
    return documentVersionsOn;
}

std::string BackupName(std::string_view file, int year, int month, int day)
{
    char date[16];
    std::snprintf(date, sizeof date, ".%04d-%02d-%02d", year, month, day);
    return std::string(file) + date;
}

std::vector<std::string> BackupsToDrop(const std::vector<std::string>& names, std::string_view file,
                                       int kept)
{
    std::vector<std::string> backups;
    for (const std::string& name : names) {
        const std::string_view text = name;
        if (text.size() == file.size() + 11 && text.starts_with(file) && text[file.size()] == '.' &&
            isDate(text.substr(file.size() + 1)))
            backups.push_back(name);
    }
    // Dates written year first sort as the days they name.
    std::sort(backups.begin(), backups.end(), std::greater<>());
    if (backups.size() <= static_cast<std::size_t>(kept))
        return {};
    return {backups.begin() + kept, backups.end()};
}

bool wanted(const std::string& path)
{
    return (dailyBackupsOn && isDataFile(path)) || (documentVersionsOn && isDocument(path));
}

void keep(const std::string& path, std::string_view previous)
{
    if (dailyBackupsOn && isDataFile(path))
        keepDailyBackup(path, previous);
    else if (documentVersionsOn && isDocument(path))
        writeCopy(path + DocumentSuffix, previous);
}

} // namespace PreviousVersions
