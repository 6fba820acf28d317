#include "players/RosterFile.h"

#include "store/FileDescriptor.h"
#include "store/PlainText.h"
#include "store/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr char Quote = '"';
constexpr char Candidates[] = {'\t', ';', ','};
constexpr int SampleLines = 50;

using Record = std::vector<std::string>;

bool startsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

// Past the line end at `i`, CR LF counting as one.
std::size_t pastLineEnd(std::string_view text, std::size_t i)
{
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
        return i + 2;
    return i < text.size() ? i + 1 : i;
}

std::size_t fieldEnd(std::string_view text, std::size_t from, char delimiter)
{
    const char stops[] = {'\r', '\n', delimiter};
    const std::size_t end = text.find_first_of(std::string_view(stops, delimiter ? 3 : 2), from);
    return end == std::string_view::npos ? text.size() : end;
}

// The quoted field starting at `quote`, doubled quotes read as one, when its
// closing quote stands on the same line; `i` moves past the closing quote.
std::optional<std::string> quotedField(std::string_view text, std::size_t quote, std::size_t& i)
{
    std::string value;
    std::size_t from = quote + 1;
    for (;;) {
        const std::size_t next = text.find_first_of("\"\r\n", from);
        if (next == std::string_view::npos || text[next] != Quote)
            return std::nullopt;
        value.append(text.substr(from, next - from));
        if (next + 1 < text.size() && text[next + 1] == Quote) {
            value += Quote;
            from = next + 2;
            continue;
        }
        i = next + 1;
        return value;
    }
}

// One field from `i`, leaving `i` on the delimiter or line end after it. A
// quote that is not closed on its line is a character like any other, so a
// stray quote never swallows the lines after it; what follows a closing quote
// up to the delimiter is kept as it stands.
std::string field(std::string_view text, std::size_t& i, char delimiter)
{
    std::size_t start = i;
    while (start < text.size() && text[start] == ' ')
        ++start;
    std::string value;
    if (start < text.size() && text[start] == Quote) {
        if (auto quoted = quotedField(text, start, i))
            value = std::move(*quoted);
    }
    const std::size_t end = fieldEnd(text, i, delimiter);
    value.append(text.substr(i, end - i));
    i = end;
    return value;
}

template <typename Visit> void forEachRecord(std::string_view text, char delimiter, Visit visit)
{
    Record record;
    std::size_t i = 0;
    while (i < text.size()) {
        record.clear();
        record.push_back(field(text, i, delimiter));
        while (delimiter && i < text.size() && text[i] == delimiter)
            record.push_back(field(text, ++i, delimiter));
        i = pastLineEnd(text, i);
        visit(record);
    }
}

bool isControl(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
}

// No NUL, and hardly a control character but the ones text files hold.
bool looksBinary(std::string_view text)
{
    std::size_t controls = 0;
    for (const char c : text) {
        if (c == '\0')
            return true;
        if (isControl(c) && c != '\r' && c != '\n' && !IsBlank(c))
            ++controls;
    }
    return controls * 20 > text.size();
}

// A name is one line: control characters inside it become blanks.
std::string cleanName(std::string_view cell)
{
    std::string name(cell);
    std::replace_if(name.begin(), name.end(), isControl, ' ');
    return TrimControls(name);
}

enum class Column
{
    Other,
    Name,
    First,
    Last
};

Column columnOf(std::string_view cell)
{
    std::string word;
    for (const char c : cell) {
        if (c != ' ' && c != '_' && c != '-' && c != '.')
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    static const struct
    {
        std::string_view word;
        Column column;
    } headers[] = {
        {"name", Column::Name},      {"fullname", Column::Name},   {"playername", Column::Name},
        {"first", Column::First},    {"firstname", Column::First}, {"givenname", Column::First},
        {"forename", Column::First}, {"last", Column::Last},       {"lastname", Column::Last},
        {"surname", Column::Last},   {"familyname", Column::Last},
    };
    for (const auto& header : headers) {
        if (header.word == word)
            return header.column;
    }
    return Column::Other;
}

struct Columns
{
    int name = 0;
    int first = -1;
    int last = -1;
};

std::optional<Columns> headerOf(const Record& record)
{
    Columns columns{-1, -1, -1};
    for (int i = 0; i < static_cast<int>(record.size()); ++i) {
        int* column = nullptr;
        switch (columnOf(TrimControls(record[i]))) {
        case Column::Name:
            column = &columns.name;
            break;
        case Column::First:
            column = &columns.first;
            break;
        case Column::Last:
            column = &columns.last;
            break;
        case Column::Other:
            continue;
        }
        if (*column < 0)
            *column = i;
    }
    if (columns.name < 0 && columns.first < 0 && columns.last < 0)
        return std::nullopt;
    return columns;
}

// The first and last name joined with one blank; under a header of Name and
// Surname the Name column holds the given name.
std::string nameOf(const Record& record, const Columns& columns)
{
    const auto cell = [&record](int column) {
        return column >= 0 && column < static_cast<int>(record.size()) ? cleanName(record[column])
                                                                       : std::string();
    };
    if (columns.first < 0 && columns.last < 0)
        return cell(columns.name);
    const std::string given = cell(columns.first >= 0 ? columns.first : columns.name);
    const std::string family = cell(columns.last);
    if (given.empty() || family.empty())
        return given + family;
    return given + ' ' + family;
}

bool isBlankRecord(const Record& record)
{
    return std::all_of(record.begin(), record.end(),
                       [](const std::string& cell) { return TrimControls(cell).empty(); });
}

} // namespace

namespace RosterFile {

std::string Decode(std::string_view bytes)
{
    if (startsWith(bytes, "\xFF\xFE"))
        return TextEncoding::fromUtf16(bytes.substr(2), false);
    if (startsWith(bytes, "\xFE\xFF"))
        return TextEncoding::fromUtf16(bytes.substr(2), true);
    if (startsWith(bytes, Utf8Mark))
        bytes.remove_prefix(Utf8Mark.size());
    return TextEncoding::toUtf8(bytes);
}

char Delimiter(std::string_view text)
{
    int linesWith[std::size(Candidates)] = {};
    bool inFirstLine[std::size(Candidates)] = {};
    int lines = 0;
    std::size_t i = 0;
    while (i < text.size() && lines < SampleLines) {
        const std::size_t end = std::min(text.find_first_of("\r\n", i), text.size());
        const std::string_view line = text.substr(i, end - i);
        i = pastLineEnd(text, end);
        if (TrimControls(line).empty())
            continue;
        bool quoted = false;
        bool found[std::size(Candidates)] = {};
        for (const char c : line) {
            if (c == Quote)
                quoted = !quoted;
            for (std::size_t k = 0; k < std::size(Candidates); ++k)
                found[k] = found[k] || (!quoted && c == Candidates[k]);
        }
        for (std::size_t k = 0; k < std::size(Candidates); ++k) {
            linesWith[k] += found[k];
            inFirstLine[k] = inFirstLine[k] || (lines == 0 && found[k]);
        }
        ++lines;
    }
    char best = '\0';
    int most = 0;
    for (std::size_t k = 0; k < std::size(Candidates); ++k) {
        if (inFirstLine[k] && 2 * linesWith[k] > lines && linesWith[k] > most) {
            best = Candidates[k];
            most = linesWith[k];
        }
    }
    return best;
}

Rows Read(std::string_view bytes)
{
    Rows rows;
    const std::string text = Decode(bytes);
    if (looksBinary(text)) {
        rows.problem = Problem::Binary;
        return rows;
    }
    std::optional<Columns> columns;
    forEachRecord(text, Delimiter(text), [&](const Record& record) {
        if (!columns) {
            if (isBlankRecord(record)) {
                rows.names.emplace_back();
                return;
            }
            columns = headerOf(record);
            if (columns)
                return;
            columns = Columns();
        }
        rows.names.push_back(nameOf(record, *columns));
    });
    if (std::all_of(rows.names.begin(), rows.names.end(),
                    [](const std::string& name) { return name.empty(); })) {
        rows.problem = Problem::Empty;
        rows.names.clear();
    }
    return rows;
}

Rows Load(const std::string& path)
{
    std::string bytes;
    switch (ReadPlainFile(path, bytes, MostBytes)) {
    case PlainFileRead::Read:
        return Read(bytes);
    case PlainFileRead::TooLarge:
        return Rows{Problem::TooLarge, {}};
    case PlainFileRead::Missing:
    case PlainFileRead::Unreadable:
        break;
    }
    return Rows{Problem::Unreadable, {}};
}

Format FormatFor(std::string_view path)
{
    constexpr std::string_view text = ".txt";
    const bool plain = path.size() >= text.size() &&
                       EqualsIgnoringCase(path.substr(path.size() - text.size()), text);
    return plain ? Format::PlainText : Format::Csv;
}

std::string Bytes(const std::vector<std::string>& names, Format format)
{
    std::string bytes = format == Format::Csv ? std::string(Utf8Mark) + "Name\r\n" : std::string();
    for (const std::string& name : names) {
        const bool quoted =
            format == Format::Csv && (name.find_first_of("\",;\t") != std::string::npos ||
                                      TrimControls(name).size() != name.size());
        if (!quoted) {
            bytes += name;
        } else {
            bytes += Quote;
            for (const char c : name) {
                if (c == Quote)
                    bytes += Quote;
                bytes += c;
            }
            bytes += Quote;
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace RosterFile
