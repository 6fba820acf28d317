#include "recovery/DocumentRecovery.h"

#include "recovery/RecoverySession.h"
#include "store/ProfileBatch.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

DocumentRecovery::DocumentRecovery(QWidget& window, std::string kind, DocumentWriter writeDocument)
    : QObject(&window), m_writeDocument(std::move(writeDocument))
{
    m_copy.kind = std::move(kind);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DocumentRecovery::writeIfDue);
    // Every change of a field's text counts, typed or filled in by the
    // window (a drill's minutes), and so does every button (Insert, Delete).
    for (QLineEdit* field : window.findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &DocumentRecovery::noteEdit);
    for (QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>())
        connect(box, &QPlainTextEdit::textChanged, this, &DocumentRecovery::noteEdit);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this, &DocumentRecovery::noteEdit);
}

void DocumentRecovery::showsStored(const std::string& path, const FileFingerprint& read,
                                   const DocumentWriter& stored)
{
    discard();
    m_copy.originalPath = path;
    m_copy.original = read;
    m_stored = bytesOf(stored ? stored : m_writeDocument);
}

void DocumentRecovery::showsRecovered(const RecoveryCopy& copy)
{
    discard();
    m_copy = copy;
    m_stored.reset();
    m_copied = bytesOf(m_writeDocument);
}

void DocumentRecovery::discard()
{
    m_timer.stop();
    m_firstEdit.reset();
    m_lastEdit.reset();
    if (!m_copy.file.empty()) {
        if (RecoverySession* session = RecoverySession::current())
            session->remove(m_copy.file);
        m_copy.file.clear();
    }
    m_copied.clear();
}

void DocumentRecovery::noteEdit()
{
    if (!RecoverySession::current())
        return;
    const Clock::SteadyTime now = Clock::instance().steadyNow();
    if (!m_firstEdit)
        m_firstEdit = now;
    m_lastEdit = now;
    waitUntil(std::min(*m_lastEdit + Delay, *m_firstEdit + LongestWait));
}

void DocumentRecovery::waitUntil(Clock::SteadyTime due)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(
        std::max(due - Clock::instance().steadyNow(), Clock::SteadyTime::duration::zero()));
    m_timer.start(left);
}

void DocumentRecovery::writeIfDue()
{
    if (!m_firstEdit)
        return;
    const Clock::SteadyTime due = std::min(*m_lastEdit + Delay, *m_firstEdit + LongestWait);
    if (Clock::instance().steadyNow() < due) {
        waitUntil(due);
        return;
    }
    m_timer.stop();
    m_firstEdit.reset();
    m_lastEdit.reset();
    RecoverySession* session = RecoverySession::current();
    if (!session)
        return;
    std::string bytes = bytesOf(m_writeDocument);
    if (bytes == m_stored) {
        discard(); // back to what is stored: nothing to recover
        return;
    }
    if (bytes == m_copied || !session->isOn())
        return;
    if (m_copy.file.empty())
        m_copy.file = session->newCopyPath(m_copy.kind);
    m_copied = bytes;
    session->write(m_copy.file, std::move(bytes));
}

std::string DocumentRecovery::bytesOf(const DocumentWriter& writeDocument) const
{
    ProfileBatch bytes;
    m_copy.writeHeader(bytes);
    writeDocument(bytes);
    return bytes.serialised();
}
