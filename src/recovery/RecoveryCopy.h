#pragma once

#include "store/FileFingerprint.h"

#include <optional>
#include <string>

class ProfileBatch;

// A recovery copy of a document with unsaved edits: the document in its own
// format, headed by a section "Recovery" that says what kind of document it
// is, where it belongs, and what its window had read from there.
struct RecoveryCopy
{
    std::string file;         // the copy itself
    std::string kind;         // the document's extension: "pln", "gev" or "rep"
    std::string originalPath; // empty for a plan that was never saved
    FileFingerprint original; // the document as its window read it

    // Writes the heading into `copy`, before the document's own keys.
    void writeHeader(ProfileBatch& copy) const;
    // The copy at `file`; nothing when it cannot be read or is no recovery copy.
    static std::optional<RecoveryCopy> read(const std::string& file);
};
