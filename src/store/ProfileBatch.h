#pragma once

#include <memory>
#include <string>

class ProfileDocument;

// Many writes to one profile file as one: the file is read once when the batch
// starts and replaced once, atomically, by commit(). The bytes on disk are the
// same as the single writes would leave, in the same order.
class ProfileBatch
{
public:
    ProfileBatch(const std::string& file, bool inDataDir);
    // A batch bound to no file, starting empty: its bytes are serialised().
    ProfileBatch();
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    void writeText(const std::string& section, const std::string& key, const std::string& value,
                   int index = -1);
    void writeInt(const std::string& section, const std::string& key, int value, int index = -1);

    // Returns false, leaving the file as it was, when it cannot be written.
    bool commit();
    // The bytes commit() would write.
    std::string serialised() const;

private:
    std::string m_path;
    std::unique_ptr<ProfileDocument> m_document;
};
