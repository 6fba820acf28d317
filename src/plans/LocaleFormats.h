#pragma once

#include <string>

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

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
