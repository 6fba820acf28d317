#pragma once

#include "store/PlainText.h"

#include <QString>
#include <string>

// Texts between the plan window's fields and the plan, which keeps UTF-8.
inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Without the blanks at either end, as the plan stores names.
inline QString trimmed(const QString& text)
{
    return QString::fromStdString(std::string(TrimBlanks(text.toStdString())));
}
