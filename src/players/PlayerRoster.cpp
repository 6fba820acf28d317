#include "players/PlayerRoster.h"

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

} // namespace PlayerRoster
