#include "WindowTest.h"

#include <QTest>

void WindowTest::startWindowTest()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
}

void WindowTest::finishWindowTest(const std::function<void()>& release)
{
    const QStringList unanswered = m_platform->unanswered();
    const bool allUsed = m_platform->allAnswersUsed();
    if (release)
        release();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
    QVERIFY(allUsed);
}
