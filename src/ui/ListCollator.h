#pragma once

#include <QCollator>

// The order names are listed in: the system language's order, or, where the
// system names no language (the C and POSIX locales), the language-neutral
// order a person expects ("apple", "Apple", "Banana", "éclair", "Zeta")
// rather than raw character codes.
QCollator ListCollator(Qt::CaseSensitivity sensitivity);
QCollator ListCollator(Qt::CaseSensitivity sensitivity, const QLocale& system);
