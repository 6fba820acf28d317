#include "drills/DrillPattern.h"

#include "drills/DrillTree.h"
#include "formats/WholeNumber.h"

#include <algorithm>

namespace {

// Bytes of the UTF-8 character at `pos`; a broken sequence counts one byte.
std::size_t characterLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead >= 0xF0 && lead < 0xF8   ? 4
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xC0 && lead < 0xE0 ? 2
                                                             : 1;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

std::string_view nextCharacter(std::string_view text, std::size_t& pos)
{
    const std::size_t length = characterLength(text, pos);
    const std::string_view character = text.substr(pos, length);
    pos += length;
    return character;
}

// Reads nodes into the tree, keeping the last node created at each level of
// the branch being read.
class PatternReader
{
public:
    PatternReader(const DrillKeySource& keys, DrillTree& tree) : m_keys(keys), m_tree(tree) {}

    void readRoot(const DrillPatternPair& pair)
    {
        m_tree = pair.isCategory() ? DrillTree(m_keys.categoryName(m_categories++)) : DrillTree();
        m_branch.assign(1, &m_tree.root());
        if (!pair.isCategory())
            readNode(pair);
    }

    void readNode(const DrillPatternPair& pair)
    {
        DrillNode* parent = parentFor(std::max(pair.depthValue() - 1, 1));
        DrillNode* node = pair.isCategory()
                              ? m_tree.appendCategory(*parent, m_keys.categoryName(m_categories++))
                              : m_tree.appendDrill(*parent, m_keys.drillRecord(m_drills++));
        if (!node)
            return;
        m_branch.resize(parent->level() + 1);
        m_branch.push_back(node);
    }

private:
    // The node created last one level up, or the deepest one when the depth
    // jumps; climbing past drills and the deepest level.
    DrillNode* parentFor(int level)
    {
        const std::size_t parentLevel = std::min<std::size_t>(level, m_branch.size()) - 1;
        DrillNode* parent = m_branch[parentLevel];
        while (parent->isDrill() || parent->level() >= DrillTree::MaxLevel)
            parent = parent->parent();
        return parent;
    }

    const DrillKeySource& m_keys;
    DrillTree& m_tree;
    std::vector<DrillNode*> m_branch;
    int m_categories = 0;
    int m_drills = 0;
};

} // namespace

int DrillPatternPair::depthValue() const
{
    if (depth.size() != 1 || depth[0] < '0' || depth[0] > '9')
        return -1;
    return depth[0] - '0';
}

std::vector<DrillPatternPair> DrillPatternPairs(std::string_view pattern)
{
    std::vector<DrillPatternPair> pairs;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::string_view kind = nextCharacter(pattern, pos);
        if (pos >= pattern.size())
            break;
        pairs.push_back({kind, nextCharacter(pattern, pos)});
    }
    return pairs;
}

std::string DecodeDrillPattern(std::string_view pattern, const DrillKeySource& keys,
                               DrillTree& tree)
{
    tree = DrillTree();
    PatternReader reader(keys, tree);
    bool first = true;
    for (const DrillPatternPair& pair : DrillPatternPairs(pattern)) {
        if (pair.depthValue() < 0)
            return NotValidIntegerMessage(pair.depth);
        if (first)
            reader.readRoot(pair);
        else if (tree.nodeCount() < DrillTree::MaxNodes)
            reader.readNode(pair);
        else
            break;
        first = false;
    }
    return {};
}

std::string EncodeDrillPattern(const DrillTree& tree)
{
    std::string pattern;
    tree.walk([&pattern](const DrillNode& node, int depth) {
        pattern += node.isCategory() ? 'C' : 'D';
        pattern += static_cast<char>('0' + depth);
    });
    return pattern;
}
