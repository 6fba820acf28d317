#pragma once

#include <string>
#include <string_view>

// The four profile operations through which every file of the program is read
// and written. Files are INI text: sections, key=value lines, CR LF endings.
// A file is written in Windows-1252 when every character of it has a byte
// there, so the Windows program reads it too, and in UTF-8 otherwise; a file
// that arrived in UTF-16 with its byte order mark is written back in UTF-16.
// Reading takes valid UTF-8 as UTF-8 and anything else as Windows-1252.
// Texts in memory are UTF-8; capacities count characters, terminator included.

// Fixes the data folder: the executable's folder followed by "data/", created
// when missing. Returns the error text for the coach when it cannot be created,
// or an empty text.
std::string InitDataDir(const std::string& executableFolder);
const std::string& DataDir();

// index < 0: the key as given; index >= 0: the key followed by the index.
// inDataDir: the file is the name part of `file` inside DataDir().
int ReadProfileText(const std::string& file, const std::string& section, const std::string& key,
                    std::string& buffer, int capacity, std::string_view defaultValue, int index,
                    bool inDataDir);
bool WriteProfileText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value, int index, bool inDataDir);
int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue, int index, bool inDataDir);
bool WriteProfileInt(const std::string& file, const std::string& section, const std::string& key,
                     int value, int index, bool inDataDir);

// How the store replaces a profile file, whichever write it serves: the
// previous content is kept where PreviousVersions says, windows watching the
// file learn that this program made the change (WatchedFile), and the file is
// replaced atomically. False, with the file as it was, when it cannot be.
bool ReplaceProfileFile(const std::string& path, std::string_view bytes);

// The file an operation works on and the key it looks up, as the four
// operations above resolve them.
std::string ProfileFilePath(const std::string& file, bool inDataDir);
std::string IndexedKey(const std::string& key, int index);
