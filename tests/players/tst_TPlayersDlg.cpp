#include "FileBytes.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "players/TImportPlayersDlg.h"
#include "players/TPlayersDlg.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// players.db as the list writes `names`.
QByteArray rosterFile(const QStringList& names)
{
    QByteArray bytes("[Players]\r\n");
    for (int i = 0; i <= names.size(); ++i)
        bytes += "Name" + QByteArray::number(i) + "=" + names.value(i).toUtf8() + "\r\n";
    return bytes;
}

QStringList shownNames(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

QStringList shownNames(const TPlayersDlg& window)
{
    return shownNames(window.playersList());
}

// The names with their ratings as shown: "Ann 3", "Bob".
QStringList shownRatings(const TPlayersDlg& window)
{
    QStringList shown;
    for (int row = 0; row < window.playersList()->count(); ++row) {
        const QListWidgetItem* item = window.playersList()->item(row);
        const int rating = item->data(Qt::UserRole + 1).toInt();
        shown << item->text() + (rating ? QStringLiteral(" %1").arg(rating) : QString());
    }
    return shown;
}

} // namespace

class tst_TPlayersDlg : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void show_data();
    void show();
    void add_data();
    void add();
    void remove_data();
    void remove();
    void closeButton_data();
    void closeButton();
    void titleBarAbandonsChanges();
    void failedSaveKeepsTheWindowOpen();
    void import_data();
    void import();
    void importStopsAtTheListsSize();
    void exportList_data();
    void exportList();
    void ratings();

private:
    void showWith(const QByteArray& file);

    std::unique_ptr<TPlayersDlg> m_window;
};

void tst_TPlayersDlg::init()
{
    startWindowTest();
    m_window = std::make_unique<TPlayersDlg>();
}

void tst_TPlayersDlg::cleanup()
{
    finishWindowTest([this] { m_window.reset(); });
}

void tst_TPlayersDlg::showWith(const QByteArray& file)
{
    QVERIFY(file.isNull() || writeFile(m_data->file("players.db"), file));
    m_window->showModeless();
}

void tst_TPlayersDlg::layout()
{
    showWith(rosterFile({"Ann"}));
    QCOMPARE(m_window->playersList()->visualItemRect(m_window->playersList()->item(0)).height(),
             14);
    click(*m_window, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{115});
    QTest::keyClick(m_window.get(), Qt::Key_Escape); // no Cancel button: closes nothing
    QVERIFY(m_window->isVisible());
}

void tst_TPlayersDlg::show_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("missing file") << QByteArray() << QStringList();
    QTest::newRow("names equal but for case stay in file order")
        << rosterFile({"Smith", "smith", "SMITH"}) << QStringList{"Smith", "smith", "SMITH"};
    QTest::newRow("letter case ignored") << rosterFile({"smith", "Adams", "baker", "Zed"})
                                         << QStringList{"Adams", "baker", "smith", "Zed"};
    QTest::newRow("stops at the first empty or missing name")
        << QByteArray("[players]\nNAME0=B\nname1=A\nName2=  \nName3=Hidden\n")
        << QStringList{"A", "B"};
    QTest::newRow("cut at 255") << QByteArray("[Players]\r\nName0=" + QByteArray(300, 'x'))
                                << QStringList{QString(255, 'x')};
}

void tst_TPlayersDlg::show()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shown);
    showWith(file);
    QCOMPARE(shownNames(*m_window), shown);
}

void tst_TPlayersDlg::add_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("trimmed, sorted in") << "  smith " << false << QStringList{"Al", "smith", "Zed"};
    QTest::newRow("only blanks: nothing") << "   " << false << QStringList{"Al", "Zed"};
    QTest::newRow("control characters cut") << "\tBo\x01" << true << QStringList{"Al", "Bo", "Zed"};
    QTest::newRow("same name again") << "zed" << false << QStringList{"Al", "Zed", "zed"};
    QTest::newRow("typed past 255: what the file gives back")
        << QString(300, 'x') << false << QStringList{"Al", QString(255, 'x'), "Zed"};
    const QString emoji = QString::fromUtf8("\U0001F600");
    QTest::newRow("an emoji is one of the 255")
        << emoji.repeated(300) << false << QStringList{emoji.repeated(255), "Al", "Zed"};
    QTest::newRow("enclosing quotes go, as the file takes them off")
        << " \"'Bo'\" " << false << QStringList{"Al", "Bo", "Zed"};
    QTest::newRow("two apostrophes: nothing") << "''" << true << QStringList{"Al", "Zed"};
}

void tst_TPlayersDlg::add()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QStringList, shown);
    showWith(rosterFile({"Zed", "Al"}));
    m_window->playerName()->insert(typed); // as typed or pasted
    if (byEnter)
        QTest::keyClick(m_window->playerName(), Qt::Key_Return);
    else
        click(*m_window, "AddBtn");
    QCOMPARE(shownNames(*m_window), shown);
    QCOMPARE(m_window->playerName()->text(), QString());
}

void tst_TPlayersDlg::remove_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("first") << 0 << QStringList{"B", "C"} << 0;
    QTest::newRow("middle") << 1 << QStringList{"A", "C"} << 1;
    QTest::newRow("last: the new last") << 2 << QStringList{"A", "B"} << 1;
    QTest::newRow("none selected: nothing") << -1 << QStringList{"A", "B", "C"} << -1;
}

void tst_TPlayersDlg::remove()
{
    QFETCH(int, selected);
    QFETCH(QStringList, shown);
    QFETCH(int, selectedAfter);
    showWith(rosterFile({"A", "B", "C"}));
    QListWidget* list = m_window->playersList();
    list->setCurrentRow(selected);
    click(*m_window, "DeleteBtn");
    QCOMPARE(shownNames(*m_window), shown);
    QCOMPARE(list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().first()),
             selectedAfter);
    if (selectedAfter >= 0) { // down to the only one: deleting it leaves nothing selected
        for (int i = 0; i < 2; ++i)
            click(*m_window, "DeleteBtn");
        QVERIFY(list->selectedItems().isEmpty());
    }
}

void tst_TPlayersDlg::closeButton_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // 0 not asked, 1 Yes, 2 No
    QTest::addColumn<QStringList>("saved");

    QTest::newRow("nothing typed") << QString() << 0 << QStringList{"Ann", "Bob"};
    QTest::newRow("Yes adds it") << "Jones" << 1 << QStringList{"Ann", "Bob", "Jones"};
    QTest::newRow("No drops it") << "Jones" << 2 << QStringList{"Ann", "Bob"};
    QTest::newRow("added trimmed") << "  Al  " << 1 << QStringList{"Al", "Ann", "Bob"};
    QTest::newRow("only blanks: not asked") << "   " << 0 << QStringList{"Ann", "Bob"};
    // Stored as '' it would read back empty, end the list and lose the roster.
    QTest::newRow("two apostrophes: not asked") << "''" << 0 << QStringList{"Ann", "Bob"};
}

void tst_TPlayersDlg::closeButton()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QStringList, saved);
    showWith(rosterFile({"Bob", "Ann"}));
    m_window->playerName()->setText(typed);
    if (answer == 1)
        m_platform->answerYes();
    else if (answer == 2)
        m_platform->answerNo();
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    const QString question = "Add '" + typed.trimmed() + "' before closing?";
    QCOMPARE(m_platform->messages(), answer ? QStringList{question} : QStringList());
    QCOMPARE(readFile(m_data->file("players.db")), rosterFile(saved));
}

void tst_TPlayersDlg::titleBarAbandonsChanges()
{
    const QByteArray five = rosterFile({"A", "B", "C", "D", "E"});
    showWith(five);
    m_window->move(40, 60);
    m_window->playerName()->setText("New");
    click(*m_window, "AddBtn");
    QVERIFY(m_window->close());
    QCOMPARE(readFile(m_data->file("players.db")), five);
    QCOMPARE(ReadProfileInt("prefs.db", "Players", "X", -100, -1, true), 40);
    QCOMPARE(ReadProfileInt("prefs.db", "Players", "Y", -100, -1, true), 60);

    // Reopened where it was, from the file; three saved over five.
    m_window->move(300, 300);
    m_window->showModeless();
    QCOMPARE(m_window->pos(), QPoint(40, 60));
    QCOMPARE(shownNames(*m_window), QStringList({"A", "B", "C", "D", "E"}));
    m_window->playersList()->setCurrentRow(3);
    for (int i = 0; i < 2; ++i)
        click(*m_window, "DeleteBtn");
    click(*m_window, "CloseBtn");
    QCOMPARE(readFile(m_data->file("players.db")),
             "[Players]\r\nName0=A\r\nName1=B\r\nName2=C\r\nName3=\r\nName4=E\r\nName5=\r\n");
    m_window->showModeless();
    QCOMPARE(shownNames(*m_window), QStringList({"A", "B", "C"}));
}

void tst_TPlayersDlg::failedSaveKeepsTheWindowOpen()
{
    showWith(rosterFile({"Ann"}));
    const QString path = m_data->file("players.db");
    QVERIFY(QFile::remove(path) && QDir().mkpath(path));
    m_window->playerName()->setText("Bob");
    m_platform->answerYes(); // add Bob
    m_platform->answerNo();  // do not close unsaved
    click(*m_window, "CloseBtn");
    const QString failed = "Cannot write the file " + path + ".  The players list was not saved.";
    const QString leave = "Close the players list without saving your changes?";
    QCOMPARE(m_platform->messages(), QStringList({"Add 'Bob' before closing?", failed, leave}));
    QCOMPARE(m_platform->beeps, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(shownNames(*m_window), QStringList({"Ann", "Bob"}));

    m_platform->answerYes(); // close unsaved
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    QVERIFY(QFileInfo(path).isDir());

    QVERIFY(QDir(path).removeRecursively());
    m_window->showModeless();
    click(*m_window, "CloseBtn");
    QCOMPARE(readFile(path), rosterFile({}));
}

// The roster Ann, Bob; a file imported, its preview answered.
void tst_TPlayersDlg::import_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no such file
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("preview"); // added|present|notes, or the error shown
    QTest::addColumn<QStringList>("shown");

    const QByteArray csv("\xEF\xBB\xBFLast,First\r\nbob,\r\nGarc\xC3\xAD"
                         "a,Jos\xC3\xA9\r\n,\r\n");
    const QStringList preview{"José García", "bob", "1 blank row skipped."};
    const QStringList roster{"Ann", "Bob"};
    QTest::newRow("accepted") << csv << true << preview << roster + QStringList{"José García"};
    QTest::newRow("cancelled") << csv << false << preview << roster;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0", 10) << false
                            << QStringList{"The file %1 holds no text.  Save the list as CSV or "
                                           "as plain text and import that file."}
                            << roster;
    QTest::newRow("empty") << QByteArray("") << false << QStringList{"The file %1 holds no names."}
                           << roster;
    QTest::newRow("missing") << QByteArray() << false << QStringList{"Cannot read the file %1."}
                             << roster;
}

void tst_TPlayersDlg::import()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, accept);
    QFETCH(QStringList, preview);
    QFETCH(QStringList, shown);

    const QByteArray roster = rosterFile({"Bob", "Ann"});
    showWith(roster);
    const QString path = m_data->document("roster.csv");
    QVERIFY(file.isNull() || writeFile(path, file));
    m_platform->chooseFile(path);
    QStringList seen;
    if (preview.size() == 3) {
        m_platform->runDialog([&](QDialog& dialog) {
            auto& window = static_cast<TImportPlayersDlg&>(dialog);
            seen << shownNames(window.addedList()).join('|')
                 << shownNames(window.presentList()).join('|') << window.notes()->text();
            QCOMPARE(window.okButton()->isEnabled(), !seen.first().isEmpty());
            accept ? dialog.accept() : dialog.reject();
        });
    }
    click(*m_window, "ImportBtn");
    if (preview.size() == 3)
        QCOMPARE(seen, preview);
    else
        QCOMPARE(m_platform->messages(), QStringList{preview.first().arg(path)});
    QCOMPARE(shownNames(*m_window), shown);
    QCOMPARE(readFile(m_data->file("players.db")), roster); // saved by Close only
}

// A CSV of 100,000 rows fills the list up to its 10,000 players.
void tst_TPlayersDlg::importStopsAtTheListsSize()
{
    showWith(rosterFile({"Ann"}));
    QByteArray csv("Number;Name\r\n");
    for (int row = 0; row < 100000; ++row)
        csv += QByteArray::number(row) + ";Player " + QByteArray::number(row) + "\r\n";
    const QString path = m_data->document("big.csv");
    QVERIFY(writeFile(path, csv));
    m_platform->chooseFile(path);
    QString notes;
    m_platform->runDialog([&](QDialog& dialog) {
        notes = static_cast<TImportPlayersDlg&>(dialog).notes()->text();
        dialog.accept();
    });
    click(*m_window, "ImportBtn");
    QCOMPARE(notes, QString("90001 names left out: the list holds at most 10000 players."));
    QCOMPARE(m_window->playersList()->count(), 10000);
}

void tst_TPlayersDlg::exportList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("before"); // null: no file there
    QTest::addColumn<QByteArray>("after");  // null: not written

    const QByteArray csv("\xEF\xBB\xBFName\r\n\"Lee, Ann\"\r\nZo\xC3\xAB\r\n");
    QTest::newRow("CSV") << "roster.csv" << QByteArray() << csv;
    QTest::newRow("text, replacing a file")
        << "roster.txt" << QByteArray("old\r\n") << QByteArray("Lee, Ann\r\nZo\xC3\xAB\r\n");
    QTest::newRow("no such folder") << "gone/roster.csv" << QByteArray() << QByteArray();
    QTest::newRow("read-only file") << "locked.csv" << QByteArray("old\r\n") << QByteArray();
}

void tst_TPlayersDlg::exportList()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    showWith(rosterFile({"Zoë"}));
    m_window->playerName()->setText("Lee, Ann"); // exported as shown, before any Close
    click(*m_window, "AddBtn");
    const QString path = m_data->document(name);
    if (!before.isNull()) {
        QVERIFY(writeFile(path, before));
        if (after.isNull())
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    }
    m_platform->chooseFile(path);
    click(*m_window, "ExportBtn");
    QCOMPARE(m_platform->messages(),
             after.isNull() ? QStringList{"Cannot write the file " + path + "."} : QStringList());
    QCOMPARE(readFile(path), after.isNull() ? (before.isNull() ? "<missing>" : before) : after);
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(),
             int(QFileInfo::exists(path))); // no temporary file left
}

// Keys rate the current player and move on; entries of one name share a
// rating; Close stores them, a deleted or renamed player takes his along.
void tst_TPlayersDlg::ratings()
{
    QVERIFY(writeFile(m_data->file("ratings.db"), "[Ratings]\r\nBob=4\r\nGone=2\r\n"));
    showWith(rosterFile({"Cy", "bob", "Ann", "Bob", "Dee"}));
    QCOMPARE(shownRatings(*m_window), QStringList({"Ann", "bob 4", "Bob 4", "Cy", "Dee"}));
    QListWidget* list = m_window->playersList();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    list->setFocus();
    list->setCurrentRow(0);
    for (const Qt::Key key : {Qt::Key_5, Qt::Key_2, Qt::Key_3, Qt::Key_3, Qt::Key_0})
        QTest::keyClick(list, key);
    QCOMPARE(shownRatings(*m_window), QStringList({"Ann 5", "bob 3", "Bob 3", "Cy 3", "Dee"}));

    list->setCurrentRow(3);
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = list->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText("  Zed ");
    QTest::keyClick(editor, Qt::Key_Return);
    for (int round = 0; round < 2; ++round) // the editor commits, then the name moves
        QCoreApplication::processEvents();
    list->setCurrentRow(1);
    for (int i = 0; i < 2; ++i)
        click(*m_window, "DeleteBtn");
    m_window->playerName()->setText("ann");
    click(*m_window, "AddBtn");
    QCOMPARE(shownRatings(*m_window), QStringList({"Ann 5", "ann 5", "Dee", "Zed 3"}));
    click(*m_window, "CloseBtn");
    QCOMPARE(readFile(m_data->file("ratings.db")),
             QByteArray("[Ratings]\r\nBob=\r\nGone=2\r\nAnn=5\r\nZed=3\r\n"));

    m_window->showModeless();
    QCOMPARE(shownRatings(*m_window), QStringList({"Ann 5", "ann 5", "Dee", "Zed 3"}));
}

QTEST_MAIN(tst_TPlayersDlg)
#include "tst_TPlayersDlg.moc"
