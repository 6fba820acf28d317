#pragma once

#include "store/WatchedFile.h"

#include <QString>

// What a window read of the file it writes back (a document, or a data file
// such as drills.db), and the question before its save would replace a file
// that another program has changed since: a synchronised folder, a second
// editor, a copy brought over by hand.
class ChangedElsewhere
{
public:
    // The file as it is now, just read by the window.
    void remember(const QString& path);
    // The file as a window of an earlier run read it.
    void remember(const std::string& path, const FileFingerprint& read);
    void forget() { m_file.forget(); }
    const FileFingerprint& read() const { return m_file.fingerprint(); }

    // Whether a save may replace `path`: yes when it is not the file read,
    // when it still holds what was read, or when the coach answers Yes to
    // the question; from then on the file as it is counts as read.
    bool mayReplace(const QString& path);

    static QString question(const QString& path);

private:
    WatchedFile m_file;
};
