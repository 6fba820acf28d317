#pragma once

#include <memory>
#include <string>
#include <string_view>

class ProfileDocument;

// Many reads of one profile file from a single reading of it: each answer is
// the one the matching Read operation would give for the file as it was when
// the snapshot was taken.
class ProfileSnapshot
{
public:
    ProfileSnapshot(const std::string& file, bool inDataDir);
    ~ProfileSnapshot();
    ProfileSnapshot(const ProfileSnapshot&) = delete;
    ProfileSnapshot& operator=(const ProfileSnapshot&) = delete;

    int readText(const std::string& section, const std::string& key, std::string& buffer,
                 int capacity, std::string_view defaultValue = {}, int index = -1) const;
    std::string text(const std::string& section, const std::string& key, int capacity,
                     std::string_view defaultValue = {}, int index = -1) const;
    int readInt(const std::string& section, const std::string& key, int defaultValue,
                int index = -1) const;

private:
    std::unique_ptr<ProfileDocument> m_document;
};
