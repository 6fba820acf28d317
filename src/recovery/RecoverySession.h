#pragma once

#include "recovery/RecoveryFolder.h"

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class RecoveryWriter;

// The recovery copies of this run: the folder they go to, the writer that
// writes them off the typing path, and whether recovery works this run. A
// folder that cannot be written, at the start or at any write (a full disk),
// turns recovery off for the rest of the run, said once; nothing else
// changes. The program makes one; windows find it through current() and do
// without copies when there is none, as in most tests.
class RecoverySession : public QObject
{
    Q_OBJECT

public:
    // Keeps this run's copies in `folder`; the files already there are what
    // an earlier run left behind.
    explicit RecoverySession(const QString& folder, QObject* parent = nullptr);
    // Carries out the writes and removals still waiting.
    ~RecoverySession() override;

    static RecoverySession* current();
    // <state folder>/Corvanta/recovery/<key of the data folder>/, the state
    // folder being $XDG_STATE_HOME or ~/.local/state.
    static QString folderFor(const QString& dataFolder);
    // A short name for a data folder, the same at every start on it.
    static QString keyOf(const QString& dataFolder);

    bool isOn() const { return m_offText.isEmpty(); }
    // Why recovery is off, for the frame's status line; empty while it is on.
    QString offText() const { return m_offText; }
    const std::vector<std::string>& leftBehind() const { return m_leftBehind; }
    const RecoveryFolder& folder() const { return m_folder; }

    std::string newCopyPath(const std::string& kind) const;
    void write(const std::string& file, std::string bytes);
    void remove(const std::string& file);
    void flush();

signals:
    void copyWritten(const QString& file);
    void turnedOff(const QString& text);

private:
    void written(const QString& file, bool ok);
    void turnOff();

    RecoveryFolder m_folder;
    std::vector<std::string> m_leftBehind;
    QString m_offText;
    std::unique_ptr<RecoveryWriter> m_writer;
};
