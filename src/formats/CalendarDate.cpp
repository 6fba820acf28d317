#include "formats/CalendarDate.h"

#include "formats/LocaleFormats.h"
#include "formats/TextScanner.h"

#include <array>
#include <vector>

namespace {

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// The numbers of a date text, or nothing when it is not two or three numbers
// joined by the separator.
std::optional<std::vector<int>> dateNumbers(std::string_view text, std::string_view separator)
{
    TextScanner scanner(text);
    std::vector<int> numbers;
    for (;;) {
        scanner.skipBlanks();
        const auto number = scanner.readNumber();
        if (!number || numbers.size() == 3)
            return std::nullopt;
        numbers.push_back(*number);
        scanner.skipBlanks();
        if (scanner.atEnd())
            break;
        if (!scanner.match(separator))
            return std::nullopt;
    }
    if (numbers.size() < 2)
        return std::nullopt;
    return numbers;
}

CalendarDate orderedDate(const std::vector<int>& n, DateOrder order, int currentYear)
{
    if (n.size() == 2) {
        if (order == DateOrder::DayMonthYear)
            return {currentYear, n[1], n[0]};
        return {currentYear, n[0], n[1]};
    }
    switch (order) {
    case DateOrder::DayMonthYear:
        return {n[2], n[1], n[0]};
    case DateOrder::YearMonthDay:
        return {n[0], n[1], n[2]};
    case DateOrder::MonthDayYear:
        break;
    }
    return {n[2], n[0], n[1]};
}

void appendNumber(std::string& out, int value, int width)
{
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(width - digits.size(), '0');
    out += digits;
}

// The text without the locale's closing text ("8. 12. 2026." in Croatian),
// which may as well be left out.
std::string_view withoutSuffix(std::string_view text, std::string_view suffix)
{
    text = TrimBlanks(text);
    if (!suffix.empty() && text.size() >= suffix.size() &&
        text.substr(text.size() - suffix.size()) == suffix)
        text.remove_suffix(suffix.size());
    return text;
}

} // namespace

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

std::optional<CalendarDate> ParseDate(std::string_view text, const LocaleFormats& formats,
                                      int currentYear)
{
    const auto numbers =
        dateNumbers(withoutSuffix(text, formats.dateSuffix), TrimBlanks(formats.dateSeparator));
    if (!numbers)
        return std::nullopt;
    CalendarDate date = orderedDate(*numbers, formats.dateOrder, currentYear);
    if (numbers->size() == 3 && date.year <= 99)
        date.year += currentYear / 100 * 100;
    if (!IsValidDate(date.year, date.month, date.day))
        return std::nullopt;
    return date;
}

std::string FormatShortDate(const CalendarDate& date, const LocaleFormats& formats)
{
    std::string out;
    for (const PatternPart& part : SplitPattern(formats.shortDatePattern)) {
        const int width = part.length >= 2 ? 2 : 1;
        if (part.field == 'd')
            appendNumber(out, date.day, width);
        else if (part.field == 'M')
            appendNumber(out, date.month, width);
        else if (part.field == 'y' && part.length <= 2)
            appendNumber(out, date.year % 100, 2);
        else if (part.field == 'y')
            appendNumber(out, date.year, 4);
        else
            out += part.text;
    }
    return out;
}
