#include "store/ProfileStore.h"

#include "store/AtomicFile.h"
#include "store/PreviousVersions.h"
#include "store/ProfileDocument.h"
#include "store/TextEncoding.h"
#include "store/WatchedFile.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr std::size_t maxKeyCharacters = 255;

std::string& dataDirectory()
{
    static std::string directory;
    return directory;
}

bool writeValue(const std::string& file, const std::string& section, const std::string& key,
                std::string_view value, int index, bool inDataDir)
{
    const std::string path = ProfileFilePath(file, inDataDir);
    ProfileDocument document = ProfileDocument::load(path);
    if (document.source() == ProfileDocument::Source::Unreadable)
        return false;
    if (!document.setValue(section, IndexedKey(key, index), value))
        return true;
    return ReplaceProfileFile(path, document.serialise());
}

} // namespace

bool ReplaceProfileFile(const std::string& path, std::string_view bytes)
{
    const bool watched = WatchedFile::anyWatching(path);
    const bool keeping = PreviousVersions::wanted(path);
    std::string previous;
    FileFingerprint before;
    if (watched || keeping)
        before = FileFingerprint::ofFile(path, &previous);
    if (keeping && before.exists)
        PreviousVersions::keep(path, previous);
    if (!AtomicFile::replace(path, bytes))
        return false;
    if (watched)
        WatchedFile::replaced(path, before, FileFingerprint::ofFile(path));
    return true;
}

std::string InitDataDir(const std::string& executableFolder)
{
    std::string folder = executableFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    std::string& directory = dataDirectory();
    directory = folder + "data/";
    const std::string name = folder + "data";
    struct stat info;
    if (lstat(name.c_str(), &info) == 0 || mkdir(name.c_str(), 0777) == 0)
        return {};
    return "The data directory '" + directory +
           "' does not exist and cannot be created.  No data will be saved.";
}

const std::string& DataDir()
{
    return dataDirectory();
}

std::string ProfileFilePath(const std::string& file, bool inDataDir)
{
    if (!inDataDir)
        return file;
    // A name written with Windows separators is reduced the same way.
    const std::size_t separator = file.find_last_of("/\\");
    const std::string name = separator == std::string::npos ? file : file.substr(separator + 1);
    return DataDir() + name;
}

std::string IndexedKey(const std::string& key, int index)
{
    const std::string combined = index < 0 ? key : key + std::to_string(index);
    return std::string(TextEncoding::leadingCharacters(combined, maxKeyCharacters));
}

int ReadProfileText(const std::string& file, const std::string& section, const std::string& key,
                    std::string& buffer, int capacity, std::string_view defaultValue, int index,
                    bool inDataDir)
{
    const ProfileDocument document = ProfileDocument::load(ProfileFilePath(file, inDataDir));
    return document.readText(section, IndexedKey(key, index), buffer, capacity, defaultValue);
}

bool WriteProfileText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value, int index, bool inDataDir)
{
    return writeValue(file, section, key, value, index, inDataDir);
}

int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue, int index, bool inDataDir)
{
    const ProfileDocument document = ProfileDocument::load(ProfileFilePath(file, inDataDir));
    return document.readInt(section, IndexedKey(key, index), defaultValue);
}

bool WriteProfileInt(const std::string& file, const std::string& section, const std::string& key,
                     int value, int index, bool inDataDir)
{
    return writeValue(file, section, key, std::to_string(value), index, inDataDir);
}
