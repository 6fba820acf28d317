#pragma once

#include <string>

// The settings the preferences dialog edits, as it loads them from prefs.db
// and writes them back on OK.
struct PreferenceValues
{
    bool autoNewPlan = true;
    bool showDefEmphasis = true;
    bool showOffEmphasis = true;
    std::string teamName;
    int teamColorFG = 16711680; // blue
    int teamColorBG = 16777215; // white
    // Empty unless a face is stored: the dialog then keeps the face it shows.
    std::string teamFontName;
    int teamFontStyle = 1; // bold

    bool operator==(const PreferenceValues&) const = default;
};

namespace Preferences {

// Longest team name the file gives back: the name field takes no more, and the
// writer stores a name as the file gives it back (StoredText), cut to it.
inline constexpr int MaxTeamNameLength = 255;

// Each setting from section "General", or its default when it is missing.
PreferenceValues Read();
// The eight settings in their fixed order, as one replacement of the file.
// False when the file cannot be written; it is then left as it was.
bool Write(const PreferenceValues& values);

int FontStyle(bool bold, bool italic);

} // namespace Preferences
