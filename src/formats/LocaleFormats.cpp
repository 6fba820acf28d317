#include "formats/LocaleFormats.h"

#include "formats/TextScanner.h"
#include "store/PlainText.h"

#include <optional>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void appendLiteral(std::vector<PatternPart>& parts, std::string_view text)
{
    if (parts.empty() || parts.back().field != 0)
        parts.push_back({});
    parts.back().text += text;
}

// Quoted text up to the closing quote; two quotes stand for one.
std::size_t readQuoted(std::string_view pattern, std::size_t i, std::vector<PatternPart>& parts)
{
    ++i;
    if (i < pattern.size() && pattern[i] == '\'') {
        appendLiteral(parts, "'");
        return i + 1;
    }
    while (i < pattern.size()) {
        if (pattern[i] == '\'' && i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            appendLiteral(parts, "'");
            i += 2;
        } else if (pattern[i] == '\'') {
            return i + 1;
        } else {
            appendLiteral(parts, pattern.substr(i, 1));
            ++i;
        }
    }
    return i;
}

bool isNumericField(const PatternPart& part)
{
    if (part.field == 'y')
        return part.length == 2 || part.length == 4;
    return (part.field == 'd' || part.field == 'M') && part.length <= 2;
}

// Between the numbers only punctuation and blanks: a word there ("d 'de' M")
// makes the format one of words.
bool isPunctuation(std::string_view separator)
{
    for (const char c : separator) {
        if (isLetter(c) || static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

struct NumericDate
{
    std::string fields; // the field letters in order, "Mdy" for M/d/yyyy
    std::string separator;
    std::string suffix;
};

// Three numeric fields joined by one separator, optionally followed by a
// closing text; nothing before them.
std::optional<NumericDate> splitNumericPattern(std::string_view pattern)
{
    const std::vector<PatternPart> parts = SplitPattern(pattern);
    if (parts.size() < 5 || parts.size() > 6)
        return std::nullopt;
    NumericDate date;
    for (std::size_t i = 0; i < 5; i += 2) {
        if (!isNumericField(parts[i]) || date.fields.find(parts[i].field) != std::string::npos)
            return std::nullopt;
        date.fields += parts[i].field;
    }
    if (parts[1].text != parts[3].text)
        return std::nullopt;
    date.separator = WithoutDirectionMarks(parts[1].text);
    if (!isPunctuation(date.separator))
        return std::nullopt;
    if (parts.size() == 6)
        date.suffix = TrimBlanks(WithoutDirectionMarks(parts[5].text));
    return date;
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

std::vector<PatternPart> SplitPattern(std::string_view pattern)
{
    std::vector<PatternPart> parts;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            i = readQuoted(pattern, i, parts);
            continue;
        }
        if (!isLetter(c)) {
            appendLiteral(parts, pattern.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        parts.push_back({c, run, std::string(pattern.substr(i, run))});
        i += run;
    }
    return parts;
}

void SetShortDatePattern(LocaleFormats& formats, std::string_view pattern)
{
    const auto date = splitNumericPattern(pattern);
    const auto order = date ? orderOf(date->fields) : std::nullopt;
    if (!order) {
        formats.dateOrder = DateOrder::YearMonthDay;
        formats.dateSeparator = "-";
        formats.dateSuffix.clear();
        formats.shortDatePattern = "yyyy-MM-dd";
        return;
    }
    formats.dateOrder = *order;
    formats.dateSeparator = date->separator;
    formats.dateSuffix = date->suffix;
    formats.shortDatePattern = std::string(pattern);
}

void SetTimePattern(LocaleFormats& formats, std::string_view pattern)
{
    const std::vector<PatternPart> parts = SplitPattern(pattern);
    formats.timeSeparator = ":";
    for (std::size_t i = 0; i + 2 < parts.size(); ++i) {
        const bool hours = parts[i].field == 'h' || parts[i].field == 'H';
        if (hours && parts[i + 1].field == 0 && parts[i + 2].field == 'm') {
            const std::string separator = WithoutDirectionMarks(parts[i + 1].text);
            if (!TrimBlanks(separator).empty())
                formats.timeSeparator = separator;
            return;
        }
    }
}
