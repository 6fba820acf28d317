#include "formats/RecentList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// "$" stands for a folder holding a.pln, b.pln and link.pln, a link to a.pln.
class tst_RecentList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void update_data();
    void update();

private:
    std::vector<std::string> paths(const QStringList& list) const;
    QTemporaryDir m_folder;
};

void tst_RecentList::initTestCase()
{
    for (const char* name : {"a.pln", "b.pln"}) {
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(m_folder.filePath("a.pln"), m_folder.filePath("link.pln")));
}

std::vector<std::string> tst_RecentList::paths(const QStringList& list) const
{
    std::vector<std::string> result;
    for (QString path : list)
        result.push_back(path.replace(QLatin1Char('$'), m_folder.path()).toStdString());
    return result;
}

void tst_RecentList::update_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QStringList>("expected");

    const QStringList eight{"$/1", "$/2", "$/3", "$/4", "$/5", "$/6", "$/7", "$/8"};
    QTest::newRow("first") << QStringList() << "$/a.pln" << false << QStringList{"$/a.pln"};
    QTest::newRow("most recent first")
        << QStringList{"$/a.pln"} << "$/b.pln" << false << QStringList{"$/b.pln", "$/a.pln"};
    QTest::newRow("used again moves up") << QStringList{"$/b.pln", "$/a.pln"} << "$/a.pln" << false
                                         << QStringList{"$/a.pln", "$/b.pln"};
    QTest::newRow("other spelling, newest kept")
        << QStringList{"$/a.pln", "$/b.pln"} << "$//x/.././a.pln" << false
        << QStringList{"$//x/.././a.pln", "$/b.pln"};
    QTest::newRow("through a link") << QStringList{"$/a.pln", "$/b.pln"} << "$/link.pln" << false
                                    << QStringList{"$/link.pln", "$/b.pln"};
    QTest::newRow("missing file, two spellings")
        << QStringList{"$/gone.pln"} << "$/./gone.pln" << false << QStringList{"$/./gone.pln"};
    QTest::newRow("ninth drops the oldest")
        << eight << "$/9" << false << (QStringList{"$/9"} + eight.mid(0, 7));
    QTest::newRow("untidy list read back")
        << (QStringList{"", "$/a.pln", "$/link.pln"} + eight) << "$/b.pln" << false
        << (QStringList{"$/b.pln", "$/a.pln"} + eight.mid(0, 6));
    QTest::newRow("removed in any spelling")
        << QStringList{"$/a.pln", "$/b.pln"} << "$/link.pln" << true << QStringList{"$/b.pln"};
    QTest::newRow("removing what is not there")
        << QStringList{"$/a.pln"} << "$/b.pln" << true << QStringList{"$/a.pln"};
}

void tst_RecentList::update()
{
    QFETCH(QStringList, list);
    QFETCH(QString, path);
    QFETCH(bool, remove);
    QFETCH(QStringList, expected);

    const std::string added = paths({path}).front();
    const std::vector<std::string> result =
        remove ? WithoutDocument(paths(list), added) : WithRecentDocument(paths(list), added);
    QCOMPARE(result, paths(expected));
}

QTEST_GUILESS_MAIN(tst_RecentList)
#include "tst_RecentList.moc"
