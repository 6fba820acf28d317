#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole reads and writes on an open file, carried on when a signal
// interrupts them.

// Appends everything from the file's position to its end; false on an error.
bool ReadToEnd(int fd, std::string& bytes);
// False when not every byte could be written.
bool WriteAll(int fd, std::string_view bytes);

enum class PlainFileRead
{
    Read,
    Missing, // no such file, or a folder on its way is missing
    Unreadable,
    TooLarge // more than the caller's most bytes
};
// Reads the plain file at `path` whole into `bytes`, opened without blocking
// so that a FIFO in its place cannot hang the program; anything but a plain
// file is unreadable.
PlainFileRead ReadPlainFile(const std::string& path, std::string& bytes,
                            std::size_t mostBytes = std::string::npos);
