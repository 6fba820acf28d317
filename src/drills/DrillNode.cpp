#include "drills/DrillNode.h"

#include <algorithm>

DrillNode::DrillNode(DrillNodeKind kind, DrillRecord record)
    : m_kind(kind), m_record(std::move(record))
{
}

int DrillNode::indexInParent() const
{
    if (!m_parent)
        return -1;
    const auto& siblings = m_parent->m_children;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto& sibling) { return sibling.get() == this; });
    return static_cast<int>(it - siblings.begin());
}

int DrillNode::level() const
{
    int level = 0;
    for (const DrillNode* node = m_parent; node; node = node->m_parent)
        ++level;
    return level;
}

int DrillNode::subtreeHeight() const
{
    int height = 0;
    for (const auto& child : m_children)
        height = std::max(height, child->subtreeHeight() + 1);
    return height;
}

int DrillNode::subtreeSize() const
{
    int size = 1;
    for (const auto& child : m_children)
        size += child->subtreeSize();
    return size;
}

bool DrillNode::isDescendantOf(const DrillNode& ancestor) const
{
    for (const DrillNode* node = m_parent; node; node = node->m_parent) {
        if (node == &ancestor)
            return true;
    }
    return false;
}
