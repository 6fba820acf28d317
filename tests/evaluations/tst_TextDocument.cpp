#include "TempDataDir.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "plans/LocaleFormats.h"

#include <QFile>
#include <QTest>

namespace {

using Lines = std::vector<std::string>;

const TextDocumentKind& kindNamed(const QString& name)
{
    return name == QLatin1String("report") ? ScoutingReportKind : GameEvaluationKind;
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

QStringList qtLines(const Lines& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

} // namespace

class tst_TextDocument : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }

    void load_data();
    void load();
    void save_data();
    void save();
    void saveThatCannotBeWritten();
    void storedLines_data();
    void storedLines();
    void defaultExtension_data();
    void defaultExtension();
    void documentDate_data();
    void documentDate();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void tst_TextDocument::load_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Windows evaluation: CR LF, 1252, stale and missing lines")
        << "evaluation"
        << QByteArray("[Evaluation]\r\nDate=10/3/98\r\nOpponent=M\xfcnster Caf\xe9\r\n"
                      "NumLines=3\r\nLine0=Box out \x96 every time\r\nLine2=last\r\n"
                      "Line3=stale\r\n")
        << "10/3/98" << QString::fromUtf8("Münster Café")
        << QStringList{QString::fromUtf8("Box out – every time"), " ", "last"};
    QTest::newRow("Windows report: Team, not Opponent")
        << "report"
        << QByteArray("[Main]\r\nTeam=Eagles\r\nDate=2/14/99\r\nOpponent=wrong key\r\n"
                      "NumLines=2\r\nLine0=Zone press\r\nLine1=\r\nLine2=stale\r\n")
        << "2/14/99"
        << "Eagles" << QStringList{"Zone press", " "};
    QTest::newRow("report keys in an evaluation section are not read")
        << "evaluation" << QByteArray("[Main]\r\nDate=1/1/2026\r\nNumLines=1\r\nLine0=x\r\n")
        << QString() << QString() << QStringList();
    QTest::newRow("no date: a new document, nothing else read")
        << "evaluation"
        << QByteArray("[Evaluation]\r\nOpponent=Tigers\r\nNumLines=1\r\nLine0=x\r\n") << QString()
        << QString() << QStringList();
    QTest::newRow("LF endings, no line count")
        << "evaluation" << QByteArray("[Evaluation]\nDate=1/2/2026\nLine0=x\n") << "1/2/2026"
        << QString() << QStringList();
    QTest::newRow("negative line count")
        << "report" << QByteArray("[Main]\r\nDate=1/2/2026\r\nNumLines=-4\r\n") << "1/2/2026"
        << QString() << QStringList();
    QTest::newRow("a line over 255 characters comes back cut")
        << "evaluation"
        << QByteArray("[Evaluation]\r\nDate=1/2/2026\r\nNumLines=1\r\nLine0=" +
                      QByteArray(300, 'w') + "\r\n")
        << "1/2/2026" << QString() << QStringList{QString(255, QLatin1Char('w'))};
}

void tst_TextDocument::load()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, date);
    QFETCH(QString, team);
    QFETCH(QStringList, lines);

    const QString path = m_data->document("GAME.gev");
    writeBytes(path, bytes);
    const TextDocument document = LoadTextDocument(path.toStdString(), kindNamed(kind));
    QCOMPARE(QString::fromStdString(document.date), date);
    QCOMPARE(QString::fromStdString(document.team), team);
    QCOMPARE(qtLines(document.lines), lines);
    QCOMPARE(IsNewDocument(document), date.isEmpty());
}

void tst_TextDocument::save_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new evaluation, an empty line written empty")
        << "evaluation" << QByteArray() << QStringList{"Box out", ""}
        << QByteArray("[Evaluation]\r\nDate=12/8/2026\r\nOpponent=Tigers\r\nNumLines=2\r\n"
                      "Line0=Box out\r\nLine1=\r\n");
    QTest::newRow("new report: Team first")
        << "report" << QByteArray() << QStringList{"Press"}
        << QByteArray("[Main]\r\nTeam=Tigers\r\nDate=12/8/2026\r\nNumLines=1\r\nLine0=Press\r\n");
    QTest::newRow("5 lines over 8: Line5 to Line7 stay")
        << "evaluation"
        << QByteArray("[Evaluation]\r\nDate=1/1/2026\r\nOpponent=Old\r\nNumLines=8\r\n"
                      "Line0=o0\r\nLine1=o1\r\nLine2=o2\r\nLine3=o3\r\nLine4=o4\r\n"
                      "Line5=o5\r\nLine6=o6\r\nLine7=o7\r\n")
        << QStringList{"n0", "n1", "n2", "n3", "n4"}
        << QByteArray("[Evaluation]\r\nDate=12/8/2026\r\nOpponent=Tigers\r\nNumLines=5\r\n"
                      "Line0=n0\r\nLine1=n1\r\nLine2=n2\r\nLine3=n3\r\nLine4=n4\r\n"
                      "Line5=o5\r\nLine6=o6\r\nLine7=o7\r\n");
    QTest::newRow("characters beyond ASCII read back")
        << "report" << QByteArray() << QStringList{QString::fromUtf8("Münster – Café")}
        << QByteArray("[Main]\r\nTeam=Tigers\r\nDate=12/8/2026\r\nNumLines=1\r\n"
                      "Line0=M\xc3\xbcnster \xe2\x80\x93 Caf\xc3\xa9\r\n");
    QTest::newRow("other sections kept")
        << "report" << QByteArray("[Other]\r\nA=1\r\n") << QStringList()
        << QByteArray("[Other]\r\nA=1\r\n[Main]\r\nTeam=Tigers\r\n"
                      "Date=12/8/2026\r\nNumLines=0\r\n");
}

void tst_TextDocument::save()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, before);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, after);

    const QString path = m_data->document("GAME.gev");
    if (!before.isEmpty())
        writeBytes(path, before);
    TextDocument document{"12/8/2026", "Tigers", {}};
    for (const QString& line : lines)
        document.lines.push_back(line.toStdString());
    QVERIFY(SaveTextDocument(path.toStdString(), kindNamed(kind), document));
    QCOMPARE(readBytes(path), after);

    // What was written reads back as written, an empty line as one blank.
    const TextDocument again = LoadTextDocument(path.toStdString(), kindNamed(kind));
    QCOMPARE(QString::fromStdString(again.team), QStringLiteral("Tigers"));
    QStringList expected;
    for (const QString& line : lines)
        expected << (line.isEmpty() ? QStringLiteral(" ") : line);
    QCOMPARE(qtLines(again.lines), expected);
}

void tst_TextDocument::saveThatCannotBeWritten()
{
    const QString path = m_data->document("no such folder/GAME.gev");
    QVERIFY(!SaveTextDocument(path.toStdString(), GameEvaluationKind, {"1/1/2026", "", {"x"}}));
    QVERIFY(!QFile::exists(path));
}

void tst_TextDocument::storedLines_data()
{
    QTest::addColumn<QStringList>("displayed");
    QTest::addColumn<QStringList>("stored");

    const QString full(255, QLatin1Char('a'));
    QTest::newRow("nothing") << QStringList() << QStringList();
    QTest::newRow("empty last line dropped") << QStringList{"a", ""} << QStringList{"a"};
    QTest::newRow("only the last empty line") << QStringList{"", "", ""} << QStringList{"", ""};
    QTest::newRow("empty middle line kept")
        << QStringList{"a", "", "b"} << QStringList{"a", "", "b"};
    QTest::newRow("255 characters stay whole") << QStringList{full} << QStringList{full};
    QTest::newRow("256 characters: two pieces")
        << QStringList{full + "b"} << QStringList{full, "b"};
    QTest::newRow("600 characters: three pieces")
        << QStringList{QString(600, QLatin1Char('c'))}
        << QStringList{QString(255, QLatin1Char('c')), QString(255, QLatin1Char('c')),
                       QString(90, QLatin1Char('c'))};
    QTest::newRow("characters, not bytes")
        << QStringList{QString(256, QChar(0xe9))}
        << QStringList{QString(255, QChar(0xe9)), QString(1, QChar(0xe9))};
}

void tst_TextDocument::storedLines()
{
    QFETCH(QStringList, displayed);
    QFETCH(QStringList, stored);

    Lines lines;
    for (const QString& line : displayed)
        lines.push_back(line.toStdString());
    QCOMPARE(qtLines(StoredLines(lines)), stored);
}

void tst_TextDocument::defaultExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");

    QTest::newRow("no extension") << "/tmp/game"
                                  << "/tmp/game.gev";
    QTest::newRow("own extension") << "/tmp/game.gev"
                                   << "/tmp/game.gev";
    QTest::newRow("other extension kept") << "/tmp/game.txt"
                                          << "/tmp/game.txt";
    QTest::newRow("dot only in the folder") << "/tmp/v1.2/game"
                                            << "/tmp/v1.2/game.gev";
    QTest::newRow("hidden-style name") << "/tmp/.game"
                                       << "/tmp/.game.gev";
}

void tst_TextDocument::defaultExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(WithDefaultExtension(path.toStdString(), "gev")), result);
}

void tst_TextDocument::documentDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("message");

    QTest::newRow("valid") << "3/7/98" << int(DateProblem::None) << "";
    QTest::newRow("month and day") << "3/7" << int(DateProblem::None) << "";
    QTest::newRow("empty") << "" << int(DateProblem::Empty) << "";
    QTest::newRow("blanks only are not empty")
        << "  " << int(DateProblem::Invalid) << "'  ' is not a valid date";
    QTest::newRow("no such day") << "2/30/98" << int(DateProblem::Invalid)
                                 << "'2/30/98' is not a valid date";
}

void tst_TextDocument::documentDate()
{
    QFETCH(QString, text);
    QFETCH(int, problem);
    QFETCH(QString, message);

    const std::string date = text.toStdString();
    QCOMPARE(int(CheckDocumentDate(date, LocaleFormats{}, 2026)), problem);
    if (problem == int(DateProblem::Invalid))
        QCOMPARE(QString::fromStdString(NotValidDateMessage(date)), message);
}

QTEST_GUILESS_MAIN(tst_TextDocument)
#include "tst_TextDocument.moc"
