#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Reports the key strokes a field receives before the field handles them. A
// receiver that accepts the event keeps it from the field.
class KeyWatcher : public QObject
{
    Q_OBJECT

public:
    explicit KeyWatcher(QWidget* field);

signals:
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
