#pragma once

#include <optional>
#include <string>
#include <string_view>

struct LocaleFormats;

inline constexpr std::string_view InvalidDateMessage =
    "Invalid date.  You must enter a valid date.";

// A day of the calendar. Documents keep dates as typed text; this is only the
// result of checking that text.
struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
};

bool IsValidDate(int year, int month, int day);

// Two or three numbers joined by the locale's date separator, in the locale's
// date order; blanks around the numbers are allowed. Two numbers take
// `currentYear`; a year of 0 to 99 lands in the current year's century.
std::optional<CalendarDate> ParseDate(std::string_view text, const LocaleFormats& formats,
                                      int currentYear);

// The date written with the locale's short date pattern (d, dd, M, MM, yy, yyyy).
std::string FormatShortDate(const CalendarDate& date, const LocaleFormats& formats);
