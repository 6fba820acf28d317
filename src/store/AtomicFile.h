#pragma once

#include <string>
#include <string_view>

struct stat;

// Replaces a file so that it is either wholly old or wholly new: the bytes go
// to a temporary file beside it, reach the disk, and are renamed over it.
// A file the user may write in a folder that refuses the temporary file or
// the rename (read-only or shared) is overwritten in place instead: not
// atomic, but the old bytes are written back when the new ones fail.
class AtomicFile
{
public:
    // False, with the target untouched and no temporary file left, when the
    // folder is missing, the target is read-only (no write bit at all) or not
    // a plain file, or anything fails on the way.
    static bool replace(const std::string& path, std::string_view bytes);

private:
    static bool refusedByFolder(int error);
    static bool writeInPlace(const std::string& target, std::string_view bytes);
    static bool overwrite(int fd, std::string_view bytes);
    static void keepOwnerAndMode(int fd, const struct stat& info);
    static int createTemporary(const std::string& target, std::string& temporaryPath);
    static void syncFolder(const std::string& target);
};
