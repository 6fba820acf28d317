#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The two encodings a profile file may arrive in: UTF-8, which is what we
// write, and Windows-1252, which is what files made on Windows hold.
class TextEncoding
{
public:
    // Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
    static bool isValidUtf8(std::string_view bytes);
    // Every byte as its Windows-1252 character; the five bytes the code page
    // leaves undefined become the C1 controls of the same number.
    static std::string fromCp1252(std::string_view bytes);
    // The bytes themselves when they are valid UTF-8, else their cp1252 reading.
    static std::string toUtf8(std::string_view bytes);

    // Characters are counted by their first bytes, so a stray continuation
    // byte never counts on its own and a character is never cut in half.
    static std::size_t characterCount(std::string_view utf8);
    static std::string_view leadingCharacters(std::string_view utf8, std::size_t count);
};
