#include "formats/WholeNumber.h"

#include "store/PlainText.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits from `pos` on, saturating; `pos` ends after the last digit.
std::int64_t readDigits(std::string_view text, std::size_t& pos)
{
    std::int64_t value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = std::min<std::int64_t>(value * 10 + (text[pos] - '0'), std::int64_t(INT_MAX) + 1);
        ++pos;
    }
    return value;
}

bool readSign(std::string_view text, std::size_t& pos)
{
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        return text[pos++] == '-';
    return false;
}

} // namespace

std::optional<int> ParseWholeNumber(std::string_view text)
{
    text = TrimBlanks(text);
    std::size_t pos = 0;
    const bool negative = readSign(text, pos);
    const std::size_t digitsStart = pos;
    const std::int64_t magnitude = readDigits(text, pos);
    if (pos == digitsStart || pos != text.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

int LeadingInteger(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    const bool negative = readSign(text, pos);
    const std::int64_t magnitude = readDigits(text, pos);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string NotValidIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}
