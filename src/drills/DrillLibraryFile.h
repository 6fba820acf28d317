#pragma once

#include "drills/DrillPattern.h"

#include <memory>
#include <string>

class DrillTree;
class ProfileSnapshot;

// drills.db in the data folder: sections "Pattern", "Cat", "Drl", "Mins" and
// "Emph" with indexed keys.
inline constexpr const char* DrillLibraryFileName = "drills.db";

// The longest value drills.db gives back.
inline constexpr int DrillValueLimit = 513;

// The keys of drills.db as read once, with room for 513 characters a value.
class DrillFileKeys : public DrillKeySource
{
public:
    DrillFileKeys();
    ~DrillFileKeys() override;

    std::string pattern() const; // the whole pattern, up to 1000 characters
    std::string categoryName(int index) const override;
    std::string drillName(int index) const override;
    DrillRecord drillRecord(int index) const override;

private:
    std::unique_ptr<ProfileSnapshot> m_snapshot;
};

// Replaces `tree` with the library in drills.db; a missing file or pattern
// gives the lone default root. Returns the error to show the coach (the nodes
// read before it stay), or an empty text.
std::string LoadDrillLibrary(DrillTree& tree);

// Writes the whole tree in one batch, with the bytes the single writes of the
// save order would leave. Returns false when drills.db could not be written.
bool SaveDrillLibrary(const DrillTree& tree);
