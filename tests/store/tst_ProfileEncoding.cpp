#include "store/ProfileStore.h"
#include "store/TextEncoding.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// UTF-8 and Windows-1252 files, byte order marks and character counts.
class tst_ProfileEncoding : public QObject
{
    Q_OBJECT

private slots:
    void validUtf8_data();
    void validUtf8();
    void cp1252_data();
    void cp1252();
    void leadingCharacters_data();
    void leadingCharacters();
    void readFile_data();
    void readFile();
    void rewriteFile_data();
    void rewriteFile();
    void cp1252RoundTrip_data();
    void cp1252RoundTrip();
    void textLikeAByteOrderMark_data();
    void textLikeAByteOrderMark();
    void utf16File_data();
    void utf16File();
    void windowsBlanks_data();
    void windowsBlanks();

private:
    QTemporaryDir m_dir;
};

void tst_ProfileEncoding::validUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("ASCII with NUL") << QByteArray("a\0b", 3) << true;
    QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << true;
    QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x8F\x80") << true;
    QTest::newRow("largest") << QByteArray("\xF4\x8F\xBF\xBF") << true;
    QTest::newRow("lone cp1252 letter") << QByteArray("caf\xE9") << false;
    QTest::newRow("stray continuation") << QByteArray("\x80") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80\x80") << false;
    QTest::newRow("cut at the end") << QByteArray("ab\xE2\x82") << false;
    QTest::newRow("lead without continuation") << QByteArray("\xC3x") << false;
}

void tst_ProfileEncoding::validUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);

    QCOMPARE(TextEncoding::isValidUtf8(bytes.toStdString()), valid);
}

void tst_ProfileEncoding::cp1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Team 1") << "Team 1";
    QTest::newRow("Latin-1 letters") << QByteArray("\xC4\xE9\xFF") << QString::fromUtf8("Äéÿ");
    QTest::newRow("euro and quotes") << QByteArray("\x80\x93x\x94") << QString::fromUtf8("€“x”");
    QTest::newRow("last of the table") << QByteArray("\x9F\x8A") << QString::fromUtf8("ŸŠ");
    QTest::newRow("undefined bytes")
        << QByteArray("\x81\x8D\x8F\x90\x9D")
        << (QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
}

void tst_ProfileEncoding::cp1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const std::string decoded = TextEncoding::fromCp1252(bytes.toStdString());
    QVERIFY(TextEncoding::isValidUtf8(decoded));
    QCOMPARE(QString::fromStdString(decoded), text);
}

void tst_ProfileEncoding::leadingCharacters_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray mixed = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8F\x80z";
    QTest::newRow("none") << mixed << 0 << QByteArray("");
    QTest::newRow("one byte") << mixed << 1 << QByteArray("a");
    QTest::newRow("two bytes") << mixed << 2 << QByteArray("a\xC3\xA9");
    QTest::newRow("three bytes") << mixed << 3 << QByteArray("a\xC3\xA9\xE2\x82\xAC");
    QTest::newRow("four bytes") << mixed << 4
                                << QByteArray("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8F\x80");
    QTest::newRow("all") << mixed << 5 << mixed;
    QTest::newRow("more than there are") << mixed << 50 << mixed;
}

void tst_ProfileEncoding::leadingCharacters()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QFETCH(QByteArray, expected);

    const std::string utf8 = text.toStdString();
    const std::string_view cut = TextEncoding::leadingCharacters(utf8, count);
    QCOMPARE(QByteArray(cut.data(), cut.size()), expected);
    QCOMPARE(TextEncoding::characterCount(cut), static_cast<std::size_t>(std::min(count, 5)));
}

void tst_ProfileEncoding::readFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");

    QTest::newRow("UTF-8") << QByteArray("[s]\r\nk=Caf\xC3\xA9 \xE2\x82\xAC\r\n")
                           << QString::fromUtf8("Café €");
    QTest::newRow("cp1252") << QByteArray("[s]\r\nk=Caf\xE9 \x80\r\n")
                            << QString::fromUtf8("Café €");
    QTest::newRow("one stray byte makes the whole file cp1252")
        << QByteArray("[s]\r\nk=\xC3\xA9\r\nj=\xE9\r\n") << QString::fromUtf8("Ã©");
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n") << QString::fromUtf8("é");
    QTest::newRow("byte order mark on a cp1252 file")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xE9\r\n") << QString::fromUtf8("é");
    QTest::newRow("cp1252 section and key")
        << QByteArray("[\xC4]\r\nk=1\r\n[s]\r\n\xE9=2\r\nk=3\r\n") << "3";
}

void tst_ProfileEncoding::readFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, value);

    QFile file(m_dir.filePath("r.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    std::string buffer;
    const int count =
        ReadProfileText(file.fileName().toStdString(), "s", "k", buffer, 256, "", -1, false);
    QCOMPARE(QString::fromStdString(buffer), value);
    QCOMPARE(count, static_cast<int>(value.toStdU32String().size()));
}

void tst_ProfileEncoding::rewriteFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("written");

    QTest::addColumn<QByteArray>("value");

    const QByteArray euro = "\xE2\x82\xAC";
    QTest::newRow("cp1252 stays cp1252")
        << QByteArray("; \xAB note \xBB\n[s]\nk=Caf\xE9\n")
        << QByteArray("; \xAB note \xBB\r\n[s]\r\nk=Caf\xE9\r\nnew=\x80\r\n") << euro;
    QTest::newRow("UTF-8 that fits cp1252 becomes cp1252")
        << QByteArray("[s]\r\nk=Caf\xC3\xA9\r\n") << QByteArray("[s]\r\nk=Caf\xE9\r\nnew=\x80\r\n")
        << euro;
    QTest::newRow("cp1252 becomes UTF-8 for a character it lacks")
        << QByteArray("[s]\r\nk=Caf\xE9\r\n")
        << QByteArray("[s]\r\nk=Caf\xC3\xA9\r\nnew=\xCE\xA9\r\n") << QByteArray("\xCE\xA9");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\nnew=\xE2\x82\xAC\r\n") << euro;
    QTest::newRow("NUL line kept whole") << QByteArray("[s]\r\nk=a\0b\r\n", 12)
                                         << QByteArray("[s]\r\nk=a\0b\r\nnew=\x80\r\n", 19) << euro;
    QTest::newRow("UTF-16 stays UTF-16")
        << QByteArray("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22)
        << QByteArray("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0n\0e\0w\0=\0\xAC\x20\r\0\n\0",
                      36)
        << euro;
}

void tst_ProfileEncoding::rewriteFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, value);

    QFile file(m_dir.filePath("w.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(WriteProfileText(file.fileName().toStdString(), "s", "new", value.toStdString(), -1,
                             false));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

// Every character of the code page written alone, and the pairs whose cp1252
// bytes would pass for UTF-8, read back as they were written.
void tst_ProfileEncoding::cp1252RoundTrip_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("asCp1252");

    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        const std::string text = TextEncoding::fromCp1252(std::string(1, static_cast<char>(byte)));
        QTest::addRow("byte %02X", byte) << QByteArray::fromStdString("x" + text) << true;
    }
    QTest::newRow("A tilde, copyright") << QByteArray("\xC3\x83\xC2\xA9") << false;
    QTest::newRow("A circumflex, euro") << QByteArray("\xC3\x82\xE2\x82\xAC") << false;
    QTest::newRow("a with acute, then A tilde") << QByteArray("\xC3\xA1\xC3\x83") << true;
}

void tst_ProfileEncoding::cp1252RoundTrip()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, asCp1252);

    const std::string path = m_dir.filePath("round.ini").toStdString();
    QFile::remove(QString::fromStdString(path));
    QVERIFY(WriteProfileText(path, "s", "k", value.toStdString(), -1, false));
    std::string buffer;
    ReadProfileText(path, "s", "k", buffer, 256, "", -1, false);
    QCOMPARE(QByteArray::fromStdString(buffer), value);
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes == QByteArray::fromStdString(
                          "[s]\r\nk=" + TextEncoding::toCp1252(value.toStdString()).value_or("") +
                          "\r\n"),
             asCp1252);
}

// A file whose first characters would be taken for a byte order mark.
void tst_ProfileEncoding::textLikeAByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("y diaeresis, thorn") << QByteArray("\xC3\xBF\xC3\xBE note");
    QTest::newRow("thorn, y diaeresis") << QByteArray("\xC3\xBE\xC3\xBF note");
    QTest::newRow("i diaeresis, guillemet, inverted question")
        << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF note");
}

void tst_ProfileEncoding::textLikeAByteOrderMark()
{
    QFETCH(QByteArray, firstLine);

    QFile file(m_dir.filePath("mark.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(firstLine + "\r\n[s]\r\nk=1\r\n");
    file.close();
    const std::string path = file.fileName().toStdString();
    QVERIFY(WriteProfileText(path, "s", "j", "2", -1, false));
    std::string buffer;
    QCOMPARE(ReadProfileText(path, "s", "k", buffer, 256, "", -1, false), 1);
    QCOMPARE(ReadProfileText(path, "s", "j", buffer, 256, "", -1, false), 1);
    QVERIFY(WriteProfileText(path, "s", "j", "3", -1, false));
    QCOMPARE(ReadProfileText(path, "s", "k", buffer, 256, "", -1, false), 1);
}

void tst_ProfileEncoding::utf16File_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");

    const auto utf16 = [](const QString& text, bool bigEndian) {
        QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (const QChar c : text) {
            const char high = static_cast<char>(c.unicode() >> 8);
            const char low = static_cast<char>(c.unicode() & 0xFF);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        return bytes;
    };
    const QString text = QString::fromUtf8("[s]\r\nk=Caf\u00E9 \u03A9 \U0001F3C0\r\n");
    const QString expected = QString::fromUtf8("Caf\u00E9 \u03A9 \U0001F3C0");
    QTest::newRow("little endian") << utf16(text, false) << expected;
    QTest::newRow("big endian") << utf16(text, true) << expected;
    QTest::newRow("LF only") << utf16(QStringLiteral("[s]\nk=v\n"), false) << "v";
    QTest::newRow("unpaired surrogate")
        << utf16(QStringLiteral("[s]\r\nk=a") + QChar(0xD800) + QStringLiteral("b\r\n"), false)
        << QString::fromUtf8("a\uFFFDb");
    QTest::newRow("odd last byte") << utf16(QStringLiteral("[s]\r\nk=v"), false) + 'x' << "v";
}

// A UTF-16 file is read, and keeps its entries and encoding through a write.
void tst_ProfileEncoding::utf16File()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, value);

    QFile file(m_dir.filePath("u16.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const std::string path = file.fileName().toStdString();
    std::string buffer;
    ReadProfileText(path, "s", "k", buffer, 256, "", -1, false);
    QCOMPARE(QString::fromStdString(buffer), value);

    QVERIFY(WriteProfileText(path, "s", "j", "\xE2\x82\xAC", -1, false));
    ReadProfileText(path, "s", "k", buffer, 256, "", -1, false);
    QCOMPARE(QString::fromStdString(buffer), value);
    ReadProfileText(path, "s", "j", buffer, 256, "", -1, false);
    QCOMPARE(QString::fromStdString(buffer), QString::fromUtf8("\u20AC"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), content.left(2));
}

void tst_ProfileEncoding::windowsBlanks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("vertical tab") << QByteArray("[s]\r\n\vk\v=\vv\v\r\n") << QByteArray("v");
    QTest::newRow("form feed") << QByteArray("[s]\r\n\fk\f=\fv\f\r\n") << QByteArray("v");
    QTest::newRow("end-of-file mark after the value")
        << QByteArray("[s]\r\nk=v\x1A") << QByteArray("v");
    QTest::newRow("end-of-file mark around the section")
        << QByteArray("\x1A[\x1As\x1A]\x1A\r\nk=v\r\n") << QByteArray("v");
    QTest::newRow("inner control kept") << QByteArray("[s]\r\nk=a\vb\r\n") << QByteArray("a\vb");
}

void tst_ProfileEncoding::windowsBlanks()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, value);

    QFile file(m_dir.filePath("blanks.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    std::string buffer;
    ReadProfileText(file.fileName().toStdString(), "s", "k", buffer, 256, "", -1, false);
    QCOMPARE(QByteArray::fromStdString(buffer), value);
}

QTEST_GUILESS_MAIN(tst_ProfileEncoding)
#include "tst_ProfileEncoding.moc"
