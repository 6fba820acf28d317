#pragma once

#include "store/FileFingerprint.h"

#include <string>

// What a window read of a file it may write back, so that its save can tell
// whether another program changed the file since. The store reports every
// file it replaces: when this program replaces a watched file from the state
// the window read, the watch moves on to the new state, so only changes made
// by other programs count. Used on the thread the store is used on.
class WatchedFile
{
public:
    WatchedFile();
    ~WatchedFile();
    WatchedFile(const WatchedFile&) = delete;
    WatchedFile& operator=(const WatchedFile&) = delete;

    // The file as it is now.
    void remember(const std::string& path);
    // The file as it was read earlier, by a window of a run that ended.
    void remember(const std::string& path, const FileFingerprint& read);
    void forget();

    const std::string& path() const { return m_path; }
    const FileFingerprint& fingerprint() const { return m_read; }
    bool isWatching() const { return !m_path.empty(); }
    // The file holds other bytes than were read (or than this program made of
    // them); a file that is gone, or is no plain file now, counts as unchanged.
    bool changedElsewhere() const;

    // For the store, around each replacement.
    static bool anyWatching(const std::string& path);
    static void replaced(const std::string& path, const FileFingerprint& before,
                         const FileFingerprint& after);

private:
    std::string m_path;
    FileFingerprint m_read;
};
