#include "ui/LocaleFormatsOf.h"

#include <QLocale>
#include <QtTest>

class tst_LocaleFormatsOf : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
};

void tst_LocaleFormatsOf::formats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("dateSeparator");
    QTest::addColumn<QString>("timeSeparator");

    QTest::newRow("United States") << "en_US" << int(DateOrder::MonthDayYear) << "/"
                                   << ":";
    QTest::newRow("Britain") << "en_GB" << int(DateOrder::DayMonthYear) << "/"
                             << ":";
    QTest::newRow("Germany") << "de_DE" << int(DateOrder::DayMonthYear) << "."
                             << ":";
    QTest::newRow("Sweden") << "sv_SE" << int(DateOrder::YearMonthDay) << "-"
                            << ":";
    QTest::newRow("Finland") << "fi_FI" << int(DateOrder::DayMonthYear) << "."
                             << ".";
    QTest::newRow("C: month names fall back to year-month-day")
        << "C" << int(DateOrder::YearMonthDay) << "-"
        << ":";
}

void tst_LocaleFormatsOf::formats()
{
    QFETCH(QString, locale);
    QFETCH(int, order);
    QFETCH(QString, dateSeparator);
    QFETCH(QString, timeSeparator);

    const LocaleFormats formats = LocaleFormatsOf(QLocale(locale));
    QCOMPARE(int(formats.dateOrder), order);
    QCOMPARE(QString::fromStdString(formats.dateSeparator), dateSeparator);
    QCOMPARE(QString::fromStdString(formats.timeSeparator), timeSeparator);
    QVERIFY(!formats.amText.empty());
    QVERIFY(!formats.pmText.empty());
}

QTEST_MAIN(tst_LocaleFormatsOf)
#include "tst_LocaleFormatsOf.moc"
