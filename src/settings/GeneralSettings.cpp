#include "settings/GeneralSettings.h"

#include "store/PlainText.h"
#include "store/ProfileStore.h"

namespace GeneralSettings {

bool isYes(const std::string& value)
{
    return EqualsIgnoringCase(value, "TRUE");
}

bool readYesNo(const std::string& key, bool defaultYes)
{
    return isYes(readText(key, defaultYes ? "TRUE" : "FALSE"));
}

std::string readText(const std::string& key, const std::string& defaultValue)
{
    std::string value;
    ReadProfileText(File, Section, key, value, Capacity, defaultValue, -1, true);
    return value;
}

int readInt(const std::string& key, int defaultValue)
{
    return ReadProfileInt(File, Section, key, defaultValue, -1, true);
}

bool writeText(const std::string& key, const std::string& value)
{
    return WriteProfileText(File, Section, key, value, -1, true);
}

bool writeInt(const std::string& key, int value)
{
    return WriteProfileInt(File, Section, key, value, -1, true);
}

Rgb colorFromStored(int value)
{
    const auto bits = static_cast<unsigned>(value);
    return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
            static_cast<int>((bits >> 16) & 0xFF)};
}

int storedFromColor(const Rgb& color)
{
    return (color.red & 0xFF) | ((color.green & 0xFF) << 8) | ((color.blue & 0xFF) << 16);
}

TeamBanner readTeamBanner()
{
    TeamBanner banner;
    banner.name = readText("TeamName");
    banner.backgroundColor = readInt("TeamColorBG", banner.backgroundColor);
    banner.fontName = readText("TeamFontName", banner.fontName);
    banner.textColor = readInt("TeamColorFG", banner.textColor);
    banner.fontStyle = readInt("TeamFontStyle", banner.fontStyle);
    return banner;
}

} // namespace GeneralSettings
