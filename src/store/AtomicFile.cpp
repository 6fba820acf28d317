#include "store/AtomicFile.h"

#include "store/FileDescriptor.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link is followed, so the file it names is replaced and the
// link itself stays.
std::string resolvedTarget(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

} // namespace

bool AtomicFile::replace(const std::string& path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    struct stat info;
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists && (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0))
        return false;

    std::string temporaryPath;
    const int fd = createTemporary(target, temporaryPath);
    if (fd < 0)
        return exists && refusedByFolder(errno) && writeInPlace(target, bytes);
    if (exists)
        keepOwnerAndMode(fd, info);
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok) {
        unlink(temporaryPath.c_str());
        return false;
    }
    if (rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporaryPath.c_str());
        return exists && refusedByFolder(error) && writeInPlace(target, bytes);
    }
    syncFolder(target);
    return true;
}

// A folder the user may not write, or a shared (sticky) folder in which only
// a file's owner may replace it.
bool AtomicFile::refusedByFolder(int error)
{
    return error == EACCES || error == EPERM;
}

// The file is overwritten where it is. Not atomic: the old bytes are kept
// and written back when the new ones cannot all be written.
bool AtomicFile::writeInPlace(const std::string& target, std::string_view bytes)
{
    const int fd = open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    std::string old;
    bool ok = ReadToEnd(fd, old);
    if (ok && !overwrite(fd, bytes)) {
        overwrite(fd, old);
        ok = false;
    }
    return close(fd) == 0 && ok;
}

bool AtomicFile::overwrite(int fd, std::string_view bytes)
{
    return ftruncate(fd, 0) == 0 && lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) &&
           fsync(fd) == 0;
}

// Best effort: a file system without owners or modes (a memory stick) must
// still take the new contents.
void AtomicFile::keepOwnerAndMode(int fd, const struct stat& info)
{
    // Only root may give the file back to its owner; for anyone else it is theirs.
    if (geteuid() == 0) {
        [[maybe_unused]] const int owned = fchown(fd, info.st_uid, info.st_gid);
    }
    [[maybe_unused]] const int moded = fchmod(fd, info.st_mode & 07777);
}

int AtomicFile::createTemporary(const std::string& target, std::string& temporaryPath)
{
    // Cut so that the temporary name stays within the file system's limit.
    const std::string stem = folderOf(target) + "/." + nameOf(target).substr(0, 200) + ".";
    const std::string pid = std::to_string(getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + pid + "-" + std::to_string(attempt) + ".tmp";
        const int fd =
            open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void AtomicFile::syncFolder(const std::string& target)
{
    const int fd = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}
