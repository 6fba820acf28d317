#pragma once

#include <string>
#include <string_view>
#include <vector>

class ProfileBatch;
struct LocaleFormats;
struct TextDocumentKind;

// A game evaluation or scouting report as stored: a date, an opponent or
// team, and its lines of text.
struct TextDocument
{
    std::string date;
    std::string team;
    std::vector<std::string> lines;

    bool operator==(const TextDocument&) const = default;
};

// The longest value a stored line may hold, as the file is read back.
inline constexpr int StoredLineLimit = 255;

// Reads the document at `path` (a full path) with one reading of the file.
// A missing or empty line comes back as one blank. A file that cannot be read
// gives an empty document, which counts as new.
TextDocument LoadTextDocument(const std::string& path, const TextDocumentKind& kind);
// A document without a date is new: today's date goes into it.
inline bool IsNewDocument(const TextDocument& document)
{
    return document.date.empty();
}

// Writes every key of the format in the kind's order with one read and one
// atomic write of the file; Line keys past the new count stay as they were.
// Returns false, leaving the file as it was, when it cannot be written.
bool SaveTextDocument(const std::string& path, const TextDocumentKind& kind,
                      const TextDocument& document);

// Writes every key of the format, in the kind's order, into `file`.
void WriteTextDocumentKeys(ProfileBatch& file, const TextDocumentKind& kind,
                           const TextDocument& document);

// Lines as they are stored: a line longer than the stored limit is cut into
// pieces of at most that many characters, each without the quotes the file
// would take off (UnquotedText); an empty last line is dropped.
std::vector<std::string> StoredLines(const std::vector<std::string>& displayed);

// What stops a document's date from being saved, in the order OK checks it.
enum class DateProblem
{
    None,
    Empty,
    Invalid
};
DateProblem CheckDocumentDate(std::string_view text, const LocaleFormats& formats, int currentYear);
// "'<text>' is not a valid date", the message of a failed conversion.
std::string NotValidDateMessage(std::string_view text);
