#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class DateOrder
{
    MonthDayYear,
    DayMonthYear,
    YearMonthDay
};

// What the date and time rules need of the system locale. The short date
// pattern is made of d, dd, M, MM, yy and yyyy joined by the date separator,
// with an optional text after the last number.
struct LocaleFormats
{
    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator = "/";
    std::string dateSuffix; // what follows the year in "d. M. yyyy.": "."
    std::string timeSeparator = ":";
    std::string amText = "AM";
    std::string pmText = "PM";
    std::string shortDatePattern = "M/d/yyyy";
};

// One piece of a date or time pattern: a run of one field letter ("yyyy"),
// or literal text with its quotes taken off ("'h'" gives "h").
struct PatternPart
{
    char field = 0; // 0 for literal text
    std::size_t length = 0;
    std::string text;
};

std::vector<PatternPart> SplitPattern(std::string_view pattern);

// Takes a short date pattern from the system: its date order, separator and
// closing text when it is made of day, month and year numbers alone;
// otherwise (month names, weekdays, text between the numbers) year-month-day
// joined by "-", so that every date the program writes can be parsed again.
void SetShortDatePattern(LocaleFormats& formats, std::string_view pattern);

// Takes the text between the hours and the minutes of a system time pattern
// ("h:mm AP" gives ":", "HH 'h' mm" gives " h "); ":" when there is none.
void SetTimePattern(LocaleFormats& formats, std::string_view pattern);
