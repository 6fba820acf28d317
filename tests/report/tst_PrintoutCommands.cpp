#include "FileBytes.h"
#include "WindowTest.h"

#include "drills/TDrillCat.h"
#include "evaluations/TGameEvalDlg.h"
#include "store/ProfileStore.h"
#include "teams/TTeamDlg.h"
#include "teams/TTeams.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

// Every window with a Print button offers the preview and the PDF of what it
// prints, through the button's context menu and the window's own keys.
class tst_PrintoutCommands : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void cleanup()
    {
        finishWindowTest([this] { m_window.reset(); });
    }
    void previewAndExport_data();
    void previewAndExport();

private:
    std::unique_ptr<QWidget> m_window;
};

void tst_PrintoutCommands::previewAndExport_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name"); // of the preview and the PDF; empty: nothing to print
    QTest::addColumn<int>("pages");

    QTest::newRow("drill list") << "drills"
                                << "PrintBtn"
                                << "Drill List" << 1;
    QTest::newRow("evaluation") << "evaluation"
                                << "PrintBtn"
                                << "Game 1" << 1;
    QTest::newRow("team set") << "team set"
                              << "PrintBtn"
                              << "5-Player Teams" << 1;
    QTest::newRow("print all, two sets") << "selector"
                                         << "PrintAllBtn"
                                         << "Practice Teams" << 2;
    QTest::newRow("print all, no players") << "selector"
                                           << "PrintAllBtn" << QString() << 0;
}

void tst_PrintoutCommands::previewAndExport()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(int, pages);

    const QString folder = m_data->folder();
    WriteProfileText("prefs.db", "General", "Path", folder.toStdString(), -1, true);
    for (int players = 5; players <= 9 && pages == 2; players += 4)
        QVERIFY(
            writeFile(m_data->file(QString("teams%1.db").arg(players)), "[Main]\r\nTm0P0=Ann\r\n"));
    if (window == "drills") {
        auto* drills = new TDrillCat;
        m_window.reset(drills);
        drills->showModeless();
    } else if (window == "evaluation") {
        auto* evaluation = new TGameEvalDlg;
        m_window.reset(evaluation);
        evaluation->openDocument(folder + "Game 1.gev", folder);
    } else {
        m_window.reset(window == "selector" ? static_cast<QWidget*>(new TTeamDlg) : new TTeams(5));
        m_window->show();
    }
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    auto* print = m_window->findChild<QPushButton*>(button);
    QCOMPARE(print->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList commands;
    for (const QAction* command : print->actions())
        commands << command->text();
    QCOMPARE(commands, QStringList({print->text(), "Print Pre&view...", "&Export as PDF..."}));

    if (!name.isEmpty())
        m_platform->cancelDialog(); // the PDF's save dialog
    QTest::keyClick(m_window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    if (name.isEmpty()) {
        QCOMPARE(m_platform->messages(),
                 QStringList({"There is nothing to print.", "There is nothing to print."}));
        return;
    }
    QCOMPARE(m_platform->shown.size(), 2);
    QCOMPARE(m_platform->shown.first().caption, "Print Preview - " + name);
    QCOMPARE(m_platform->shown.first().text, QString::number(pages));
    QCOMPARE(m_platform->fileRequests.last().fileName, folder + name + ".pdf");
}

QTEST_MAIN(tst_PrintoutCommands)
#include "tst_PrintoutCommands.moc"
