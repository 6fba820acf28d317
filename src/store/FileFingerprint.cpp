#include "store/FileFingerprint.h"

#include "store/FileDescriptor.h"

#include <sys/stat.h>

namespace {

std::int64_t modifiedTimeNs(const struct stat& info)
{
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

} // namespace

std::uint64_t ContentHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    std::string bytes;
    if (ReadPlainFile(path, bytes) != PlainFileRead::Read)
        return std::nullopt;
    return bytes;
}

FileFingerprint FileFingerprint::ofFile(const std::string& path, std::string* bytes)
{
    FileFingerprint fingerprint;
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return fingerprint;
    fingerprint.exists = true;
    fingerprint.modifiedNs = modifiedTimeNs(info);
    const std::optional<std::string> read = ReadFileBytes(path);
    // A file that cannot be read is known by its size and time alone.
    fingerprint.size = read ? read->size() : static_cast<std::uint64_t>(info.st_size);
    fingerprint.hash = read ? ContentHash(*read) : 0;
    if (bytes)
        *bytes = read.value_or(std::string());
    return fingerprint;
}

bool FileFingerprint::matchesFile(const std::string& path) const
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return !exists;
    if (exists && static_cast<std::uint64_t>(info.st_size) == size &&
        modifiedTimeNs(info) == modifiedNs)
        return true;
    return sameContent(ofFile(path));
}
