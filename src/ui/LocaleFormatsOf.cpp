#include "ui/LocaleFormatsOf.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// The text between the hours and the minutes of a time format ("h:mm AP").
QString timeSeparator(const QString& timeFormat)
{
    static const QRegularExpression separator(QStringLiteral("[hH]+([^hHm]+)m"));
    const QRegularExpressionMatch match = separator.match(timeFormat);
    return match.hasMatch() ? match.captured(1) : QStringLiteral(":");
}

} // namespace

LocaleFormats LocaleFormatsOf(const QLocale& locale)
{
    LocaleFormats formats;
    SetShortDatePattern(formats, locale.dateFormat(QLocale::ShortFormat).toStdString());
    formats.timeSeparator = timeSeparator(locale.timeFormat(QLocale::ShortFormat)).toStdString();
    if (!locale.amText().isEmpty())
        formats.amText = locale.amText().toStdString();
    if (!locale.pmText().isEmpty())
        formats.pmText = locale.pmText().toStdString();
    return formats;
}
