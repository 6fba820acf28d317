#pragma once

#include <string>
#include <string_view>
#include <vector>

// The previous content of a file the store is about to replace, kept so a
// coach can go back: for a data file, one copy a day in the data folder's
// "backup" folder as <name>.<yyyy-mm-dd>, the newest of the day, for the
// last DaysKept days on which it changed; for a document (.pln, .gev, .rep),
// one previous version beside it as <name>.bak. Both are off until the
// program turns them on, so tests and tools that use the store keep their
// folders as they are.
namespace PreviousVersions {

inline constexpr int DaysKept = 14;
inline constexpr const char* BackupFolder = "backup/";
inline constexpr const char* DocumentSuffix = ".bak";

void setDailyBackups(bool on);
void setDocumentVersions(bool on);
bool documentVersions();

// "prefs.db.2026-12-08"
std::string BackupName(std::string_view file, int year, int month, int day);
// Of the names in the backup folder, the backups of `file` that are older
// than its `kept` newest ones. Other names are never among them.
std::vector<std::string> BackupsToDrop(const std::vector<std::string>& names, std::string_view file,
                                       int kept);

// Whether keep() wants the current bytes of `path` before it is replaced.
bool wanted(const std::string& path);
// Keeps `previous`, the current bytes of `path`, as the rules above say.
// Best effort: a copy that cannot be made never stops the replacement.
void keep(const std::string& path, std::string_view previous);

} // namespace PreviousVersions
