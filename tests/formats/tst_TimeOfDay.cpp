#include "formats/LocaleFormats.h"
#include "formats/TimeOfDay.h"

#include <QtTest>

namespace {

LocaleFormats localeNamed(const QString& name)
{
    LocaleFormats formats;
    if (name == "german") {
        formats.timeSeparator = ".";
        formats.amText = "vorm.";
        formats.pmText = "nachm.";
    }
    return formats;
}

QString timeText(const std::optional<TimeOfDay>& time)
{
    if (!time)
        return "invalid";
    return QString("%1:%2:%3").arg(time->hour).arg(time->minute).arg(time->second);
}

} // namespace

class tst_TimeOfDay : public QObject
{
    Q_OBJECT

private slots:
    void parseTime_data();
    void parseTime();
    void formatTimeHnn_data();
    void formatTimeHnn();
};

void tst_TimeOfDay::parseTime_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("24-hour afternoon") << ""
                                       << "13:30"
                                       << "13:30:0";
    QTest::newRow("PM after a blank") << ""
                                      << "1:30 PM"
                                      << "13:30:0";
    QTest::newRow("pm in small letters") << ""
                                         << "1:30pm"
                                         << "13:30:0";
    QTest::newRow("marker before") << ""
                                   << "PM 1:30"
                                   << "13:30:0";
    QTest::newRow("13 with PM") << ""
                                << "13:30 PM"
                                << "invalid";
    QTest::newRow("0 with AM") << ""
                               << "0:30 AM"
                               << "invalid";
    QTest::newRow("midnight as 24") << ""
                                    << "24:00"
                                    << "invalid";
    QTest::newRow("hours only") << ""
                                << "9"
                                << "9:0:0";
    QTest::newRow("empty") << ""
                           << ""
                           << "invalid";
    QTest::newRow("blanks only") << ""
                                 << "  "
                                 << "invalid";
    QTest::newRow("marker only") << ""
                                 << "AM"
                                 << "invalid";
    QTest::newRow("12 AM is midnight") << ""
                                       << "12:00 AM"
                                       << "0:0:0";
    QTest::newRow("12 PM is noon") << ""
                                   << "12:00 pm"
                                   << "12:0:0";
    QTest::newRow("midnight") << ""
                              << "0:00"
                              << "0:0:0";
    QTest::newRow("seconds") << ""
                             << "3:30:15"
                             << "3:30:15";
    QTest::newRow("blanks around") << ""
                                   << " 3 : 30 "
                                   << "3:30:0";
    QTest::newRow("minute 60") << ""
                               << "3:60"
                               << "invalid";
    QTest::newRow("second 60") << ""
                               << "3:30:60"
                               << "invalid";
    QTest::newRow("separator without minutes") << ""
                                               << "3:"
                                               << "invalid";
    QTest::newRow("four parts") << ""
                                << "3:30:15:10"
                                << "invalid";
    QTest::newRow("two markers") << ""
                                 << "1:30 PM PM"
                                 << "invalid";
    QTest::newRow("unknown marker") << ""
                                    << "1:30 XM"
                                    << "invalid";
    QTest::newRow("sign") << ""
                          << "-1:30"
                          << "invalid";
    QTest::newRow("locale marker") << "german"
                                   << "1.30 nachm."
                                   << "13:30:0";
    QTest::newRow("plain marker in another locale") << "german"
                                                    << "1.30 pm"
                                                    << "13:30:0";
    QTest::newRow("colon where the locale has another separator") << "german"
                                                                  << "1:30"
                                                                  << "1:30:0";
}

void tst_TimeOfDay::parseTime()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(timeText(ParseTime(text.toStdString(), localeNamed(locale))), expected);
}

void tst_TimeOfDay::formatTimeHnn_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("expected");

    QTest::newRow("minutes below ten") << 3 << 5 << "3:05";
    QTest::newRow("noon") << 12 << 0 << "12:00";
    QTest::newRow("hour 0") << 0 << 30 << "0:30";
    QTest::newRow("afternoon") << 13 << 45 << "13:45";
}

void tst_TimeOfDay::formatTimeHnn()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, expected);

    QCOMPARE(QString::fromStdString(FormatTimeHnn({hour, minute, 59})), expected);
}

QTEST_GUILESS_MAIN(tst_TimeOfDay)
#include "tst_TimeOfDay.moc"
