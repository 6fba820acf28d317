#pragma once

#include <string>
#include <string_view>
#include <vector>

// The folder that holds the recovery copies of the program running on one
// data folder. Only one program runs per data folder, so every copy found
// there when it starts was left by a run that did not end normally.
class RecoveryFolder
{
public:
    static constexpr const char* AsideFolder = "unreadable/";

    // `path` ends with "/".
    explicit RecoveryFolder(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // Makes the folder when it is missing; false when it cannot be made or written.
    bool prepare() const;
    // Every file in it but those being written, in the order their names sort.
    std::vector<std::string> copies() const;
    // A name no copy has yet: the time, the process and a count.
    std::string newCopyPath(std::string_view kind) const;
    // Moves `file` into the folder's unreadable/ folder and returns where it
    // went; `file` itself when it cannot be moved.
    std::string keepAside(const std::string& file) const;

private:
    std::string m_path;
};
