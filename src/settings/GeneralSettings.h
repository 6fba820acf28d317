#pragma once

#include <string>

// The settings of section "General" of prefs.db and their encodings: yes/no
// values are "TRUE"/"FALSE", colours are 00BBGGRR integers, font styles are
// bits (1 bold, 2 italic).
namespace GeneralSettings {

inline constexpr const char* File = "prefs.db";
inline constexpr const char* Section = "General";
inline constexpr int Capacity = 256;

inline constexpr int StyleBold = 1;
inline constexpr int StyleItalic = 2;

// Yes exactly when the value equals "TRUE" without regard to letter case.
bool isYes(const std::string& value);
// Reads a yes/no key of "General" whose default is "TRUE" or "FALSE".
bool readYesNo(const std::string& key, bool defaultYes);

std::string readText(const std::string& key, const std::string& defaultValue = {});
int readInt(const std::string& key, int defaultValue);
bool writeText(const std::string& key, const std::string& value);
bool writeInt(const std::string& key, int value);

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
Rgb colorFromStored(int value);
int storedFromColor(const Rgb& color);

// The team banner as stored; name empty when no team name is stored.
struct TeamBanner
{
    std::string name;
    int backgroundColor = 16777215; // white
    std::string fontName = "Arial";
    int textColor = 16711680; // blue
    int fontStyle = StyleBold;
};
TeamBanner readTeamBanner();

} // namespace GeneralSettings
