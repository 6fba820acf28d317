// Arbitrary bytes as a drill pattern and its names: the tree read from them
// keeps its limits, and the activity choices stay within theirs.
// Input: the pattern, then after the first NUL byte the names, one a line.

#include "drills/ActivityChoices.h"
#include "drills/DrillPattern.h"
#include "drills/DrillTree.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

class FuzzedKeys : public DrillKeySource
{
public:
    explicit FuzzedKeys(std::string_view names)
    {
        std::size_t start = 0;
        while (start <= names.size()) {
            const std::size_t end = std::min(names.find('\n', start), names.size());
            m_names.emplace_back(names.substr(start, end - start));
            start = end + 1;
        }
    }

    std::string categoryName(int index) const override { return name(2 * index); }
    std::string drillName(int index) const override { return name(2 * index + 1); }
    DrillRecord drillRecord(int index) const override
    {
        return {drillName(index), index, name(index)};
    }

private:
    std::string name(int index) const
    {
        require(index >= 0);
        return m_names[static_cast<std::size_t>(index) % m_names.size()];
    }

    std::vector<std::string> m_names;
};

void checkTree(const DrillTree& tree)
{
    int count = 0;
    tree.walk([&count](const DrillNode& node, int depth) {
        ++count;
        require(depth - 1 == node.level() && node.level() <= DrillTree::MaxLevel);
        require(node.isCategory() || node.childCount() == 0);
        require((node.record() != nullptr) == node.isDrill());
    });
    require(count == tree.nodeCount() && count <= DrillTree::MaxNodes);
    require(tree.root().isCategory() && tree.root().parent() == nullptr);
}

void checkChoices(const ActivityChoices& choices)
{
    require(choices.choices.size() <= ActivityChoices::MaxChoices);
    require(choices.choiceToDrill.size() == choices.choices.size());
    require(choices.drillToChoice.size() == choices.drillNames.size());
    for (std::size_t d = 0; d < choices.drillToChoice.size(); ++d)
        require(choices.choiceToDrill[choices.drillToChoice[d]] == static_cast<int>(d));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const std::string_view pattern = input.substr(0, split);
    const FuzzedKeys keys(input.substr(std::min(split + 1, input.size())));

    DrillTree tree;
    DecodeDrillPattern(pattern, keys, tree);
    checkTree(tree);

    // What the tree writes must read back as the same shape.
    const std::string encoded = EncodeDrillPattern(tree);
    require(encoded.size() == 2 * static_cast<std::size_t>(tree.nodeCount()));
    DrillTree again;
    require(DecodeDrillPattern(encoded, keys, again).empty());
    require(EncodeDrillPattern(again) == encoded);

    checkChoices(BuildActivityChoices(pattern, keys));
    return 0;
}
