#pragma once

#include <string>
#include <string_view>

// Whole reads and writes on an open file, carried on when a signal
// interrupts them.

// Appends everything from the file's position to its end; false on an error.
bool ReadToEnd(int fd, std::string& bytes);
// False when not every byte could be written.
bool WriteAll(int fd, std::string_view bytes);
