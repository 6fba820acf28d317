#pragma once

#include "formats/LocaleFormats.h"

class QLocale;

// The date and time formats of `locale` as the date and time rules need them.
LocaleFormats LocaleFormatsOf(const QLocale& locale);
