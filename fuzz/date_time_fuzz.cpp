// Arbitrary text in a date or time field: the checks end, accept only real
// days and times, and what they accept survives being written and read again.
// Every locale writes today's date and noon so that it reads them again.
// Input: one byte choosing the locale, then the typed text.

#include "formats/CalendarDate.h"
#include "formats/LocaleFormats.h"
#include "formats/TimeOfDay.h"
#include "plans/PlanEntry.h"
#include "plans/PlanFile.h"
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

struct TimeLocale
{
    std::string_view pattern;
    std::string_view am;
    std::string_view pm;
};

LocaleFormats localeFor(std::uint8_t choice)
{
    static constexpr std::array<std::string_view, 10> datePatterns = {
        "M/d/yyyy",
        "dd.MM.yy",
        "yyyy-MM-dd",
        "d. M. yyyy",
        "d MMM yyyy",
        "M d yy",
        "dd. MM. yyyy.",
        "yy. M. d.",
        "d.MM.yy '\xD0\xB3'.",
        "d\xE2\x80\x8F/M\xE2\x80\x8F/yyyy"};
    static constexpr std::array<TimeLocale, 4> timeLocales = {{
        {"h:mm AP", "AM", "PM"},
        {"H.mm", "vorm.", "nachm."},
        {"HH 'h' mm", "a.m.", "p.m."},
        {"h:mm AP", "\xCF\x80.\xCE\xBC.", "\xCE\xBC.\xCE\xBC."},
    }};
    LocaleFormats formats;
    SetShortDatePattern(formats, datePatterns[(choice & 0x0F) % datePatterns.size()]);
    const TimeLocale& time = timeLocales[(choice >> 4) % timeLocales.size()];
    SetTimePattern(formats, time.pattern);
    formats.amText = time.am;
    formats.pmText = time.pm;
    return formats;
}

// What the locale writes for a date of this century reads back as that date.
void checkOwnWriting(const CalendarDate& date, const LocaleFormats& formats)
{
    if (date.year < 2000 || date.year > 2099)
        return;
    require(ParseDate(FormatShortDate(date, formats), formats, 2026) == date);
    require(ParseTime(DefaultPracticeTime(formats), formats) == TimeOfDay{12, 0, 0});
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
    checkOwnWriting(*date, formats);
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
