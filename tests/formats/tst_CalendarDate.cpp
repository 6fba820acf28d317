#include "formats/CalendarDate.h"
#include "formats/LocaleFormats.h"

#include <QtTest>

namespace {

LocaleFormats localeNamed(const QString& name)
{
    LocaleFormats formats;
    if (name == "mdy")
        SetShortDatePattern(formats, "M/d/yyyy");
    else if (name == "dmy")
        SetShortDatePattern(formats, "dd.MM.yyyy");
    else if (name == "ymd")
        SetShortDatePattern(formats, "yyyy-MM-dd");
    else if (name == "dmy spaced")
        SetShortDatePattern(formats, "d. M. yyyy");
    return formats;
}

QString dateText(const std::optional<CalendarDate>& date)
{
    if (!date)
        return "invalid";
    return QString("%1-%2-%3").arg(date->year).arg(date->month).arg(date->day);
}

} // namespace

class tst_CalendarDate : public QObject
{
    Q_OBJECT

private slots:
    void parseDate_data();
    void parseDate();
    void formatShortDate_data();
    void formatShortDate();
    void shortDatePattern_data();
    void shortDatePattern();
};

void tst_CalendarDate::parseDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currentYear");
    QTest::addColumn<QString>("expected");

    QTest::newRow("month and day take the current year") << "mdy"
                                                         << "3/7" << 2026 << "2026-3-7";
    QTest::newRow("30 February") << "mdy"
                                 << "2/30/98" << 1999 << "invalid";
    QTest::newRow("two-digit year in the 20th century") << "mdy"
                                                        << "3/7/98" << 1999 << "1998-3-7";
    QTest::newRow("two-digit year in the 21st century") << "mdy"
                                                        << "3/7/98" << 2026 << "2098-3-7";
    QTest::newRow("four-digit year") << "mdy"
                                     << "12/31/1999" << 2026 << "1999-12-31";
    QTest::newRow("blanks around the numbers") << "mdy"
                                               << " 3 / 7 / 2026 " << 2026 << "2026-3-7";
    QTest::newRow("empty") << "mdy"
                           << "" << 2026 << "invalid";
    QTest::newRow("blanks only") << "mdy"
                                 << "   " << 2026 << "invalid";
    QTest::newRow("one number") << "mdy"
                                << "3" << 2026 << "invalid";
    QTest::newRow("four numbers") << "mdy"
                                  << "3/7/2026/1" << 2026 << "invalid";
    QTest::newRow("trailing separator") << "mdy"
                                        << "3/7/" << 2026 << "invalid";
    QTest::newRow("other separator") << "mdy"
                                     << "3-7-2026" << 2026 << "invalid";
    QTest::newRow("letters") << "mdy"
                             << "March 7" << 2026 << "invalid";
    QTest::newRow("sign") << "mdy"
                          << "-3/7" << 2026 << "invalid";
    QTest::newRow("month 13") << "mdy"
                              << "13/1/2026" << 2026 << "invalid";
    QTest::newRow("month 0") << "mdy"
                             << "0/1/2026" << 2026 << "invalid";
    QTest::newRow("day 0") << "mdy"
                           << "1/0/2026" << 2026 << "invalid";
    QTest::newRow("leap day") << "mdy"
                              << "2/29/2024" << 2026 << "2024-2-29";
    QTest::newRow("leap day in a common year") << "mdy"
                                               << "2/29/2023" << 2026 << "invalid";
    QTest::newRow("leap day in 1900") << "mdy"
                                      << "2/29/1900" << 2026 << "invalid";
    QTest::newRow("leap day in 2000") << "mdy"
                                      << "2/29/2000" << 2026 << "2000-2-29";
    QTest::newRow("31 April") << "mdy"
                              << "4/31/2026" << 2026 << "invalid";
    QTest::newRow("five-digit number") << "mdy"
                                       << "3/7/02026" << 2026 << "invalid";
    QTest::newRow("day first") << "dmy"
                               << "7.3" << 2026 << "2026-3-7";
    QTest::newRow("day first with year") << "dmy"
                                         << "31.12.26" << 2026 << "2026-12-31";
    QTest::newRow("day first, 31 April") << "dmy"
                                         << "31.4.2026" << 2026 << "invalid";
    QTest::newRow("day first, slash") << "dmy"
                                      << "7/3/2026" << 2026 << "invalid";
    QTest::newRow("year first") << "ymd"
                                << "2026-12-08" << 2026 << "2026-12-8";
    QTest::newRow("year first, two numbers") << "ymd"
                                             << "12-08" << 2026 << "2026-12-8";
    QTest::newRow("year first, two-digit year") << "ymd"
                                                << "26-1-2" << 2026 << "2026-1-2";
    QTest::newRow("separator with a blank") << "dmy spaced"
                                            << "8. 12. 2026" << 2026 << "2026-12-8";
    QTest::newRow("separator with a blank, none typed") << "dmy spaced"
                                                        << "8.12.2026" << 2026 << "2026-12-8";
}

void tst_CalendarDate::parseDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, currentYear);
    QFETCH(QString, expected);

    QCOMPARE(dateText(ParseDate(text.toStdString(), localeNamed(locale), currentYear)), expected);
}

void tst_CalendarDate::formatShortDate_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("month first, no zeros") << "M/d/yyyy"
                                           << "3/7/2026";
    QTest::newRow("month first, two-digit year") << "M/d/yy"
                                                 << "3/7/26";
    QTest::newRow("day first, zeros") << "dd.MM.yy"
                                      << "07.03.26";
    QTest::newRow("year first") << "yyyy-MM-dd"
                                << "2026-03-07";
    QTest::newRow("names fall back to year first") << "d MMM yyyy"
                                                   << "2026-03-07";
}

void tst_CalendarDate::formatShortDate()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    LocaleFormats formats;
    SetShortDatePattern(formats, pattern.toStdString());
    const CalendarDate date{2026, 3, 7};
    const std::string text = FormatShortDate(date, formats);
    QCOMPARE(QString::fromStdString(text), expected);
    // Whatever the program writes as a date must pass its own check.
    QCOMPARE(dateText(ParseDate(text, formats, 2026)), dateText(date));
}

void tst_CalendarDate::shortDatePattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("kept");

    const int mdy = int(DateOrder::MonthDayYear);
    const int dmy = int(DateOrder::DayMonthYear);
    const int ymd = int(DateOrder::YearMonthDay);
    QTest::newRow("United States") << "M/d/yy" << mdy << "/"
                                   << "M/d/yy";
    QTest::newRow("Germany") << "dd.MM.yyyy" << dmy << "."
                             << "dd.MM.yyyy";
    QTest::newRow("Sweden") << "yyyy-MM-dd" << ymd << "-"
                            << "yyyy-MM-dd";
    QTest::newRow("separator with a blank") << "d. M. yyyy" << dmy << ". "
                                            << "d. M. yyyy";
    QTest::newRow("month name") << "d MMM yyyy" << ymd << "-"
                                << "yyyy-MM-dd";
    QTest::newRow("weekday") << "dddd, MMMM d, yyyy" << ymd << "-"
                             << "yyyy-MM-dd";
    QTest::newRow("trailing dot keeps its order") << "yyyy. M. d." << ymd << ". "
                                                  << "yyyy. M. d.";
    QTest::newRow("mixed separators") << "M/d-yyyy" << ymd << "-"
                                      << "yyyy-MM-dd";
    QTest::newRow("quoted text") << "d'x'M'x'yyyy" << ymd << "-"
                                 << "yyyy-MM-dd";
    QTest::newRow("year in the middle") << "d/yyyy/M" << ymd << "-"
                                        << "yyyy-MM-dd";
    QTest::newRow("empty") << "" << ymd << "-"
                           << "yyyy-MM-dd";
}

void tst_CalendarDate::shortDatePattern()
{
    QFETCH(QString, pattern);
    QFETCH(int, order);
    QFETCH(QString, separator);
    QFETCH(QString, kept);

    LocaleFormats formats;
    SetShortDatePattern(formats, pattern.toStdString());
    QCOMPARE(int(formats.dateOrder), order);
    QCOMPARE(QString::fromStdString(formats.dateSeparator), separator);
    QCOMPARE(QString::fromStdString(formats.shortDatePattern), kept);
}

QTEST_GUILESS_MAIN(tst_CalendarDate)
#include "tst_CalendarDate.moc"
