#include "settings/PreferenceValues.h"

#include "settings/GeneralSettings.h"
#include "store/PlainText.h"
#include "store/ProfileBatch.h"
#include "store/ProfileSnapshot.h"

namespace Preferences {

namespace {

const char* yesNo(bool yes)
{
    return yes ? "TRUE" : "FALSE";
}

} // namespace

PreferenceValues Read()
{
    using namespace GeneralSettings;
    const ProfileSnapshot file(File, true);
    const auto yes = [&file](const char* key) {
        return isYes(file.text(Section, key, Capacity, "TRUE"));
    };
    PreferenceValues values;
    values.autoNewPlan = yes("AutoNewPlan");
    values.showDefEmphasis = yes("ShowDefEmphasis");
    values.showOffEmphasis = yes("ShowOffEmphasis");
    values.teamColorFG = file.readInt(Section, "TeamColorFG", values.teamColorFG);
    values.teamColorBG = file.readInt(Section, "TeamColorBG", values.teamColorBG);
    values.teamFontName = file.text(Section, "TeamFontName", Capacity);
    values.teamFontStyle = file.readInt(Section, "TeamFontStyle", values.teamFontStyle);
    values.teamName = file.text(Section, "TeamName", Capacity);
    return values;
}

bool Write(const PreferenceValues& values)
{
    using namespace GeneralSettings;
    ProfileBatch file(File, true);
    file.writeText(Section, "AutoNewPlan", yesNo(values.autoNewPlan));
    file.writeText(Section, "ShowDefEmphasis", yesNo(values.showDefEmphasis));
    file.writeText(Section, "ShowOffEmphasis", yesNo(values.showOffEmphasis));
    file.writeText(Section, "TeamName", StoredText(values.teamName, MaxTeamNameLength));
    file.writeInt(Section, "TeamColorFG", values.teamColorFG);
    file.writeInt(Section, "TeamColorBG", values.teamColorBG);
    file.writeText(Section, "TeamFontName", values.teamFontName);
    file.writeInt(Section, "TeamFontStyle", values.teamFontStyle);
    return file.commit();
}

int FontStyle(bool bold, bool italic)
{
    return (bold ? GeneralSettings::StyleBold : 0) | (italic ? GeneralSettings::StyleItalic : 0);
}

} // namespace Preferences
