#include "plans/TextScanner.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void TextScanner::skipBlanks()
{
    while (!atEnd() && isBlank(m_text[m_pos]))
        ++m_pos;
}

bool TextScanner::match(std::string_view word)
{
    if (m_text.substr(m_pos, word.size()) != word)
        return false;
    m_pos += word.size();
    return true;
}

bool TextScanner::matchIgnoringCase(std::string_view word)
{
    if (word.empty() || !EqualsIgnoringCase(m_text.substr(m_pos, word.size()), word))
        return false;
    m_pos += word.size();
    return true;
}

std::optional<int> TextScanner::readNumber()
{
    constexpr int maxDigits = 4;
    int value = 0;
    int digits = 0;
    while (!atEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (m_text[m_pos] - '0');
        ++m_pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}
