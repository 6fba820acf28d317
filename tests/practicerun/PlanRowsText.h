#pragma once

#include "practicerun/RunPlanLink.h"

#include <QStringList>

// "10 Warm-up, 0 Water, 8, 0" as plan rows: minutes, then the activity; a
// timed row's time span is "span <row>".
inline PlanRows planRows(const QString& rows)
{
    PlanRows entries;
    const QStringList items = rows.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i) {
        entries[i].minutes = items[i].section(QLatin1Char(' '), 0, 0).toInt();
        entries[i].activity = items[i].section(QLatin1Char(' '), 1).toStdString();
        entries[i].timeSpan = entries[i].minutes > 0 ? "span " + std::to_string(i) : "";
    }
    return entries;
}
