#pragma once

#include <string>
#include <string_view>

enum class DateOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};

// What the date and time rules need of the system locale. The short date
// pattern is made of d, dd, M, MM, yy and yyyy joined by the date separator.
struct LocaleFormats
{
    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string amText = "AM";
    std::string pmText = "PM";
    std::string shortDatePattern = "M/d/yyyy";
};

// Takes a short date pattern from the system: its date order and separator
// when it is made of day, month and year numbers alone; otherwise (month
// names, weekdays, quoted text) year-month-day joined by "-", so that every
// date the program writes can be parsed again.
void SetShortDatePattern(LocaleFormats& formats, std::string_view pattern);
