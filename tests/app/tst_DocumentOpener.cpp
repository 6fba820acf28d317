#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "app/DocumentOpener.h"
#include "app/TMainForm.h"
#include "evaluations/TextDocumentDlg.h"
#include "plans/TPlanDetailDlg.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

void writeDocument(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Main]\r\nDate=1/2/2026\r\nPracticeTime=3:30\r\n");
}

QStringList planPaths(const TMainForm& form)
{
    QStringList paths;
    for (QMdiSubWindow* window : form.mdiArea()->subWindowList()) {
        if (auto* plan = qobject_cast<TPlanDetailDlg*>(window->widget()))
            paths << plan->path();
    }
    return paths;
}

// The evaluation or scouting report shown, by its document path.
QStringList documentPaths(const TMainForm& form)
{
    QStringList paths;
    for (const TextDocumentDlg* window : form.findChildren<TextDocumentDlg*>()) {
        if (window->isVisible())
            paths << window->documentPath();
    }
    return paths;
}

} // namespace

// Documents named on the command line open by their extension, as the menu
// would open them, instead of the automatic new plan; anything else is named
// in a message and the rest goes on. A new plan's path is empty.
class tst_DocumentOpener : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void open_data();
    void open();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
    QString m_previousFolder;
};

void tst_DocumentOpener::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_data->folder()));
}

void tst_DocumentOpener::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    const QStringList unanswered = m_platform->unanswered();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
}

void tst_DocumentOpener::open_data()
{
    // Paths relative to the document folder; "@" stands for that folder in
    // the expected texts.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("plans");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("documents"); // evaluation or scouting report shown

    const QString other = QStringLiteral("Cannot open @%1.  Corvanta opens practice plans (.pln), "
                                         "game evaluations (.gev) and scouting reports (.rep).");
    QTest::newRow("no documents: the automatic new plan")
        << QStringList() << QStringList{""} << QStringList() << QStringList();
    QTest::newRow("plan by full path, instead of the new plan")
        << QStringList{"@MONDAY.pln"} << QStringList{"@MONDAY.pln"} << QStringList()
        << QStringList();
    QTest::newRow("plan relative to the working folder")
        << QStringList{"MONDAY.pln"} << QStringList{"@MONDAY.pln"} << QStringList()
        << QStringList();
    QTest::newRow("plan from Windows, capital extension")
        << QStringList{"TUESDAY.PLN"} << QStringList{"@TUESDAY.PLN"} << QStringList()
        << QStringList();
    QTest::newRow("plan not yet written opens empty, as Open Old Plan does")
        << QStringList{"NEW.pln"} << QStringList{"@NEW.pln"} << QStringList() << QStringList();
    QTest::newRow("game evaluation, in its window and no new plan")
        << QStringList{"GAME1.gev"} << QStringList() << QStringList() << QStringList{"@GAME1.gev"};
    QTest::newRow("scouting report not yet written") << QStringList{"EAGLES.rep"} << QStringList()
                                                     << QStringList() << QStringList{"@EAGLES.rep"};
    QTest::newRow("other extension") << QStringList{"notes.txt"} << QStringList()
                                     << QStringList{other.arg("notes.txt")} << QStringList();
    QTest::newRow("no extension") << QStringList{"MONDAY"} << QStringList()
                                  << QStringList{other.arg("MONDAY")} << QStringList();
    QTest::newRow("a stranger between two plans: the rest still open")
        << QStringList{"A.pln", "b.doc", "C.pln"} << QStringList{"@A.pln", "@C.pln"}
        << QStringList{other.arg("b.doc")} << QStringList();
}

void tst_DocumentOpener::open()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, plans);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, documents);

    const QString folder = m_data->folder();
    for (const QString& name : {"MONDAY.pln", "TUESDAY.PLN", "A.pln", "C.pln", "GAME1.gev"})
        writeDocument(folder + name);
    for (QString& argument : arguments)
        argument.replace(QLatin1Char('@'), folder);
    for (QString& plan : plans)
        plan.replace(QLatin1Char('@'), folder);
    for (QStringList* texts : {&messages, &documents}) {
        for (QString& text : *texts)
            text.replace(QLatin1Char('@'), folder);
    }

    TMainForm form;
    QSignalSpy firstShown(&form, &TMainForm::firstShowDone);
    ShowWithDocuments(form, arguments);
    QTRY_COMPARE(firstShown.size(), 1); // the documents open in place of the new plan
    QCoreApplication::sendPostedEvents(&form, QEvent::MetaCall);

    QCOMPARE(planPaths(form), plans);
    QCOMPARE(m_platform->messages(), messages);
    QCOMPARE(documentPaths(form), documents);
}

QTEST_MAIN(tst_DocumentOpener)
#include "tst_DocumentOpener.moc"
