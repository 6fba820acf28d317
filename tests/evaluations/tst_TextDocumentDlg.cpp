#include "FileBytes.h"
#include "PdfText.h"
#include "WidgetLookup.h"
#include "WindowTest.h"

#include "evaluations/TGameEvalDlg.h"
#include "evaluations/TScoutReportDlg.h"
#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

const QString Evaluation;
const QString Report = QStringLiteral("report");

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A stored document with Line1 missing and a stale Line3.
QByteArray storedDocument(const QString& kind)
{
    const QByteArray head = kind == Report ? "[Main]\r\nTeam=Eagles\r\nDate=2/14/99\r\n"
                                           : "[Evaluation]\r\nDate=2/14/99\r\nOpponent=Eagles\r\n";
    return head + "NumLines=3\r\nLine0=Zone press\r\nLine2=Weak left\r\nLine3=stale\r\n";
}

} // namespace

class tst_TextDocumentDlg : public QObject, private WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showing_data();
    void showing();
    void okRefusals_data();
    void okRefusals();
    void okSaves_data();
    void okSaves();
    void failedSaveKeepsTheText();
    void cancel_data();
    void cancel();
    void leavingTheDate_data();
    void leavingTheDate();
    void anotherDocumentWhileOpen_data();
    void anotherDocumentWhileOpen();
    void wrappedTextIsStoredAsDisplayed();
    void printsWhatIsShown();

private:
    void open(const QString& kind, const QString& path);
    template <typename T = QWidget> T* control(std::string_view name) const
    {
        return m_window->findChild<T*>(qt(name));
    }
    QLineEdit* date() const { return control<QLineEdit>(m_window->kind().dateFieldName); }
    QLineEdit* opponent() const { return control<QLineEdit>("Opponent"); }
    QPlainTextEdit* text() const { return control<QPlainTextEdit>(m_window->kind().textFieldName); }
    void click(std::string_view name)
    {
        QTest::mouseClick(control(name), Qt::LeftButton, {}, {4, 4});
    }
    QString path(const char* name) const { return m_data->document(name); }

    std::unique_ptr<TextDocumentDlg> m_window;
};

void tst_TextDocumentDlg::init()
{
    startWindowTest();
}

void tst_TextDocumentDlg::cleanup()
{
    finishWindowTest([this] { m_window.reset(); });
}

void tst_TextDocumentDlg::open(const QString& kind, const QString& path)
{
    if (!m_window && kind == Report)
        m_window = std::make_unique<TScoutReportDlg>();
    else if (!m_window)
        m_window = std::make_unique<TGameEvalDlg>();
    m_window->openDocument(path, m_data->folder());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_TextDocumentDlg::showing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields"); // date, opponent, text

    const QStringList newOne{"12/8/2026", "", ""};
    const QStringList old{"2/14/99", "Eagles", "Zone press\n \nWeak left"};
    QTest::newRow("evaluation that does not exist") << Evaluation << QByteArray() << newOne;
    QTest::newRow("report: Team into Opponent") << Report << storedDocument(Report) << old;
}

void tst_TextDocumentDlg::showing()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);

    if (!file.isEmpty())
        QVERIFY(writeFile(path("GAME.gev"), file));
    open(kind, path("GAME.gev"));
    QCOMPARE(QStringList({date()->text(), opponent()->text(), text()->toPlainText()}), fields);
    QWidget* focus = file.isEmpty() ? static_cast<QWidget*>(date()) : text();
    QCOMPARE(QApplication::focusWidget(), focus);
    QCOMPARE(fieldsNotAtStart(*m_window), QStringList());
    QVERIFY(!m_window->isChanged());
}

void tst_TextDocumentDlg::okRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");

    QTest::newRow("evaluation without date")
        << Evaluation << ""
        << "The evaluation cannot be saved without a Date of Evaluation.";
    QTest::newRow("report without date")
        << Report << ""
        << "The scouting report cannot be saved without a Report Date.";
    QTest::newRow("no such day") << Evaluation << "2/30/98"
                                 << "'2/30/98' is not a valid date";
}

void tst_TextDocumentDlg::okRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, date);
    QFETCH(QString, message);

    open(kind, path("GAME.gev"));
    this->date()->setText(date);
    QTest::keyClick(this->date(), Qt::Key_Return); // OK is the default button
    QCOMPARE(m_platform->messages(), QStringList{message});
    QVERIFY(m_platform->fileRequests.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(QApplication::focusWidget(), this->date());
    QVERIFY(!QFile::exists(path("GAME.gev")));
}

void tst_TextDocumentDlg::okSaves_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("bytes");

    // Over the first file the stale lines stay and the missing one is added.
    QTest::newRow("evaluation under its own name")
        << Evaluation << "GAME.gev"
        << "GAME.gev"
        << QByteArray("[Evaluation]\r\nDate=3/7\r\nOpponent=Tigers\r\nNumLines=2\r\n"
                      "Line0=Fast break\r\nLine2=Weak left\r\nLine3=stale\r\nLine1=Boards\r\n");
    const QByteArray lines("NumLines=2\r\nLine0=Fast break\r\nLine1=Boards\r\n");
    QTest::newRow("report typed without extension")
        << Report << "SCOUT"
        << "SCOUT.rep"
        << "[Main]\r\nTeam=Tigers\r\nDate=3/7\r\n" + lines;
    QTest::newRow("evaluation without extension in a folder with a dot")
        << Evaluation << "my.docs/game"
        << "my.docs/game.gev"
        << "[Evaluation]\r\nDate=3/7\r\nOpponent=Tigers\r\n" + lines;
    QTest::newRow("report without extension in a folder with a dot")
        << Report << "my.docs/game"
        << "my.docs/game.rep"
        << "[Main]\r\nTeam=Tigers\r\nDate=3/7\r\n" + lines;
}

void tst_TextDocumentDlg::okSaves()
{
    QFETCH(QString, kind);
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(QByteArray, bytes);

    const QString first = path("GAME.gev");
    QVERIFY(writeFile(first, storedDocument(kind)));
    QVERIFY(QDir().mkpath(QFileInfo(m_data->document(saved)).path()));
    open(kind, first);
    // Quotes the file would take off go before the date is checked.
    date()->setText(" '3/7' ");
    opponent()->setText("\"Tigers\"");
    text()->setPlainText("Fast break\nBoards\n");
    m_platform->cancelDialog(); // nothing written, the window stays
    click("OkBtn");
    QVERIFY(m_window->isVisible());
    m_platform->chooseFile(m_data->document(chosen));
    click("OkBtn");
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->documentPath(), QString());

    const Platform::FileRequest request = m_platform->fileRequests.last();
    QCOMPARE(request.fileName, first);
    QCOMPARE(request.initialFolder, m_data->folder());
    QVERIFY(!request.askOverwrite);
    QCOMPARE(readFile(m_data->document(saved)), bytes);
    if (saved != chosen)
        QCOMPARE(readFile(first), storedDocument(kind)); // the first file as it was
}

void tst_TextDocumentDlg::failedSaveKeepsTheText()
{
    open(Report, path("GAME.rep"));
    text()->setPlainText("Keep me");
    const QString unwritable = path("no such folder/GAME.rep");
    m_platform->chooseFile(unwritable);
    click("OkBtn");
    QCOMPARE(m_platform->messages(), QStringList{"Cannot write the file " + unwritable +
                                                 ".  The scouting report was not saved."});
    QVERIFY(m_window->isVisible());
    QCOMPARE(text()->toPlainText(), QStringLiteral("Keep me"));
    QCOMPARE(m_window->documentPath(), path("GAME.rep"));
}

void tst_TextDocumentDlg::cancel_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<bool>("yes");

    QTest::newRow("evaluation, No") << Evaluation << false << false;
    QTest::newRow("report, Escape, Yes") << Report << true << true;
}

// Cancel asks; Yes closes without writing and keeps the position for next time.
void tst_TextDocumentDlg::cancel()
{
    QFETCH(QString, kind);
    QFETCH(bool, escape);
    QFETCH(bool, yes);

    open(kind, path("GAME.gev"));
    m_window->move(140, 90);
    QTest::keyClicks(text(), "Unsaved");
    yes ? m_platform->answerYes() : m_platform->answerNo();
    escape ? QTest::keyClick(text(), Qt::Key_Escape) : click("CancelBtn");
    QCOMPARE(m_platform->messages(), QStringList{qt(m_window->kind().cancelQuestion)});
    QCOMPARE(m_window->isVisible(), !yes);
    QVERIFY(!QFile::exists(path("GAME.gev")));
    if (!yes)
        return;
    const std::string section = m_window->kind().positionSection;
    QCOMPARE(ReadProfileInt("prefs.db", section, "X", -100, -1, true), 140);
    QCOMPARE(ReadProfileInt("prefs.db", "PlanDetail", "X", -100, -1, true), -100);
    m_window->move(0, 0);
    open(kind, path("GAME.gev"));
    QCOMPARE(m_window->pos(), QPoint(140, 90));
    QCOMPARE(text()->toPlainText(), QString());
}

void tst_TextDocumentDlg::leavingTheDate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("refused");

    QTest::newRow("valid, to the opponent") << Evaluation << "3/7/98"
                                            << "Opponent" << false;
    QTest::newRow("no such day, to the opponent") << Evaluation << "2/30/98"
                                                  << "Opponent" << true;
    QTest::newRow("empty, to the text") << Report << ""
                                        << "Report" << true;
    QTest::newRow("invalid, to Cancel") << Evaluation << "x"
                                        << "CancelBtn" << false;
}

void tst_TextDocumentDlg::leavingTheDate()
{
    QFETCH(QString, kind);
    QFETCH(QString, date);
    QFETCH(QString, to);
    QFETCH(bool, refused);

    open(kind, path("NEW.gev"));
    this->date()->setText(date);
    const bool toCancel = to == QLatin1String("CancelBtn");
    if (toCancel)
        m_platform->answerNo(); // the click then asks to cancel
    click(to.toStdString());
    QStringList expected;
    if (refused)
        expected << "Invalid date.  You must enter a valid date.";
    if (toCancel)
        expected << qt(m_window->kind().cancelQuestion);
    QCOMPARE(m_platform->messages(), expected);
    QCOMPARE(QApplication::focusWidget(), refused ? this->date() : control(to.toStdString()));
    QCOMPARE(this->date()->text(), date); // never rewritten
}

void tst_TextDocumentDlg::anotherDocumentWhileOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("yes");

    QTest::newRow("untouched: loads without asking") << Evaluation << false << false;
    QTest::newRow("edited, Yes: loads") << Evaluation << true << true;
    QTest::newRow("edited, No: keeps the shown one") << Report << true << false;
}

void tst_TextDocumentDlg::anotherDocumentWhileOpen()
{
    QFETCH(QString, kind);
    QFETCH(bool, edited);
    QFETCH(bool, yes);

    const QString first = path("FIRST.gev");
    const QString second = path("SECOND.gev");
    QVERIFY(writeFile(second, storedDocument(kind)));
    open(kind, first);
    if (edited) {
        QTest::keyClicks(opponent(), "Edited");
        yes ? m_platform->answerYes() : m_platform->answerNo();
    }
    open(kind, second);
    const bool loads = !edited || yes;
    QCOMPARE(m_platform->messages().size(), edited ? 1 : 0);
    QCOMPARE(opponent()->text(), loads ? QStringLiteral("Eagles") : QStringLiteral("Edited"));
    // The next OK offers the shown document's own name.
    m_platform->cancelDialog();
    click("OkBtn");
    QCOMPARE(m_platform->fileRequests.last().fileName, loads ? second : first);
}

// Each displayed line, wrapped pieces included, is one stored line, the same
// whether or not the paragraphs between the first and the last screen were
// ever scrolled into view.
void tst_TextDocumentDlg::wrappedTextIsStoredAsDisplayed()
{
    const QString typed = QStringLiteral("row\n").repeated(20) +
                          QStringLiteral("word ").repeated(150) + "\n" + QString(700, 'i') + "\n" +
                          QStringLiteral("row\n").repeated(40);
    const QStringList files{path("LONG.gev"), path("SCROLLED.gev")};
    for (const QString& file : files) {
        open(Evaluation, file);
        text()->setPlainText(typed);
        for (QScrollBar* bar = text()->verticalScrollBar();
             file == files.last() && bar->value() < bar->maximum();) {
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            text()->viewport()->repaint();
        }
        m_platform->chooseFile(file);
        click("OkBtn");
    }
    const TextDocument saved = LoadTextDocument(files.first().toStdString(), GameEvaluationKind);
    QVERIFY(saved.lines.size() > 70);                 // cut only at 255 characters it would be 66
    QCOMPARE(saved.lines.back(), std::string("row")); // the empty last line is not stored
    QCOMPARE(saved.lines, LoadTextDocument(files.last().toStdString(), GameEvaluationKind).lines);
}

void tst_TextDocumentDlg::printsWhatIsShown()
{
    QVERIFY(writeFile(path("GAME.rep"), storedDocument(Report)));
    open(Report, path("GAME.rep"));
    opponent()->setText("Unsaved Hawks");
    const QString pdf = path("report.pdf");
    m_platform->printToPdf(pdf);
    click("PrintBtn");
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(readFile(path("GAME.rep")), storedDocument(Report)); // printing does not save
    const QString printed = pdfText(pdf);
    if (printed.isNull())
        QSKIP("pdftotext is not installed");
    for (const char* expected : {"Report Date: 2/14/99", "Team: Unsaved Hawks", "Weak left"})
        QVERIFY2(printed.contains(QLatin1String(expected)), expected);
}

QTEST_MAIN(tst_TextDocumentDlg)
#include "tst_TextDocumentDlg.moc"
