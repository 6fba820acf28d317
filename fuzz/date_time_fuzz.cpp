// Arbitrary text in a date or time field: the checks end, accept only real
// days and times, and what they accept survives being written and read again.
// Input: one byte choosing the locale, then the typed text.

#include "plans/CalendarDate.h"
#include "plans/LocaleFormats.h"
#include "plans/PlanEntry.h"
#include "plans/TimeOfDay.h"
#include "plans/TimeSpans.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

LocaleFormats localeFor(std::uint8_t choice)
{
    static constexpr std::array<std::string_view, 6> patterns = {
        "M/d/yyyy", "dd.MM.yy", "yyyy-MM-dd", "d. M. yyyy", "d MMM yyyy", "M d yy"};
    LocaleFormats formats;
    SetShortDatePattern(formats, patterns[choice % patterns.size()]);
    if (choice & 0x80) {
        formats.timeSeparator = ".";
        formats.amText = "vorm.";
        formats.pmText = "nachm.";
    }
    return formats;
}

void checkDate(std::string_view text, const LocaleFormats& formats)
{
    const auto date = ParseDate(text, formats, 2026);
    if (!date)
        return;
    require(IsValidDate(date->year, date->month, date->day));
    LocaleFormats full = formats;
    SetShortDatePattern(full, "yyyy-MM-dd");
    require(ParseDate(FormatShortDate(*date, full), full, 2026) == date);
}

void checkTime(std::string_view text, const LocaleFormats& formats)
{
    const auto time = ParseTime(text, formats);
    std::array<PlanEntry, 3> entries;
    entries[0].minutes = static_cast<int>(text.size()) * 97;
    entries[2].minutes = 0x7fffffff;
    require(ComputeTimeSpans(entries, text, formats) == time.has_value());
    if (!time)
        return;
    require(time->hour >= 0 && time->hour <= 23 && time->minute >= 0 && time->minute <= 59 &&
            time->second >= 0 && time->second <= 59);
    require(ParseTime(FormatTimeHnn(*time), LocaleFormats{}) ==
            TimeOfDay{time->hour, time->minute, 0});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const LocaleFormats formats = localeFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    checkDate(text, formats);
    checkTime(text, formats);
    return 0;
}
