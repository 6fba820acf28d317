#pragma once

#include "drills/DrillRecord.h"

#include <memory>
#include <string>
#include <vector>

enum class DrillNodeKind
{
    Category,
    Drill
};

// One node of the drill library: a category with children, or a drill that
// owns its record. Nodes are created, moved and removed through DrillTree.
class DrillNode
{
public:
    DrillNode(DrillNodeKind kind, DrillRecord record);

    DrillNodeKind kind() const { return m_kind; }
    bool isCategory() const { return m_kind == DrillNodeKind::Category; }
    bool isDrill() const { return m_kind == DrillNodeKind::Drill; }

    const std::string& label() const { return m_record.name; }
    void setLabel(std::string label) { m_record.name = std::move(label); }

    // The drill's record; null for a category.
    const DrillRecord* record() const { return isDrill() ? &m_record : nullptr; }
    DrillRecord* record() { return isDrill() ? &m_record : nullptr; }

    DrillNode* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<DrillNode>>& children() const { return m_children; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    DrillNode* child(int i) const { return m_children[i].get(); }
    int indexInParent() const; // -1 for the root

    int level() const;                                    // number of ancestors: 0 for the root
    int subtreeHeight() const;                            // levels below this node: 0 for a leaf
    int subtreeSize() const;                              // this node and all below it
    bool isDescendantOf(const DrillNode& ancestor) const; // false for the node itself

private:
    friend class DrillTree;

    DrillNodeKind m_kind;
    DrillRecord m_record; // a category uses the name only
    DrillNode* m_parent = nullptr;
    std::vector<std::unique_ptr<DrillNode>> m_children;
};
