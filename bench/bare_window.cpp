// The yardstick of the start-up benchmark: a bare Qt main window with an MDI
// area, a menu, a tool bar and one child window, measured by the same probe
// as the program.

#include "app/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* newAction = file->addAction(QStringLiteral("&New"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    QToolBar* tools = window.addToolBar(QStringLiteral("Tools"));
    tools->addAction(newAction);
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    area->addSubWindow(new QTextEdit)->showMaximized();
    StartupProbe::watch(window);
    window.showMaximized();
    return QApplication::exec();
}
