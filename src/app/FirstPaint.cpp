#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaint::FirstPaint(QWidget& window, std::function<void()> then)
    : QObject(&window), m_window(&window), m_then(std::move(then))
{
}

void FirstPaint::await(QWidget& window, std::function<void()> then)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint(window, std::move(then)));
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
        (watched == m_window || m_window->isAncestorOf(static_cast<QWidget*>(watched)))) {
        m_painted = true;
        // The whole window is painted and flushed before the next turn.
        QTimer::singleShot(0, this, &FirstPaint::finish);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaint::finish()
{
    QCoreApplication::instance()->removeEventFilter(this);
    const std::function<void()> then = std::move(m_then);
    deleteLater();
    then();
}
