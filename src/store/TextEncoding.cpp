#include "store/TextEncoding.h"

#include <array>
#include <cstdint>

namespace {

const std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at `i`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!isContinuation(static_cast<unsigned char>(bytes[i + k])))
            return 0;
    }
    return length;
}

// The Windows-1252 byte of a character, or -1 when it has none. The five
// bytes the code page leaves undefined come back from their C1 controls.
int cp1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (std::size_t i = 0; i < cp1252High.size(); ++i) {
        if (cp1252High[i] == code)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

bool hasHighByte(std::string_view bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

char16_t unitAt(std::string_view bytes, std::size_t i, bool bigEndian)
{
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

void appendUnit(std::string& out, char16_t unit, bool bigEndian)
{
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

char32_t TextEncoding::nextCharacter(std::string_view utf8, std::size_t& i)
{
    const std::size_t length = sequenceLength(utf8, i);
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (length <= 1) {
        ++i;
        return length == 1 ? lead : replacementCharacter;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    return code;
}

void TextEncoding::appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool TextEncoding::isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string TextEncoding::fromCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            appendUtf8(out, cp1252High[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::string TextEncoding::toUtf8(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return fromCp1252(bytes);
}

std::optional<std::string> TextEncoding::toCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const int byte = cp1252Byte(nextCharacter(utf8, i));
        if (byte < 0)
            return std::nullopt;
        out += static_cast<char>(byte);
    }
    return out;
}

std::string TextEncoding::toCp1252OrUtf8(std::string_view utf8)
{
    auto cp1252 = toCp1252(utf8);
    if (!cp1252 || (hasHighByte(*cp1252) && isValidUtf8(*cp1252)))
        return std::string(utf8);
    return std::move(*cp1252);
}

std::string TextEncoding::fromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const char16_t unit = unitAt(bytes, 2 * u, bigEndian);
        if (isHighSurrogate(unit) && u + 1 < units &&
            isLowSurrogate(unitAt(bytes, 2 * u + 2, bigEndian))) {
            const char16_t low = unitAt(bytes, 2 * ++u, bigEndian);
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, replacementCharacter);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string TextEncoding::toUtf16(std::string_view utf8, bool bigEndian)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t code = nextCharacter(utf8, i);
        if (code < 0x10000) {
            appendUnit(out, static_cast<char16_t>(code), bigEndian);
            continue;
        }
        appendUnit(out, static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)), bigEndian);
        appendUnit(out, static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)), bigEndian);
    }
    return out;
}

std::size_t TextEncoding::characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8) {
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++count;
    }
    return count;
}

std::string_view TextEncoding::leadingCharacters(std::string_view utf8, std::size_t count)
{
    if (count == 0)
        return {};
    std::size_t starts = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(utf8[i])))
            continue;
        if (starts == count)
            return utf8.substr(0, i);
        ++starts;
    }
    return utf8;
}
