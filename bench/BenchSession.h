#pragma once

#include "store/ProfileStore.h"

#include <QApplication>
#include <QTemporaryDir>

// What a window benchmark runs in: an application on the offscreen platform
// (unless another is asked for) and a fresh data folder of its own.
class BenchSession
{
public:
    BenchSession(int& argc, char** argv) : m_app((useOffscreen(), argc), argv)
    {
        InitDataDir(folder().toStdString());
    }

    // The data folder, with its trailing "/".
    QString folder() const { return m_work.path() + QLatin1Char('/'); }

private:
    static void useOffscreen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication m_app;
    QTemporaryDir m_work;
};
