#include "formats/WholeNumber.h"

#include <QtTest>

class tst_WholeNumber : public QObject
{
    Q_OBJECT

private slots:
    void parseWholeNumber_data();
    void parseWholeNumber();
    void leadingInteger_data();
    void leadingInteger();
    void message();
};

void tst_WholeNumber::parseWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "15"
                           << "15";
    QTest::newRow("blanks around") << "  15 "
                                   << "15";
    QTest::newRow("negative") << "-5"
                              << "-5";
    QTest::newRow("plus sign") << "+5"
                               << "5";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("largest") << "2147483647"
                             << "2147483647";
    QTest::newRow("smallest") << "-2147483648"
                              << "-2147483648";
    QTest::newRow("too large") << "2147483648"
                               << "none";
    QTest::newRow("many digits") << "99999999999999999999999"
                                 << "none";
    QTest::newRow("empty") << ""
                           << "none";
    QTest::newRow("sign only") << "-"
                               << "none";
    QTest::newRow("trailing letters") << "12abc"
                                      << "none";
    QTest::newRow("decimal point") << "1.5"
                                   << "none";
    QTest::newRow("inner blank") << "1 5"
                                 << "none";
}

void tst_WholeNumber::parseWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const auto number = ParseWholeNumber(text.toStdString());
    QCOMPARE(number ? QString::number(*number) : QString("none"), expected);
}

void tst_WholeNumber::leadingInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << "25" << 25;
    QTest::newRow("leading blanks") << "   25" << 25;
    QTest::newRow("digits then text") << "12abc" << 12;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("no digits") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("too large saturates") << "99999999999" << 2147483647;
    QTest::newRow("too small saturates") << "-99999999999" << -2147483647 - 1;
}

void tst_WholeNumber::leadingInteger()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    QCOMPARE(LeadingInteger(text.toStdString()), expected);
}

void tst_WholeNumber::message()
{
    QCOMPARE(QString::fromStdString(NotValidIntegerMessage("1x")),
             QString("'1x' is not a valid integer value"));
}

QTEST_GUILESS_MAIN(tst_WholeNumber)
#include "tst_WholeNumber.moc"
