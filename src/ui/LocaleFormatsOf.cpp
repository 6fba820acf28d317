#include "ui/LocaleFormatsOf.h"

#include <QLocale>

LocaleFormats LocaleFormatsOf(const QLocale& locale)
{
    LocaleFormats formats;
    SetShortDatePattern(formats, locale.dateFormat(QLocale::ShortFormat).toStdString());
    SetTimePattern(formats, locale.timeFormat(QLocale::ShortFormat).toStdString());
    if (!locale.amText().isEmpty())
        formats.amText = locale.amText().toStdString();
    if (!locale.pmText().isEmpty())
        formats.pmText = locale.pmText().toStdString();
    return formats;
}
