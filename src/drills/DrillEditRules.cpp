#include "drills/DrillEditRules.h"

#include "drills/DrillNode.h"
#include "formats/WholeNumber.h"

namespace {

void sortEveryList(DrillTree& tree, DrillNode& parent, const DrillTree::LessThan& lessThan)
{
    tree.sortChildren(parent, lessThan);
    for (const auto& child : parent.children())
        sortEveryList(tree, *child, lessThan);
}

} // namespace

std::string AddRefusal(const DrillTree& tree, const DrillNode& selected)
{
    if (selected.level() >= DrillTree::MaxLevel)
        return std::string(MaxDepthMessage);
    if (tree.nodeCount() >= DrillTree::MaxNodes)
        return std::string(MaxNodesMessage);
    if (selected.isDrill())
        return std::string(UnderDrillMessage);
    return {};
}

std::string DropMessage(DrillTree::Drop drop)
{
    switch (drop) {
    case DrillTree::Drop::OntoDrill:
        return std::string(UnderDrillMessage);
    case DrillTree::Drop::NotHere:
        return std::string(CannotDropMessage);
    case DrillTree::Drop::TooDeep:
        return std::string(MaxDepthMessage);
    case DrillTree::Drop::NoTarget:
    case DrillTree::Drop::Allowed:
        break;
    }
    return {};
}

std::string DeleteRefusal(const DrillNode& node)
{
    return node.parent() ? std::string() : std::string(DeleteRootMessage);
}

std::string DeleteQuestion(const DrillNode& node)
{
    if (node.isCategory())
        return "Delete " + node.label() + " and all sub-categories and drills?";
    return "Delete " + node.label() + "?";
}

void Relabel(DrillTree& tree, DrillNode& node, std::string label,
             const DrillTree::LessThan& lessThan)
{
    node.setLabel(std::move(label));
    if (DrillNode* parent = node.parent())
        tree.sortChildren(*parent, lessThan);
    else
        sortEveryList(tree, node, lessThan);
}

std::string MinutesRefusal(std::string_view minutes)
{
    const std::optional<int> value = ParseWholeNumber(minutes);
    if (!value)
        return std::string(MinutesNotWholeMessage);
    if (*value < 0)
        return std::string(MinutesNegativeMessage);
    return {};
}
