#include "ShowFrame.h"
#include "WindowTest.h"

#include "app/DocumentOpener.h"
#include "app/TMainForm.h"
#include "evaluations/TextDocumentDlg.h"
#include "plans/TPlanDetailDlg.h"
#include "store/ProfileStore.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QtTest>

namespace {

QString writeDocument(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Main]\r\nDate=1/2/2026\r\n[Evaluation]\r\nDate=1/2/2026\r\n");
    return path;
}

// The menu's items as one line ("-" for a separator), up to date.
QString itemsOf(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction* item : menu->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return items.join(QLatin1Char(','));
}

QAction* item(QMenu* menu, const QString& text)
{
    for (QAction* entry : menu->actions()) {
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}

const QString FileHead = QStringLiteral("&New Plan...,&Open Old Plan...,-,&Save,Save &As...,-,"
                                        "&Print...,Print Pre&view...,&Export as PDF...,"
                                        "P&rint Setup...,-,");

} // namespace

// The documents used last, in the File menu for plans and in the Edit menu's
// submenus for evaluations and scouting reports; however a document was
// opened or saved, it counts.
class tst_RecentMenu : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plans();
    void evaluations();

private:
    std::unique_ptr<TMainForm> m_form;
    QMenu* m_file = nullptr;
};

void tst_RecentMenu::init()
{
    startWindowTest();
    WriteProfileText("prefs.db", "General", "AutoNewPlan", "FALSE", -1, true);
    m_form = std::make_unique<TMainForm>();
    QVERIFY(ShowFrame(*m_form));
    m_file = m_form->menuBar()->actions().at(0)->menu();
}

void tst_RecentMenu::cleanup()
{
    finishWindowTest([this] { m_form.reset(); });
}

void tst_RecentMenu::plans()
{
    QStringList paths;
    for (const char* name : {"A.pln", "B.pln", "C&D.pln", "E.pln"})
        paths << writeDocument(m_data->document(name));
    OpenDocuments(*m_form, paths);
    // Saved under a new name, and opened again by another spelling of its path.
    m_form->findChild<QAction*>("actionNewPlan")->trigger();
    m_platform->chooseFile(m_data->document("F.pln"));
    qobject_cast<TPlanDetailDlg*>(m_form->mdiArea()->activeSubWindow()->widget())->SaveAs();
    m_form->OpenPlan(m_data->folder() + "/./B.pln");
    QCOMPARE(itemsOf(m_file), FileHead + "&1 B.pln,&2 F.pln,&3 E.pln,&4 C&&D.pln,&5 A.pln,-,"
                                         "&Clear Recent,-,E&xit");
    QCOMPARE(item(m_file, "&3 E.pln")->statusTip(), paths[3]);

    // Chosen after it was deleted: said, and taken off; chosen while there: opened.
    QFile::remove(paths[0]);
    item(m_file, "&5 A.pln")->trigger();
    QCOMPARE(m_platform->messages(), QStringList{paths[0] + " no longer exists."});
    const int windows = m_form->mdiArea()->subWindowList().size();
    item(m_file, "&3 E.pln")->trigger();
    QCOMPARE(m_form->mdiArea()->subWindowList().size(), windows + 1);
    QCOMPARE(itemsOf(m_file), FileHead + "&1 E.pln,&2 B.pln,&3 F.pln,&4 C&&D.pln,-,"
                                         "&Clear Recent,-,E&xit");

    m_form->findChild<QAction*>("actionClearRecentPlans")->trigger();
    QCOMPARE(itemsOf(m_file), FileHead + "E&xit");
    QCOMPARE(m_platform->recent.value("Plans"), QStringList());
}

void tst_RecentMenu::evaluations()
{
    QMenu* edit = m_form->menuBar()->actions().at(1)->menu();
    QMenu* recent = item(edit, "Recent E&valuations")->menu();
    emit edit->aboutToShow();
    QVERIFY(!recent->menuAction()->isEnabled());

    const QString path = writeDocument(m_data->document("Game.gev"));
    OpenDocuments(*m_form, {path, m_data->document("new.gev")}); // the second is no file yet
    emit edit->aboutToShow();
    QVERIFY(recent->menuAction()->isEnabled());
    QCOMPARE(itemsOf(recent), QStringLiteral("&1 Game.gev,-,&Clear Recent"));
    QCOMPARE(itemsOf(item(edit, "Recent Sc&outing Reports")->menu()), QString());

    auto* window = m_form->findChild<TextDocumentDlg*>();
    window->close();
    item(recent, "&1 Game.gev")->trigger();
    QVERIFY(window->isVisible());
    QCOMPARE(window->documentPath(), path);
}

QTEST_MAIN(tst_RecentMenu)
#include "tst_RecentMenu.moc"
