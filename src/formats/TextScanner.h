#pragma once

#include "store/PlainText.h"

#include <optional>
#include <string>
#include <string_view>

// A read position in a typed text (UTF-8), for the date and time rules.
class TextScanner
{
public:
    explicit TextScanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // Skips blanks and the invisible direction marks some locales put into
    // their dates, which nobody types.
    void skipBlanks();
    // Consumes `word` when the text continues with it; an empty word matches.
    bool match(std::string_view word);
    // Letter case of any alphabet does not matter.
    bool matchIgnoringCase(std::string_view word);
    // An unsigned decimal number of 1 to 4 digits; more digits fail.
    std::optional<int> readNumber();

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Right-to-left and left-to-right marks and embeddings: format characters
// that show nothing.
bool IsDirectionMark(char32_t code);
std::string WithoutDirectionMarks(std::string_view text);
