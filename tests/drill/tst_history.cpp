// The history of examination runs without a window: the file's exact bytes, reading it back
// (10,000 runs, awkward names), damaged, empty and missing files, the write that keeps earlier
// lines, a run's difficulty, the pupils' names and the summary.

#include "drill/history.h"
#include "generator/candidate.h"
#include "historyheader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
}

HistoryRun sampleRun()
{
    HistoryRun run;
    run.started = at("2024-03-05T14:07:09+01:00");
    run.name = QStringLiteral("Novák, \"Pepa\" Čeněk");
    run.exampleCount = 10;
    run.right = 7;
    run.wrong = 3;
    run.unanswered = 1;
    run.rate = 70;
    run.points = -12;
    run.seconds = 95;
    run.difficulty = {QStringLiteral("+ ~"), -5, 10, 3, 3, 1, QStringLiteral("1..5")};
    return run;
}

// sampleRun() as a line: the name quoted with its quotes doubled, the letters in UTF-8.
const QByteArray SampleLine = "2024-03-05T14:07:09+01:00,\"Nov\xC3\xA1k, \"\"Pepa\"\" "
                              "\xC4\x8C"
                              "en\xC4\x9Bk\",10,7,3,1,70.0,-12,95,+ ~,-5,10,3,3,1,"
                              "1..5\r\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void lineBytes()
    {
        QCOMPARE(HistoryHeaderLine(), Header);
        QCOMPARE(HistoryLine(sampleRun()), SampleLine);
        // Fields in quotes only where needed: blanks at an end, a lone quote; an empty name.
        HistoryRun run = sampleRun();
        run.name = QStringLiteral(" Eva");
        QVERIFY(HistoryLine(run).startsWith("2024-03-05T14:07:09+01:00,\" Eva\",10,"));
        run.name = QStringLiteral("O\"Neil");
        QVERIFY(HistoryLine(run).startsWith("2024-03-05T14:07:09+01:00,\"O\"\"Neil\",10,"));
        run.name.clear();
        QVERIFY(HistoryLine(run).startsWith("2024-03-05T14:07:09+01:00,,10,"));
        // A line break cannot split a run over two lines.
        run.name = QStringLiteral("A\r\nB");
        QVERIFY(HistoryLine(run).startsWith("2024-03-05T14:07:09+01:00,A  B,10,"));
        // A name that a spreadsheet would run as a formula is written after an apostrophe, as is
        // a name starting with one; reading drops it again.
        const QList<std::pair<QString, QByteArray>> guarded = {
            {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
            {"+1", "'+1"},
            {"-Eva", "'-Eva"},
            {"@SUM(A1)", "'@SUM(A1)"},
            {"\tEva", "'\tEva"},
            {"'Eva", "''Eva"},
            {"Eva=1", "Eva=1"},
            {"Eva'", "Eva'"},
        };
        for (const auto &[name, field] : guarded) {
            run.name = name;
            const QByteArray line = HistoryLine(run);
            QVERIFY2(line.startsWith("2024-03-05T14:07:09+01:00," + field + ",10,"),
                     line.constData());
            const auto back = ParseHistoryLine(line.chopped(2));
            QVERIFY(back);
            QCOMPARE(back->name, name);
        }
        run.name = QStringLiteral("A\r\nB");
        // A rate keeps one decimal; the time its offset from UTC.
        run.rate = 66.7;
        run.started = at("2024-07-01T08:00:00+02:00");
        QCOMPARE(HistoryLine(run), QByteArray("2024-07-01T08:00:00+02:00,A  B,10,7,3,1,66.7,-12,"
                                              "95,+ ~,-5,10,3,3,1,1..5\r\n"));
    }

    void finishedRun()
    {
        const HistoryRun start = sampleRun();
        QCOMPARE(FinishedRun(start, 0, 0, 0, 30, 0), std::nullopt);
        const auto two = FinishedRun(start, 2, 1, 1, 40, -29);
        QVERIFY(two);
        QCOMPARE(two->rate, 66.7);
        QCOMPARE(two->right, 2);
        QCOMPARE(two->wrong, 1);
        QCOMPARE(two->unanswered, 1);
        QCOMPARE(two->seconds, 40);
        QCOMPARE(two->points, -29);
        QCOMPARE(two->name, start.name);
        QCOMPARE(two->started, start.started);
        QCOMPARE(FinishedRun(start, 1, 0, 0, 1, 5)->rate, 100.0);
        QCOMPARE(FinishedRun(start, 0, 1, 1, 1, 5)->rate, 0.0);
        QCOMPARE(FinishedRun(start, 1, 7, 0, 1, 5)->rate, 12.5); // 12.5, not rounded to 13
        QCOMPARE(FinishedRun(start, 1, 199, 0, 1, 5)->rate, 0.5);
    }

    void roundTripOfTenThousandRuns()
    {
        const QStringList names = {QStringLiteral("Žofie Štěpánková"),
                                   QStringLiteral("Novák, Jan"),
                                   QStringLiteral("\"Pepa\" z Kocourkova"),
                                   QStringLiteral("  odsazený "),
                                   QString(),
                                   QStringLiteral("Ďábel, \"Ťuk\", Ůžasný"),
                                   QStringLiteral("Eva")};
        QList<HistoryRun> runs;
        HistoryRun start;
        start.started = at("2023-09-01T08:00:00+02:00");
        for (int i = 0; i < 10000; ++i) {
            start.name = names[i % names.size()];
            start.exampleCount = 1 + i % 5000;
            start.difficulty = {i % 3 ? QStringLiteral("+ - ~") : QStringLiteral("Sqrt"),
                                -i % 5000,
                                i % 10000,
                                i % 7,
                                i % 7 + 3,
                                i % 3,
                                i % 2 ? QStringLiteral("1..14") : QString::number(i % 14 + 1)};
            const int right = i % 13, wrong = i % 11 + (right == 0);
            runs << *FinishedRun(start, right, wrong, wrong / 2, i % 3600, right * 6 - wrong * 25);
            start.started = start.started.addSecs(3599);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(HistoryFileName));
        writeAll(path, HistoryFileBytes(runs.first(9998)));
        AppendHistoryRun(path, runs[9998]);
        AppendHistoryRun(path, runs[9999]);
        const HistoryContents back = ReadHistory(path);
        QCOMPARE(back.damaged, 0);
        QCOMPARE(back.runs.size(), 10000);
        for (int i = 0; i < runs.size(); ++i)
            if (!(back.runs[i] == runs[i]))
                QFAIL(qPrintable(QStringLiteral("run %1 differs").arg(i)));
        QCOMPARE(back.runs[5].name, names[5]);
        QCOMPARE(back.runs[3].name, QStringLiteral("  odsazený "));
        QVERIFY(readAll(path).startsWith(Header));
    }

    void appendKeepsEveryEarlierByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(HistoryFileName));
        // A missing file and an empty one both start with the header.
        AppendHistoryRun(path, sampleRun());
        QCOMPARE(readAll(path), Header + SampleLine);
        writeAll(path, QByteArray());
        AppendHistoryRun(path, sampleRun());
        QCOMPARE(readAll(path), Header + SampleLine);
        // Damaged and edited lines stay as they were; a last line without its break gets one.
        const QByteArray edited = Header + "garbage, \"unclosed\n" + SampleLine + "x,y";
        writeAll(path, edited);
        AppendHistoryRun(path, sampleRun());
        QCOMPARE(readAll(path), edited + "\r\n" + SampleLine);
        QCOMPARE(ReadHistory(path).runs.size(), 2);
        QCOMPARE(ReadHistory(path).damaged, 2);
        // No leftover temporary file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{HistoryFileName});
    }

    void unreadableHistoryIsNeverReplaced()
    {
        QTemporaryDir dir;
        // Something that exists but cannot be read as a file.
        const QString path = dir.filePath(QLatin1String(HistoryFileName));
        QVERIFY(QDir(dir.path()).mkdir(QLatin1String(HistoryFileName)));
        const QString expected =
            QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path));
        QString error;
        try {
            AppendHistoryRun(path, sampleRun());
        } catch (const std::runtime_error &e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error, expected);
        QVERIFY(QFileInfo(path).isDir());
        error.clear();
        try {
            ReadHistory(path);
        } catch (const std::runtime_error &e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error, expected);
        // A folder that cannot take the file.
        error.clear();
        const QString nowhere = dir.filePath(QStringLiteral("missing/Historie.csv"));
        try {
            AppendHistoryRun(nowhere, sampleRun());
        } catch (const std::runtime_error &e) {
            error = QString::fromUtf8(e.what());
        }
        QCOMPARE(error,
                 QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(nowhere)));
    }

    void damagedLinesAreSkipped()
    {
        const QByteArray good = SampleLine;
        QByteArray second = SampleLine;
        second.replace("2024-03-05T14:07:09+01:00,\"Nov", "2024-03-06T09:00:00+01:00,\"Nov");
        const QByteArray bytes =
            "\xEF\xBB\xBF" + Header + good +
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,1,70.0,-12,95,+,0,10,0,10,0\r\n"     // 15 fields
            "2024-03-05T14:07:09+01:00,\"Eva,10,7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n" // unclosed
            "2024-03-05T14:07:09+01:00,\"Eva\"x,10,7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n"
            "2024-13-05T14:07:09+01:00,Eva,10,7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n" // month 13
            "2024-03-05T14:07:09+01:00,Eva,10,-7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n"
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,4,70.0,-12,95,+,0,10,0,10,0,1\r\n" // 4 of 3
            "2024-03-05T14:07:09+01:00,Eva,10,0,0,0,0.0,0,95,+,0,10,0,10,0,1\r\n"    // nothing
            "2024-03-05T14:07:09+01:00,Eva,0,7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n"  // N 0
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,1,170.0,-12,95,+,0,10,0,10,0,1\r\n"
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,1,nan,-12,95,+,0,10,0,10,0,1\r\n"
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,1,70.0,-12,95,+,0,10,0,10,3,1\r\n" // 3 places
            "2024-03-05T14:07:09+01:00,Eva,10,7,3,1,70.0,-12.5,95,+,0,10,0,10,0,1\r\n"
            "2024-03-05T14:07:09+01:00,Ev\xC3,10,7,3,1,70.0,-12,95,+,0,10,0,10,0,1\r\n" // UTF-8
            "\r\n" +
            second.chopped(2); // the last line without its break
        const HistoryContents read = ParseHistory(bytes);
        QCOMPARE(read.damaged, 13);
        QCOMPARE(read.runs.size(), 2);
        QCOMPARE(read.runs[0], sampleRun());
        QCOMPARE(read.runs[1].started, at("2024-03-06T09:00:00+01:00"));
        // Line feeds alone are line ends too; a header elsewhere is a damaged line.
        QCOMPARE(ParseHistory(good.chopped(2) + "\n" + good.chopped(2)).runs.size(), 2);
        QCOMPARE(ParseHistory(good + Header).damaged, 1);
    }

    void emptyAndMissingFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(HistoryFileName));
        QCOMPARE(ReadHistory(path).runs.size(), 0);
        QCOMPARE(ReadHistory(path).damaged, 0);
        QVERIFY(!QFile::exists(path)); // reading makes no file
        writeAll(path, QByteArray());
        QCOMPARE(ReadHistory(path).runs.size(), 0);
        QCOMPARE(ReadHistory(path).damaged, 0);
        writeAll(path, Header);
        QCOMPARE(ReadHistory(path).runs.size(), 0);
        QCOMPARE(ReadHistory(path).damaged, 0);
    }

    void difficulty()
    {
        GenerationParams p; // the form's defaults: rows 0 to 10, template 1, no decimals
        const char ops[4] = {'+', '-', '*', '/'};
        QCOMPARE(DifficultyOf(p, ops, 1),
                 (RunDifficulty{QStringLiteral("+"), 0, 10, 0, 10, 0, QStringLiteral("1")}));
        // No template chosen composes as template 1.
        QCOMPARE(DifficultyOf(p, ops, 0).templates, QStringLiteral("1"));
        // Template 9 uses all four slots; a "~" slot is random whatever its last character.
        p.slotRandom[1] = true;
        QCOMPARE(DifficultyOf(p, ops, 9).operators, QStringLiteral("+ ~ * /"));
        QCOMPARE(DifficultyOf(p, ops, 2).operators, QStringLiteral("+ ~"));
        QCOMPARE(DifficultyOf(p, ops, 13).operators, QStringLiteral("^"));
        QCOMPARE(DifficultyOf(p, ops, 14).operators, QStringLiteral("Sqrt"));
        // Random choice among the first n templates.
        p.randomTemplate = true;
        p.templateCount = 5;
        QCOMPARE(DifficultyOf(p, ops, 9).templates, QStringLiteral("1..5"));
        QCOMPARE(DifficultyOf(p, ops, 9).operators, QStringLiteral("+ ~ *"));
        p.templateCount = 14;
        QCOMPARE(DifficultyOf(p, ops, 9).templates, QStringLiteral("1..14"));
        QCOMPARE(DifficultyOf(p, ops, 9).operators, QStringLiteral("+ ~ * / ^ Sqrt"));
        p.templateCount = 0; // draws template 1 only
        QCOMPARE(DifficultyOf(p, ops, 9).templates, QStringLiteral("1"));
        QCOMPARE(DifficultyOf(p, ops, 9).operators, QStringLiteral("+"));
        // Ranges: a locked row yields its upper value; row 2 under the exponent range.
        p.lower[0] = -5;
        p.upper[0] = 20;
        p.locked[1] = true;
        p.upper[1] = 7;
        RunDifficulty d = DifficultyOf(p, ops, 1);
        QCOMPARE((QList<int>{d.lower1, d.upper1, d.lower2, d.upper2}), (QList<int>{-5, 20, 7, 7}));
        p.locked[1] = false;
        p.exponentRange = true;
        p.exponent = 4;
        d = DifficultyOf(p, ops, 1);
        QCOMPARE((QList<int>{d.lower2, d.upper2}), (QList<int>{0, 4}));
        p.locked[0] = true;
        QCOMPARE(DifficultyOf(p, ops, 1).lower1, 20);
        // Decimal places: none, tenths, hundredths (which need decimals on).
        p.hundredths = true;
        QCOMPARE(DifficultyOf(p, ops, 1).decimals, 0);
        p.decimals = true;
        QCOMPARE(DifficultyOf(p, ops, 1).decimals, 2);
        p.hundredths = false;
        QCOMPARE(DifficultyOf(p, ops, 1).decimals, 1);
    }

    void pupilNamesInCzechOrder()
    {
        QList<HistoryRun> runs(3);
        runs[0].name = QStringLiteral("Adam");
        runs[1].name = QStringLiteral("Zdeněk");
        runs[2].name = QString();
        const QStringList list = {QStringLiteral("Hana"),  QStringLiteral("Chrudoš"),
                                  QStringLiteral("Cyril"), QString(),
                                  QStringLiteral("Čeněk"), QStringLiteral("Adam")};
        // "Č" follows "C", "Ch" follows "H"; the history's empty name is kept, the list's not.
        QCOMPARE(PupilNames(list, runs),
                 (QStringList{QString(), "Adam", "Cyril", QStringLiteral("Čeněk"), "Hana",
                              QStringLiteral("Chrudoš"), QStringLiteral("Zdeněk")}));
        QCOMPARE(PupilNames(list, {}).size(), 5);
    }

    void summary()
    {
        // Rates in file order; by date the last five are 60, 40, 80, 70, 90.
        const double rates[] = {70, 50, 60, 40, 80, 90};
        const char *dates[] = {"2024-01-05T10:00:00Z", "2024-01-01T10:00:00Z",
                               "2024-01-02T10:00:00Z", "2024-01-03T10:00:00Z",
                               "2024-01-04T10:00:00Z", "2024-01-06T10:00:00Z"};
        QList<HistoryRun> runs;
        for (int i = 0; i < 6; ++i) {
            HistoryRun run;
            run.started = at(dates[i]);
            run.rate = rates[i];
            runs << run;
        }
        PupilSummary s = Summarise(runs);
        QCOMPARE(s.runs, 6);
        QCOMPARE(s.meanRate, 65.0);
        QCOMPARE(s.bestRate, 90.0);
        // x 0..4 about 2, y about 68: (16 + 28 + 0 + 2 + 44) / 10.
        QCOMPARE(s.trendSlope, 9.0);
        QCOMPARE(s.trend, Trend::Rising);

        QCOMPARE(Summarise(runs.first(1)).trend, Trend::Unknown);
        QCOMPARE(Summarise(runs.first(1)).bestRate, 70.0);
        QCOMPARE(Summarise({}).runs, 0);
        runs[1].rate = 69.5; // 1 January, then 5 January: half a point in two runs
        runs = {runs[1], runs[0]};
        s = Summarise(runs);
        QCOMPARE(s.trendSlope, 0.5);
        QCOMPARE(s.trend, Trend::Steady);
        std::swap(runs[0].rate, runs[1].rate);
        QCOMPARE(Summarise(runs).trend, Trend::Steady);
        runs[0].rate = 80;
        runs[1].rate = 70;
        QCOMPARE(Summarise(runs).trendSlope, -10.0);
        QCOMPARE(Summarise(runs).trend, Trend::Falling);
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
