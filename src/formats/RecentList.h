#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The documents of one kind the coach used last, the most recent first: at
// most eight, each file once however its path was spelled. Paths are kept
// whole, as they were last used.

inline constexpr std::size_t RecentLimit = 8;

// What two spellings of one file have in common: the absolute path with "."
// and ".." resolved and, as far as the file still exists, its links followed.
std::string FileIdentity(const std::string& path);

// `list` with `path` at its head; the same file under any spelling leaves its
// old place, and the oldest fall off past the limit.
std::vector<std::string> WithRecentDocument(const std::vector<std::string>& list,
                                            const std::string& path);
// `list` without `path`, in any spelling.
std::vector<std::string> WithoutDocument(const std::vector<std::string>& list,
                                         const std::string& path);
// A list as read back from the settings, which anyone may have edited: no
// empty entries, each file once (its first place counts), at most eight.
std::vector<std::string> TidyRecentList(const std::vector<std::string>& list);
