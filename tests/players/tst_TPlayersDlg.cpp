#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "players/PlayerRoster.h"
#include "players/TPlayersDlg.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// players.db holding `names` in this order.
QByteArray rosterFile(const QStringList& names)
{
    QByteArray bytes("[Players]\r\n");
    for (int i = 0; i < names.size(); ++i)
        bytes += "Name" + QByteArray::number(i) + "=" + names[i].toUtf8() + "\r\n";
    return bytes + "Name" + QByteArray::number(names.size()) + "=\r\n";
}

QStringList shownNames(const TPlayersDlg& window)
{
    QStringList names;
    for (int row = 0; row < window.playersList()->count(); ++row)
        names << window.playersList()->item(row)->text();
    return names;
}

void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class tst_TPlayersDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void showSortsWithoutCase_data();
    void showSortsWithoutCase();
    void add_data();
    void add();
    void remove_data();
    void remove();
    void closeButton_data();
    void closeButton();
    void titleBarAbandonsChanges();
    void escapeClosesNothing();
    void positionKept();
    void failedSaveKeepsTheWindowOpen();
    void failedSaveCanStillClose();
    void modalRefusedWhileOpen();

private:
    void showWith(const QStringList& stored);
    void type(const QString& text);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<TPlayersDlg> m_window;
};

void tst_TPlayersDlg::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_window = std::make_unique<TPlayersDlg>();
}

void tst_TPlayersDlg::cleanup()
{
    const QStringList unanswered = m_platform->unanswered();
    const bool allUsed = m_platform->allAnswersUsed();
    m_window.reset();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
    QVERIFY(allUsed);
}

void tst_TPlayersDlg::showWith(const QStringList& stored)
{
    writeFile(m_data->file("players.db"), rosterFile(stored));
    m_window->showModeless();
}

void tst_TPlayersDlg::type(const QString& text)
{
    m_window->playerName()->setText(text);
}

void tst_TPlayersDlg::layout()
{
    showWith({"Ann"});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Players"));
    QCOMPARE(m_window->size(), QSize(369, 385));
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->text(), QStringLiteral("&Player Name"));
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->buddy(), m_window->playerName());
    QCOMPARE(m_window->playerName()->geometry(), QRect(8, 24, 169, 22));
    QCOMPARE(m_window->playersList()->geometry(), QRect(8, 52, 249, 293));
    QCOMPARE(m_window->playersList()->visualItemRect(m_window->playersList()->item(0)).height(),
             14);

    const QStringList buttons{"AddBtn", "DeleteBtn", "CloseBtn", "HelpBtn"};
    const QStringList texts{"&Add", "&Delete", "&Close", "&Help"};
    const QList<QRect> places{
        {180, 24, 75, 25}, {180, 348, 75, 25}, {284, 8, 75, 25}, {284, 40, 75, 25}};
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = m_window->findChild<QPushButton*>(buttons[i]);
        QCOMPARE(button->text(), texts[i]);
        QCOMPARE(button->geometry(), places[i]);
        QCOMPARE(button->isDefault(), i == 0);
    }

    QStringList order;
    for (QWidget* widget = m_window->playerName(); order.size() < 6;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    }
    QCOMPARE(order, QStringList({"PlayerName", "AddBtn", "PlayersList", "DeleteBtn", "CloseBtn",
                                 "HelpBtn"}));
    QVERIFY(m_window->playerName()->hasFocus() || QApplication::focusWidget() == nullptr);
    QCOMPARE(m_window->playerName()->maxLength(), 255);

    click(*m_window, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{115});
}

void tst_TPlayersDlg::showSortsWithoutCase_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("letter case ignored") << QStringList{"smith", "Adams", "baker", "Zed"}
                                         << QStringList{"Adams", "baker", "smith", "Zed"};
    QTest::newRow("duplicates kept")
        << QStringList{"Lee", "Ann", "Lee"} << QStringList{"Ann", "Lee", "Lee"};
    QTest::newRow("accents where a person expects them")
        << QStringList{"Zoe", "Émile", "Eve", "Ava"} << QStringList{"Ava", "Émile", "Eve", "Zoe"};
    QTest::newRow("numbers in order")
        << QStringList{"Player 10", "Player 2"} << QStringList{"Player 10", "Player 2"};
    QTest::newRow("empty") << QStringList() << QStringList();
}

void tst_TPlayersDlg::showSortsWithoutCase()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);
    showWith(stored);
    QCOMPARE(shownNames(*m_window), shown);
    QCOMPARE(m_window->playerName()->text(), QString());
}

void tst_TPlayersDlg::add_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("fieldAfter");

    QTest::newRow("trimmed, sorted in")
        << "  smith  " << false << QStringList{"Adams", "smith", "Zed"} << "";
    QTest::newRow("Enter adds") << "Baker" << true << QStringList{"Adams", "Baker", "Zed"} << "";
    QTest::newRow("only blanks: nothing") << "   " << false << QStringList{"Adams", "Zed"} << "";
    QTest::newRow("empty: nothing") << "" << true << QStringList{"Adams", "Zed"} << "";
    QTest::newRow("same name again") << "zed" << false << QStringList{"Adams", "Zed", "zed"} << "";
}

void tst_TPlayersDlg::add()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QStringList, shown);
    QFETCH(QString, fieldAfter);
    showWith({"Zed", "Adams"});
    type(typed);
    if (byEnter)
        QTest::keyClick(m_window->playerName(), Qt::Key_Return);
    else
        click(*m_window, "AddBtn");
    QCOMPARE(shownNames(*m_window), shown);
    QCOMPARE(m_window->playerName()->text(), fieldAfter);
    QVERIFY(m_window->isVisible());
}

void tst_TPlayersDlg::remove_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("first") << QStringList{"A", "B", "C"} << 0 << QStringList{"B", "C"} << 0;
    QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"} << 1;
    QTest::newRow("last: new last selected")
        << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"} << 1;
    QTest::newRow("only: nothing selected") << QStringList{"A"} << 0 << QStringList() << -1;
    QTest::newRow("none selected: nothing happens")
        << QStringList{"A", "B"} << -1 << QStringList{"A", "B"} << -1;
}

void tst_TPlayersDlg::remove()
{
    QFETCH(QStringList, stored);
    QFETCH(int, selected);
    QFETCH(QStringList, shown);
    QFETCH(int, selectedAfter);
    showWith(stored);
    m_window->playersList()->setCurrentRow(selected);
    click(*m_window, "DeleteBtn");
    QCOMPARE(shownNames(*m_window), shown);
    const QList<QListWidgetItem*> selection = m_window->playersList()->selectedItems();
    QCOMPARE(selection.isEmpty() ? -1 : m_window->playersList()->row(selection.first()),
             selectedAfter);
    QVERIFY(m_platform->shown.isEmpty());
}

void tst_TPlayersDlg::closeButton_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("saved");

    QTest::newRow("nothing typed") << ""
                                   << ""
                                   << "" << QStringList{"Ann", "Bob"};
    QTest::newRow("Yes adds it") << "Jones"
                                 << "yes"
                                 << "Add 'Jones' before closing?"
                                 << QStringList{"Ann", "Bob", "Jones"};
    QTest::newRow("No drops it") << "Jones"
                                 << "no"
                                 << "Add 'Jones' before closing?" << QStringList{"Ann", "Bob"};
    QTest::newRow("asked and added trimmed")
        << "  Al  "
        << "yes"
        << "Add 'Al' before closing?" << QStringList{"Al", "Ann", "Bob"};
    QTest::newRow("only blanks: no question, no name") << "   "
                                                       << ""
                                                       << "" << QStringList{"Ann", "Bob"};
}

void tst_TPlayersDlg::closeButton()
{
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QFETCH(QStringList, saved);
    showWith({"Bob", "Ann"});
    type(typed);
    if (answer == "yes")
        m_platform->answerYes();
    else if (answer == "no")
        m_platform->answerNo();
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_platform->messages(), question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(readFile(m_data->file("players.db")), rosterFile(saved));
}

void tst_TPlayersDlg::titleBarAbandonsChanges()
{
    showWith({"A", "B", "C", "D", "E"});
    const QByteArray before = readFile(m_data->file("players.db"));
    type("New");
    click(*m_window, "AddBtn");
    m_window->playersList()->setCurrentRow(0);
    click(*m_window, "DeleteBtn");
    QVERIFY(m_window->close());
    QCOMPARE(readFile(m_data->file("players.db")), before);

    m_window->showModeless();
    QCOMPARE(shownNames(*m_window), QStringList({"A", "B", "C", "D", "E"}));
    // Three saved over five: the fifth stays in the file, unread.
    for (int row : {4, 3})
        delete m_window->playersList()->takeItem(row);
    click(*m_window, "CloseBtn");
    QCOMPARE(PlayerRoster::Read().size(), std::size_t(3));
    QVERIFY(readFile(m_data->file("players.db")).contains("Name3=\r\nName4=E\r\n"));
}

void tst_TPlayersDlg::escapeClosesNothing()
{
    showWith({"A"});
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
}

void tst_TPlayersDlg::positionKept()
{
    showWith({});
    m_window->move(40, 60);
    QVERIFY(m_window->close());
    QCOMPARE(ReadProfileInt("prefs.db", "Players", "X", -100, -1, true), 40);
    QCOMPARE(ReadProfileInt("prefs.db", "Players", "Y", -100, -1, true), 60);
    m_window->move(300, 300);
    m_window->showModeless();
    QCOMPARE(m_window->pos(), QPoint(40, 60));
}

void tst_TPlayersDlg::failedSaveKeepsTheWindowOpen()
{
    showWith({"Ann"});
    const QString path = m_data->file("players.db");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    type("Bob");
    m_platform->answerYes(); // add Bob
    m_platform->answerNo();  // do not close unsaved
    click(*m_window, "CloseBtn");
    const QString failed = "Cannot write the file " + path + ".  The players list was not saved.";
    QCOMPARE(m_platform->messages(),
             QStringList({"Add 'Bob' before closing?", failed,
                          "Close the players list without saving your changes?"}));
    QCOMPARE(m_platform->beeps, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(shownNames(*m_window), QStringList({"Ann", "Bob"}));
    QCOMPARE(m_window->playerName()->text(), QString());

    QVERIFY(QDir(path).removeRecursively());
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(readFile(path), rosterFile({"Ann", "Bob"}));
}

void tst_TPlayersDlg::failedSaveCanStillClose()
{
    showWith({"Ann"});
    const QString path = m_data->file("players.db");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    m_platform->answerYes();
    click(*m_window, "CloseBtn");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_platform->messages().size(), 2);
}

void tst_TPlayersDlg::modalRefusedWhileOpen()
{
    m_platform->runDialog([](QDialog& dialog) {
        auto& players = static_cast<TPlayersDlg&>(dialog);
        players.playerName()->setText("Cy");
        QTest::mouseClick(players.findChild<QPushButton*>("AddBtn"), Qt::LeftButton);
        QTest::mouseClick(players.findChild<QPushButton*>("CloseBtn"), Qt::LeftButton);
    });
    QCOMPARE(m_window->showModal(), int(QDialog::Accepted));
    QCOMPARE(readFile(m_data->file("players.db")), rosterFile({"Cy"}));

    m_window->showModeless();
    QCOMPARE(m_window->showModal(), int(QDialog::Rejected));
    QCOMPARE(m_platform->messages(), QStringList{"Cannot make a visible window modal"});
}

QTEST_MAIN(tst_TPlayersDlg)
#include "tst_TPlayersDlg.moc"
