#include "PlanWindowDriver.h"

#include "drills/DrillLibraryFile.h"
#include "drills/DrillTree.h"

#include <QApplication>
#include <QtTest>

PlanWindowDriver::PlanWindowDriver(const QString& path)
    : m_window(std::make_unique<TPlanDetailDlg>(path))
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the plan window did not become active");
}

PlanWindowDriver::~PlanWindowDriver() = default;

void PlanWindowDriver::click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

void PlanWindowDriver::clickRow(int row)
{
    QListWidget* rows = list();
    rows->scrollToItem(rows->item(row));
    const QRect rect = rows->visualItemRect(rows->item(row));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rect.center());
}

void PlanWindowDriver::retype(QWidget* field, const QString& text)
{
    if (QApplication::focusWidget() != field)
        click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, lines[i]);
    }
}

void PlanWindowDriver::tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void PlanWindowDriver::pressEnter()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void PlanWindowDriver::typeRow(const QString& minutes, const QString& activity,
                               const QString& emphasis)
{
    QTest::keyClicks(edit("Minutes"), minutes);
    tab();
    QTest::keyClicks(this->activity(), activity);
    tab();
    QTest::keyClicks(edit("Emphasis"), emphasis);
    tab();
}

bool PlanWindowDriver::close()
{
    return m_window->close();
}

void WriteTestDrillLibrary()
{
    DrillTree tree;
    DrillNode* defense = tree.appendCategory(tree.root(), "Defense");
    tree.appendDrill(*defense, DrillRecord{"Shell Drill", 10, "Help side"});
    tree.appendDrill(*defense, DrillRecord{"Pass Deny", 0, ""});
    tree.appendDrill(tree.root(), DrillRecord{"Passing Lines", 15, "Crisp passes"});
    QVERIFY(SaveDrillLibrary(tree));
}
