#pragma once

#include "store/PlainText.h"

#include <QString>
#include <string>

// Texts between the plan window's fields and the plan, which keeps UTF-8.
inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

// As the plan file will give it back (StoredText): without blanks or
// enclosing quotes at either end.
inline QString storedText(const QString& text)
{
    return QString::fromStdString(StoredText(text.toStdString()));
}
