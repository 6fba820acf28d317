#include "ui/ScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr int AnswerTimeoutMs = 5000;

QDBusMessage screenSaverCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
}

} // namespace

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
}

void ScreenSaverInhibitor::hold(bool on)
{
    if (on && ++m_holders == 1)
        inhibit();
    else if (!on && m_holders > 0 && --m_holders == 0)
        release();
}

void ScreenSaverInhibitor::inhibit()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_asking || m_cookie || !bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("Corvanta") << QStringLiteral("A practice is running");
    m_asking = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, AnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<uint> reply = *watcher;
        answered(reply.isValid() ? std::optional<uint>(reply.value()) : std::nullopt);
        watcher->deleteLater();
    });
}

void ScreenSaverInhibitor::answered(std::optional<uint> cookie)
{
    m_asking = false;
    m_cookie = cookie;
    // Let go while the question was out: the answer is given back at once.
    if (m_holders == 0)
        release();
}

void ScreenSaverInhibitor::release()
{
    if (!m_cookie)
        return;
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << *m_cookie;
    QDBusConnection::sessionBus().send(call);
    m_cookie.reset();
}
