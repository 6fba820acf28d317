#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Follows the keyboard focus inside one window and reports each move from
// one of its widgets to another. Focus that leaves for another window (a
// message box, a popup, another plan) and comes back is no move, nor is the
// focus Qt hands on while the window is hidden: shown again, the window's
// focus goes back to where it was. A handler of
// `left` may send the focus back or elsewhere (a field that rejects its text):
// then the move ends there, and the widget the coach aimed at never counts
// as entered.
class FocusTracker : public QObject
{
    Q_OBJECT

public:
    explicit FocusTracker(QWidget* window);

    // Makes `widget` the focus holder without reporting a move, as when the
    // window first opens.
    void startAt(QWidget* widget);

signals:
    void left(QWidget* widget);
    void entered(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWidget* old, QWidget* now);
    bool inWindow(const QWidget* widget) const;

    QWidget* m_window;
    QPointer<QWidget> m_holder;
    bool m_leaving = false;
};
