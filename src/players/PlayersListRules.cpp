#include "players/PlayersListRules.h"

#include "store/PlainText.h"

namespace PlayersListRules {

std::string TypedName(std::string_view typed)
{
    return StoredText(typed, MaxNameLength);
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

} // namespace PlayersListRules
