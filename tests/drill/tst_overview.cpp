// What the overview of the history shows, without a window: the table's cells and order, the
// summary line with its trend, and the chart's series and axis ranges.

#include "drill/overview.h"

#include <QTest>

namespace {

HistoryRun run(const char *iso, const QString &name, double rate, long long points)
{
    HistoryRun r;
    r.started = QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
    r.name = name;
    r.rate = rate;
    r.points = points;
    return r;
}

QStringList names(const QList<HistoryRun> &runs)
{
    QStringList out;
    for (const HistoryRun &r : runs)
        out << r.name;
    return out;
}

} // namespace

class OverviewTest : public QObject
{
    Q_OBJECT

private slots:
    void cells()
    {
        HistoryRun r = run("2024-03-05T14:07:09+01:00", QString(), 33.25, -7);
        r.exampleCount = 12;
        r.seconds = 3725;
        r.difficulty = {QStringLiteral("+ ~"), -5, 10, 3, 3, 2, QStringLiteral("1..5")};
        const QLocale czech(QLocale::Czech, QLocale::Czechia);
        QStringList got;
        for (int c = 0; c < OverviewColumn::Count; ++c)
            got << OverviewCell(r, c, czech, QStringLiteral("yyyy-MM-dd"), ',');
        QCOMPARE(got, (QStringList{"2024-03-05", "(bez jména)", "12", "0", "0", "0", "33,3 %", "-7",
                                   "1:02:05", "+ ~", "-5 až 10", "3", "2", "1 až 5"}));
        QCOMPARE(OverviewCell(r, OverviewColumn::Rate, czech, {}, '.'), "33.3 %");
        QCOMPARE(OverviewDateTimeFormat(czech),
                 czech.dateFormat(QLocale::ShortFormat) + " H:mm:ss");
    }

    // Ties keep the newest run first in either direction; names sort as Czech does ("Ch" after
    // "H", "Č" after "C").
    void order()
    {
        QList<HistoryRun> runs = {run("2024-03-01T10:00:00Z", "Hana", 50, 1),
                                  run("2024-03-02T10:00:00Z", QStringLiteral("Čeněk"), 70, 2),
                                  run("2024-03-03T10:00:00Z", "Chrudoš", 50, 3),
                                  run("2024-03-04T10:00:00Z", "Cyril", 90, 4),
                                  run("2024-03-05T10:00:00Z", "Ivan", 50, 5)};
        SortOverview(runs, OverviewColumn::Name, true);
        QCOMPARE(names(runs), (QStringList{"Cyril", QStringLiteral("Čeněk"), "Hana",
                                           QStringLiteral("Chrudoš"), "Ivan"}));
        SortOverview(runs, OverviewColumn::Rate, true);
        QCOMPARE(names(runs), (QStringList{"Ivan", QStringLiteral("Chrudoš"), "Hana",
                                           QStringLiteral("Čeněk"), "Cyril"}));
        SortOverview(runs, OverviewColumn::Rate, false);
        QCOMPARE(names(runs), (QStringList{"Cyril", QStringLiteral("Čeněk"), "Ivan",
                                           QStringLiteral("Chrudoš"), "Hana"}));
        const QString hana = "Hana";
        QCOMPARE(names(RunsOfPupil(runs, &hana)), QStringList{"Hana"});
        QCOMPARE(RunsOfPupil(runs, nullptr).size(), 5);
    }

    void summary_data()
    {
        QTest::addColumn<QList<double>>("rates"); // a day apart, in that order
        QTest::addColumn<bool>("everyone");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<QString>("text");
        const QString head = QStringLiteral("Běhů: %1    Průměrná úspěšnost: %2    Nejlepší: %3");
        const QString trend = QStringLiteral("    Trend posledních 5 běhů: ");
        QTest::newRow("none") << QList<double>{} << false << 0
                              << QStringLiteral("Žádný zaznamenaný běh zkoušení.");
        QTest::newRow("one run: no trend yet")
            << QList<double>{40} << false << 0
            << head.arg(1).arg("40,0 %", "40,0 %") + trend + "zatím nelze určit";
        QTest::newRow("rising") << QList<double>{50, 70, 90} << false << 0
                                << head.arg(3).arg("70,0 %", "90,0 %") + trend +
                                       "zlepšuje se (+20,0 p. b. na běh)";
        QTest::newRow("falling") << QList<double>{90, 70} << false << 0
                                 << head.arg(2).arg("80,0 %", "90,0 %") + trend +
                                        QStringLiteral("zhoršuje se (-20,0 p. b. na běh)");
        QTest::newRow("a slope under one point is steady")
            << QList<double>{50, 50.8} << false << 0
            << head.arg(2).arg("50,4 %", "50,8 %") + trend +
                   QStringLiteral("beze změny (+0,8 p. b. na běh)");
        // Only the last five runs: 10, then 90 80 70 60 50 falls by 10 a run.
        QTest::newRow("the last five runs")
            << QList<double>{10, 90, 80, 70, 60, 50} << false << 0
            << head.arg(6).arg("60,0 %", "90,0 %") + trend +
                   QStringLiteral("zhoršuje se (-10,0 p. b. na běh)");
        QTest::newRow("everyone, with damaged lines")
            << QList<double>{50, 70} << true << 2
            << QStringLiteral("Žáků: 2    ") + head.arg(2).arg("60,0 %", "70,0 %") +
                   QStringLiteral("    (nečitelných řádků v historii: 2)");
    }
    void summary()
    {
        QFETCH(QList<double>, rates);
        QFETCH(bool, everyone);
        QFETCH(int, damaged);
        QFETCH(QString, text);
        QList<HistoryRun> runs;
        QDateTime when = QDateTime::fromString("2024-03-01T10:00:00Z", Qt::ISODate);
        // Listed newest first, as the table holds them; the trend goes by date.
        for (double rate : rates) {
            HistoryRun r = run("", everyone ? QString::number(runs.size()) : "Eva", rate, 0);
            r.started = when = when.addDays(1);
            runs.prepend(r);
        }
        QCOMPARE(OverviewSummary(runs, everyone, damaged, QLocale(QLocale::Czech), ','), text);
    }

    // One pupil: rate and points by date, the points axis padded by a tenth of its span (at
    // least 5) and reaching below zero only for negative points; the time axis a twentieth of
    // the span wider on each side (at least five minutes), with the time of day under 3 days.
    void chartOfOnePupil()
    {
        const QList<HistoryRun> runs = {run("2024-03-15T10:00:00+01:00", "Anna", 90, 20),
                                        run("2024-03-01T10:00:00+01:00", "Anna", 50, -95),
                                        run("2024-03-08T10:00:00+01:00", "Anna", 70, -40)};
        const QLocale czech(QLocale::Czech);
        OverviewChart c = ChartOf(runs, false, true, {}, "Anna", czech, {});
        QCOMPARE(c.title, QStringLiteral("Úspěšnost a body: Anna"));
        QVERIFY(c.rateAxis && c.pointsAxis && !c.pointsAxisLeft && c.legend);
        QCOMPARE(c.series.size(), 2);
        const double first = double(runs[1].started.toMSecsSinceEpoch());
        const double second = double(runs[2].started.toMSecsSinceEpoch());
        const double third = double(runs[0].started.toMSecsSinceEpoch());
        QCOMPARE(c.series[0], (OverviewSeries{QStringLiteral("Úspěšnost"),
                                              {{first, 50}, {second, 70}, {third, 90}},
                                              true,
                                              false}));
        QCOMPARE(c.series[1],
                 (OverviewSeries{"Body", {{first, -95}, {second, -40}, {third, 20}}, true, true}));
        QCOMPARE(c.pointsLow, -106.0); // -95 - 115/10
        QCOMPARE(c.pointsHigh, 31.0);
        QCOMPARE(c.from, runs[1].started.addSecs(-60480)); // 14 days / 20
        QCOMPARE(c.to, runs[0].started.addSecs(60480));
        QCOMPARE(c.timeFormat, czech.dateFormat(QLocale::ShortFormat));

        c = ChartOf({runs[0]}, false, false, {}, "Anna", czech, {});
        QCOMPARE(c.pointsLow, 0.0);
        QCOMPARE(c.pointsHigh, 25.0);
        QCOMPARE(c.from, runs[0].started.addSecs(-300));
        QCOMPARE(c.timeFormat, czech.dateFormat(QLocale::ShortFormat) + " H:mm");

        const QDateTime now = QDateTime::fromString("2025-01-01T08:00:00Z", Qt::ISODate);
        c = ChartOf({}, false, false, {}, QString(), czech, now);
        QCOMPARE(c.title, QStringLiteral("Úspěšnost a body: (bez jména)"));
        QVERIFY(!c.legend);
        QCOMPARE(c.series[0].points.size(), 0);
        QCOMPARE(c.from, now.addSecs(-300));
        QCOMPARE(c.to, now.addSecs(300));
    }

    // Everyone: one series per pupil in the chooser's order, the chosen measure on the left.
    void chartOfEveryone()
    {
        QList<HistoryRun> runs;
        for (int i = 0; i < 120; ++i)
            runs << run("2024-03-01T10:00:00Z", "Bea", 50, i);
        runs << run("2024-03-02T10:00:00Z", "Al", 80, 7)
             << run("2024-03-03T10:00:00Z", "Al", 60, 9);
        OverviewChart c =
            ChartOf(runs, true, true, {"Al", "Bea", "Cid"}, QString(), QLocale::c(), {});
        QCOMPARE(c.title, QStringLiteral("Body všech žáků"));
        QVERIFY(!c.rateAxis && c.pointsAxis && c.pointsAxisLeft);
        QCOMPARE(c.series.size(), 2);
        QCOMPARE(c.series[0].name, "Al");
        QCOMPARE(c.series[0].points.size(), 2);
        QCOMPARE(c.series[0].points[1].y(), 9.0);
        QVERIFY(c.series[0].pointsVisible && c.series[0].onPointsAxis);
        QCOMPARE(c.series[1].name, "Bea");
        QVERIFY(!c.series[1].pointsVisible); // a hundred runs and more are a line
        QCOMPARE(c.pointsHigh, 119.0 + 11);

        c = ChartOf(runs, true, false, {"Al", "Bea"}, QString(), QLocale::c(), {});
        QCOMPARE(c.title, QStringLiteral("Úspěšnost všech žáků"));
        QVERIFY(c.rateAxis && !c.pointsAxis);
        QCOMPARE(c.series[0].points[0].y(), 80.0);
        QVERIFY(!c.series[0].onPointsAxis);
    }
};

QTEST_GUILESS_MAIN(OverviewTest)
#include "tst_overview.moc"
