#include "ui/LocaleFormatsOf.h"

#include "formats/CalendarDate.h"
#include "formats/TimeOfDay.h"
#include "plans/PlanFile.h"

#include <QLocale>
#include <QtTest>

namespace {

constexpr int CurrentYear = 2026;

QString parsedDate(const QString& text, const LocaleFormats& formats)
{
    const auto date = ParseDate(text.toStdString(), formats, CurrentYear);
    return date ? QDate(date->year, date->month, date->day).toString(Qt::ISODate)
                : QStringLiteral("invalid");
}

QString parsedTime(const QString& text, const LocaleFormats& formats)
{
    const auto time = ParseTime(text.toStdString(), formats);
    return time ? QTime(time->hour, time->minute).toString(QStringLiteral("HH:mm"))
                : QStringLiteral("invalid");
}

} // namespace

class tst_LocaleFormatsOf : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void dateAndTimeRules_data();
    void dateAndTimeRules();
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

// Every locale's own writing of dates and times parses again, and so does
// what a person there types.
void tst_LocaleFormatsOf::dateAndTimeRules_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("typedDate");
    QTest::addColumn<QString>("typedTime");
    QTest::addColumn<QString>("time");

    const int mdy = int(DateOrder::MonthDayYear);
    const int dmy = int(DateOrder::DayMonthYear);
    const int ymd = int(DateOrder::YearMonthDay);
    QTest::newRow("en_US") << "en_US" << mdy << "12/8/26"
                           << "1:30 pm"
                           << "13:30";
    QTest::newRow("de_DE") << "de_DE" << dmy << "8.12.2026"
                           << "13:30"
                           << "13:30";
    QTest::newRow("da_DK") << "da_DK" << dmy << "08.12.2026"
                           << "13.30"
                           << "13:30";
    QTest::newRow("fi_FI") << "fi_FI" << dmy << "8.12.2026"
                           << "1.30 IP."
                           << "13:30";
    QTest::newRow("hr_HR") << "hr_HR" << dmy << "8. 12. 2026."
                           << "13:30"
                           << "13:30";
    QTest::newRow("hr_HR, closing dot left out") << "hr_HR" << dmy << "8.12.2026"
                                                 << "13:30"
                                                 << "13:30";
    QTest::newRow("hu_HU") << "hu_HU" << ymd << "2026. 12. 08."
                           << "1:30 DU."
                           << "13:30";
    QTest::newRow("ko_KR") << "ko_KR" << ymd << "26. 12. 8." << QString::fromUtf8("오후 1:30")
                           << "13:30";
    QTest::newRow("fr_CA") << "fr_CA" << ymd << "2026-12-08"
                           << "13 h 30"
                           << "13:30";
    QTest::newRow("fr_CA, no blanks") << "fr_CA" << ymd << "2026-12-08"
                                      << "13h30"
                                      << "13:30";
    QTest::newRow("el_GR") << "el_GR" << dmy << "8/12/26" << QString::fromUtf8("1:30 Μ.Μ.")
                           << "13:30";
    QTest::newRow("el_GR, small letters")
        << "el_GR" << dmy << "8/12/26" << QString::fromUtf8("1:30 π.μ.") << "01:30";
    QTest::newRow("tr_TR") << "tr_TR" << dmy << "8.12.2026" << QString::fromUtf8("1:30 ös")
                           << "13:30";
    QTest::newRow("ar_SA, no direction marks")
        << "ar_SA" << dmy << "8/12/2026" << QString::fromUtf8("1:30 م") << "13:30";
    QTest::newRow("bg_BG") << "bg_BG" << dmy << QString::fromUtf8("8.12.26 г.") << "13:30"
                           << "13:30";
    QTest::newRow("sr") << "sr" << dmy << "8.12.26."
                        << "13:30"
                        << "13:30";
    QTest::newRow("C.UTF-8") << "C.UTF-8" << ymd << "2026-12-08"
                             << "13:30"
                             << "13:30";
}

void tst_LocaleFormatsOf::dateAndTimeRules()
{
    QFETCH(QString, locale);
    QFETCH(int, order);
    QFETCH(QString, typedDate);
    QFETCH(QString, typedTime);
    QFETCH(QString, time);

    const QLocale qlocale(locale);
    const LocaleFormats formats = LocaleFormatsOf(qlocale);
    QCOMPARE(int(formats.dateOrder), order);
    const QString written =
        QString::fromStdString(FormatShortDate(CalendarDate{CurrentYear, 12, 8}, formats));
    QCOMPARE(parsedDate(written, formats), QStringLiteral("2026-12-08"));
    QCOMPARE(parsedDate(typedDate, formats), QStringLiteral("2026-12-08"));

    const QString noon = QString::fromStdString(DefaultPracticeTime(formats));
    QCOMPARE(parsedTime(noon, formats), QStringLiteral("12:00"));
    QCOMPARE(parsedTime(QStringLiteral("12:00"), formats), QStringLiteral("12:00"));
    QCOMPARE(parsedTime(typedTime, formats), time);
    const QString pm = qlocale.pmText();
    QCOMPARE(parsedTime("1:30 " + pm.toUpper(), formats), QStringLiteral("13:30"));
    QCOMPARE(parsedTime("1:30 " + pm.toLower(), formats), QStringLiteral("13:30"));
}

QTEST_MAIN(tst_LocaleFormatsOf)
#include "tst_LocaleFormatsOf.moc"
