#pragma once

#include "plans/PracticePlan.h"

#include <QAbstractItemDelegate>

// Paints one schedule row from the plan's entries: pale yellow, grey column
// lines, each text clipped to its column. Every row looks the same, current
// or not.
class ScheduleRowDelegate : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    using Entries = std::array<PlanEntry, PlanEntryCount>;

    ScheduleRowDelegate(const Entries& entries, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const Entries& m_entries;
};
