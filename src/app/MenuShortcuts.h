#pragma once

#include <QList>
#include <QObject>

class QAction;
class QKeyEvent;

// Gives the main frame's menu shortcuts the first word over the access
// letters of the program's other windows: Alt+D opens the drill list even
// while a plan window, whose "&Defensive Emphasis" label has the same letter,
// or a modeless dialog has the focus. A command that is disabled, or that a
// modal window keeps from being used, leaves the key to the window's own
// letters.
class MenuShortcuts : public QObject
{
    Q_OBJECT

public:
    // Watches every key of the application for the shortcuts of `commands`.
    MenuShortcuts(QWidget* frame, QList<QAction*> commands);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* commandFor(const QKeyEvent& key) const;
    bool usable(const QAction& command) const;

    QWidget* m_frame;
    QList<QAction*> m_commands;
    // The command whose key was claimed before the shortcuts were looked up;
    // it runs when that key press arrives.
    QAction* m_claimed = nullptr;
};
