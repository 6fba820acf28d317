#include "plans/KeyWatcher.h"

#include <QKeyEvent>
#include <QWidget>

KeyWatcher::KeyWatcher(QWidget* field) : QObject(field)
{
    field->installEventFilter(this);
}

bool KeyWatcher::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && event->type() == QEvent::KeyRelease)
        return false;
    key->ignore();
    if (event->type() == QEvent::KeyPress)
        emit keyPressed(key);
    else
        emit keyReleased(key);
    const bool consumed = key->isAccepted();
    key->accept();
    return consumed;
}
