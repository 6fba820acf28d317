#include "ScriptedPlatform.h"
#include "TempDataDir.h"

#include "evaluations/TGameEvalDlg.h"
#include "evaluations/TScoutReportDlg.h"
#include "evaluations/TextDocumentKind.h"
#include "store/ProfileStore.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString Evaluation = QStringLiteral("evaluation");
const QString Report = QStringLiteral("report");

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A document of the kind written as the Windows edition leaves it.
QByteArray windowsDocument(const QString& kind)
{
    if (kind == Report)
        return "[Main]\r\nTeam=Eagles\r\nDate=2/14/99\r\nNumLines=3\r\nLine0=Zone press\r\n"
               "Line2=Weak left\r\nLine3=stale\r\n";
    return "[Evaluation]\r\nDate=2/14/99\r\nOpponent=Eagles\r\nNumLines=3\r\nLine0=Zone press\r\n"
           "Line2=Weak left\r\nLine3=stale\r\n";
}

int readPrefsInt(const char* section, const char* key)
{
    return ReadProfileInt("prefs.db", section, key, -100, -1, true);
}

} // namespace

class tst_TextDocumentDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void showing_data();
    void showing();
    void okRefusals_data();
    void okRefusals();
    void okSaves_data();
    void okSaves();
    void failedSaveKeepsTheText_data();
    void failedSaveKeepsTheText();
    void cancel_data();
    void cancel();
    void leavingTheDate_data();
    void leavingTheDate();
    void anotherDocumentWhileOpen_data();
    void anotherDocumentWhileOpen();
    void wrappedTextIsStoredAsDisplayed();
    void positionRemembered_data();
    void positionRemembered();
    void printsWhatIsShown();

private:
    void addKindColumn();
    TextDocumentDlg* open(const QString& kind, const QString& path);
    QLineEdit* dateField() const;
    QLineEdit* opponent() const;
    QPlainTextEdit* textArea() const;
    QPushButton* button(const char* name) const;
    void typeInto(QWidget* field, const QString& text);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<TextDocumentDlg> m_window;
};

void tst_TextDocumentDlg::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
}

void tst_TextDocumentDlg::cleanup()
{
    // Taken first: the platform goes whatever a failed check left behind.
    const QStringList unanswered = m_platform->unanswered();
    const bool allUsed = m_platform->allAnswersUsed();
    m_window.reset();
    m_platform.reset();
    m_data.reset();
    QCOMPARE(unanswered, QStringList());
    QVERIFY(allUsed);
}

void tst_TextDocumentDlg::addKindColumn()
{
    QTest::addColumn<QString>("kind");
}

TextDocumentDlg* tst_TextDocumentDlg::open(const QString& kind, const QString& path)
{
    if (!m_window) {
        if (kind == Report)
            m_window = std::make_unique<TScoutReportDlg>();
        else
            m_window = std::make_unique<TGameEvalDlg>();
    }
    m_window->openDocument(path, m_data->folder());
    QApplication::setActiveWindow(m_window.get());
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the document window did not become active");
    return m_window.get();
}

QLineEdit* tst_TextDocumentDlg::dateField() const
{
    return m_window->findChild<QLineEdit*>(qt(m_window->kind().dateFieldName));
}

QLineEdit* tst_TextDocumentDlg::opponent() const
{
    return m_window->findChild<QLineEdit*>(QStringLiteral("Opponent"));
}

QPlainTextEdit* tst_TextDocumentDlg::textArea() const
{
    return m_window->findChild<QPlainTextEdit*>(qt(m_window->kind().textFieldName));
}

QPushButton* tst_TextDocumentDlg::button(const char* name) const
{
    return m_window->findChild<QPushButton*>(QLatin1String(name));
}

void tst_TextDocumentDlg::typeInto(QWidget* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void tst_TextDocumentDlg::layout_data()
{
    addKindColumn();
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("buttonLeft");
    QTest::addColumn<int>("helpTopic");

    QTest::newRow("evaluation") << Evaluation << "Evaluation" << QSize(434, 281)
                                << QStringList{"&Date of Evaluation", "&Opponent", "&Evaluation"}
                                << 342 << 113;
    QTest::newRow("scouting report")
        << Report << "Scouting Report" << QSize(432, 282)
        << QStringList{"&Date of Report", "&Opponent", "&Report"} << 344 << 114;
}

void tst_TextDocumentDlg::layout()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QStringList, labels);
    QFETCH(int, buttonLeft);
    QFETCH(int, helpTopic);

    open(kind, m_data->document("NEW.gev"));
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(m_window->size(), size);
    const QList<QWidget*> fields{dateField(), opponent(), textArea()};
    const QList<QRect> geometries{{8, 24, 113, 21}, {136, 24, 193, 21}, {8, 76, 321, 189}};
    const QList<QPoint> labelPlaces{{8, 8}, {136, 8}, {8, 60}};
    for (int i = 0; i < fields.size(); ++i) {
        QVERIFY(fields[i]);
        QCOMPARE(fields[i]->geometry(), geometries[i]);
        QLabel* label = nullptr;
        for (QLabel* candidate : m_window->findChildren<QLabel*>()) {
            if (candidate->buddy() == fields[i])
                label = candidate;
        }
        QVERIFY(label);
        QCOMPARE(label->text(), labels[i]);
        QCOMPARE(label->pos(), labelPlaces[i]);
    }

    // Tab order: the three fields, then OK, Cancel, Print and Help.
    const QStringList buttons{"OkBtn", "CancelBtn", "PrintBtn", "HelpBtn"};
    const QStringList texts{"OK", "Cancel", "P&rint", "&Help"};
    QList<QWidget*> order = fields;
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* control = button(buttons[i].toLatin1());
        QVERIFY(control);
        QCOMPARE(control->text(), texts[i]);
        QCOMPARE(control->geometry(), QRect(buttonLeft, 8 + 32 * i, 75, 25));
        QCOMPARE(control->isDefault(), i == 0);
        order << control;
    }
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !order.contains(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }

    QTest::mouseClick(button("HelpBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->helpTopics, QList<int>{helpTopic});
}

void tst_TextDocumentDlg::showing_data()
{
    addKindColumn();
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focusInDate");

    QTest::newRow("evaluation that does not exist")
        << Evaluation << QByteArray() << "12/8/2026" << QString() << QString() << true;
    QTest::newRow("report that does not exist")
        << Report << QByteArray() << "12/8/2026" << QString() << QString() << true;
    QTest::newRow("evaluation from Windows: a missing line is one blank")
        << Evaluation << windowsDocument(Evaluation) << "2/14/99"
        << "Eagles"
        << "Zone press\n \nWeak left" << false;
    QTest::newRow("report from Windows: Team into Opponent")
        << Report << windowsDocument(Report) << "2/14/99"
        << "Eagles"
        << "Zone press\n \nWeak left" << false;
    QTest::newRow("no date: new, the rest ignored")
        << Evaluation << QByteArray("[Evaluation]\r\nOpponent=Eagles\r\nNumLines=1\r\nLine0=x\r\n")
        << "12/8/2026" << QString() << QString() << true;
}

void tst_TextDocumentDlg::showing()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, file);
    QFETCH(QString, date);
    QFETCH(QString, team);
    QFETCH(QString, text);
    QFETCH(bool, focusInDate);

    const QString path = m_data->document("GAME.gev");
    if (!file.isEmpty())
        writeBytes(path, file);
    open(kind, path);
    QCOMPARE(dateField()->text(), date);
    QCOMPARE(opponent()->text(), team);
    QCOMPARE(textArea()->toPlainText(), text);
    QCOMPARE(QApplication::focusWidget(),
             focusInDate ? static_cast<QWidget*>(dateField()) : textArea());
    QVERIFY(!m_window->isChanged());
    QCOMPARE(m_window->documentPath(), path);
}

void tst_TextDocumentDlg::okRefusals_data()
{
    addKindColumn();
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("evaluation without date")
        << Evaluation << ""
        << QStringList{"The evaluation cannot be saved without a Date of Evaluation."};
    QTest::newRow("report without date")
        << Report << ""
        << QStringList{"The scouting report cannot be saved without a Report Date."};
    QTest::newRow("evaluation with no such day")
        << Evaluation << "2/30/98" << QStringList{"'2/30/98' is not a valid date"};
    QTest::newRow("report with letters")
        << Report << "soon" << QStringList{"'soon' is not a valid date"};
}

void tst_TextDocumentDlg::okRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, date);
    QFETCH(QStringList, messages);

    const QString path = m_data->document("GAME.gev");
    open(kind, path);
    dateField()->setText(date);
    QTest::keyClick(dateField(), Qt::Key_Return); // OK is the default button
    QCOMPARE(m_platform->messages(), messages);
    QVERIFY(m_platform->fileRequests.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dateField()));
    QVERIFY(!QFile::exists(path));
}

void tst_TextDocumentDlg::okSaves_data()
{
    addKindColumn();
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("bytes");

    // Over the first file, the stale lines stay and the missing one is added.
    QTest::newRow("evaluation under its own name")
        << Evaluation << "GAME.gev"
        << "Save Game Evaluation"
        << "Game Evaluation (*.gev)"
        << "GAME.gev"
        << QByteArray("[Evaluation]\r\nDate=3/7\r\nOpponent=Tigers\r\nNumLines=2\r\n"
                      "Line0=Fast break\r\nLine2=Weak left\r\nLine3=stale\r\n"
                      "Line1=Boards\r\n");
    QTest::newRow("evaluation typed without extension")
        << Evaluation << "LATER"
        << "Save Game Evaluation"
        << "Game Evaluation (*.gev)"
        << "LATER.gev"
        << QByteArray("[Evaluation]\r\nDate=3/7\r\nOpponent=Tigers\r\nNumLines=2\r\n"
                      "Line0=Fast break\r\nLine1=Boards\r\n");
    QTest::newRow("report typed without extension")
        << Report << "SCOUT"
        << "Save Scouting Report File"
        << "Scouting Report File (*.rep)"
        << "SCOUT.rep"
        << QByteArray("[Main]\r\nTeam=Tigers\r\nDate=3/7\r\nNumLines=2\r\n"
                      "Line0=Fast break\r\nLine1=Boards\r\n");
}

void tst_TextDocumentDlg::okSaves()
{
    QFETCH(QString, kind);
    QFETCH(QString, chosen);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, saved);
    QFETCH(QByteArray, bytes);

    const QString path = m_data->document("GAME.gev");
    writeBytes(path, windowsDocument(kind));
    open(kind, path);
    dateField()->setText("3/7");
    opponent()->setText("Tigers");
    textArea()->setPlainText("Fast break\nBoards\n");

    // A cancelled save dialog writes nothing and keeps the window.
    m_platform->cancelDialog();
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    QVERIFY(m_window->isVisible());
    QCOMPARE(readBytes(path), windowsDocument(kind));

    m_platform->chooseFile(m_data->document(chosen));
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->messages(), QStringList());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->documentPath(), QString());

    const Platform::FileRequest request = m_platform->fileRequests.last();
    QCOMPARE(request.title, title);
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.fileName, path);
    QCOMPARE(request.initialFolder, m_data->folder());
    QCOMPARE(request.defaultSuffix, qt(m_window->kind().extension));
    QVERIFY(!request.askOverwrite);

    if (saved != QLatin1String("GAME.gev"))
        QCOMPARE(readBytes(path), windowsDocument(kind)); // the first file as it was
    QCOMPARE(readBytes(m_data->document(saved)), bytes);
}

void tst_TextDocumentDlg::failedSaveKeepsTheText_data()
{
    addKindColumn();
    QTest::addColumn<QString>("message");

    QTest::newRow("evaluation") << Evaluation << "  The evaluation was not saved.";
    QTest::newRow("report") << Report << "  The scouting report was not saved.";
}

void tst_TextDocumentDlg::failedSaveKeepsTheText()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    open(kind, m_data->document("GAME.gev"));
    textArea()->setPlainText("Keep me");
    const QString unwritable = m_data->document("no such folder/GAME.gev");
    m_platform->chooseFile(unwritable);
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->messages(),
             QStringList{"Cannot write the file " + unwritable + "." + message});
    QVERIFY(m_window->isVisible());
    QCOMPARE(textArea()->toPlainText(), QStringLiteral("Keep me"));
    QCOMPARE(m_window->documentPath(), m_data->document("GAME.gev"));
}

void tst_TextDocumentDlg::cancel_data()
{
    addKindColumn();
    QTest::addColumn<bool>("escape");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");

    const QString evaluation = QStringLiteral("Cancel edit of evaluation?");
    const QString report = QStringLiteral("Cancel edit of scouting report?");
    QTest::newRow("evaluation, Yes") << Evaluation << false << true << evaluation;
    QTest::newRow("evaluation, No") << Evaluation << false << false << evaluation;
    QTest::newRow("report, Yes") << Report << false << true << report;
    QTest::newRow("report, Escape, No") << Report << true << false << report;
}

void tst_TextDocumentDlg::cancel()
{
    QFETCH(QString, kind);
    QFETCH(bool, escape);
    QFETCH(bool, yes);
    QFETCH(QString, question);

    const QString path = m_data->document("GAME.gev");
    open(kind, path);
    typeInto(textArea(), "Unsaved");
    yes ? m_platform->answerYes() : m_platform->answerNo();
    if (escape)
        QTest::keyClick(textArea(), Qt::Key_Escape);
    else
        QTest::mouseClick(button("CancelBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->messages(), QStringList{question});
    QCOMPARE(m_window->isVisible(), !yes);
    QCOMPARE(textArea()->toPlainText(), QStringLiteral("Unsaved"));
    QVERIFY(!QFile::exists(path));
}

void tst_TextDocumentDlg::leavingTheDate_data()
{
    addKindColumn();
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("refused");

    QTest::newRow("evaluation, valid, to the opponent") << Evaluation << "3/7/98"
                                                        << "Opponent" << false;
    QTest::newRow("evaluation, no such day, to the opponent") << Evaluation << "2/30/98"
                                                              << "Opponent" << true;
    QTest::newRow("report, empty, to the text") << Report << ""
                                                << "Report" << true;
    QTest::newRow("evaluation, invalid, to the text") << Evaluation << "x"
                                                      << "Evaluation" << true;
    QTest::newRow("evaluation, invalid, to Cancel") << Evaluation << "x"
                                                    << "CancelBtn" << false;
    QTest::newRow("report, empty, to Cancel") << Report << ""
                                              << "CancelBtn" << false;
}

void tst_TextDocumentDlg::leavingTheDate()
{
    QFETCH(QString, kind);
    QFETCH(QString, date);
    QFETCH(QString, to);
    QFETCH(bool, refused);

    open(kind, m_data->document("NEW.gev"));
    typeInto(dateField(), date);
    auto* target = m_window->findChild<QWidget*>(to);
    QVERIFY(target);
    const bool toCancel = to == QLatin1String("CancelBtn");
    if (toCancel)
        m_platform->answerNo(); // the click then asks to cancel
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));

    QStringList expected;
    if (refused)
        expected << "Invalid date.  You must enter a valid date.";
    if (toCancel)
        expected << qt(m_window->kind().cancelQuestion);
    QCOMPARE(m_platform->messages(), expected);
    QCOMPARE(QApplication::focusWidget(), refused ? dateField() : target);
    QCOMPARE(dateField()->text(), date); // never rewritten
}

void tst_TextDocumentDlg::anotherDocumentWhileOpen_data()
{
    addKindColumn();
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("loadsSecond");

    QTest::newRow("evaluation, untouched: loads") << Evaluation << false << "" << true;
    QTest::newRow("evaluation, edited, Yes: loads") << Evaluation << true << "yes" << true;
    QTest::newRow("evaluation, edited, No: keeps") << Evaluation << true << "no" << false;
    QTest::newRow("report, edited, No: keeps") << Report << true << "no" << false;
}

void tst_TextDocumentDlg::anotherDocumentWhileOpen()
{
    QFETCH(QString, kind);
    QFETCH(bool, edited);
    QFETCH(QString, answer);
    QFETCH(bool, loadsSecond);

    const QString first = m_data->document("FIRST.gev");
    const QString second = m_data->document("SECOND.gev");
    writeBytes(second, windowsDocument(kind));
    open(kind, first);
    if (edited)
        typeInto(opponent(), "Edited");
    if (answer == QLatin1String("yes"))
        m_platform->answerYes();
    else if (answer == QLatin1String("no"))
        m_platform->answerNo();
    open(kind, second);

    QCOMPARE(m_platform->messages().size(), answer.isEmpty() ? 0 : 1);
    QCOMPARE(m_window->documentPath(), loadsSecond ? second : first);
    QCOMPARE(opponent()->text(), loadsSecond ? QStringLiteral("Eagles") : QStringLiteral("Edited"));

    // The next OK offers the shown document's own name.
    m_platform->cancelDialog();
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    QCOMPARE(m_platform->fileRequests.last().fileName, loadsSecond ? second : first);
}

void tst_TextDocumentDlg::wrappedTextIsStoredAsDisplayed()
{
    QString paragraph;
    for (int i = 0; i < 120; ++i)
        paragraph += QStringLiteral("word%1 ").arg(i);
    const QString unbroken(700, QLatin1Char('i'));
    const QString path = m_data->document("LONG.gev");
    open(Evaluation, path);
    textArea()->setPlainText(paragraph + "\n" + unbroken + "\n");
    m_platform->chooseFile(path);
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);

    std::string value;
    const int count = ReadProfileInt(path.toStdString(), "Evaluation", "NumLines", 0, -1, false);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        ReadProfileText(path.toStdString(), "Evaluation", "Line", value, 1000, "", i, false);
        lines << QString::fromStdString(value);
    }
    // Several lines, none over the limit, together the text as typed; no empty last line.
    QVERIFY(count > 5);
    for (const QString& line : std::as_const(lines))
        QVERIFY2(line.size() <= 255 && !line.isEmpty(), qPrintable(line));
    // The store drops blanks around values, so compare without them.
    QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')),
             QString(paragraph + unbroken).remove(QLatin1Char(' ')));
}

void tst_TextDocumentDlg::positionRemembered_data()
{
    addKindColumn();
    QTest::addColumn<QString>("section");

    QTest::newRow("evaluation") << Evaluation << "EvalGame";
    QTest::newRow("report") << Report << "ScoutReport";
}

void tst_TextDocumentDlg::positionRemembered()
{
    QFETCH(QString, kind);
    QFETCH(QString, section);

    open(kind, m_data->document("GAME.gev"));
    m_window->move(140, 90);
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->documentPath(), QString());
    const QByteArray name = section.toLatin1();
    QCOMPARE(readPrefsInt(name, "X"), 140);
    QCOMPARE(readPrefsInt(name, "Y"), 90);
    QCOMPARE(readPrefsInt("PlanDetail", "X"), -100);

    m_window->move(0, 0);
    open(kind, m_data->document("GAME.gev"));
    QCOMPARE(m_window->pos(), QPoint(140, 90));
}

void tst_TextDocumentDlg::printsWhatIsShown()
{
    const QString pdfToText = QStandardPaths::findExecutable("pdftotext");
    const QString path = m_data->document("GAME.gev");
    writeBytes(path, windowsDocument(Report));
    open(Report, path);
    opponent()->setText("Unsaved Hawks");
    const QString pdf = m_data->document("report.pdf");
    m_platform->printToPdf(pdf);
    QTest::mouseClick(button("PrintBtn"), Qt::LeftButton);
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(readBytes(path), windowsDocument(Report)); // printing does not save
    if (pdfToText.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess tool;
    tool.start(pdfToText, {"-layout", pdf, "-"});
    QVERIFY(tool.waitForFinished());
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    for (const char* expected : {"Scouting Report", "Report Date: 2/14/99", "Team: Unsaved Hawks",
                                 "Zone press", "Weak left", "Page 1"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
}

QTEST_MAIN(tst_TextDocumentDlg)
#include "tst_TextDocumentDlg.moc"
