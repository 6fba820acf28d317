#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "store/ProfileStore.h"
#include "ui/DialogServices.h"
#include "ui/HelpWindow.h"

#include <QDialog>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

class tst_DialogServices : public QObject
{
    Q_OBJECT

private slots:
    void confirmAndErrorBoxes();
    void defaultPlacement_data();
    void defaultPlacement();
    void storedPositionIsNeverCorrected();
    void positionRoundTrip();
    void bannerWithoutNameKeepsLabel();
    void bannerDefaults();
    void bannerStyles_data();
    void bannerStyles();
    void helpPages_data();
    void helpPages();
    void helpOverAModalDialog();
};

void tst_DialogServices::confirmAndErrorBoxes()
{
    TempDataDir data;
    ScriptedPlatform platform;
    platform.answerYes();
    platform.answerNo();
    QVERIFY(AskConfirm(QStringLiteral("Delete it?")));
    QVERIFY(!AskConfirm(QStringLiteral("Really?")));
    ShowError(QStringLiteral("Bad value."));

    QCOMPARE(platform.shown.size(), 3);
    QCOMPARE(platform.shown.at(0).caption, QStringLiteral("Confirm"));
    QCOMPARE(platform.shown.at(0).kind, QStringLiteral("question"));
    QCOMPARE(platform.shown.at(2).caption, QStringLiteral("Error"));
    QCOMPARE(platform.shown.at(2).text, QStringLiteral("Bad value."));
    QCOMPARE(platform.beeps, 1);
    QVERIFY(platform.unanswered().isEmpty());
}

void tst_DialogServices::defaultPlacement_data()
{
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("pushed back from the right edge")
        << QRect(700, 10, 100, 100) << QSize(300, 200) << QSize(800, 600) << QPoint(500, 110);
    QTest::newRow("below the main window")
        << QRect(20, 30, 400, 200) << QSize(100, 100) << QSize(800, 600) << QPoint(20, 230);
    QTest::newRow("maximised main window: bottom left corner")
        << QRect(0, 0, 800, 600) << QSize(300, 200) << QSize(800, 600) << QPoint(0, 400);
    QTest::newRow("wider than the screen: left edge")
        << QRect(50, 0, 100, 100) << QSize(900, 700) << QSize(800, 600) << QPoint(0, 0);
}

void tst_DialogServices::defaultPlacement()
{
    QFETCH(QRect, mainWindow);
    QFETCH(QSize, window);
    QFETCH(QSize, screen);
    QFETCH(QPoint, expected);

    TempDataDir data;
    ScriptedPlatform platform;
    platform.screen = screen;
    QWidget main;
    main.setGeometry(mainWindow);
    SetMainWindow(&main);
    QWidget dialog;
    dialog.resize(window);

    RestoreWindowPos(&dialog, "Players");
    QCOMPARE(dialog.pos(), expected);
    SetMainWindow(nullptr);
}

void tst_DialogServices::storedPositionIsNeverCorrected()
{
    TempDataDir data;
    ScriptedPlatform platform;
    WriteProfileInt("prefs.db", "ScoutReport", "X", -40, -1, true);
    WriteProfileInt("prefs.db", "ScoutReport", "Y", 5000, -1, true);
    QWidget dialog;
    dialog.resize(300, 200);
    RestoreWindowPos(&dialog, "ScoutReport");
    QCOMPARE(dialog.pos(), QPoint(-40, 5000));
}

void tst_DialogServices::positionRoundTrip()
{
    TempDataDir data;
    ScriptedPlatform platform;
    QWidget dialog;
    dialog.move(123, 77);
    SaveWindowPos(&dialog, "EvalGame");
    QCOMPARE(ReadProfileInt("prefs.db", "EvalGame", "X", 0, -1, true), 123);
    QCOMPARE(ReadProfileInt("prefs.db", "EvalGame", "Y", 0, -1, true), 77);

    QWidget other;
    RestoreWindowPos(&other, "EvalGame");
    QCOMPARE(other.pos(), QPoint(123, 77));
}

void tst_DialogServices::bannerWithoutNameKeepsLabel()
{
    TempDataDir data;
    WriteProfileText("prefs.db", "General", "TeamColorBG", "255", -1, true);
    QLabel label(QStringLiteral("as designed"));
    const QFont before = label.font();
    LoadTeamBanner(&label, 24);
    QCOMPARE(label.text(), QStringLiteral("as designed"));
    QCOMPARE(label.font(), before);
    QVERIFY(!label.autoFillBackground());
}

void tst_DialogServices::bannerDefaults()
{
    TempDataDir data;
    WriteProfileText("prefs.db", "General", "TeamName", "Wildcats", -1, true);
    QLabel label;
    LoadTeamBanner(&label, 24);
    QCOMPARE(label.text(), QStringLiteral("Wildcats"));
    QCOMPARE(label.font().family(), QStringLiteral("Arial"));
    QCOMPARE(label.font().pointSize(), 24);
    QVERIFY(label.font().bold());
    QVERIFY(!label.font().italic());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 255, 255));
}

void tst_DialogServices::bannerStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("neither") << 0 << false << false;
    QTest::newRow("bold") << 1 << true << false;
    QTest::newRow("italic") << 2 << false << true;
    QTest::newRow("both") << 3 << true << true;
}

void tst_DialogServices::bannerStyles()
{
    QFETCH(int, style);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    TempDataDir data;
    WriteProfileText("prefs.db", "General", "TeamName", "Hawks", -1, true);
    WriteProfileInt("prefs.db", "General", "TeamFontStyle", style, -1, true);
    WriteProfileInt("prefs.db", "General", "TeamColorFG", 0x0000FF, -1, true); // red
    WriteProfileInt("prefs.db", "General", "TeamColorBG", 0x00FF00, -1, true); // green
    WriteProfileText("prefs.db", "General", "TeamFontName", "", -1, true);

    QLabel label;
    label.setFont(QFont(QStringLiteral("Liberation Serif"), 8));
    label.setStyleSheet(QString());
    QFont underlined = label.font();
    underlined.setUnderline(true);
    label.setFont(underlined);
    LoadTeamBanner(&label, 10);

    QCOMPARE(label.font().bold(), bold);
    QCOMPARE(label.font().italic(), italic);
    QVERIFY(label.font().underline()); // never stored, so left alone
    QCOMPARE(label.font().family(), QStringLiteral("Liberation Serif")); // empty name: kept
    QCOMPARE(label.font().pointSize(), 10);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label.palette().color(QPalette::Window), QColor(0, 255, 0));
}

void tst_DialogServices::helpPages_data()
{
    QTest::addColumn<int>("context");
    for (int context : {100, 101, 112, 113, 114, 115, 116, 117})
        QTest::newRow(qPrintable(QString::number(context))) << context;
}

void tst_DialogServices::helpPages()
{
    QFETCH(int, context);
    HelpWindow::showTopic(context);
    HelpWindow* window = HelpWindow::current();
    QVERIFY(window);
    QCOMPARE(window->topic(), context);
    QVERIFY(!window->topicTitle().isEmpty());
    QVERIFY(window->topicTitle() != QStringLiteral("Help"));
    window->close();
}

void tst_DialogServices::helpOverAModalDialog()
{
    // A modal dialog blocks the other windows; its help still takes the mouse.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    HelpWindow::showTopic(100);
    HelpWindow* help = HelpWindow::current();
    help->resize(300, 120);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QScrollBar* bar = help->findChild<QTextBrowser*>()->verticalScrollBar();
    // Through the window system, which holds back input to blocked windows.
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      bar->mapTo(help, QPoint(bar->width() / 2, bar->height() - 4)));
    QVERIFY(bar->value() > 0);
    help->close();
}

QTEST_MAIN(tst_DialogServices)
#include "tst_DialogServices.moc"
