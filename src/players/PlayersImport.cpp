#include "players/PlayersImport.h"

#include "players/PlayersListRules.h"
#include "store/PlainText.h"
#include "store/TextEncoding.h"

#include <limits>
#include <unordered_set>

namespace {

std::string counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

} // namespace

namespace PlayersImport {

std::string ImportedName(std::string_view row, bool* cut)
{
    const std::string whole = StoredText(row, std::numeric_limits<std::size_t>::max());
    const bool tooLong = TextEncoding::characterCount(whole) >
                         static_cast<std::size_t>(PlayersListRules::MaxNameLength);
    if (cut)
        *cut = tooLong;
    return tooLong ? PlayersListRules::TypedName(row) : whole;
}

Preview Classify(const std::vector<std::string>& rows, const std::vector<std::string>& listed)
{
    Preview preview;
    std::unordered_set<std::string> known;
    for (const std::string& name : listed)
        known.insert(FoldedName(name));
    const std::size_t room = listed.size() < MostPlayers ? MostPlayers - listed.size() : 0;
    for (const std::string& row : rows) {
        bool cut = false;
        std::string name = ImportedName(row, &cut);
        if (name.empty()) {
            ++preview.blankRows;
        } else if (known.count(FoldedName(name)) > 0) {
            preview.present.push_back(std::move(name));
        } else if (preview.added.size() < room) {
            known.insert(FoldedName(name));
            preview.cutNames += cut;
            preview.added.push_back(std::move(name));
        } else {
            ++preview.leftOut;
        }
    }
    return preview;
}

std::string ProblemMessage(RosterFile::Problem problem, const std::string& path)
{
    switch (problem) {
    case RosterFile::Problem::None:
        break;
    case RosterFile::Problem::Unreadable:
        return "Cannot read the file " + path + ".";
    case RosterFile::Problem::TooLarge:
        return "The file " + path + " is too large to be a list of players.";
    case RosterFile::Problem::Binary:
        return "The file " + path +
               " holds no text.  Save the list as CSV or as plain text and import that file.";
    case RosterFile::Problem::Empty:
        return "The file " + path + " holds no names.";
    }
    return {};
}

std::vector<std::string> Notes(const Preview& preview)
{
    std::vector<std::string> notes;
    if (preview.blankRows > 0)
        notes.push_back(counted(preview.blankRows, "blank row", "blank rows") + " skipped.");
    if (preview.cutNames > 0)
        notes.push_back(counted(preview.cutNames, "name", "names") + " cut to 255 characters.");
    if (preview.leftOut > 0) {
        notes.push_back(counted(preview.leftOut, "name", "names") +
                        " left out: the list holds at most " + std::to_string(MostPlayers) +
                        " players.");
    }
    return notes;
}

} // namespace PlayersImport
