#include "players/PlayerRoster.h"

#include "store/PlainText.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

namespace PlayerRoster {

std::vector<std::string> Read()
{
    constexpr int Capacity = 256;
    const ProfileSnapshot file(FileName, true);
    std::vector<std::string> names;
    for (int i = 0;; ++i) {
        std::string name = file.text(Section, Key, Capacity, {}, i);
        if (name.empty())
            return names;
        names.push_back(std::move(name));
    }
}

bool Write(const std::vector<std::string>& names)
{
    ProfileBatch file(FileName, true);
    int index = 0;
    for (const std::string& name : names) {
        if (!StoredText(name).empty())
            file.writeText(Section, Key, name, index++);
    }
    file.writeText(Section, Key, std::string(), index);
    return file.commit();
}

} // namespace PlayerRoster
