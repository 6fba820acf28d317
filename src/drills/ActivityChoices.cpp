#include "drills/ActivityChoices.h"

#include "drills/DrillLibraryFile.h"
#include "store/PlainText.h"
#include "store/ProfileSnapshot.h"

#include <algorithm>

namespace {

constexpr int DefaultsCapacity = 256;
const std::string Indent = "    ";

std::string indented(const std::string& name, int depth)
{
    std::string choice;
    for (int level = 2; level < depth; ++level)
        choice += Indent;
    return choice + name;
}

} // namespace

int ActivityChoices::findDrill(std::string_view name) const
{
    const auto it = std::find_if(drillNames.begin(), drillNames.end(), [name](const auto& drill) {
        return EqualsIgnoringCase(drill, name);
    });
    return it == drillNames.end() ? -1 : static_cast<int>(it - drillNames.begin());
}

// The root is the first pair and Cat0: the choices start after it.
ActivityChoices BuildActivityChoices(std::string_view pattern, const DrillKeySource& keys)
{
    ActivityChoices result;
    const std::vector<DrillPatternPair> pairs = DrillPatternPairs(pattern);
    int categories = 1;
    for (std::size_t i = 1; i < pairs.size(); ++i) {
        const DrillPatternPair& pair = pairs[i];
        const int choice = static_cast<int>(result.choices.size());
        std::string name;
        if (pair.isCategory()) {
            name = keys.categoryName(categories++);
            result.choiceToDrill.push_back(-1);
        } else {
            // Only a drill counts against the limit; a category after it still joins.
            if (choice >= ActivityChoices::MaxChoices) {
                result.error = std::string(MaxChoicesMessage);
                break;
            }
            const int drill = static_cast<int>(result.drillNames.size());
            name = keys.drillName(drill);
            result.drillNames.push_back(name);
            result.choiceToDrill.push_back(drill);
            result.drillToChoice.push_back(choice);
        }
        result.choices.push_back(indented(name, pair.depthValue()));
    }
    return result;
}

ActivityChoices LoadActivityChoices()
{
    const DrillFileKeys keys;
    return BuildActivityChoices(keys.pattern(), keys);
}

DrillDefaults ReadDrillDefaults(int drill)
{
    const ProfileSnapshot file(DrillLibraryFileName, true);
    return {file.text("Mins", "Mins", DefaultsCapacity, {}, drill),
            file.text("Emph", "Emph", DefaultsCapacity, {}, drill)};
}
