#include "PdfText.h"
#include "TeamWindowTest.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "teams/TTeamDlg.h"
#include "teams/TeamSet.h"

#include <QComboBox>
#include <QDir>
#include <QtTest>

namespace {

const QString NotValid = QStringLiteral("Not a valid number of players");

// teams<N>.db with one player in its first team.
void placeOne(const TempDataDir& data, int players)
{
    QVERIFY(writeFile(data.file(QString("teams%1.db").arg(players)), "[Main]\r\nTm0P0=Ann\r\n"));
}

} // namespace

class tst_TTeamDlg : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout();
    void invalidNumber_data();
    void invalidNumber();
    void opensTheSet();
    void printAll_data();
    void printAll();
    void resetAllWritesEverySet();
    void resetAllReportsWhatFailed_data();
    void resetAllReportsWhatFailed();

private:
    std::unique_ptr<TTeamDlg> m_selector;
};

void tst_TTeamDlg::init()
{
    startWindowTest();
    m_selector = std::make_unique<TTeamDlg>();
}

void tst_TTeamDlg::cleanup()
{
    finishWindowTest([this] { m_selector.reset(); });
}

void tst_TTeamDlg::layout()
{
    m_selector->showModeless();
    QCOMPARE(m_selector->size(), QSize(317, 122));
    QCOMPARE(m_selector->pos(), QPoint(126, 136));
    QStringList order;
    QWidget* widget = m_selector->playerCbo();
    for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain()) {
        while (widget->focusPolicy() == Qt::NoFocus || !widget->objectName().size())
            widget = widget->nextInFocusChain();
        order << widget->objectName();
    }
    QCOMPARE(order, (QStringList{"PlayerCbo", "OkBtn", "HelpBtn", "PrintAllBtn", "ResetAll",
                                 "CancelBtn"}));
    click(*m_selector, "HelpBtn");
    QCOMPARE(m_platform->helpTopics, QList<int>{116});

    // Shown again after a choice: the entry is empty and it stays where it was.
    m_selector->playerCbo()->setEditText("5");
    m_selector->move(300, 200);
    QTest::keyClick(m_selector.get(), Qt::Key_Escape);
    QVERIFY(!m_selector->isVisible());
    m_selector->showModeless();
    QCOMPARE(m_selector->playerCbo()->currentText(), QString());
    QCOMPARE(m_selector->playerCbo()->currentIndex(), -1);
    QCOMPARE(m_selector->pos(), QPoint(300, 200));
    m_selector->close();
}

void tst_TTeamDlg::invalidNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("one") << "1";
    QTest::newRow("twelve") << "12";
    QTest::newRow("letters") << "six";
    QTest::newRow("nothing") << "";
    QTest::newRow("a fraction") << "2.5";
}

void tst_TTeamDlg::invalidNumber()
{
    QFETCH(QString, entry);

    m_selector->showModeless();
    // Typed as the coach types: nothing completes "1" to "10".
    QTest::keyClicks(m_selector->playerCbo(), entry);
    click(*m_selector, "OkBtn");
    QCOMPARE(m_platform->messages(), QStringList{NotValid});
    QCOMPARE(m_platform->shown.first().caption, QString("Error"));
    QVERIFY(m_selector->isVisible());
    QCOMPARE(m_selector->playerCbo()->currentText(), entry);
    m_selector->close();
}

void tst_TTeamDlg::opensTheSet()
{
    m_selector->showModeless();
    QTest::keyClicks(m_selector->playerCbo(), "7");
    // Enter is not OK here.
    QTest::keyClick(m_selector->playerCbo(), Qt::Key_Return);
    QVERIFY(m_platform->shown.isEmpty());

    QString caption;
    bool modal = false;
    m_platform->runDialog([&](QDialog& window) {
        caption = window.windowTitle();
        modal = window.isModal();
        window.close();
    });
    click(*m_selector, "OkBtn");
    QCOMPARE(caption, QString("7 Player"));
    QVERIFY(modal);
    QVERIFY(!m_selector->isVisible());
    QVERIFY(m_selector->findChildren<TTeams*>().isEmpty());
}

void tst_TTeamDlg::printAll_data()
{
    QTest::addColumn<QList<int>>("placed");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QList<int>>("printed");

    QTest::newRow("no set with a player") << QList<int>{} << true << QList<int>{};
    QTest::newRow("the smallest and largest") << QList<int>{11, 2} << true << QList<int>{2, 11};
    QTest::newRow("print dialog cancelled") << QList<int>{3} << false << QList<int>{};
}

void tst_TTeamDlg::printAll()
{
    QFETCH(QList<int>, placed);
    QFETCH(bool, confirmed);
    QFETCH(QList<int>, printed);

    for (const int players : placed)
        placeOne(*m_data, players);
    // A named set without players prints nothing either.
    QVERIFY(writeFile(m_data->file("teams7.db"), "[Main]\r\nDescription=Named\r\nTm0=Reds\r\n"));
    const QString pdf = m_data->document("all.pdf");
    confirmed ? m_platform->printToPdf(pdf) : m_platform->cancelDialog();
    const std::vector<int> jobs = m_selector->PrintAllSets();
    QCOMPARE(QList<int>(jobs.begin(), jobs.end()), printed);
    QCOMPARE(m_platform->shown.size(), 1);
    QCOMPARE(m_platform->shown.first().kind, QString("print"));
    QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
    QVERIFY(m_selector->findChildren<TTeams*>().isEmpty());
    // A file takes every set in one document, in order, each from page 1.
    const QString text = printed.isEmpty() ? QString() : pdfText(pdf);
    QList<int> headings;
    for (const auto& found : QRegularExpression("(\\d+)-Player Teams").globalMatch(text))
        headings << found.captured(1).toInt();
    QCOMPARE(text.isNull() ? printed : headings, printed);
    QCOMPARE(text.count("Page 1"), text.isNull() ? 0 : printed.size());
}

void tst_TTeamDlg::resetAllWritesEverySet()
{
    writeRoster(m_data->file("players.db"), {"Ann"});
    placeOne(*m_data, 4);
    m_selector->showModeless();
    click(*m_selector, "ResetAll");
    QVERIFY(m_platform->shown.isEmpty());
    QVERIFY(m_selector->isVisible());
    for (int players = 2; players <= 11; ++players) {
        const QByteArray saved = readFile(m_data->file(QString("teams%1.db").arg(players)));
        // A file already there keeps its keys where they stand.
        QVERIFY(saved.contains("\r\nDescription=Teams for 12/8/2026\r\n"));
        QVERIFY(saved.contains("\r\nTm0P0=\r\n"));
        if (players != 4)
            QVERIFY(
                saved.startsWith("[Main]\r\nDescription=Teams for 12/8/2026\r\nTm0=Team 1\r\n"));
        QCOMPARE(saved.count("="), 1 + TeamSetFile::TeamCount(players) * (players + 2));
    }
    QVERIFY(m_selector->findChildren<TTeams*>().isEmpty());
    m_selector->close();
}

void tst_TTeamDlg::resetAllReportsWhatFailed_data()
{
    QTest::addColumn<QList<int>>("unwritable");
    QTest::addColumn<QString>("message"); // %N: the path of teamsN.db

    QTest::newRow("one") << QList<int>{6} << "Cannot write the file %6.  The teams were not saved.";
    QTest::newRow("one sentence, a file a line")
        << QList<int>{3, 6, 11}
        << "These files cannot be written, so their teams were not saved:\n%3\n%6\n%11";
}

void tst_TTeamDlg::resetAllReportsWhatFailed()
{
    QFETCH(QList<int>, unwritable);
    QFETCH(QString, message);

    for (const int players : unwritable) {
        const QString path = m_data->file(QString("teams%1.db").arg(players));
        QVERIFY(QDir().mkpath(path));
        message.replace(QString("%%1").arg(players), path);
    }
    m_selector->showModeless();
    click(*m_selector, "ResetAll");
    QCOMPARE(m_platform->messages(), QStringList{message});
    QCOMPARE(m_platform->beeps, 1);
    QVERIFY(QFile::exists(m_data->file("teams5.db")));
    QVERIFY(QFile::exists(m_data->file("teams7.db")));
    m_selector->close();
}

QTEST_MAIN(tst_TTeamDlg)
#include "tst_TTeamDlg.moc"
