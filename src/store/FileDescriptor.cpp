#include "store/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// False on an error; stops once more than `mostBytes` are read.
bool readUpTo(int fd, std::string& bytes, std::size_t mostBytes)
{
    char chunk[65536];
    while (bytes.size() <= mostBytes) {
        const ssize_t count = read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        bytes.append(chunk, static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace

bool ReadToEnd(int fd, std::string& bytes)
{
    return readUpTo(fd, bytes, std::string::npos);
}

PlainFileRead ReadPlainFile(const std::string& path, std::string& bytes, std::size_t mostBytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? PlainFileRead::Missing
                                                   : PlainFileRead::Unreadable;
    struct stat info;
    const bool ok =
        fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && readUpTo(fd, bytes, mostBytes);
    close(fd);
    if (!ok)
        return PlainFileRead::Unreadable;
    return bytes.size() > mostBytes ? PlainFileRead::TooLarge : PlainFileRead::Read;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}
