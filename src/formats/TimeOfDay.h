#pragma once

#include <optional>
#include <string>
#include <string_view>

struct LocaleFormats;

inline constexpr std::string_view InvalidTimeMessage =
    "Invalid time.  You must enter a valid time.";

struct TimeOfDay
{
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
    bool operator==(const TimeOfDay&) const = default;
};

// Hours, then optionally the locale's time separator (or ":") and minutes,
// then optionally seconds; an AM or PM marker (the locale's or the plain letters,
// any letter case) may stand before or after. With a marker the hour is 1 to
// 12, without it 0 to 23.
std::optional<TimeOfDay> ParseTime(std::string_view text, const LocaleFormats& formats);

// The hour without a leading zero, the locale's time separator and two-digit
// minutes: "12:00", "12.00", "12 h 00".
std::string FormatLocaleTime(const TimeOfDay& time, const LocaleFormats& formats);

// "h:nn": the hour without a leading zero, two-digit minutes, no seconds.
std::string FormatTimeHnn(const TimeOfDay& time);
