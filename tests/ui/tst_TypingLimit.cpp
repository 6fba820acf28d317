#include "ui/TypingLimit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// A field's length limit holds for what is typed or pasted, never for what
// the program puts there.
class tst_TypingLimit : public QObject
{
    Q_OBJECT

private slots:
    void limitsTypingOnly_data();
    void limitsTypingOnly();
};

void tst_TypingLimit::limitsTypingOnly_data()
{
    QTest::addColumn<QString>("given"); // put there by the program
    QTest::addColumn<int>("cursor");    // where the coach types; -1 selects all
    QTest::addColumn<QString>("typed"); // "<bs>" Backspace, "<paste>" what follows it, pasted
    QTest::addColumn<QString>("text");

    const QString eight = QStringLiteral("abcdefgh");
    QTest::newRow("a given text longer than the limit stays whole") << eight << 8 << "" << eight;
    QTest::newRow("typing stops at the limit") << "" << 0 << "qqqqqqqqq"
                                               << "qqqqq";
    QTest::newRow("a long given text takes no typed character") << eight << 8 << "x" << eight;
    QTest::newRow("nor in its middle") << eight << 2 << "xy" << eight;
    QTest::newRow("deleting from it does not reopen the room") << eight << 8 << "<bs>xy"
                                                               << "abcdefg";
    QTest::newRow("typing over the whole text starts again") << eight << -1 << "1234567"
                                                             << "12345";
    QTest::newRow("a paste is cut to the room left") << "ab" << 1 << "<paste>PASTE"
                                                     << "aPASb";
    QTest::newRow("a paste into a full text inserts nothing") << "abcde" << 5 << "<paste>PASTE"
                                                              << "abcde";
    // "ab😀" holds 3 characters: room for two emoji more, whole.
    QTest::newRow("an emoji is one character, never halved")
        << "ab\U0001F600" << 4 << "<paste>\U0001F600\U0001F601\U0001F602"
        << "ab\U0001F600\U0001F600\U0001F601";
}

void tst_TypingLimit::limitsTypingOnly()
{
    QFETCH(QString, given);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, text);

    QLineEdit field;
    auto* limit = new TypingLimit(&field, 5);
    QSignalSpy edited(limit, &TypingLimit::edited);
    field.setText(given);
    QCOMPARE(field.text(), given);
    if (cursor < 0)
        field.selectAll();
    else
        field.setCursorPosition(cursor);

    QString keys = typed;
    if (keys.startsWith(QLatin1String("<bs>"))) {
        QTest::keyClick(&field, Qt::Key_Backspace);
        keys = keys.mid(4);
    }
    if (keys.startsWith(QLatin1String("<paste>"))) {
        QGuiApplication::clipboard()->setText(keys.mid(7));
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(&field, keys);
    }

    QCOMPARE(field.text(), text);
    // Listeners hear the text as it stands after the cut.
    if (!edited.isEmpty())
        QCOMPARE(edited.last().at(0).toString(), text);
}

QTEST_MAIN(tst_TypingLimit)
#include "tst_TypingLimit.moc"
