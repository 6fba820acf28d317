#pragma once

#include <string>
#include <string_view>

// The small text rules every part of the core shares: blanks are the
// characters Windows trims around profile names and values (space, tab,
// vertical tab, form feed and ^Z, the end-of-file mark DOS editors leave),
// and names compare without regard to letter case in any cased alphabet
// ("Émile" and "ÉMILE", "Σοφία" and "ΣΟΦΊΑ").
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// The form two names share exactly when they are equal ignoring case, for
// use as a key of a hash map.
std::string FoldedName(std::string_view text);
// Blanks and control characters cut from both ends of a typed text.
std::string TrimControls(std::string_view text);
