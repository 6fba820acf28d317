#include "store/PlainText.h"

#include "store/CaseFolding.h"
#include "store/TextEncoding.h"

#include <algorithm>

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

std::string_view trimmedControls(std::string_view text)
{
    while (!text.empty() && isControlOrBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControlOrBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Trimmed and unquoted until neither changes it any more.
std::string_view settled(std::string_view text)
{
    for (;;) {
        const std::string_view inner = WithoutEnclosingQuotes(trimmedControls(text));
        if (inner.size() == text.size())
            return text;
        text = inner;
    }
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
    return std::string(trimmedControls(text));
}

std::string_view WithoutEnclosingQuotes(std::string_view value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

std::string StoredText(std::string_view typed, std::size_t maxCharacters)
{
    std::string line(typed.substr(0, typed.find('\0')));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string_view text = settled(line);
    if (TextEncoding::characterCount(text) > maxCharacters)
        text = settled(TextEncoding::leadingCharacters(text, maxCharacters));
    return std::string(text);
}

std::string UnquotedText(std::string_view text, std::size_t maxCharacters)
{
    const std::string_view inner = TrimBlanks(text);
    if (WithoutEnclosingQuotes(inner).size() == inner.size())
        return std::string(text);
    return StoredText(text, maxCharacters);
}
