#include "store/PlainText.h"

#include "store/CaseFolding.h"
#include "store/TextEncoding.h"

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Every character up to and including the blank in the character table; all
// of them are single bytes in UTF-8.
bool isControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view TrimLeadingBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    // Most names are ASCII: compare bytes until the first one that is not.
    std::size_t i = 0;
    for (; i < a.size() && i < b.size(); ++i) {
        if (static_cast<unsigned char>(a[i]) >= 0x80 || static_cast<unsigned char>(b[i]) >= 0x80)
            break;
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    if (i == a.size() || i == b.size())
        return a.size() == b.size();
    a.remove_prefix(i);
    b.remove_prefix(i);
    return MatchIgnoringCase(a, b) == a.size();
}

std::string FoldedName(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80)
            folded += lowerAscii(text[i++]);
        else
            TextEncoding::appendUtf8(folded, FoldCase(TextEncoding::nextCharacter(text, i)));
    }
    return folded;
}

std::string TrimControls(std::string_view text)
{
    while (!text.empty() && isControlOrBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControlOrBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}
