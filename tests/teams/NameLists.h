#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// Lists of names as the tests write them in their tables: "Ann,Bo".
using Names = std::vector<std::string>;

inline Names names(const QString& list)
{
    Names result;
    for (const QString& name : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        result.push_back(name.toStdString());
    return result;
}

inline QString joined(const Names& list, QChar separator = QLatin1Char(','))
{
    QStringList parts;
    for (const std::string& name : list)
        parts << QString::fromStdString(name);
    return parts.join(separator);
}
