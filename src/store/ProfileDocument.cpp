#include "store/ProfileDocument.h"

#include "store/FileDescriptor.h"
#include "store/PlainText.h"
#include "store/TextEncoding.h"

#include <cstdint>

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view utf16BigEndianMark = "\xFE\xFF";

bool startsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

bool startsWithMark(std::string_view bytes)
{
    return startsWith(bytes, utf8Mark) || startsWith(bytes, utf16LittleEndianMark) ||
           startsWith(bytes, utf16BigEndianMark);
}

// What a caller hands in becomes one line of valid UTF-8: it ends at a NUL
// as a C string would, and line breaks turn into blanks so that a value can
// never start a line of its own.
std::string singleLine(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string line = TextEncoding::toUtf8(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

std::string_view offsetView(std::string_view whole, std::size_t begin, std::size_t length)
{
    return whole.substr(begin, length);
}

} // namespace

std::string_view ProfileDocument::Line::name() const
{
    return offsetView(text, nameBegin, nameLength);
}

std::string_view ProfileDocument::Line::value() const
{
    return offsetView(text, valueBegin, valueLength);
}

ProfileDocument ProfileDocument::parse(std::string_view bytes)
{
    ProfileDocument document;
    document.m_source = Source::Read;
    if (startsWith(bytes, utf16LittleEndianMark) || startsWith(bytes, utf16BigEndianMark)) {
        const bool bigEndian = startsWith(bytes, utf16BigEndianMark);
        document.m_encoding = bigEndian ? Encoding::Utf16BigEndian : Encoding::Utf16LittleEndian;
        document.appendLines(TextEncoding::fromUtf16(bytes.substr(2), bigEndian));
        return document;
    }
    if (startsWith(bytes, utf8Mark)) {
        document.m_encoding = Encoding::Utf8WithMark;
        bytes.remove_prefix(utf8Mark.size());
    }
    if (TextEncoding::isValidUtf8(bytes))
        document.appendLines(bytes);
    else
        document.appendLines(TextEncoding::fromCp1252(bytes));
    return document;
}

ProfileDocument ProfileDocument::load(const std::string& path)
{
    std::string bytes;
    switch (ReadPlainFile(path, bytes)) {
    case PlainFileRead::Read:
        break;
    case PlainFileRead::Missing:
        return ProfileDocument();
    case PlainFileRead::Unreadable:
    case PlainFileRead::TooLarge: {
        ProfileDocument unreadable;
        unreadable.m_source = Source::Unreadable;
        return unreadable;
    }
    }
    return parse(bytes);
}

void ProfileDocument::appendLines(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            appendLine(analyse(std::string(text.substr(start))));
            return;
        }
        appendLine(analyse(std::string(text.substr(start, end - start))));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

void ProfileDocument::appendLine(Line line)
{
    if (line.kind == Kind::Section) {
        m_sections.emplace(FoldedName(line.name()), m_blocks.size());
        m_blocks.emplace_back();
    }
    Block& block = m_blocks.back();
    if (line.kind == Kind::Entry)
        block.keys.emplace(FoldedName(line.name()), block.lines.size());
    block.lines.push_back(std::move(line));
}

// Only blank lines may follow `position`, so no indexed entry moves.
void ProfileDocument::insertLine(std::size_t block, std::size_t position, Line line)
{
    std::vector<Line>& lines = m_blocks[block].lines;
    const Kind kind = line.kind;
    if (kind == Kind::Entry)
        m_blocks[block].keys.emplace(FoldedName(line.name()), position);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
    // A key written as "[name]=..." reads back as a header of its own.
    if (kind == Kind::Section)
        rebuildBlocks();
}

void ProfileDocument::rebuildBlocks()
{
    std::vector<Block> blocks(1);
    blocks.swap(m_blocks);
    m_sections.clear();
    for (Block& block : blocks) {
        for (Line& line : block.lines)
            appendLine(std::move(line));
    }
}

ProfileDocument::Line ProfileDocument::analyse(std::string text)
{
    Line line;
    line.text = std::move(text);
    const std::string_view whole = line.text;
    const std::string_view content = TrimBlanks(whole.substr(0, whole.find('\0')));
    const auto offset = [&whole](std::string_view part) {
        return static_cast<std::size_t>(part.data() - whole.data());
    };
    if (content.empty())
        return line;
    line.kind = Kind::Other;
    if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close == std::string_view::npos)
            return line;
        const std::string_view name = TrimBlanks(content.substr(1, close - 1));
        line.kind = Kind::Section;
        line.nameBegin = offset(name);
        line.nameLength = name.size();
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    const std::string_view name = TrimBlanks(content.substr(0, equals));
    const std::string_view value = TrimBlanks(content.substr(equals + 1));
    line.kind = Kind::Entry;
    line.nameBegin = offset(name);
    line.nameLength = name.size();
    line.valueBegin = offset(value);
    line.valueLength = value.size();
    return line;
}

const ProfileDocument::Block* ProfileDocument::findSection(std::string_view section) const
{
    const auto found = m_sections.find(FoldedName(TrimBlanks(section)));
    return found == m_sections.end() ? nullptr : &m_blocks[found->second];
}

std::optional<std::size_t> ProfileDocument::findKey(const Block& block, std::string_view key)
{
    const auto found = block.keys.find(FoldedName(TrimBlanks(key)));
    if (found == block.keys.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string_view> ProfileDocument::findValue(std::string_view section,
                                                           std::string_view key) const
{
    const Block* block = findSection(section);
    if (!block)
        return std::nullopt;
    const auto line = findKey(*block, key);
    if (!line)
        return std::nullopt;
    return WithoutEnclosingQuotes(block->lines[*line].value());
}

int ProfileDocument::readText(std::string_view section, std::string_view key, std::string& buffer,
                              int capacity, std::string_view defaultValue) const
{
    buffer.clear();
    if (capacity <= 0)
        return 0;
    const auto value = findValue(section, key);
    const std::string fallback = value ? std::string() : TextEncoding::toUtf8(defaultValue);
    const std::string_view text = value ? *value : std::string_view(fallback);
    buffer = TextEncoding::leadingCharacters(text, static_cast<std::size_t>(capacity) - 1);
    return static_cast<int>(TextEncoding::characterCount(buffer));
}

int ProfileDocument::readInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto value = findValue(section, key);
    if (!value || value->empty())
        return defaultValue;
    std::string_view text = TrimLeadingBlanks(*value);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    // Digits beyond the range wrap around modulo 2^32, as on Windows.
    std::uint32_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10u + static_cast<std::uint32_t>(c - '0');
    }
    return static_cast<int>(negative ? 0u - number : number);
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key,
                               std::string_view value)
{
    const std::string sectionName(TrimLeadingBlanks(singleLine(section)));
    const std::string keyName(TrimLeadingBlanks(singleLine(key)));
    const std::string text(TrimLeadingBlanks(singleLine(value)));
    const Block* found = findSection(sectionName);
    if (!found) {
        appendLine(analyse("[" + sectionName + "]"));
        appendLine(analyse(keyName + "=" + text));
        m_modified = true;
        return true;
    }
    const auto block = static_cast<std::size_t>(found - m_blocks.data());
    std::vector<Line>& lines = m_blocks[block].lines;
    if (const auto line = findKey(*found, keyName)) {
        Line& entry = lines[*line];
        if (entry.value() == text)
            return false;
        entry = analyse(std::string(entry.name()) + "=" + text);
    } else {
        // A new key goes after the section's last line that is not blank.
        std::size_t last = lines.size();
        while (last > 1 && lines[last - 1].kind == Kind::Blank)
            --last;
        insertLine(block, last, analyse(keyName + "=" + text));
    }
    m_modified = true;
    return true;
}

std::string ProfileDocument::serialise() const
{
    std::size_t size = 0;
    for (const Block& block : m_blocks) {
        for (const Line& line : block.lines)
            size += line.text.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const Block& block : m_blocks) {
        for (const Line& line : block.lines) {
            text += line.text;
            text += "\r\n";
        }
    }
    switch (m_encoding) {
    case Encoding::Utf8WithMark:
        return std::string(utf8Mark) + text;
    case Encoding::Utf16LittleEndian:
        return std::string(utf16LittleEndianMark) + TextEncoding::toUtf16(text, false);
    case Encoding::Utf16BigEndian:
        return std::string(utf16BigEndianMark) + TextEncoding::toUtf16(text, true);
    case Encoding::Cp1252OrUtf8:
        break;
    }
    std::string bytes = TextEncoding::toCp1252OrUtf8(text);
    // A file whose text opens as a byte order mark would ("ÿþ") reads back
    // the same only behind a real mark.
    if (startsWithMark(bytes))
        return std::string(utf8Mark) + text;
    return bytes;
}
