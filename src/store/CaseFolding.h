#pragma once

#include <cstddef>
#include <string_view>

// The character a letter of any cased alphabet compares as when letter case
// does not matter ("Μ" and "μ", "Ö" and "ö"); other characters stay as they
// are. Turkish dotted and dotless i both compare as "i".
char32_t FoldCase(char32_t code);

// Whether `text` starts with `word` in any letter case; gives the length in
// bytes of the matching start of `text`, or 0 when it does not match or
// `word` is empty. Both are UTF-8.
std::size_t MatchIgnoringCase(std::string_view text, std::string_view word);
