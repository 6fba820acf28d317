#pragma once

#include <QAbstractButton>
#include <QLineEdit>
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

// The one-line fields not showing the start of their text, but the focused
// one: a dialog selects all of it on showing.
inline QStringList fieldsNotAtStart(const QWidget& window)
{
    QStringList names;
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (field->cursorPosition() != 0 && !field->hasFocus())
            names << field->objectName();
    }
    return names;
}

// The characters a paste of 300 emoji leaves in the emptied `field`.
inline int typedCharacterLimit(QLineEdit* field)
{
    field->clear();
    field->insert(QString::fromUtf8("\U0001F600").repeated(300));
    return int(field->text().toStdU32String().size());
}
