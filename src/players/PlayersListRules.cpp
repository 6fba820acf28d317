#include "players/PlayersListRules.h"

#include "store/PlainText.h"

namespace PlayersListRules {

std::string TypedName(std::string_view typed)
{
    return TrimControls(typed);
}

int RowAfterDelete(int removed, int remaining)
{
    if (remaining <= 0)
        return -1;
    return removed < remaining ? removed : remaining - 1;
}

std::string AddBeforeClosingQuestion(const std::string& name)
{
    return "Add '" + name + "' before closing?";
}

std::string SaveFailedMessage(const std::string& path)
{
    return "Cannot write the file " + path + ".  The players list was not saved.";
}

std::string CloseWithoutSavingQuestion()
{
    return "Close the players list without saving your changes?";
}

} // namespace PlayersListRules
