#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls a function once, on the turn of the event loop after the first paint
// of a window or of any widget inside it: by then the picture is on the
// screen. A window that is never painted never gets the call.
class FirstPaint : public QObject
{
public:
    static void await(QWidget& window, std::function<void()> then);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaint(QWidget& window, std::function<void()> then);
    void finish();

    QWidget* m_window;
    std::function<void()> m_then;
    bool m_painted = false;
};
