#pragma once

#include "ui/DialogServices.h"

#include <QApplication>

// The application object: an error raised inside a command is shown in a
// message box with its text, and the program goes on.
class CorvantaApplication : public QApplication
{
    Q_OBJECT

public:
    CorvantaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The title of the program, the caption of its own message boxes.
    static inline const QString Title = ApplicationTitle();

    static void showException(const QString& text);
    // Name, version and desktop id; may be called before the application
    // object exists, so the command line can be answered without a display.
    static void setIdentity();
};
