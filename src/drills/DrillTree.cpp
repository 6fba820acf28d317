#include "drills/DrillTree.h"

#include <algorithm>

namespace {

void walkFrom(const DrillNode& node, int depth, const DrillTree::Visitor& visit)
{
    visit(node, depth);
    for (const auto& child : node.children())
        walkFrom(*child, depth + 1, visit);
}

} // namespace

DrillTree::DrillTree(std::string rootName)
    : m_root(std::make_unique<DrillNode>(DrillNodeKind::Category,
                                         DrillRecord{std::move(rootName), 0, {}}))
{
}

DrillTree::DrillTree(DrillTree&&) noexcept = default;
DrillTree& DrillTree::operator=(DrillTree&&) noexcept = default;
DrillTree::~DrillTree() = default;

bool DrillTree::canAppendTo(const DrillNode& parent) const
{
    return m_nodeCount < MaxNodes && parent.isCategory() && parent.level() < MaxLevel;
}

DrillNode* DrillTree::append(DrillNode& parent, DrillNodeKind kind, DrillRecord record)
{
    if (!canAppendTo(parent))
        return nullptr;
    auto node = std::make_unique<DrillNode>(kind, std::move(record));
    node->m_parent = &parent;
    parent.m_children.push_back(std::move(node));
    ++m_nodeCount;
    return parent.m_children.back().get();
}

DrillNode* DrillTree::appendCategory(DrillNode& parent, std::string name)
{
    return append(parent, DrillNodeKind::Category, DrillRecord{std::move(name), 0, {}});
}

DrillNode* DrillTree::appendDrill(DrillNode& parent, DrillRecord record)
{
    return append(parent, DrillNodeKind::Drill, std::move(record));
}

void DrillTree::remove(DrillNode& node)
{
    DrillNode* parent = node.parent();
    if (!parent)
        return;
    m_nodeCount -= node.subtreeSize();
    parent->m_children.erase(parent->m_children.begin() + node.indexInParent());
}

bool DrillTree::canMove(const DrillNode& node, const DrillNode& newParent) const
{
    return node.parent() && newParent.isCategory() && &newParent != &node &&
           !newParent.isDescendantOf(node) &&
           newParent.level() + 1 + node.subtreeHeight() <= MaxLevel;
}

bool DrillTree::move(DrillNode& node, DrillNode& newParent, int position)
{
    if (!canMove(node, newParent))
        return false;
    auto& oldSiblings = node.parent()->m_children;
    const auto at = oldSiblings.begin() + node.indexInParent();
    std::unique_ptr<DrillNode> owned = std::move(*at);
    oldSiblings.erase(at);
    auto& siblings = newParent.m_children;
    position = std::clamp(position, 0, static_cast<int>(siblings.size()));
    owned->m_parent = &newParent;
    siblings.insert(siblings.begin() + position, std::move(owned));
    return true;
}

DrillTree::Drop DrillTree::checkDrop(const DrillNode* dragged, const DrillNode* target)
{
    if (!target)
        return Drop::NoTarget;
    if (target->isDrill())
        return Drop::OntoDrill;
    if (!dragged || target == dragged || target->isDescendantOf(*dragged) ||
        target == dragged->parent())
        return Drop::NotHere;
    if (target->level() + 1 + dragged->subtreeHeight() > MaxLevel)
        return Drop::TooDeep;
    return Drop::Allowed;
}

void DrillTree::sortChildren(DrillNode& parent, const LessThan& lessThan)
{
    std::stable_sort(parent.m_children.begin(), parent.m_children.end(),
                     [&lessThan](const auto& a, const auto& b) { return lessThan(*a, *b); });
}

void DrillTree::walk(const Visitor& visit) const
{
    walkFrom(*m_root, 1, visit);
}
