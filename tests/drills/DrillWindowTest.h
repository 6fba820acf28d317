#pragma once

#include "DrillTestKeys.h"
#include "WidgetLookup.h"

#include "drills/DrillLibraryFile.h"
#include "drills/DrillTreeWidget.h"
#include "drills/TDrillCat.h"
#include "drills/TDrillEntry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The tree control as printTree() prints a DrillTree: what the items show,
// with the kind and record of their nodes.
inline QStringList printItems(const QTreeWidget& tree)
{
    QStringList lines;
    std::function<void(const QTreeWidgetItem*, int)> print = [&](const QTreeWidgetItem* item,
                                                                 int depth) {
        const DrillNode* node = DrillTreeWidget::nodeOf(item);
        QString line = QString(2 * depth, ' ') + (node->isCategory() ? "C " : "D ") + item->text(0);
        if (const DrillRecord* record = node->record())
            line += QString(" %1 %2")
                        .arg(record->minutes)
                        .arg(QString::fromStdString(record->emphasis));
        lines << line;
        for (int i = 0; i < item->childCount(); ++i)
            print(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        print(tree.topLevelItem(i), 0);
    return lines;
}

inline QStringList savedLibrary()
{
    DrillTree tree("not loaded");
    LoadDrillLibrary(tree);
    return printTree(tree);
}

inline QTreeWidgetItem* itemNamed(const TDrillCat& window, const QString& text)
{
    const QList<QTreeWidgetItem*> found =
        window.treeView()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// A script for the entry dialog: fills in what is given and presses OK.
inline std::function<void(QDialog&)> enterEntry(const QString& type, const QString& name,
                                                const QString& minutes = QString(),
                                                const QString& emphasis = QString())
{
    return [=](QDialog& dialog) {
        if (!type.isEmpty())
            QTest::mouseClick(
                control<QRadioButton>(dialog, type == "Drill" ? "DrillRb" : "CategoryRb"),
                Qt::LeftButton);
        control<QLineEdit>(dialog, "DrillName")->setText(name);
        if (!minutes.isNull())
            control<QLineEdit>(dialog, "MinutesEb")->setText(minutes);
        if (!emphasis.isNull())
            control<QLineEdit>(dialog, "EmphasisEb")->setText(emphasis);
        click(dialog, "OkBtn");
    };
}
