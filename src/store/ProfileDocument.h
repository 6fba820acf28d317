#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One profile file in memory: its lines in order, each known as a section
// header, a key=value entry or anything else, so that a change rewrites one
// line and every other line goes back to disk as it came. The lines are held
// in blocks, one per section header, with indexes by case-folded name, so
// that finding a section or a key does not read the whole file.
class ProfileDocument
{
public:
    enum class Source
    {
        Missing,
        Read,
        Unreadable
    };

    // Any bytes are a document: valid UTF-8 is taken as it is, anything else
    // as Windows-1252; a leading UTF-8 byte order mark is kept aside, and a
    // UTF-16 byte order mark makes the file UTF-16 of that byte order.
    static ProfileDocument parse(std::string_view bytes);
    static ProfileDocument load(const std::string& path);

    Source source() const { return m_source; }
    bool isModified() const { return m_modified; }

    // The stored value, or the default when the section or key is missing,
    // cut to capacity - 1 characters; returns the number of characters.
    int readText(std::string_view section, std::string_view key, std::string& buffer, int capacity,
                 std::string_view defaultValue) const;
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Returns true when the document changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    // Every line ends with CR LF. A file that came with a byte order mark
    // keeps it and its encoding; any other is Windows-1252 when that holds
    // every character, else UTF-8 (TextEncoding::toCp1252OrUtf8).
    std::string serialise() const;

private:
    enum class Encoding
    {
        Cp1252OrUtf8,
        Utf8WithMark,
        Utf16LittleEndian,
        Utf16BigEndian
    };

    enum class Kind
    {
        Blank,
        Other,
        Section,
        Entry
    };

    struct Line
    {
        std::string text;
        Kind kind = Kind::Blank;
        std::size_t nameBegin = 0;
        std::size_t nameLength = 0;
        std::size_t valueBegin = 0;
        std::size_t valueLength = 0;

        std::string_view name() const;
        std::string_view value() const;
    };

    // A section header and the lines up to the next one; the first block
    // holds the lines before the first header and no header.
    struct Block
    {
        std::vector<Line> lines;
        // Case-folded key name to the first entry of that name in `lines`.
        std::unordered_map<std::string, std::size_t> keys;
    };

    static Line analyse(std::string text);
    void appendLines(std::string_view text);
    void appendLine(Line line);
    void insertLine(std::size_t block, std::size_t position, Line line);
    void rebuildBlocks();

    const Block* findSection(std::string_view section) const;
    static std::optional<std::size_t> findKey(const Block& block, std::string_view key);
    std::optional<std::string_view> findValue(std::string_view section, std::string_view key) const;

    std::vector<Block> m_blocks = std::vector<Block>(1);
    // Case-folded section name to the first block with that header.
    std::unordered_map<std::string, std::size_t> m_sections;
    Encoding m_encoding = Encoding::Cp1252OrUtf8;
    bool m_modified = false;
    Source m_source = Source::Missing;
};
