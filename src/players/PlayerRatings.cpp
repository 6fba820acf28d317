#include "players/PlayerRatings.h"

#include "store/PlainText.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

#include <unordered_map>

namespace {

constexpr int Capacity = 256;

bool needsEscape(std::string_view name, std::size_t i)
{
    const char c = name[i];
    if (c == '%' || c == '=' || static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
        return true;
    const bool edge = i == 0 || i + 1 == name.size();
    return (edge && IsBlank(c)) || (i == 0 && (c == '[' || c == ';'));
}

int ratingOf(const ProfileSnapshot& file, const std::string& name)
{
    const int rating =
        file.readInt(PlayerRatings::Section, PlayerRatings::KeyOf(name), PlayerRatings::None);
    return rating >= 1 && rating <= PlayerRatings::Highest ? rating : PlayerRatings::None;
}

} // namespace

namespace PlayerRatings {

std::string KeyOf(std::string_view name)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!needsEscape(name, i)) {
            key += name[i];
            continue;
        }
        const auto byte = static_cast<unsigned char>(name[i]);
        key += '%';
        key += Hex[byte >> 4];
        key += Hex[byte & 0xF];
    }
    return key;
}

std::vector<int> Read(const std::vector<std::string>& names)
{
    const ProfileSnapshot file(FileName, true);
    std::vector<int> ratings;
    ratings.reserve(names.size());
    for (const std::string& name : names)
        ratings.push_back(ratingOf(file, name));
    return ratings;
}

bool Write(const std::vector<Rated>& players, const std::vector<std::string>& former)
{
    const ProfileSnapshot stored(FileName, true);
    ProfileBatch file(FileName, true);
    std::unordered_map<std::string, const Rated*> listed;
    for (const Rated& player : players)
        listed.emplace(FoldedName(player.name), &player);
    const auto store = [&](const std::string& name, int rating) {
        if (rating != None)
            file.writeText(Section, KeyOf(name), std::to_string(rating));
        else if (!stored.text(Section, KeyOf(name), Capacity).empty())
            file.writeText(Section, KeyOf(name), std::string());
    };
    for (const Rated& player : players) {
        if (listed[FoldedName(player.name)] == &player) // one key per name, as first listed
            store(player.name, player.rating);
    }
    for (const std::string& name : former) {
        if (listed.count(FoldedName(name)) == 0)
            store(name, None);
    }
    return file.commit();
}

} // namespace PlayerRatings
