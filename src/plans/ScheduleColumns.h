#pragma once

#include <array>

// Where the schedule's columns lie inside one row: the entry row's fields are
// placed there and the list paints its column lines and texts there, so the
// entry row covers its row exactly.
struct ScheduleColumn
{
    int left = 0;
    int width = 0;
    constexpr int right() const { return left + width - 1; }
};

namespace ScheduleLayout {

inline constexpr int RowHeight = 18;
inline constexpr int RowCount = 100;
inline constexpr int TextInset = 3; // texts keep this far from both column lines
inline constexpr int TextTop = 2;   // texts start this far below the row's top

inline constexpr ScheduleColumn Minutes{1, 37};
inline constexpr ScheduleColumn Time{39, 87};
inline constexpr ScheduleColumn Activity{127, 250};
inline constexpr ScheduleColumn Emphasis{376, 233};

enum Column
{
    MinutesColumn,
    TimeColumn,
    ActivityColumn,
    EmphasisColumn
};
inline constexpr std::array<ScheduleColumn, 4> Columns{Minutes, Time, Activity, Emphasis};

} // namespace ScheduleLayout
