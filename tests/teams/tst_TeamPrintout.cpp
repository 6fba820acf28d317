#include "RecordingSurface.h"
#include "TempDataDir.h"

#include "report/ReportPage.h"
#include "teams/TeamPrintout.h"
#include "teams/TeamSet.h"

#include <QtTest>

namespace {

// "2:Ann,Bo;5:Cy" places Ann and Bo in team 2 and Cy in team 5.
TeamSet setOf(int playersPerTeam, const QString& placements)
{
    TeamSet set = TeamSetFile::Empty(playersPerTeam, "12/8/2026");
    for (const QString& team : placements.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = team.split(QLatin1Char(':'));
        for (const QString& name : parts[1].split(QLatin1Char(',')))
            set.teams[parts[0].toInt() - 1].players.push_back(name.toStdString());
    }
    return set;
}

// The calls below the page header.
QStringList printedRows(const TeamSet& set, int playersPerTeam)
{
    RecordingSurface surface(300, 300, 2400, 3150);
    ReportPage page(surface, TeamPrintoutInfo);
    if (!page.startJob())
        return {"no job"};
    const qsizetype header = surface.calls.size();
    PrintTeamSetRows(page, set, playersPerTeam);
    page.endJob();
    return surface.calls.mid(header);
}

// Without the empty texts of empty places.
QStringList withoutEmptyTexts(const QStringList& calls)
{
    static const QRegularExpression emptyText(QStringLiteral("^text \\d+ \\d+ $"));
    QStringList kept;
    for (const QString& call : calls) {
        if (!emptyText.match(call).hasMatch())
            kept << call;
    }
    return kept;
}

} // namespace

// At 300 dpi on 2400 x 3150: line height 58, top line 3, last line 51, left
// margin 225, column width (2400 - 337.5) / 4 = 515.
class tst_TeamPrintout : public QObject
{
    Q_OBJECT

private slots:
    void heading_data();
    void heading();
    void groups_data();
    void groups();
    void pageBreakInsideAGroup();
};

void tst_TeamPrintout::heading_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("sizeHeading");

    QTest::newRow("11 players") << 11 << "Tuesday"
                                << "11-Player Teams";
    QTest::newRow("empty description keeps its line") << 5 << ""
                                                      << "5-Player Teams";
}

void tst_TeamPrintout::heading()
{
    QFETCH(int, players);
    QFETCH(QString, description);
    QFETCH(QString, sizeHeading);

    TempDataDir data;
    TeamSet set = setOf(players, {});
    set.description = description.toStdString();
    QCOMPARE(printedRows(set, players).mid(0, 7),
             (QStringList{"font Arial 10 bold", "text 225 232 " + description, "font Arial 10",
                          "font Arial 10 bold", "text 225 348 " + sizeHeading, "font Arial 10",
                          // line 6 x 58 + 58 x 5 / 7, truncated
                          "line 225 389 2175 389"}));
}

void tst_TeamPrintout::groups_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("placements");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("teams 2, 3, 6, 9 then 11 alone")
        << 5 << "2:Al;3:Bo,Cy;6:Di,Ed,Fa,Gu,Hy,Ivo;9:Jo;11:Ka"
        << QStringList{"font Arial 10 bold", "text 225 406 Team 2", "text 740 406 Team 3",
                       "text 1255 406 Team 6", "text 1770 406 Team 9", "font Arial 10",
                       "text 225 464 Al", "text 740 464 Bo", "text 1255 464 Di", "text 1770 464 Jo",
                       "text 740 522 Cy", "text 1255 522 Ed", "text 1255 580 Fa",
                       "text 1255 638 Gu", "text 1255 696 Hy",
                       // the extra place in the last player row
                       "text 1255 754 Ivo", "font Arial 10 bold",
                       // names, 6 player rows and an empty line later
                       "text 225 870 Team 11", "font Arial 10", "text 225 928 Ka"};
    QTest::newRow("a long name is not cut")
        << 2 << "1:" + QString(60, 'x')
        << QStringList{"font Arial 10 bold", "text 225 406 Team 1", "font Arial 10",
                       "text 225 464 " + QString(60, 'x')};
}

void tst_TeamPrintout::groups()
{
    QFETCH(int, players);
    QFETCH(QString, placements);
    QFETCH(QStringList, rows);

    TempDataDir data;
    const QStringList printed = printedRows(setOf(players, placements), players);
    QCOMPARE(withoutEmptyTexts(printed.mid(7)).mid(0, rows.size()), rows);
    // A names row, N + 1 rows of four texts and an empty line per group.
    QCOMPARE(printed.mid(7).filter(QRegularExpression("^text 225 ")).size() % (players + 3), 0);
}

void tst_TeamPrintout::pageBreakInsideAGroup()
{
    TempDataDir data;
    QString placements;
    for (int team = 1; team <= 40; ++team)
        placements += QString("%1:P%1;").arg(team);
    const QStringList rows = printedRows(setOf(2, placements), 2);
    // Ten groups of five lines from line 7: the ninth ends on the last line
    // 51, so the tenth starts the second page on its top line.
    const qsizetype lastOnPage1 = rows.indexOf("text 225 2958 ");
    QVERIFY(lastOnPage1 > 0);
    QCOMPARE(rows.mid(lastOnPage1 + 1, 4),
             (QStringList{"font Arial 10 bold", "line 0 3020 2400 3020", "text 2055 3034 Page 1",
                          "newPage"}));
    QCOMPARE(rows.at(lastOnPage1 + 5), QString("text 225 174 Team 37"));
    QCOMPARE(rows.filter(" Team ").size(), 40);
    QCOMPARE(rows.count("newPage"), 1);
}

QTEST_GUILESS_MAIN(tst_TeamPrintout)
#include "tst_TeamPrintout.moc"
