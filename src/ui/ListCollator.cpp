#include "ui/ListCollator.h"

#include <QLocale>

QCollator ListCollator(Qt::CaseSensitivity sensitivity)
{
    return ListCollator(sensitivity, QLocale::system());
}

QCollator ListCollator(Qt::CaseSensitivity sensitivity, const QLocale& system)
{
    QLocale locale = system;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English); // English has the neutral root order
    QCollator collator(locale);
    collator.setCaseSensitivity(sensitivity);
    return collator;
}
