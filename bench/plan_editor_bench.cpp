// What the coach waits for in the plan window: leaving Minutes recomputes the
// time spans of all 100 rows and repaints the schedule, and scrolling repaints
// the rows that come into view.
// Usage: plan_editor_bench [runs]

#include "plans/TPlanDetailDlg.h"
#include "store/ProfileStore.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

QString writeFullPlan(const QTemporaryDir& dir)
{
    // No date: the plan takes today in the locale's own format, which its check accepts.
    QByteArray text = "[Main]\r\nPracticeTime=3:30 PM\r\n";
    for (int row = 0; row < 100; ++row) {
        const QByteArray i = QByteArray::number(row);
        text += "Minutes" + i + "=" + QByteArray::number(5 + row % 10) + "\r\nDrill" + i +
                "=Drill number " + i + " with a long name\r\nEmphasis" + i + "=Rebounding\r\n";
    }
    const QString path = dir.path() + QStringLiteral("/FULL.pln");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir dir;
    InitDataDir(dir.path().toStdString() + "/");
    const QString path = writeFullPlan(dir);
    if (path.isEmpty()) {
        std::fprintf(stderr, "cannot write the plan file\n");
        return 1;
    }
    TPlanDetailDlg window(path);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "the window did not become active\n");

    auto* list = window.findChild<QListWidget*>(QStringLiteral("ActivityList"));
    auto* minutes = window.findChild<QLineEdit*>(QStringLiteral("Minutes"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());

    auto start = Clock::now();
    for (int run = 0; run < runs; ++run) {
        minutes->setFocus();
        minutes->setText(QString::number(5 + run % 20));
        QTest::keyClick(minutes, Qt::Key_Tab);
        list->viewport()->repaint();
    }
    const double exitMicros = microsecondsSince(start) / runs;

    QScrollBar* scroll = list->verticalScrollBar();
    start = Clock::now();
    for (int run = 0; run < runs; ++run) {
        for (int top = 0; top <= scroll->maximum(); top += 13) {
            scroll->setValue(top);
            list->viewport()->repaint();
        }
        scroll->setValue(0);
    }
    const double scrollMicros = microsecondsSince(start) / runs;

    std::printf("minutes exit, spans of 100 rows and repaint: %.1f us\n", exitMicros);
    std::printf("all 100 rows painted page by page:           %.1f us\n", scrollMicros);
    std::printf("(%d runs; spans now end at %s)\n", runs, window.entry(99).timeSpan.c_str());
    return 0;
}
