#pragma once

#include <string>
#include <string_view>
#include <vector>

class DrillKeySource;

inline constexpr std::string_view MaxChoicesMessage =
    "Maximum number of Drills & Categories reached";

// The drill library as a plan offers it for its activities: every category
// and drill below the root in tree order, indented by four blanks a level
// below the first.
struct ActivityChoices
{
    static constexpr int MaxChoices = 500;

    std::vector<std::string> choices;
    std::vector<std::string> drillNames; // drill numbers index this
    std::vector<int> choiceToDrill;      // per choice: its drill number, -1 for a category
    std::vector<int> drillToChoice;      // per drill number: its choice
    std::string error;                   // to show when not empty; the choices stay usable

    // The drill number of `name` ignoring ASCII letter case, or -1.
    int findDrill(std::string_view name) const;
};

ActivityChoices BuildActivityChoices(std::string_view pattern, const DrillKeySource& keys);
// From drills.db in the data folder.
ActivityChoices LoadActivityChoices();

// A drill's stored "Mins" and "Emph" texts, read with room for 255 characters.
struct DrillDefaults
{
    std::string minutes;
    std::string emphasis;
};
DrillDefaults ReadDrillDefaults(int drill);
