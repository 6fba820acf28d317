#pragma once

#include "drills/DrillPattern.h"
#include "drills/DrillTree.h"

#include <QStringList>

// Names that show where they came from: Cat<k>, Drl<d>, minutes 5 * d, E<d>.
class DrillTestKeys : public DrillKeySource
{
public:
    std::string categoryName(int index) const override { return "Cat" + std::to_string(index); }
    std::string drillName(int index) const override { return "Drl" + std::to_string(index); }
    DrillRecord drillRecord(int index) const override
    {
        return {drillName(index), 5 * index, "E" + std::to_string(index)};
    }
};

// The tree as one line per node, indented two blanks a level: "C name" or
// "D name minutes emphasis".
inline QStringList printTree(const DrillTree& tree)
{
    QStringList lines;
    tree.walk([&lines](const DrillNode& node, int depth) {
        QString line = QString(2 * (depth - 1), ' ');
        line += node.isCategory() ? "C " : "D ";
        line += QString::fromStdString(node.label());
        if (const DrillRecord* record = node.record())
            line += QString(" %1 %2")
                        .arg(record->minutes)
                        .arg(QString::fromStdString(record->emphasis));
        lines << line;
    });
    return lines;
}
