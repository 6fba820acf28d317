#include "evaluations/TextDocument.h"

#include "evaluations/TextDocumentKind.h"
#include "formats/CalendarDate.h"
#include "store/PlainText.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"
#include "store/TextEncoding.h"

#include <algorithm>

namespace {

constexpr int ValueCapacity = StoredLineLimit + 1;
// A hand-made count in the billions must not fill memory with blank lines.
constexpr int MaxLines = 1000000;

std::string headKeyName(const TextDocumentKind& kind, TextDocumentKind::HeadKey key)
{
    return std::string(key == TextDocumentKind::HeadKey::Date ? "Date" : kind.teamKey);
}

} // namespace

TextDocument LoadTextDocument(const std::string& path, const TextDocumentKind& kind)
{
    const ProfileSnapshot file(path, false);
    const std::string section(kind.section);
    TextDocument document;
    document.date = file.text(section, "Date", ValueCapacity);
    if (document.date.empty())
        return document;
    document.team = file.text(section, std::string(kind.teamKey), ValueCapacity);
    const int count = std::clamp(file.readInt(section, "NumLines", 0), 0, MaxLines);
    document.lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string line = file.text(section, "Line", ValueCapacity, {}, i);
        document.lines.push_back(line.empty() ? " " : std::move(line));
    }
    return document;
}

bool SaveTextDocument(const std::string& path, const TextDocumentKind& kind,
                      const TextDocument& document)
{
    ProfileBatch file(path, false);
    WriteTextDocumentKeys(file, kind, document);
    return file.commit();
}

void WriteTextDocumentKeys(ProfileBatch& file, const TextDocumentKind& kind,
                           const TextDocument& document)
{
    const std::string section(kind.section);
    for (TextDocumentKind::HeadKey key : kind.headOrder) {
        const bool date = key == TextDocumentKind::HeadKey::Date;
        file.writeText(section, headKeyName(kind, key), date ? document.date : document.team);
    }
    const int count = static_cast<int>(document.lines.size());
    file.writeInt(section, "NumLines", count);
    for (int i = 0; i < count; ++i)
        file.writeText(section, "Line", document.lines[i], i);
}

std::vector<std::string> StoredLines(const std::vector<std::string>& displayed)
{
    std::vector<std::string> stored;
    stored.reserve(displayed.size());
    for (const std::string& line : displayed) {
        std::string_view rest = line;
        do {
            const std::size_t piece = TextEncoding::leadingCharacters(rest, StoredLineLimit).size();
            stored.push_back(UnquotedText(rest.substr(0, piece), StoredLineLimit));
            rest.remove_prefix(piece);
        } while (!rest.empty());
    }
    if (!stored.empty() && stored.back().empty())
        stored.pop_back();
    return stored;
}

DateProblem CheckDocumentDate(std::string_view text, const LocaleFormats& formats, int currentYear)
{
    if (text.empty())
        return DateProblem::Empty;
    if (!ParseDate(text, formats, currentYear))
        return DateProblem::Invalid;
    return DateProblem::None;
}

std::string NotValidDateMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid date";
}
