#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The encodings a profile file may arrive in: Windows-1252, which is what
// files made on Windows hold, UTF-8, and UTF-16 with its byte order mark. In
// memory every text is UTF-8.
class TextEncoding
{
public:
    static constexpr char32_t replacementCharacter = 0xFFFD;

    // The character starting at `i` of valid UTF-8, moving `i` past it.
    static char32_t nextCharacter(std::string_view utf8, std::size_t& i);
    static void appendUtf8(std::string& out, char32_t code);

    // Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
    static bool isValidUtf8(std::string_view bytes);
    // Every byte as its Windows-1252 character; the five bytes the code page
    // leaves undefined become the C1 controls of the same number.
    static std::string fromCp1252(std::string_view bytes);
    // The bytes themselves when they are valid UTF-8, else their cp1252 reading.
    static std::string toUtf8(std::string_view bytes);
    // What a file holding `utf8` is written as, so that toUtf8() reads the same
    // text back and the Windows program reads it too wherever it can:
    // Windows-1252 when every character has a byte there, unless those bytes
    // would pass for UTF-8 ("Ã©"); UTF-8 otherwise.
    static std::string toCp1252OrUtf8(std::string_view utf8);
    // Nothing when some character has no byte in Windows-1252.
    static std::optional<std::string> toCp1252(std::string_view utf8);

    // UTF-16 without its byte order mark; an unpaired surrogate reads as
    // U+FFFD and an odd last byte is dropped.
    static std::string fromUtf16(std::string_view bytes, bool bigEndian);
    static std::string toUtf16(std::string_view utf8, bool bigEndian);

    // Characters are counted by their first bytes, so a stray continuation
    // byte never counts on its own and a character is never cut in half.
    static std::size_t characterCount(std::string_view utf8);
    static std::string_view leadingCharacters(std::string_view utf8, std::size_t count);
};
