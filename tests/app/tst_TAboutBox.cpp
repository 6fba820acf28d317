#include "ScriptedPlatform.h"

#include "app/TAboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_TAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void closes_data();
    void closes();
};

void tst_TAboutBox::layout()
{
    ScriptedPlatform platform;
    platform.screen = QSize(1299, 1192);
    TAboutBox box;
    platform.runDialog([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QCOMPARE(dialog.size(), QSize(299, 192));
        QCOMPARE(dialog.pos(), QPoint(500, 500));
        QCOMPARE(dialog.findChild<QFrame*>("AboutPnl")->geometry(), QRect(8, 8, 281, 93));
        auto* icon = dialog.findChild<QLabel*>("ProgramIcon");
        QCOMPARE(icon->geometry(), QRect(12, 13, 37, 37));
        QVERIFY(icon->hasScaledContents());
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(dialog.findChild<QLabel*>("ProductName")->text(), QStringLiteral("Corvanta"));
        QCOMPARE(dialog.findChild<QLabel*>("ProductName")->pos(), QPoint(76, 11));
        QCOMPARE(dialog.findChild<QLabel*>("Version")->text(), QStringLiteral("Version 2.0p"));
        QCOMPARE(dialog.findChild<QLabel*>("Version")->pos(), QPoint(76, 35));
        auto* ok = dialog.findChild<QPushButton*>("OKButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), QRect(111, 150, 75, 25));
        QVERIFY(ok->isDefault());
        dialog.accept();
    });
    QCOMPARE(box.run(), int(QDialog::Accepted));
}

void tst_TAboutBox::closes_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK clicked") << 0;
}

void tst_TAboutBox::closes()
{
    QFETCH(int, key);
    ScriptedPlatform platform;
    TAboutBox box;
    platform.runDialog([key](QDialog& dialog) {
        if (key)
            QTest::keyClick(&dialog, Qt::Key(key));
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    QCOMPARE(box.run(), int(QDialog::Accepted));
    QVERIFY(platform.unanswered().isEmpty());
}

QTEST_MAIN(tst_TAboutBox)
#include "tst_TAboutBox.moc"
