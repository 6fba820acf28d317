#include "recovery/RecoverySession.h"

#include "recovery/RecoveryWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {

QPointer<RecoverySession> currentSession;

QString stateFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

RecoverySession::RecoverySession(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder.toStdString())
{
    currentSession = this;
    const bool writable = m_folder.prepare();
    m_leftBehind = m_folder.copies(); // offered even from a folder no longer writable
    if (!writable)
        turnOff();
    m_writer = std::make_unique<RecoveryWriter>([this](const std::string& file, bool ok) {
        QMetaObject::invokeMethod(
            this, [this, name = QString::fromStdString(file), ok] { written(name, ok); },
            Qt::QueuedConnection);
    });
}

RecoverySession::~RecoverySession()
{
    m_writer.reset(); // finishes what waits; its reports are dropped with this object
    if (currentSession == this)
        currentSession = nullptr;
}

RecoverySession* RecoverySession::current()
{
    return currentSession;
}

QString RecoverySession::keyOf(const QString& dataFolder)
{
    const QFileInfo info(dataFolder);
    const QString canonical = info.canonicalFilePath();
    const QString folder =
        canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString RecoverySession::folderFor(const QString& dataFolder)
{
    return stateFolder() + QStringLiteral("/Corvanta/recovery/") + keyOf(dataFolder) +
           QLatin1Char('/');
}

std::string RecoverySession::newCopyPath(const std::string& kind) const
{
    return m_folder.newCopyPath(kind);
}

void RecoverySession::write(const std::string& file, std::string bytes)
{
    if (isOn())
        m_writer->write(file, std::move(bytes));
}

void RecoverySession::remove(const std::string& file)
{
    m_writer->remove(file);
}

void RecoverySession::flush()
{
    m_writer->flush();
}

void RecoverySession::written(const QString& file, bool ok)
{
    if (ok)
        emit copyWritten(file);
    else if (isOn())
        turnOff();
}

void RecoverySession::turnOff()
{
    m_offText = QStringLiteral("Unsaved work is not kept for recovery in this session: ") +
                QString::fromStdString(m_folder.path()) + QStringLiteral(" cannot be written.");
    emit turnedOff(m_offText);
}
