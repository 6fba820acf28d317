#include "app/ApplicationId.h"
#include "app/DataFolderChoice.h"
#include "store/ProfileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

void writeFile(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

// The data folder beside the executable or in the per-user location, judged
// on real folders: the tests run as the superuser too, so a read-only folder
// is one whose mode grants writing to nobody.
class tst_DataFolderChoice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void choice_data();
    void choice();
    void perUserFolder_data();
    void perUserFolder();

private:
    // Every folder made read-only by a test, given back its rights so the
    // temporary folders can go, whatever the test's outcome.
    QStringList m_readOnly;
};

void tst_DataFolderChoice::cleanup()
{
    for (const QString& folder : std::as_const(m_readOnly))
        QFile::setPermissions(folder, ReadOnly | QFile::WriteOwner);
    m_readOnly.clear();
}

void tst_DataFolderChoice::choice_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("data"); // "", "folder" or "file"
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable folder: the build tree, a portable copy")
        << true << "" << false << true;
    QTest::newRow("read-only folder: per-user") << false << "" << false << false;
    QTest::newRow("read-only folder holding a data folder carried over")
        << false << "folder" << false << true;
    QTest::newRow("read-only folder holding a file named data") << false << "file" << false << true;
    QTest::newRow("installed copy in a writable prefix: per-user") << true << "" << true << false;
    QTest::newRow("installed copy holding a data folder") << true << "folder" << true << true;
    QTest::newRow("installed under a read-only prefix: per-user") << false << "" << true << false;
}

void tst_DataFolderChoice::choice()
{
    QFETCH(bool, writable);
    QFETCH(QString, data);
    QFETCH(bool, installed);
    QFETCH(bool, beside);

    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    const QString perUser = root.filePath(QStringLiteral("home/.local/share/Corvanta"));
    QVERIFY(QDir().mkpath(bin));
    if (installed) {
        const QString applications = root.filePath(QStringLiteral("prefix/share/applications"));
        QVERIFY(QDir().mkpath(applications));
        writeFile(applications + QLatin1Char('/') + ApplicationId::desktopFileName());
    }
    if (data == QStringLiteral("folder"))
        QVERIFY(QDir(bin).mkdir(QStringLiteral("data")));
    else if (data == QStringLiteral("file"))
        writeFile(bin + QStringLiteral("/data"));
    if (!writable) {
        QVERIFY(QFile::setPermissions(bin, ReadOnly));
        m_readOnly << bin;
    }

    QCOMPARE(FolderIsWritable(bin), writable);
    QCOMPARE(IsInstalledCopy(bin + QLatin1Char('/')), installed);
    QCOMPARE(DataParentFolder(bin + QLatin1Char('/'), perUser), beside ? bin : perUser);
}

void tst_DataFolderChoice::perUserFolder_data()
{
    QTest::addColumn<bool>("blocked"); // a plain file where the per-user folders should go
    QTest::newRow("made under the read-only program folder") << false;
    QTest::newRow("cannot be made: reported") << true;
}

void tst_DataFolderChoice::perUserFolder()
{
    QFETCH(bool, blocked);

    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFile::setPermissions(bin, ReadOnly));
    m_readOnly << bin;
    const QString home = root.filePath(QStringLiteral("home"));
    if (blocked)
        writeFile(home);
    const QString perUser = home + QStringLiteral("/.local/share/Corvanta/Corvanta");

    const QString error = InitDataFolder(bin, perUser);
    QVERIFY(!QFileInfo::exists(bin + QStringLiteral("/data")));
    if (blocked) {
        QCOMPARE(error, QStringLiteral("The data directory '") + perUser +
                            QStringLiteral("/data/' does not exist and cannot be created.  No "
                                           "data will be saved."));
        return;
    }
    QCOMPARE(error, QString());
    QCOMPARE(QString::fromStdString(DataDir()), perUser + QStringLiteral("/data/"));
    QVERIFY(QFileInfo(perUser + QStringLiteral("/data")).isDir());
}

QTEST_GUILESS_MAIN(tst_DataFolderChoice)
#include "tst_DataFolderChoice.moc"
