#include "ui/FocusTracker.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>

FocusTracker::FocusTracker(QWidget* window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusTracker::focusChanged);
    window->installEventFilter(this);
}

// Shown again, the window gives the focus back to where the coach left it.
bool FocusTracker::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show && m_holder && m_window->focusWidget() != m_holder &&
        m_holder->isVisibleTo(m_window))
        m_holder->setFocus();
    return false;
}

void FocusTracker::startAt(QWidget* widget)
{
    m_holder = widget;
}

bool FocusTracker::inWindow(const QWidget* widget) const
{
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}

void FocusTracker::focusChanged(QWidget*, QWidget* now)
{
    if (m_leaving || !inWindow(now) || now == m_holder)
        return;
    // A window being hidden (the main frame restoring it) hands its focus on
    // to the next control: the coach moved nothing.
    if (!m_window->isVisible())
        return;
    if (QPointer<QWidget> from = m_holder) {
        QScopedValueRollback<bool> leaving(m_leaving, true);
        emit left(from);
    }
    // The window remembers where its focus goes even while a message box has
    // taken it away.
    QWidget* target = m_window->focusWidget();
    if (target != now) {
        if (inWindow(target))
            m_holder = target;
        return;
    }
    m_holder = now;
    emit entered(now);
}
