#include "store/ProfileSnapshot.h"

#include "store/ProfileDocument.h"
#include "store/ProfileStore.h"

ProfileSnapshot::ProfileSnapshot(const std::string& file, bool inDataDir)
    : m_document(std::make_unique<ProfileDocument>(
          ProfileDocument::load(ProfileFilePath(file, inDataDir))))
{
}

ProfileSnapshot::~ProfileSnapshot() = default;

int ProfileSnapshot::readText(const std::string& section, const std::string& key,
                              std::string& buffer, int capacity, std::string_view defaultValue,
                              int index) const
{
    return m_document->readText(section, IndexedKey(key, index), buffer, capacity, defaultValue);
}

std::string ProfileSnapshot::text(const std::string& section, const std::string& key, int capacity,
                                  std::string_view defaultValue, int index) const
{
    std::string buffer;
    readText(section, key, buffer, capacity, defaultValue, index);
    return buffer;
}

int ProfileSnapshot::readInt(const std::string& section, const std::string& key, int defaultValue,
                             int index) const
{
    return m_document->readInt(section, IndexedKey(key, index), defaultValue);
}
