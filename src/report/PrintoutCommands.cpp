#include "report/PrintoutCommands.h"

#include "report/Printout.h"

#include <QAbstractButton>
#include <QAction>

namespace {

QAction* addCommand(QAbstractButton* button, const char* name, const QString& text,
                    const QKeySequence& shortcut)
{
    auto* command = new QAction(text, button);
    command->setObjectName(QString::fromLatin1(name));
    command->setShortcut(shortcut);
    button->addAction(command);
    return command;
}

} // namespace

void AddPrintoutCommands(QAbstractButton* printButton, std::function<Printout()> printout)
{
    QWidget* window = printButton->window();
    QAction* print = addCommand(printButton, "PrintCmd", printButton->text(), {});
    QObject::connect(print, &QAction::triggered, printButton, &QAbstractButton::click);

    QAction* preview =
        addCommand(printButton, "PrintPreviewCmd", QStringLiteral("Print Pre&view..."),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QObject::connect(preview, &QAction::triggered, window,
                     [window, printout] { PreviewPrintout(printout(), window); });

    QAction* exportPdf =
        addCommand(printButton, "ExportPdfCmd", QStringLiteral("&Export as PDF..."),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QObject::connect(exportPdf, &QAction::triggered, window,
                     [printout] { ExportPrintout(printout()); });

    printButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    printButton->setToolTip(QStringLiteral("Right-click for Print Preview (Ctrl+Shift+P) and "
                                           "Export as PDF (Ctrl+Shift+E)"));
}
