#include "app/TestProbe.h"

#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "plans/TPlanDetailDlg.h"
#include "recovery/RecoverySession.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cstdio>

namespace {

void print(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

void printWindows(TMainForm& form)
{
    const QList<QMdiSubWindow*> windows = form.mdiArea()->subWindowList();
    for (QMdiSubWindow* window : windows) {
        auto* plan = qobject_cast<TPlanDetailDlg*>(window->widget());
        if (!plan)
            continue;
        const auto* date = plan->findChild<QLineEdit*>(QStringLiteral("PracticeDate"));
        print(QStringLiteral("plan\t%1\t%2\t%3")
                  .arg(plan->windowTitle(),
                       plan->isChanged() ? QStringLiteral("1") : QStringLiteral("0"),
                       date ? date->text() : QString()));
    }
    print(QStringLiteral("shown %1").arg(windows.size()));
}

void typeIntoActivePlan(TMainForm& form, const QString& text)
{
    QMdiSubWindow* window = form.mdiArea()->activeSubWindow();
    auto* date =
        window ? window->widget()->findChild<QLineEdit*>(QStringLiteral("PracticeDate")) : nullptr;
    if (date) {
        date->end(false);
        date->insert(text);
    }
}

// Question boxes come up inside the steps of the start; each is reported
// once and answered by Enter, which takes its default button.
void answerQuestions()
{
    static QPointer<QWidget> answered;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == answered)
        return;
    answered = box;
    print(QStringLiteral("question ") + box->text().replace(u'\n', QStringLiteral(" | ")));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
}

} // namespace

void TestProbe::attach(TMainForm& form, SingleInstance& instance)
{
    auto* poll = new QTimer(&form);
    QObject::connect(poll, &QTimer::timeout, &form, answerQuestions);
    poll->start(20);
    if (RecoverySession* session = RecoverySession::current())
        QObject::connect(session, &RecoverySession::copyWritten, &form, [](const QString& file) {
            print(QStringLiteral("recovery-copy ") + file);
        });
    const QString typed = qEnvironmentVariable(EnvironmentSwitch);
    // A turn later than the documents named at the start, which open on the
    // same signal.
    QObject::connect(
        &form, &TMainForm::firstShowDone, &form,
        [&form, typed] {
            QTimer::singleShot(0, &form, [&form, typed] {
                typeIntoActivePlan(form, typed);
                printWindows(form);
            });
        },
        Qt::QueuedConnection);
    QObject::connect(
        &instance, &SingleInstance::documentsArrived, &form, [&form] { printWindows(form); },
        Qt::QueuedConnection);
}
