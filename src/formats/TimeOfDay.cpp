#include "formats/TimeOfDay.h"

#include "formats/LocaleFormats.h"
#include "formats/TextScanner.h"

#include <algorithm>
#include <array>

namespace {

enum class Marker
{
    None,
    Am,
    Pm
};

Marker readMarker(TextScanner& scanner, const LocaleFormats& formats)
{
    struct Candidate
    {
        std::string_view text;
        Marker marker;
    };
    std::array<Candidate, 4> candidates = {{{formats.amText, Marker::Am},
                                            {formats.pmText, Marker::Pm},
                                            {"AM", Marker::Am},
                                            {"PM", Marker::Pm}}};
    // Longest first, so a marker is never taken for the start of a longer one.
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.text.size() > b.text.size(); });
    for (const Candidate& candidate : candidates) {
        if (scanner.matchIgnoringCase(candidate.text))
            return candidate.marker;
    }
    return Marker::None;
}

// The number after a separator (the locale's, or ":", which every locale
// reads): 0 when there is no separator, -1 when no number follows it.
int readField(TextScanner& scanner, std::string_view separator)
{
    scanner.skipBlanks();
    if (!scanner.match(separator) && !scanner.match(":"))
        return 0;
    scanner.skipBlanks();
    return scanner.readNumber().value_or(-1);
}

std::optional<int> hourOnClock(int hour, Marker marker)
{
    if (marker == Marker::None)
        return hour <= 23 ? std::optional<int>(hour) : std::nullopt;
    if (hour < 1 || hour > 12)
        return std::nullopt;
    return hour % 12 + (marker == Marker::Pm ? 12 : 0);
}

} // namespace

std::optional<TimeOfDay> ParseTime(std::string_view text, const LocaleFormats& formats)
{
    std::string_view separator = TrimBlanks(formats.timeSeparator);
    if (separator.empty())
        separator = ":";
    TextScanner scanner(text);
    scanner.skipBlanks();
    Marker marker = readMarker(scanner, formats);
    scanner.skipBlanks();
    const auto hour = scanner.readNumber();
    if (!hour)
        return std::nullopt;
    const int minute = readField(scanner, separator);
    const int second = minute < 0 ? -1 : readField(scanner, separator);
    scanner.skipBlanks();
    if (marker == Marker::None)
        marker = readMarker(scanner, formats);
    scanner.skipBlanks();
    if (!scanner.atEnd() || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    const auto clockHour = hourOnClock(*hour, marker);
    if (!clockHour)
        return std::nullopt;
    return TimeOfDay{*clockHour, minute, second};
}

std::string FormatLocaleTime(const TimeOfDay& time, const LocaleFormats& formats)
{
    const bool blank = TrimBlanks(formats.timeSeparator).empty();
    std::string out = std::to_string(time.hour) + (blank ? ":" : formats.timeSeparator);
    if (time.minute < 10)
        out += '0';
    return out + std::to_string(time.minute);
}

std::string FormatTimeHnn(const TimeOfDay& time)
{
    std::string out = std::to_string(time.hour) + ':';
    if (time.minute < 10)
        out += '0';
    return out + std::to_string(time.minute);
}
