#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a file held when it was looked at: whether it was there, its size,
// its modification time and a hash of its bytes. Two fingerprints of the
// same bytes agree however the file was touched in between.
struct FileFingerprint
{
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;

    // Reads the whole file; a missing file gives a fingerprint that says so.
    // `bytes`, when given, receives what was read.
    static FileFingerprint ofFile(const std::string& path, std::string* bytes = nullptr);

    bool sameContent(const FileFingerprint& other) const
    {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
    // Whether the file at `path` still holds these bytes; not read again
    // when its size and modification time are unchanged.
    bool matchesFile(const std::string& path) const;
};

// A 64-bit FNV-1a hash: fast, and plenty to tell two versions of a file apart.
std::uint64_t ContentHash(std::string_view bytes);

// The whole file, or nothing when it is missing, not a plain file or unreadable.
std::optional<std::string> ReadFileBytes(const std::string& path);
