#include "store/ProfileBatch.h"

#include "store/ProfileDocument.h"
#include "store/ProfileStore.h"

ProfileBatch::ProfileBatch(const std::string& file, bool inDataDir)
    : m_path(ProfileFilePath(file, inDataDir)),
      m_document(std::make_unique<ProfileDocument>(ProfileDocument::load(m_path)))
{
}

ProfileBatch::ProfileBatch() : m_document(std::make_unique<ProfileDocument>()) {}

ProfileBatch::~ProfileBatch() = default;

void ProfileBatch::writeText(const std::string& section, const std::string& key,
                             const std::string& value, int index)
{
    m_document->setValue(section, IndexedKey(key, index), value);
}

void ProfileBatch::writeInt(const std::string& section, const std::string& key, int value,
                            int index)
{
    writeText(section, key, std::to_string(value), index);
}

bool ProfileBatch::commit()
{
    if (m_document->source() == ProfileDocument::Source::Unreadable)
        return false;
    if (!m_document->isModified())
        return true;
    const std::string bytes = m_document->serialise();
    if (!ReplaceProfileFile(m_path, bytes))
        return false;
    // Later writes and commits start from what is now on disk.
    *m_document = ProfileDocument::parse(bytes);
    return true;
}

std::string ProfileBatch::serialised() const
{
    return m_document->serialise();
}
