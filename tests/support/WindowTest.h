#pragma once

#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include <functional>
#include <memory>

// The state a window test swaps in: a fresh data folder and the scripted
// platform. A test class derives from it beside QObject, calls startWindowTest()
// from init() and finishWindowTest() from cleanup().
class WindowTest
{
protected:
    void startWindowTest();
    // Takes the platform's record first, lets `release` delete the windows,
    // then restores the platform and the data folder whatever a failed check
    // left behind, so no real dialog can wait on the next case. Fails when a
    // box went unanswered or a queued answer was never asked for.
    void finishWindowTest(const std::function<void()>& release = {});

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
};
