#pragma once

#include <QObject>

// Announces that the drill list window has closed and saved drills.db, so that
// every window built on the library (each plan's activity choices) reads it
// again. One for the whole program; windows connect to it, none to another.
class DrillLibraryNotifier : public QObject
{
    Q_OBJECT

public:
    static DrillLibraryNotifier& instance();

    void announceSaved();

signals:
    void saved();

private:
    DrillLibraryNotifier() = default;
};
