// Arbitrary bytes as a list of players to import: every row's name must be
// one line of valid UTF-8 without blanks at its ends, the names an import
// adds must be new, distinct and within 255 characters, a CSV export of them
// must import as the same names, and each must key its own rating.

#include "players/PlayerRatings.h"
#include "players/PlayersImport.h"
#include "players/RosterFile.h"
#include "store/PlainText.h"
#include "store/ProfileDocument.h"
#include "store/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRow(const std::string& name)
{
    require(TextEncoding::isValidUtf8(name));
    require(TrimControls(name) == name);
    for (const char c : name)
        require(static_cast<unsigned char>(c) >= 0x20 && c != '\x7F');
}

void checkRatingKeys(const std::vector<std::string>& names)
{
    ProfileDocument document;
    const std::size_t count = std::min<std::size_t>(names.size(), 16);
    for (std::size_t i = 0; i < count; ++i)
        document.setValue(PlayerRatings::Section, PlayerRatings::KeyOf(names[i]),
                          std::to_string(i % 5 + 1));
    const ProfileDocument again = ProfileDocument::parse(document.serialise());
    for (std::size_t i = 0; i < count; ++i) {
        const int rating = again.readInt(PlayerRatings::Section, PlayerRatings::KeyOf(names[i]), 0);
        require(rating == static_cast<int>(i % 5 + 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RosterFile::Rows rows = RosterFile::Read(bytes);
    require(rows.problem == RosterFile::Problem::None || rows.names.empty());
    for (const std::string& name : rows.names)
        checkRow(name);

    // A list holding every third row's name, in another letter case.
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < rows.names.size(); i += 3)
        listed.push_back(rows.names[i]);
    const PlayersImport::Preview preview = PlayersImport::Classify(rows.names, listed);
    std::unordered_set<std::string> seen;
    for (const std::string& name : listed)
        seen.insert(FoldedName(name));
    for (const std::string& name : preview.added) {
        require(!name.empty() && TextEncoding::characterCount(name) <= 255);
        require(seen.insert(FoldedName(name)).second);
    }

    const std::string exported = RosterFile::Bytes(preview.added, RosterFile::Format::Csv);
    require(RosterFile::Read(exported).names == preview.added);
    checkRatingKeys(preview.added);
    return 0;
}
