#pragma once

#include "clock/Clock.h"
#include "recovery/RecoveryCopy.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

class ProfileBatch;
class QWidget;

// Keeps a recovery copy of what one document window shows while it differs
// from the stored document: Delay after the last edit, and while edits go on
// at least every LongestWait. The window's content is turned into bytes on
// the spot and written by the session's writer; nothing is written while
// the content is what was last stored or last copied, and the timer runs
// only from an edit until its copy is due. Saving, or giving the edits up,
// removes the copy; it outlives the window only when the program ends
// without closing it (a crash, a kill, a power cut).
class DocumentRecovery : public QObject
{
    Q_OBJECT

public:
    using DocumentWriter = std::function<void(ProfileBatch&)>;
    static constexpr std::chrono::milliseconds Delay{3000};
    static constexpr std::chrono::milliseconds LongestWait{30000};

    // Watches the fields and buttons `window` holds by now; `kind` is the
    // document's extension; `writeDocument` writes what the window shows.
    DocumentRecovery(QWidget& window, std::string kind, DocumentWriter writeDocument);

    // The window shows the document stored at `path` (empty: a plan never
    // saved), as it was read: nothing is unsaved. `stored` writes the stored
    // document when that is not all the window shows (a field being typed in
    // that the save did not take).
    void showsStored(const std::string& path, const FileFingerprint& read,
                     const DocumentWriter& stored = {});
    // The window shows `copy`, recovered: unsaved until it is saved or given
    // up. The copy becomes this window's own.
    void showsRecovered(const RecoveryCopy& copy);
    // The edits were given up, or saved elsewhere: the copy goes.
    void discard();
    // An edit made other than in the watched fields and buttons (the actual
    // minutes a practice run puts in).
    void noteEdit();

    // Writes the copy when it is due; the timer calls it, a test calls it
    // after moving its clock.
    void writeIfDue();
    bool isWaiting() const { return m_timer.isActive(); }
    const std::string& copyFile() const { return m_copy.file; }

private:
    void waitUntil(Clock::SteadyTime due);
    std::string bytesOf(const DocumentWriter& writeDocument) const;

    DocumentWriter m_writeDocument;
    QTimer m_timer;
    RecoveryCopy m_copy;                 // file empty until a copy is written
    std::optional<std::string> m_stored; // what the stored document reads as
    std::string m_copied;                // what the copy holds
    std::optional<Clock::SteadyTime> m_firstEdit;
    std::optional<Clock::SteadyTime> m_lastEdit;
};
