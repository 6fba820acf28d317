#pragma once

#include "drills/DrillNode.h"

#include <functional>
#include <memory>
#include <string>

// The drill library: one root category, at most MaxNodes nodes in all and no
// node deeper than MaxLevel. Every change goes through here, so the limits
// hold whatever the caller asks.
class DrillTree
{
public:
    static constexpr int MaxNodes = 500;
    static constexpr int MaxLevel = 8;
    static constexpr const char* DefaultRootName = "Practice Plan Drills ";

    explicit DrillTree(std::string rootName = DefaultRootName);
    DrillTree(DrillTree&&) noexcept;
    DrillTree& operator=(DrillTree&&) noexcept;
    ~DrillTree();

    DrillNode& root() { return *m_root; }
    const DrillNode& root() const { return *m_root; }
    int nodeCount() const { return m_nodeCount; }

    // A new last child of `parent`, or null when the tree is full, the parent
    // is a drill, or the child would be deeper than MaxLevel.
    DrillNode* appendCategory(DrillNode& parent, std::string name);
    DrillNode* appendDrill(DrillNode& parent, DrillRecord record);
    bool canAppendTo(const DrillNode& parent) const;

    // Removes the node and everything below it; the root stays.
    void remove(DrillNode& node);

    // Whether `node` may become a child of `newParent`: not the root, the new
    // parent a category outside the node's subtree, and the subtree still
    // within MaxLevel there.
    bool canMove(const DrillNode& node, const DrillNode& newParent) const;
    // Moves the subtree to `newParent` at `position` among its children
    // (clamped; counted after the node left its old place). False, changing
    // nothing, when canMove says no.
    bool move(DrillNode& node, DrillNode& newParent, int position);

    // The drop rules of the drill list, in the order they are checked: no
    // target, a drill as target, a target that is the node itself, below it
    // or its present parent (or nothing dragged), a subtree that would go
    // deeper than MaxLevel. Allowed means move(dragged, target, last).
    enum class Drop
    {
        NoTarget,
        OntoDrill,
        NotHere,
        TooDeep,
        Allowed
    };
    static Drop checkDrop(const DrillNode* dragged, const DrillNode* target);

    using LessThan = std::function<bool(const DrillNode&, const DrillNode&)>;
    void sortChildren(DrillNode& parent, const LessThan& lessThan);

    // Pre-order, children in display order; depth 1 for the root.
    using Visitor = std::function<void(const DrillNode&, int depth)>;
    void walk(const Visitor& visit) const;

private:
    DrillNode* append(DrillNode& parent, DrillNodeKind kind, DrillRecord record);

    std::unique_ptr<DrillNode> m_root;
    int m_nodeCount = 1;
};
