#include "plans/TextScanner.h"

#include "store/PlainText.h"

void TextScanner::skipBlanks()
{
    while (!atEnd() && IsBlank(m_text[m_pos]))
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
