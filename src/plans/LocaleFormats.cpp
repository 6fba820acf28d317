#include "plans/LocaleFormats.h"

#include <cctype>
#include <optional>
#include <vector>

namespace {

struct DatePatternParts
{
    std::string fields; // the field letters in order, "Mdy" for M/d/yyyy
    std::string separator;
};

bool isFieldRun(char letter, std::size_t run)
{
    if (letter == 'y')
        return run == 2 || run == 4;
    return (letter == 'd' || letter == 'M') && run <= 2;
}

// Three numeric fields with one separator between them, nothing around them.
std::optional<DatePatternParts> splitNumericPattern(std::string_view pattern)
{
    DatePatternParts parts;
    std::vector<std::string> separators;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        std::size_t run = 1;
        if (std::isalpha(static_cast<unsigned char>(c))) {
            while (i + run < pattern.size() && pattern[i + run] == c)
                ++run;
            if (!isFieldRun(c, run) || parts.fields.find(c) != std::string::npos)
                return std::nullopt;
            parts.fields += c;
        } else {
            while (i + run < pattern.size() &&
                   !std::isalpha(static_cast<unsigned char>(pattern[i + run])))
                ++run;
            if (c == '\'' || parts.fields.empty())
                return std::nullopt;
            separators.emplace_back(pattern.substr(i, run));
        }
        i += run;
    }
    if (parts.fields.size() != 3 || separators.size() != 2 || separators[0] != separators[1])
        return std::nullopt;
    if (separators[0].find('\'') != std::string::npos)
        return std::nullopt;
    parts.separator = separators[0];
    return parts;
}

std::optional<DateOrder> orderOf(const std::string& fields)
{
    if (fields == "Mdy")
        return DateOrder::MonthDayYear;
    if (fields == "dMy")
        return DateOrder::DayMonthYear;
    if (fields == "yMd")
        return DateOrder::YearMonthDay;
    return std::nullopt;
}

} // namespace

void SetShortDatePattern(LocaleFormats& formats, std::string_view pattern)
{
    const auto parts = splitNumericPattern(pattern);
    const auto order = parts ? orderOf(parts->fields) : std::nullopt;
    if (!order) {
        formats.dateOrder = DateOrder::YearMonthDay;
        formats.dateSeparator = "-";
        formats.shortDatePattern = "yyyy-MM-dd";
        return;
    }
    formats.dateOrder = *order;
    formats.dateSeparator = parts->separator;
    formats.shortDatePattern = std::string(pattern);
}
