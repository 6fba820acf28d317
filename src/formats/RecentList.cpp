#include "formats/RecentList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string FileIdentity(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error)
        return fs::path(path).lexically_normal().string();
    const fs::path resolved = fs::weakly_canonical(absolute, error);
    return (error ? absolute.lexically_normal() : resolved).string();
}

std::vector<std::string> TidyRecentList(const std::vector<std::string>& list)
{
    std::vector<std::string> tidy;
    std::vector<std::string> identities;
    for (const std::string& path : list) {
        if (tidy.size() == RecentLimit)
            break;
        if (path.empty())
            continue;
        std::string identity = FileIdentity(path);
        if (std::find(identities.begin(), identities.end(), identity) != identities.end())
            continue;
        identities.push_back(std::move(identity));
        tidy.push_back(path);
    }
    return tidy;
}

std::vector<std::string> WithRecentDocument(const std::vector<std::string>& list,
                                            const std::string& path)
{
    std::vector<std::string> updated{path};
    updated.insert(updated.end(), list.begin(), list.end());
    return TidyRecentList(updated);
}

std::vector<std::string> WithoutDocument(const std::vector<std::string>& list,
                                         const std::string& path)
{
    const std::string identity = FileIdentity(path);
    std::vector<std::string> kept;
    for (const std::string& entry : TidyRecentList(list)) {
        if (FileIdentity(entry) != identity)
            kept.push_back(entry);
    }
    return kept;
}
