#pragma once

#include "players/RosterFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What an imported file brings to the players list, decided before anything
// changes, so the coach sees it first.
namespace PlayersImport {

// An import stops where the list would hold more players than this.
inline constexpr std::size_t MostPlayers = 10000;

struct Preview
{
    std::vector<std::string> added;   // new names, in file order
    std::vector<std::string> present; // rows whose name the list holds, or an earlier row
    int blankRows = 0;
    int cutNames = 0;
    int leftOut = 0; // new names beyond MostPlayers
};

// The name a row of the file adds, as the players list takes a typed one
// (PlayersListRules::TypedName): what the file will give back, cut to 255
// characters; empty when the row has none. `cut` tells whether the name was
// longer.
std::string ImportedName(std::string_view row, bool* cut = nullptr);

// The rows against the names on the list, compared ignoring case.
Preview Classify(const std::vector<std::string>& rows, const std::vector<std::string>& listed);

// The message for a file that brings nothing; empty for Problem::None.
std::string ProblemMessage(RosterFile::Problem problem, const std::string& path);
// The lines below the two lists of the preview.
std::vector<std::string> Notes(const Preview& preview);

} // namespace PlayersImport
