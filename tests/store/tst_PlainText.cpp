#include "store/PlainText.h"
#include "store/ProfileDocument.h"

#include <QTest>

// Names a coach types in any alphabet match whatever their letter case: a
// player stored in capitals, a drill typed in lower case, a section name.
class tst_PlainText : public QObject
{
    Q_OBJECT

private slots:
    void equalsIgnoringCase_data();
    void equalsIgnoringCase();
    void storedText_data();
    void storedText();
};

void tst_PlainText::equalsIgnoringCase_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("equal");

    QTest::newRow("both empty") << ""
                                << "" << true;
    QTest::newRow("empty against a name") << ""
                                          << "Smith" << false;
    QTest::newRow("ASCII capitals") << "SMITH"
                                    << "smith" << true;
    QTest::newRow("ASCII prefix only") << "Smith"
                                       << "Smithson" << false;
    QTest::newRow("Latin-1 capitals") << "ÉMILE"
                                      << "émile" << true;
    QTest::newRow("accent is not a case") << "Emile"
                                          << "Émile" << false;
    QTest::newRow("Latin Extended-A") << "ŁUKASZ ŻÓŁW"
                                      << "łukasz żółw" << true;
    QTest::newRow("Greek") << "ΣΟΦΊΑ"
                           << "σοφία" << true;
    QTest::newRow("Cyrillic") << "ИВАН"
                              << "иван" << true;
    QTest::newRow("Kelvin sign folds to k, bytes differ") << "\u212Aim"
                                                          << "kim" << true;
    QTest::newRow("non-ASCII prefix only") << "Émile"
                                           << "Émil" << false;
    QTest::newRow("different letters after the same start") << "Zoë"
                                                            << "Zoé" << false;
}

void tst_PlainText::equalsIgnoringCase()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, equal);

    const std::string left = a.toStdString();
    const std::string right = b.toStdString();
    QCOMPARE(EqualsIgnoringCase(left, right), equal);
    QCOMPARE(EqualsIgnoringCase(right, left), equal);
}

// What a coach types is stored as the file gives it back, so no name reads
// back empty and ends a list.
void tst_PlainText::storedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("quotes inside stay") << QString("Bo \"Jr\"") << QString("Bo \"Jr\"");
    QTest::newRow("two apostrophes: nothing") << QString("''") << QString();
    QTest::newRow("pairs in pairs, blanks between") << QString(" \" 'Bo' \" ") << QString("Bo");
    QTest::newRow("unmatched quotes stay") << QString("\"Al'") << QString("\"Al'");
    QTest::newRow("a lone quote stays") << QString("'") << QString("'");
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("cut to 255 characters, then trimmed")
        << emoji.repeated(254) + " y" << emoji.repeated(254);
}

void tst_PlainText::storedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    const std::string text = StoredText(typed.toStdString());
    QCOMPARE(QString::fromStdString(text), stored);
    ProfileDocument written = ProfileDocument::parse({});
    written.setValue("S", "K", text);
    std::string readBack;
    ProfileDocument::parse(written.serialise()).readText("S", "K", readBack, 256, "-");
    QCOMPARE(QString::fromStdString(readBack), stored);
}

QTEST_APPLESS_MAIN(tst_PlainText)
#include "tst_PlainText.moc"
