#pragma once

#include <QMdiSubWindow>

// The frame around a plan window inside the main frame. The plan window lays
// its controls out by hand and so has no size of its own to offer; this
// frame offers the designed one, which Cascade and every other arrangement
// that asks for a window's preferred size then give it.
class PlanSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    // The designed outer size of a plan window.
    static constexpr QSize DesignedSize{652, 492};

    // Frames `plan`, which it owns from then on.
    explicit PlanSubWindow(QWidget* plan);

    QSize sizeHint() const override { return DesignedSize; }
};
