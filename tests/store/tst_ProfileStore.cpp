#include "FileSizeLimit.h"

#include "store/ProfileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>

struct ProfileWrite
{
    std::string section;
    std::string key;
    std::string value;
};
using ProfileWrites = std::vector<ProfileWrite>;
Q_DECLARE_METATYPE(ProfileWrites)

// The four profile operations and the data directory, on real files.
class tst_ProfileStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readText_data();
    void readText();
    void readInt_data();
    void readInt();
    void write_data();
    void write();
    void writeInt_data();
    void writeInt();
    void indexedKeys_data();
    void indexedKeys();
    void longIndexedKeyIsCut();
    void dataDirectoryFiles_data();
    void dataDirectoryFiles();
    void initDataDir_data();
    void initDataDir();
    void refusedWrites_data();
    void refusedWrites();
    void cutShortWriteKeepsOldFile();
    void closedFolders_data();
    void closedFolders();
    void writeKeepsPermissionsAndLinks();
    void bigInputs_data();
    void bigInputs();

private:
    std::string path(const QString& name) const;
    void put(const QString& name, const QByteArray& bytes) const;
    QByteArray bytesOf(const QString& name) const;
    QStringList entries() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

std::string tst_ProfileStore::path(const QString& name) const
{
    return m_dir->filePath(name).toStdString();
}

void tst_ProfileStore::put(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_ProfileStore::bytesOf(const QString& name) const
{
    QFile file(m_dir->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList tst_ProfileStore::entries() const
{
    return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void tst_ProfileStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ProfileStore::readText_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    const QByteArray plain = "[Players]\r\nName0=Ann\r\nEmpty=\r\nBlank=   \r\n";
    const QByteArray long300 = QByteArray(300, 'x');
    QTest::newRow("missing file") << QByteArray() << "Players"
                                  << "Name0" << 256 << "dflt"
                                  << "dflt";
    QTest::newRow("missing section") << plain << "Drills"
                                     << "Name0" << 256 << "dflt"
                                     << "dflt";
    QTest::newRow("missing key") << plain << "Players"
                                 << "Name1" << 256 << "dflt"
                                 << "dflt";
    QTest::newRow("absent default") << plain << "Players"
                                    << "Name1" << 256 << ""
                                    << "";
    QTest::newRow("found") << plain << "Players"
                           << "Name0" << 256 << "dflt"
                           << "Ann";
    QTest::newRow("empty value ignores the default") << plain << "Players"
                                                     << "Empty" << 256 << "dflt"
                                                     << "";
    QTest::newRow("blank value ignores the default") << plain << "Players"
                                                     << "Blank" << 256 << "dflt"
                                                     << "";
    QTest::newRow("section in other case") << plain << "PLAYERS"
                                           << "Name0" << 256 << ""
                                           << "Ann";
    QTest::newRow("key in other case") << plain << "Players"
                                       << "NAME0" << 256 << ""
                                       << "Ann";
    QTest::newRow("query blanks trimmed") << plain << " Players\t"
                                          << "  name0 " << 256 << ""
                                          << "Ann";
    QTest::newRow("first section wins")
        << QByteArray("[s]\r\na=1\r\n[t]\r\n[S]\r\na=2\r\nb=3\r\n") << "s"
        << "b" << 256 << "d"
        << "d";
    QTest::newRow("first key wins") << QByteArray("[s]\r\nK=1\r\nk=2\r\n") << "s"
                                    << "k" << 256 << ""
                                    << "1";
    QTest::newRow("blanks around the value") << QByteArray("[s]\r\n k \t=  v  w \t\r\n") << "s"
                                             << "k" << 256 << ""
                                             << "v  w";
    QTest::newRow("double quotes removed") << QByteArray("[s]\r\nk= \"quoted\" \r\n") << "s"
                                           << "k" << 256 << ""
                                           << "quoted";
    QTest::newRow("single quotes removed") << QByteArray("[s]\r\nk='a b'\r\n") << "s"
                                           << "k" << 256 << ""
                                           << "a b";
    QTest::newRow("one pair of quotes only") << QByteArray("[s]\r\nk=\"\"x\"\"\r\n") << "s"
                                             << "k" << 256 << ""
                                             << "\"x\"";
    QTest::newRow("300 characters at capacity 256") << "[s]\r\nk=" + long300 << "s"
                                                    << "k" << 256 << "" << QString(255, 'x');
    QTest::newRow("capacity 2") << plain << "Players"
                                << "Name0" << 2 << ""
                                << "A";
    QTest::newRow("capacity 1") << plain << "Players"
                                << "Name0" << 1 << ""
                                << "";
    QTest::newRow("capacity 0") << plain << "Players"
                                << "Name0" << 0 << ""
                                << "";
    QTest::newRow("negative capacity") << plain << "Players"
                                       << "Name0" << -5 << "dflt"
                                       << "";
    QTest::newRow("default cut by capacity") << plain << "Players"
                                             << "Nobody" << 4 << "default"
                                             << "def";
    QTest::newRow("capacity counts characters")
        << QByteArray("[s]\r\nk=\xC3\xA9t\xC3\xA9\xE2\x82\xAC!\r\n") << "s"
        << "k" << 4 << "" << QString::fromUtf8("\xC3\xA9t\xC3\xA9");
    QTest::newRow("mixed line endings") << QByteArray("[a]\r\nk=1\n[s]\rj=0\r\nk=2") << "s"
                                        << "k" << 256 << ""
                                        << "2";
    QTest::newRow("NUL ends the value") << QByteArray("[s]\r\nk=a\0b\r\n", 12) << "s"
                                        << "k" << 256 << ""
                                        << "a";
    QTest::newRow("key before any section unreachable") << QByteArray("k=0\r\n[s]\r\n") << ""
                                                        << "k" << 256 << "d"
                                                        << "d";
    QTest::newRow("empty section name") << QByteArray("[]\r\nk=0\r\n") << ""
                                        << "k" << 256 << ""
                                        << "0";
}

void tst_ProfileStore::readText()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, capacity);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);

    if (!content.isNull())
        put("p.ini", content);
    std::string buffer = "untouched";
    const int count = ReadProfileText(path("p.ini"), section.toStdString(), key.toStdString(),
                                      buffer, capacity, defaultValue.toStdString(), -1, false);
    QCOMPARE(QString::fromStdString(buffer), expected);
    QCOMPARE(count, static_cast<int>(expected.toStdU32String().size()));
}

void tst_ProfileStore::readInt_data()
{
    QTest::addColumn<QByteArray>("value"); // null: no such key
    QTest::addColumn<int>("expected");

    QTest::newRow("missing key gives the default") << QByteArray() << 77;
    QTest::newRow("empty value gives the default") << QByteArray("") << 77;
    QTest::newRow("blank value gives the default") << QByteArray("  ") << 77;
    QTest::newRow("negative") << QByteArray("-100") << -100;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("colour") << QByteArray("16711680") << 16711680;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("plus sign is no number") << QByteArray("+5") << 0;
    QTest::newRow("hexadecimal is no number") << QByteArray("0x10") << 0;
    QTest::newRow("leading zeros") << QByteArray("010") << 10;
    QTest::newRow("quoted") << QByteArray("\"-7\"") << -7;
    QTest::newRow("blanks inside quotes") << QByteArray("\"  42\"") << 42;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << -2147483647 - 1;
    QTest::newRow("wraps above 32 bits") << QByteArray("4294967297") << 1;
    QTest::newRow("many leading zeros") << QByteArray(40, '0') + "12" << 12;
}

void tst_ProfileStore::readInt()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);

    put("p.ini", value.isNull() ? QByteArray("[s]\r\n") : "[s]\r\nk=" + value + "\r\n");
    QCOMPARE(ReadProfileInt(path("p.ini"), "s", "k", 77, -1, false), expected);
}

void tst_ProfileStore::write_data()
{
    QTest::addColumn<QByteArray>("initial"); // null: no file
    QTest::addColumn<ProfileWrites>("writes");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file") << QByteArray() << ProfileWrites{{"Sec", "Key", "Val"}}
                              << QByteArray("[Sec]\r\nKey=Val\r\n");
    QTest::newRow("new key at the end of its section")
        << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n") << ProfileWrites{{"A", "z", "3"}}
        << QByteArray("[a]\r\nx=1\r\nz=3\r\n[b]\r\ny=2\r\n");
    QTest::newRow("new key after a comment, before blank lines")
        << QByteArray("[a]\r\nx=1\r\n; note\r\n\r\n\r\n[b]\r\n") << ProfileWrites{{"a", "z", "3"}}
        << QByteArray("[a]\r\nx=1\r\n; note\r\nz=3\r\n\r\n\r\n[b]\r\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[a]\r\n\r\n[b]\r\n") << ProfileWrites{{"a", "z", "3"}}
        << QByteArray("[a]\r\nz=3\r\n\r\n[b]\r\n");
    QTest::newRow("new section at the end")
        << QByteArray("[a]\r\nx=1\r\n\r\n") << ProfileWrites{{"b", "y", "2"}}
        << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("new section after a last line without break")
        << QByteArray("[a]\r\nx=1") << ProfileWrites{{"b", "y", "2"}}
        << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    QTest::newRow("value replaced in place, spelling kept")
        << QByteArray("[MySec]\r\nfirst=0\r\n  MyKey = 1 \r\nlast=9\r\n")
        << ProfileWrites{{"MYSEC", "mykey", "2"}}
        << QByteArray("[MySec]\r\nfirst=0\r\nMyKey=2\r\nlast=9\r\n");
    QTest::newRow("same value leaves the file alone")
        << QByteArray("[s]\nk = same\n") << ProfileWrites{{"s", "k", "same"}}
        << QByteArray("[s]\nk = same\n");
    QTest::newRow("untouched lines kept, line ends made CR LF")
        << QByteArray("; c\n[s]  \n  a = 1  \n\n\rk=1\r\n[ t ]\rjunk")
        << ProfileWrites{{"s", "k", "2"}}
        << QByteArray("; c\r\n[s]  \r\n  a = 1  \r\n\r\n\r\nk=2\r\n[ t ]\r\njunk\r\n");
    QTest::newRow("writes go to the first of two sections")
        << QByteArray("[s]\r\na=1\r\n[S]\r\nb=2\r\n") << ProfileWrites{{"s", "b", "3"}}
        << QByteArray("[s]\r\na=1\r\nb=3\r\n[S]\r\nb=2\r\n");
    QTest::newRow("empty value") << QByteArray() << ProfileWrites{{"s", "k", ""}}
                                 << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("quotes stored as given")
        << QByteArray() << ProfileWrites{{"s", "k", "\"q\""}} << QByteArray("[s]\r\nk=\"q\"\r\n");
    QTest::newRow("leading blanks dropped")
        << QByteArray() << ProfileWrites{{" s", "\tk", "  v"}} << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("line breaks in a value become blanks")
        << QByteArray() << ProfileWrites{{"s", "k", "one\r\n[t]\ntwo=2"}}
        << QByteArray("[s]\r\nk=one  [t] two=2\r\n");
    QTest::newRow("NUL ends a value")
        << QByteArray() << ProfileWrites{{"s", "k", std::string("ab\0cd", 5)}}
        << QByteArray("[s]\r\nk=ab\r\n");
    QTest::newRow("value that is not UTF-8 taken as cp1252 and stored so")
        << QByteArray() << ProfileWrites{{"s", "k", "caf\xE9"}}
        << QByteArray("[s]\r\nk=caf\xE9\r\n");
    QTest::newRow("several keys and sections")
        << QByteArray("[Plan]\r\nDate=1/1/99\r\n")
        << ProfileWrites{{"Plan", "Date", "2/2/99"},
                         {"Plan", "Start", "12:00"},
                         {"Emphasis", "Def", "Zone"},
                         {"plan", "Start", "13:00"}}
        << QByteArray("[Plan]\r\nDate=2/2/99\r\nStart=13:00\r\n[Emphasis]\r\nDef=Zone\r\n");
}

void tst_ProfileStore::write()
{
    QFETCH(QByteArray, initial);
    QFETCH(ProfileWrites, writes);
    QFETCH(QByteArray, expected);

    if (!initial.isNull())
        put("p.ini", initial);
    for (const ProfileWrite& w : writes)
        QVERIFY(WriteProfileText(path("p.ini"), w.section, w.key, w.value, -1, false));
    QCOMPARE(bytesOf("p.ini"), expected);
    QCOMPARE(entries(), QStringList{"p.ini"});
}

void tst_ProfileStore::writeInt_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("negative") << -100 << QByteArray("-100");
    QTest::newRow("zero") << 0 << QByteArray("0");
    QTest::newRow("colour") << 16711680 << QByteArray("16711680");
    QTest::newRow("smallest") << -2147483647 - 1 << QByteArray("-2147483648");
}

void tst_ProfileStore::writeInt()
{
    QFETCH(int, value);
    QFETCH(QByteArray, expected);

    QVERIFY(WriteProfileInt(path("p.ini"), "s", "k", value, -1, false));
    QCOMPARE(bytesOf("p.ini"), "[s]\r\nk=" + expected + "\r\n");
    QCOMPARE(ReadProfileInt(path("p.ini"), "s", "k", 5, -1, false), value);
}

void tst_ProfileStore::indexedKeys_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain key") << -1 << QByteArray("Name=v");
    QTest::newRow("any negative index") << -7 << QByteArray("Name=v");
    QTest::newRow("index 0") << 0 << QByteArray("Name0=v");
    QTest::newRow("index 12") << 12 << QByteArray("Name12=v");
}

void tst_ProfileStore::indexedKeys()
{
    QFETCH(int, index);
    QFETCH(QByteArray, line);

    QVERIFY(WriteProfileText(path("p.ini"), "s", "Name", "v", index, false));
    QCOMPARE(bytesOf("p.ini"), "[s]\r\n" + line + "\r\n");
    std::string buffer;
    QCOMPARE(ReadProfileText(path("p.ini"), "S", "NAME", buffer, 256, "d", index, false), 1);
    QCOMPARE(buffer, "v");
}

void tst_ProfileStore::longIndexedKeyIsCut()
{
    const std::string base(254, 'k');
    QVERIFY(WriteProfileText(path("p.ini"), "s", base, "v", 12, false));
    QCOMPARE(bytesOf("p.ini"), "[s]\r\n" + QByteArray::fromStdString(base) + "1=v\r\n");
    QCOMPARE(ReadProfileInt(path("p.ini"), "s", base + "1", 0, -1, false), 0);
    std::string buffer;
    QCOMPARE(ReadProfileText(path("p.ini"), "s", base, buffer, 256, "d", 19, false), 1);
}

void tst_ProfileStore::dataDirectoryFiles_data()
{
    QTest::addColumn<QString>("file");

    QTest::newRow("bare name") << "players.db";
    QTest::newRow("path reduced to its name") << "/other/place/players.db";
    QTest::newRow("Windows path reduced to its name") << "C:\\OTHER\\players.db";
}

void tst_ProfileStore::dataDirectoryFiles()
{
    QFETCH(QString, file);

    QCOMPARE(InitDataDir(m_dir->path().toStdString()), std::string());
    QCOMPARE(DataDir(), m_dir->path().toStdString() + "/data/");
    QVERIFY(WriteProfileInt(file.toStdString(), "List", "Count", 3, -1, true));
    QCOMPARE(bytesOf("data/players.db"), QByteArray("[List]\r\nCount=3\r\n"));
    QCOMPARE(ReadProfileInt(file.toStdString(), "List", "Count", 0, -1, true), 3);
    QCOMPARE(ReadProfileInt("players.db", "List", "Count", 0, -1, false), 0);
}

void tst_ProfileStore::initDataDir_data()
{
    QTest::addColumn<QString>("folder");   // relative to the temporary folder
    QTest::addColumn<QString>("existing"); // "", "folder" or "file"
    QTest::addColumn<bool>("fails");

    QTest::newRow("created") << ""
                             << "" << false;
    QTest::newRow("created, trailing separator given") << "/"
                                                       << "" << false;
    QTest::newRow("existing folder") << ""
                                     << "folder" << false;
    QTest::newRow("existing plain file counts") << ""
                                                << "file" << false;
    QTest::newRow("executable folder missing") << "/missing"
                                               << "" << true;
}

void tst_ProfileStore::initDataDir()
{
    QFETCH(QString, folder);
    QFETCH(QString, existing);
    QFETCH(bool, fails);

    if (existing == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir("data"));
    if (existing == "file")
        put("data", "x");
    const std::string executableFolder = m_dir->path().toStdString() + folder.toStdString();
    const std::string dataDir =
        m_dir->path().toStdString() + folder.chopped(folder.endsWith('/')).toStdString() + "/data/";

    const std::string message = InitDataDir(executableFolder);
    QCOMPARE(DataDir(), dataDir);
    if (fails) {
        QCOMPARE(message, "The data directory '" + dataDir +
                              "' does not exist and cannot be created.  No data will be saved.");
        QVERIFY(!WriteProfileText("prefs.db", "s", "k", "v", -1, true));
        QCOMPARE(ReadProfileInt("prefs.db", "s", "k", -100, -1, true), -100);
    } else {
        QCOMPARE(message, std::string());
        QVERIFY(QFileInfo::exists(QString::fromStdString(dataDir).chopped(1)));
    }
}

namespace {

// Permissions checked as for a plain user while it lives, even for root.
struct PlainUserFiles
{
    const int uid = setfsuid(geteuid() == 0 ? 65534 : geteuid());
    const int gid = setfsgid(getegid() == 0 ? 65534 : getegid());
    ~PlainUserFiles() { setfsgid(gid), setfsuid(uid); }
};

} // namespace

void tst_ProfileStore::refusedWrites_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind"); // what stands in the way

    QTest::newRow("missing folder") << "none/p.ini"
                                    << "";
    QTest::newRow("read-only file") << "p.ini"
                                    << "read-only";
    QTest::newRow("folder in the file's place") << "p.ini"
                                                << "folder";
    QTest::newRow("file anyone may write but not read") << "p.ini"
                                                        << "write-only";
}

void tst_ProfileStore::refusedWrites()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);

    const QByteArray old = "[s]\r\nk=old\r\n";
    if (kind == "read-only") {
        put(file, old);
        QVERIFY(QFile::setPermissions(m_dir->filePath(file),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    if (kind == "write-only") {
        put(file, old);
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(m_dir->filePath(file), QFileDevice::Permissions(0x6222)));
    }
    if (kind == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir(file));
    const QStringList before = entries();

    {
        const std::optional<PlainUserFiles> plainUser =
            kind == "write-only" ? std::make_optional<PlainUserFiles>() : std::nullopt;
        QVERIFY(!WriteProfileText(path(file), "s", "k", "new", -1, false));
        QVERIFY(!WriteProfileInt(path(file), "t", "n", 1, -1, false));
    }
    QCOMPARE(entries(), before);
    if (kind.endsWith("-only"))
        QCOMPARE(bytesOf(file), old);
}

void tst_ProfileStore::cutShortWriteKeepsOldFile()
{
    const QByteArray old = "[s]\r\nk=old\r\n";
    put("p.ini", old);
    bool written = true;
    {
        const FileSizeLimit full(1024);
        written = WriteProfileText(path("p.ini"), "s", "k", std::string(5000, 'v'), -1, false);
    }
    QVERIFY(!written);
    QCOMPARE(bytesOf("p.ini"), old);
    QCOMPARE(entries(), QStringList{"p.ini"});
}

void tst_ProfileStore::closedFolders_data()
{
    QTest::addColumn<int>("folderMode"); // for a plain user who owns neither
    QTest::addColumn<bool>("file");
    QTest::addColumn<int>("sizeLimit"); // 0: none
    QTest::addColumn<bool>("written");

    QTest::newRow("read-only folder, writable file: written in place") << 0555 << true << 0 << true;
    QTest::newRow("shared folder, someone else's file") << 01777 << true << 0 << true;
    QTest::newRow("in place, cut short: the old bytes come back") << 0555 << true << 64 << false;
    QTest::newRow("read-only folder, no file yet") << 0555 << false << 0 << false;
}

void tst_ProfileStore::closedFolders()
{
    QFETCH(int, folderMode);
    QFETCH(bool, file);
    QFETCH(int, sizeLimit);
    QFETCH(bool, written);

    const QByteArray old = "[s]\r\nk=old\r\n";
    if (file) {
        put("p.ini", old);
        QCOMPARE(chmod(path("p.ini").c_str(), 0666), 0);
    }
    QCOMPARE(chmod(m_dir->path().toLocal8Bit().constData(), folderMode), 0);
    const QStringList before = entries();
    bool done = false;
    {
        const std::optional<FileSizeLimit> full =
            sizeLimit ? std::make_optional<FileSizeLimit>(sizeLimit) : std::nullopt;
        const PlainUserFiles plainUser;
        done = WriteProfileText(path("p.ini"), "s", "k", std::string(100, 'v'), -1, false);
    }
    QCOMPARE(done, written);
    QCOMPARE(entries(), before);
    if (file)
        QCOMPARE(bytesOf("p.ini"), written ? "[s]\r\nk=" + QByteArray(100, 'v') + "\r\n" : old);
}

void tst_ProfileStore::writeKeepsPermissionsAndLinks()
{
    put("p.ini", "[s]\r\nk=1\r\n");
    QVERIFY(QFile::setPermissions(m_dir->filePath("p.ini"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link(m_dir->filePath("p.ini"), m_dir->filePath("link.ini")));

    QVERIFY(WriteProfileText(path("link.ini"), "s", "k", "2", -1, false));
    QVERIFY(QFileInfo(m_dir->filePath("link.ini")).isSymLink());
    QCOMPARE(bytesOf("p.ini"), QByteArray("[s]\r\nk=2\r\n"));
    struct stat info;
    QCOMPARE(stat(path("p.ini").c_str(), &info), 0);
    QCOMPARE(info.st_mode & 07777, 0640u);
    QCOMPARE(entries(), (QStringList{"link.ini", "p.ini"}));
}

void tst_ProfileStore::bigInputs_data()
{
    QTest::addColumn<QByteArray>("content");

    const int size = 10 * 1024 * 1024;
    QTest::newRow("one line of 10 MB") << "[s]\r\nk=" + QByteArray(size, 'v');
    QByteArray random(size, '\0');
    QRandomGenerator generator(42);
    generator.fillRange(reinterpret_cast<quint32*>(random.data()), size / 4);
    QTest::newRow("10 MB of random bytes") << random;
}

void tst_ProfileStore::bigInputs()
{
    QFETCH(QByteArray, content);

    put("p.ini", content);
    std::string buffer;
    const int count = ReadProfileText(path("p.ini"), "s", "k", buffer, 256, "", -1, false);
    QVERIFY(count <= 255);
    QVERIFY(buffer.size() <= 255 * 4);
    QVERIFY(WriteProfileText(path("p.ini"), "new", "k", "v", -1, false));
    QCOMPARE(ReadProfileText(path("p.ini"), "new", "k", buffer, 256, "", -1, false), 1);
}

QTEST_GUILESS_MAIN(tst_ProfileStore)
#include "tst_ProfileStore.moc"
