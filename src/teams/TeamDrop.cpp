#include "teams/TeamDrop.h"

#include "teams/TeamSet.h"

#include <algorithm>

namespace TeamDrop {

bool CanDrop(const ListRef& target, const ListRef* source)
{
    return source && source->id != target.id;
}

namespace {

bool hasRoom(const std::vector<std::string>& target, ListKind kind, int playersPerTeam)
{
    return kind == ListKind::Unassigned ||
           target.size() < static_cast<std::size_t>(playersPerTeam) + 1;
}

void place(std::vector<std::string>& target, ListKind kind, const std::string& name,
           const NameLess& alphabetical)
{
    if (kind == ListKind::Team) {
        target.push_back(name);
        return;
    }
    target.insert(std::upper_bound(target.begin(), target.end(), name, alphabetical), name);
}

} // namespace

std::vector<std::string> DropPlayers(std::vector<std::string>& target, ListKind targetKind,
                                     int playersPerTeam, std::vector<std::string>& source,
                                     const std::vector<bool>& selected,
                                     const NameLess& alphabetical)
{
    std::vector<std::string> moved;
    for (std::size_t i = 0; i < source.size() && i < selected.size(); ++i) {
        if (!selected[i] || !hasRoom(target, targetKind, playersPerTeam))
            continue;
        place(target, targetKind, source[i], alphabetical);
        moved.push_back(source[i]);
    }
    for (const std::string& name : moved)
        RemoveFirstName(source, name);
    return moved;
}

} // namespace TeamDrop
