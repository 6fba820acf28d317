#pragma once

#include <QAbstractButton>
#include <QTest>

// A window's control by its object name.
template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Clicks the window's button of that name; a missing button fails the test.
inline void click(const QWidget& window, const char* button)
{
    auto* found = control<QAbstractButton>(window, button);
    QVERIFY2(found, button);
    QTest::mouseClick(found, Qt::LeftButton);
}
