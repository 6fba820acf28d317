#pragma once

#include <QPushButton>

// A push button of a window: named for the tests and the tab order, showing
// `text` at `place` in `parent`.
QPushButton* AddCommandButton(QWidget* parent, const char* name, const QString& text,
                              const QRect& place);

// The same button, calling `handler` of `owner` when clicked.
template <typename Owner>
QPushButton* AddCommandButton(Owner* owner, QWidget* parent, const char* name, const QString& text,
                              const QRect& place, void (Owner::*handler)())
{
    QPushButton* button = AddCommandButton(parent, name, text, place);
    QObject::connect(button, &QPushButton::clicked, owner, handler);
    return button;
}
