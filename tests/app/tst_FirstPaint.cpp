#include "app/FirstPaint.h"

#include <QWidget>
#include <QtTest>

// A step waits for the first paint of its window, runs once, and never runs
// for a window that is not painted.
class tst_FirstPaint : public QObject
{
    Q_OBJECT

private slots:
    void runsOnceAfterThePaint_data();
    void runsOnceAfterThePaint();
};

namespace {

// Records whether the window had been painted when the step ran.
class PaintedWindow : public QWidget
{
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override { painted = true; }
};

} // namespace

void tst_FirstPaint::runsOnceAfterThePaint_data()
{
    QTest::addColumn<bool>("show");
    QTest::addColumn<int>("runs");

    QTest::newRow("shown") << true << 1;
    QTest::newRow("never shown") << false << 0;
}

void tst_FirstPaint::runsOnceAfterThePaint()
{
    QFETCH(bool, show);
    QFETCH(int, runs);

    PaintedWindow window;
    window.resize(120, 80);
    int ran = 0;
    bool paintedFirst = false;
    FirstPaint::await(window, [&] {
        ++ran;
        paintedFirst = window.painted;
    });
    QCOMPARE(ran, 0);
    if (show)
        window.show();
    QTRY_COMPARE_WITH_TIMEOUT(ran, runs, 2000);
    window.update(); // later paints do not run it again
    QTest::qWait(50);
    QCOMPARE(ran, runs);
    QCOMPARE(paintedFirst, show);
}

QTEST_MAIN(tst_FirstPaint)
#include "tst_FirstPaint.moc"
