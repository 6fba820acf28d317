#include "FileBytes.h"
#include "TempDataDir.h"

#include "evaluations/TextDocument.h"
#include "evaluations/TextDocumentKind.h"
#include "formats/LocaleFormats.h"

#include <QTest>

namespace {

const TextDocumentKind& kindNamed(const QString& name)
{
    return name == QLatin1String("report") ? ScoutingReportKind : GameEvaluationKind;
}

QStringList qtLines(const std::vector<std::string>& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

std::vector<std::string> stdLines(const QStringList& lines)
{
    std::vector<std::string> result;
    for (const QString& line : lines)
        result.push_back(line.toStdString());
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
    void save();
    void storedLines_data();
    void storedLines();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void tst_TextDocument::load_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected"); // date, team, then the lines

    QTest::newRow("CR LF, 1252, stale key, missing line")
        << "evaluation"
        << QByteArray("[Evaluation]\r\nDate=10/3/98\r\nOpponent=M\xfcnster\r\nNumLines=3\r\n"
                      "Line0=Box out \x96 always\r\nLine2=last\r\nLine3=stale\r\n")
        << QStringList{"10/3/98", "Münster", "Box out – always", " ", "last"};
    QTest::newRow("report: Team, an empty line")
        << "report"
        << QByteArray("[Main]\r\nTeam=Eagles\r\nDate=2/14/99\r\nOpponent=no\r\nNumLines=2\r\n"
                      "Line0=Zone\r\nLine1=\r\n")
        << QStringList{"2/14/99", "Eagles", "Zone", " "};
    QTest::newRow("no date: new, nothing else read")
        << "evaluation" << QByteArray("[Evaluation]\nOpponent=Tigers\nNumLines=1\nLine0=x\n")
        << QStringList{"", ""};
    QTest::newRow("over 255 characters comes back cut")
        << "evaluation"
        << "[Evaluation]\nDate=1/2\nNumLines=1\nLine0=" + QByteArray(300, 'w') + "\n"
        << QStringList{"1/2", "", QString(255, QLatin1Char('w'))};
}

void tst_TextDocument::load()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);

    const QString path = m_data->document("GAME.gev");
    QVERIFY(writeFile(path, bytes));
    const TextDocument document = LoadTextDocument(path.toStdString(), kindNamed(kind));
    const QStringList loaded =
        QStringList{QString::fromStdString(document.date), QString::fromStdString(document.team)} +
        qtLines(document.lines);
    QCOMPARE(loaded, expected);
    QCOMPARE(IsNewDocument(document), expected.first().isEmpty());
}

// 5 lines over 8: Line5 to Line7 stay, other sections too; Team goes first.
void tst_TextDocument::save()
{
    const QString path = m_data->document("GAME.rep");
    QVERIFY(writeFile(path,
                      "[Other]\r\nA=1\r\n[Main]\r\nTeam=Old\r\nDate=1/1/2026\r\nNumLines=8\r\n"
                      "Line0=o0\r\nLine1=o1\r\nLine2=o2\r\nLine3=o3\r\nLine4=o4\r\nLine5=o5\r\n"
                      "Line6=o6\r\nLine7=o7\r\n"));
    const TextDocument document{"12/8/2026", "Tigers", {"n0", "", "n2", "n3", "n4"}};
    QVERIFY(SaveTextDocument(path.toStdString(), ScoutingReportKind, document));
    QCOMPARE(readFile(path),
             QByteArray("[Other]\r\nA=1\r\n[Main]\r\nTeam=Tigers\r\nDate=12/8/2026\r\n"
                        "NumLines=5\r\nLine0=n0\r\nLine1=\r\nLine2=n2\r\nLine3=n3\r\nLine4=n4\r\n"
                        "Line5=o5\r\nLine6=o6\r\nLine7=o7\r\n"));
    const TextDocument again = LoadTextDocument(path.toStdString(), ScoutingReportKind);
    QCOMPARE(qtLines(again.lines), QStringList({"n0", " ", "n2", "n3", "n4"}));
}

void tst_TextDocument::storedLines_data()
{
    QTest::addColumn<QStringList>("displayed");
    QTest::addColumn<QStringList>("stored");

    const QString full(255, QLatin1Char('a'));
    QTest::newRow("only the last empty line dropped")
        << QStringList{"", "a", "", ""} << QStringList{"", "a", ""};
    QTest::newRow("255 characters stay whole") << QStringList{full} << QStringList{full};
    QTest::newRow("512 characters: three pieces")
        << QStringList{full + full + "bc"} << QStringList{full, full, "bc"};
    QTest::newRow("quotes the file would take off go, blanks stay")
        << QStringList{"'Zone'", " \"\" ", "  indented"} << QStringList{"Zone", "", "  indented"};
    QTest::newRow("characters, not bytes")
        << QStringList{QString(256, QChar(0xe9))} << QStringList{QString(255, QChar(0xe9)), "é"};
}

void tst_TextDocument::storedLines()
{
    QFETCH(QStringList, displayed);
    QFETCH(QStringList, stored);
    QCOMPARE(qtLines(StoredLines(stdLines(displayed))), stored);
}

QTEST_GUILESS_MAIN(tst_TextDocument)
#include "tst_TextDocument.moc"
