#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A list of players as other programs keep it: CSV (fields between commas,
// semicolons or tabs, in double quotes where needed, with or without a header
// row) or plain text, one name a line. Read in UTF-8 with or without its byte
// order mark, UTF-16 with its mark, anything else as Windows-1252; written as
// CSV in UTF-8 with a byte order mark (so spreadsheets read accents) or as
// plain UTF-8 text.
namespace RosterFile {

enum class Problem
{
    None,
    Unreadable,
    TooLarge,
    Binary,
    Empty
};

struct Rows
{
    Problem problem = Problem::None;
    // One entry per row below any header, in file order: the row's name with
    // blanks and control characters cut from its ends and line breaks inside
    // it made blanks; empty for a row without a name.
    std::vector<std::string> names;
};

// Larger files are no list of players.
inline constexpr std::size_t MostBytes = 64 * 1024 * 1024;

Rows Read(std::string_view bytes);
Rows Load(const std::string& path);

// The text a file's bytes hold, in UTF-8, by the encodings above.
std::string Decode(std::string_view bytes);

// The field separator of CSV text: tab, semicolon or comma, whichever stands
// outside quotes in the first line and in more than half of the first lines
// (tab, then semicolon, first on a tie); '\0' for a list of one name a line.
char Delimiter(std::string_view text);

enum class Format
{
    Csv,
    PlainText
};

// Plain text for a ".txt" file, CSV for any other.
Format FormatFor(std::string_view path);
std::string Bytes(const std::vector<std::string>& names, Format format);

} // namespace RosterFile
