#include "formats/TextScanner.h"

#include "store/CaseFolding.h"
#include "store/PlainText.h"
#include "store/TextEncoding.h"

bool IsDirectionMark(char32_t code)
{
    return code == 0x200E || code == 0x200F || code == 0x061C ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

std::string WithoutDirectionMarks(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        if (!IsDirectionMark(TextEncoding::nextCharacter(text, i)))
            out += text.substr(start, i - start);
    }
    return out;
}

void TextScanner::skipBlanks()
{
    while (!atEnd()) {
        std::size_t next = m_pos;
        if (!IsBlank(m_text[m_pos]) && !IsDirectionMark(TextEncoding::nextCharacter(m_text, next)))
            return;
        m_pos = IsBlank(m_text[m_pos]) ? m_pos + 1 : next;
    }
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
    const std::size_t length = MatchIgnoringCase(m_text.substr(m_pos), word);
    m_pos += length;
    return length > 0;
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
