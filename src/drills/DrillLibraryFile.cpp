#include "drills/DrillLibraryFile.h"

#include "drills/DrillTree.h"
#include "formats/WholeNumber.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

namespace {

constexpr int PatternCapacity = 1001;
constexpr int ValueCapacity = DrillValueLimit + 1;

// Writes the node's keys and counts it, in the order the library is saved.
class LibraryWriter
{
public:
    explicit LibraryWriter(ProfileBatch& file) : m_file(file) {}

    void write(const DrillNode& node)
    {
        if (node.isCategory()) {
            m_file.writeText("Cat", "Cat", node.label(), m_categories++);
            return;
        }
        const DrillRecord& record = *node.record();
        m_file.writeText("Drl", "Drl", record.name, m_drills);
        m_file.writeInt("Mins", "Mins", record.minutes, m_drills);
        m_file.writeText("Emph", "Emph", record.emphasis, m_drills);
        ++m_drills;
    }

private:
    ProfileBatch& m_file;
    int m_categories = 0;
    int m_drills = 0;
};

} // namespace

DrillFileKeys::DrillFileKeys()
    : m_snapshot(std::make_unique<ProfileSnapshot>(DrillLibraryFileName, true))
{
}

DrillFileKeys::~DrillFileKeys() = default;

std::string DrillFileKeys::pattern() const
{
    return m_snapshot->text("Pattern", "Pattern", PatternCapacity, {}, 0);
}

std::string DrillFileKeys::categoryName(int index) const
{
    return m_snapshot->text("Cat", "Cat", ValueCapacity, {}, index);
}

std::string DrillFileKeys::drillName(int index) const
{
    return m_snapshot->text("Drl", "Drl", ValueCapacity, {}, index);
}

DrillRecord DrillFileKeys::drillRecord(int index) const
{
    return {drillName(index),
            LeadingInteger(m_snapshot->text("Mins", "Mins", ValueCapacity, {}, index)),
            m_snapshot->text("Emph", "Emph", ValueCapacity, {}, index)};
}

std::string LoadDrillLibrary(DrillTree& tree)
{
    const DrillFileKeys keys;
    return DecodeDrillPattern(keys.pattern(), keys, tree);
}

bool SaveDrillLibrary(const DrillTree& tree)
{
    ProfileBatch file(DrillLibraryFileName, true);
    LibraryWriter writer(file);
    tree.walk([&writer](const DrillNode& node, int) { writer.write(node); });
    file.writeText("Pattern", "Pattern", EncodeDrillPattern(tree), 0);
    return file.commit();
}
