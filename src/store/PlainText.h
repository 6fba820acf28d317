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

// The value without an enclosing pair of matching double or single quotes,
// as the store reads every value.
std::string_view WithoutEnclosingQuotes(std::string_view value);
// The text to store for what a coach typed, so that the file gives back
// exactly what the window shows, however often it is stored again: blanks,
// control characters and enclosing pairs of matching quotes taken off both
// ends while any is left, line breaks turned into blanks, and no more than
// `maxCharacters` characters (the room every reader gives a value). Empty
// when nothing would come back, and an empty text ends a stored list.
std::string StoredText(std::string_view typed, std::size_t maxCharacters = 255);
// For a text whose blanks are the coach's own (a line of a longer text, a
// label renamed in place): the text as it is, unless quotes enclose it
// (blanks aside); then StoredText, so that only what the file would take
// off goes.
std::string UnquotedText(std::string_view text, std::size_t maxCharacters = 255);
