#include "app/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

MenuShortcuts::MenuShortcuts(QWidget* frame, QList<QAction*> commands)
    : QObject(frame), m_frame(frame), m_commands(std::move(commands))
{
    qApp->installEventFilter(this);
}

// Qt asks the focus widget whether it overrides a key before it looks the key
// up among the shortcuts; claiming it there keeps every label and button
// letter of the same key from acting. The key press that follows at once is
// then taken here and runs the command.
bool MenuShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        QAction* command = commandFor(*key);
        if (!command || !usable(*command))
            return QObject::eventFilter(watched, event);
        m_claimed = command;
        key->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && m_claimed) {
        QAction* command = std::exchange(m_claimed, nullptr);
        if (commandFor(*static_cast<QKeyEvent*>(event)) == command) {
            command->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction* MenuShortcuts::commandFor(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (QAction* command : m_commands) {
        if (!command->shortcut().isEmpty() && command->shortcut() == pressed)
            return command;
    }
    return nullptr;
}

// As on the menu itself: an enabled command of a frame that is on the screen
// and not held back by a modal window or an open menu.
bool MenuShortcuts::usable(const QAction& command) const
{
    return command.isEnabled() && m_frame->isVisible() && m_frame->isEnabled() &&
           !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}
