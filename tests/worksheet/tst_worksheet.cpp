// The worksheet rules without a window: a line's judgement and computed text, whole sheets with
// their counts, stops and number errors, the already-computed test, the elapsed time, the
// export's alignment and the trailer.

#include "worksheet/trailer.h"
#include "worksheet/worksheet.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTest>

namespace {

const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
const QString marker = QStringLiteral("Velmorsoft © 2006");

} // namespace

Q_DECLARE_METATYPE(LineState)

// Names the state in a failed comparison.
char *toString(LineState state)
{
    static const char *const names[] = {"NoEquals", "Unsolved", "Correct", "Wrong", "NotANumber"};
    return qstrdup(names[int(state)]);
}

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void computeLine_data();
    void computeLine();
    void notANumberMessage();
    void sheetCountsAndStops();
    void numberErrorKeepsEarlierLines();
    void secondComputeOfHalfComputedSheet();
    void labelsRiseOnly();
    void alreadyComputed_data();
    void alreadyComputed();
    void elapsedText_data();
    void elapsedText();
    void exportAlignment_data();
    void exportAlignment();
    void trailerItem();
    void readTrailer_data();
    void readTrailer();
    void smallRules();
};

void TestWorksheet::computeLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<char>("sep");
    QTest::addColumn<bool>("full");
    QTest::addColumn<LineState>("state");
    QTest::addColumn<QString>("computed");

    const auto row = [](const char *name, const char *line, char sep, bool full, LineState state,
                        const char *computed) {
        QTest::newRow(name) << QString::fromUtf8(line) << sep << full << state
                            << QString::fromUtf8(computed);
    };
    using S = LineState;
    row("correct", "7*8=56", ',', false, S::Correct, "7*8=56[ 56,00 ]");
    row("unsolved blank", "7*8= ", ',', false, S::Unsolved, "7*8= [ 56,00 ]");
    row("unsolved", "7*8=", ',', false, S::Unsolved, "7*8=[ 56,00 ]");
    row("wrong", "7*8=55", ',', false, S::Wrong, "7*8=55[ 56,00 ]");
    row("one decimal", "10/4=2,5", ',', false, S::Correct, "10/4=2,5[ 2,50 ]");
    row("two decimals of a third", "10/3=3,33", ',', false, S::Correct, "10/3=3,33[ 3,33 ]");
    row("three decimals of a third", "10/3=3,333", ',', false, S::Wrong, "10/3=3,333[ 3,33 ]");
    row("full value, judged by two decimals", "10/3=3,33", ',', true, S::Correct,
        "10/3=3,33[ 3,33333333333333 ]");
    row("full value of a whole result", "7*8=56", ',', true, S::Correct, "7*8=56[ 56 ]");
    row("point under a comma locale", "10/4=2.5", ',', false, S::NotANumber, "10/4=2.5");
    row("comma under a point locale", "10/4=2,5", '.', false, S::NotANumber, "10/4=2,5");
    row("point locale", "10/4=2.5", '.', false, S::Correct, "10/4=2.5[ 2.50 ]");
    row("decimal comma in the expression", "2,5*2=5", ',', false, S::Correct, "2,5*2=5[ 5,00 ]");
    row("blanks around", "  12+7 =  19  ", ',', false, S::Correct, "  12+7 =  19  [ 19,00 ]");
    row("half rounds up", "0,125*1=0,13", ',', false, S::Correct, "0,125*1=0,13[ 0,13 ]");
    row("negative half", "-0,125*1=-0,13", ',', false, S::Correct, "-0,125*1=-0,13[ -0,13 ]");
    row("exponent answer", "7*8=5,6E1", ',', false, S::Correct, "7*8=5,6E1[ 56,00 ]");
    // An expression that does not evaluate counts as 0.
    row("division by zero", "1/0=0", ',', false, S::Correct, "1/0=0[ 0,00 ]");
    row("nothing before the sign", "=5", ',', false, S::Wrong, "=5[ 0,00 ]");
    row("second sign in the answer", "2=3=4", ',', false, S::NotANumber, "2=3=4");
    row("title", "Jméno: Anna", ',', false, S::NoEquals, "Jméno: Anna");
    row("empty line", "", ',', false, S::NoEquals, "");
    // A line with a result from an earlier computation keeps its text and is judged again.
    row("computed correct", "7*8=56[ 56,00 ]", ',', false, S::Correct, "7*8=56[ 56,00 ]");
    row("computed unsolved", "7*8= [ 56,00 ]", ',', false, S::Unsolved, "7*8= [ 56,00 ]");
    row("computed full value", "10/3=3,33[ 3,33333333333333 ]", ',', false, S::Correct,
        "10/3=3,33[ 3,33333333333333 ]");
    row("bracketed answer", "7*8=[ 56 ]x", ',', false, S::NotANumber, "7*8=[ 56 ]x");
    row("brackets without a number", "7*8=[ x ]", ',', false, S::NotANumber, "7*8=[ x ]");
}

void TestWorksheet::computeLine()
{
    QFETCH(QString, line);
    QFETCH(char, sep);
    QFETCH(bool, full);
    QFETCH(LineState, state);
    QFETCH(QString, computed);

    const LineResult r = ComputeLine(line, sep, full);
    QCOMPARE(r.state, state);
    QCOMPARE(r.computedLine, computed);
}

void TestWorksheet::notANumberMessage()
{
    const LineResult r = ComputeLine(QStringLiteral("10/4=  2.5 "), ',', false);
    QCOMPARE(r.answer, QStringLiteral("2.5"));
    QCOMPARE(QString::fromUtf8(NotANumberError(r.answer).what()),
             QStringLiteral("'2.5' is not a valid floating point value"));
    // The calculator field shows what was evaluated: the expression with "." for ",".
    QCOMPARE(ComputeLine(QStringLiteral("2,5*2=5"), ',', false).evaluationText,
             QStringLiteral("2.5*2"));
}

void TestWorksheet::sheetCountsAndStops()
{
    const QStringList sheet{"Příklady", "7*8=56", "7*8= ", "7*8=55", "10/4=2,5", "10/3=3,333"};
    QStringList lines = sheet;
    QList<qsizetype> seen;
    const ComputeOutcome all =
        ComputeWorksheet(lines, ',', false, [&](qsizetype i, const LineResult &, const auto &) {
            seen.append(i);
            return true;
        });
    QVERIFY(all.finished);
    QCOMPARE(seen, (QList<qsizetype>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(all.counts.correct, 2);
    QCOMPARE(all.counts.unsolved, 1);
    QCOMPARE(all.counts.wrong, 2);
    QCOMPARE(lines, (QStringList{"Příklady", "7*8=56[ 56,00 ]", "7*8= [ 56,00 ]", "7*8=55[ 56,00 ]",
                                 "10/4=2,5[ 2,50 ]", "10/3=3,333[ 3,33 ]"}));

    // A stop after the third line leaves the rest as it was and asks for no trailer.
    lines = sheet;
    const ComputeOutcome stopped = ComputeWorksheet(
        lines, ',', false, [](qsizetype i, const LineResult &, const auto &) { return i < 2; });
    QVERIFY(!stopped.finished);
    QCOMPARE(stopped.counts.correct, 1);
    QCOMPARE(stopped.counts.unsolved, 1);
    QCOMPARE(stopped.counts.wrong, 0);
    QCOMPARE(lines, (QStringList{"Příklady", "7*8=56[ 56,00 ]", "7*8= [ 56,00 ]", "7*8=55",
                                 "10/4=2,5", "10/3=3,333"}));

    QStringList empty;
    QVERIFY(!ComputeWorksheet(empty, ',', false).finished);
}

void TestWorksheet::numberErrorKeepsEarlierLines()
{
    QStringList lines{"1+1=2", "2+2=4", "10/4=2.5", "3+3=6"};
    int calls = 0;
    try {
        ComputeWorksheet(lines, ',', false, [&](qsizetype, const LineResult &, const auto &) {
            ++calls;
            return true;
        });
        QFAIL("no error for 2.5");
    } catch (const NotANumberError &error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("'2.5' is not a valid floating point value"));
    }
    QCOMPARE(calls, 2);
    QCOMPARE(lines, (QStringList{"1+1=2[ 2,00 ]", "2+2=4[ 4,00 ]", "10/4=2.5", "3+3=6"}));

    // Its second line has its result, so the sheet counts as computed: nothing more happens.
    const QStringList before = lines;
    QVERIFY(!ComputeWorksheet(lines, ',', false).finished);
    QCOMPARE(lines, before);
}

void TestWorksheet::secondComputeOfHalfComputedSheet()
{
    // Stopped after the first line: computing again counts that line from its own answer,
    // leaves its text, and finishes the rest.
    QStringList lines{"7*8=56", "7*8=55", "7*8="};
    ComputeWorksheet(lines, ',', false,
                     [](qsizetype, const LineResult &, const auto &) { return false; });
    QCOMPARE(lines[0], QStringLiteral("7*8=56[ 56,00 ]"));
    const ComputeOutcome again = ComputeWorksheet(lines, ',', false);
    QVERIFY(again.finished);
    QCOMPARE(again.counts.correct, 1);
    QCOMPARE(again.counts.wrong, 1);
    QCOMPARE(again.counts.unsolved, 1);
    QCOMPARE(lines, (QStringList{"7*8=56[ 56,00 ]", "7*8=55[ 56,00 ]", "7*8=[ 56,00 ]"}));
}

void TestWorksheet::labelsRiseOnly()
{
    // The window's three labels, fed as the hook reports: a label takes a new text only when
    // its line's count rose.
    QMap<LineState, QString> labels{
        {LineState::Correct, "-"}, {LineState::Unsolved, "-"}, {LineState::Wrong, "-"}};
    const auto show = [&](qsizetype, const LineResult &r, const WorksheetCounts &counts) {
        if (const int n = counts.count(r.state))
            labels[r.state] = QString::number(n);
        return true;
    };
    QStringList first{"1+1=3", "2+2=5", "Pozor", "3+3=7", "4+4=8"};
    ComputeWorksheet(first, ',', false, show);
    QCOMPARE(labels[LineState::Wrong], QStringLiteral("3"));
    QCOMPARE(labels[LineState::Correct], QStringLiteral("1"));
    QCOMPARE(labels[LineState::Unsolved], QStringLiteral("-"));
    QCOMPARE(labels.size(), 3);

    QStringList second{"5+5=10", "6+6=12"};
    ComputeWorksheet(second, ',', false, show);
    QCOMPARE(labels[LineState::Correct], QStringLiteral("2"));
    QCOMPARE(labels[LineState::Wrong], QStringLiteral("3")); // kept from the first sheet
    QCOMPARE(labels[LineState::Unsolved], QStringLiteral("-"));

    WorksheetCounts counts;
    QVERIFY(!counts.add(LineState::NoEquals));
    QVERIFY(!counts.add(LineState::NotANumber));
    QCOMPARE(counts.correct + counts.unsolved + counts.wrong, 0);
    QVERIFY(counts.add(LineState::Wrong));
    QCOMPARE(counts.count(LineState::Wrong), 1);
}

void TestWorksheet::alreadyComputed_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("computed");

    const QString trailer = TrailerItem("01.02.24 9:05:03", "1", "-", "-");
    const QStringList trailerLines = trailer.split('\n');
    QTest::newRow("empty") << QStringList{} << false;
    QTest::newRow("generated") << QStringList{"1+1=", "2+2="} << false;
    QTest::newRow("second line computed") << QStringList{"1+1=", "2+2=4[ 4,00 ]"} << true;
    QTest::newRow("only the first line computed") << QStringList{"1+1=2[ 2,00 ]", "2+2="} << false;
    QTest::newRow("one line") << QStringList{"7*8=56"} << false;
    QTest::newRow("one computed line") << QStringList{"7*8=56[ 56,00 ]"} << true;
    QTest::newRow("one line and its trailer") << QStringList{"7*8=56[ 56,00 ]", trailer} << true;
    QTest::newRow("one line and its trailer, reopened")
        << QStringList{"7*8=56[ 56,00 ]"} + trailerLines << true;
    QTest::newRow("titles above, reopened")
        << QStringList{"Jméno:", "", "7*8=56[ 56,00 ]"} + trailerLines << true;
    QTest::newRow("marker not last")
        << QStringList{"Jméno:", "", "7*8=56[ 56,00 ]"} + trailerLines + QStringList{"8*8="}
        << false;
}

void TestWorksheet::alreadyComputed()
{
    QFETCH(QStringList, items);
    QFETCH(bool, computed);
    QCOMPARE(IsWorksheetComputed(items), computed);

    // A computed sheet is left exactly as it is.
    QStringList lines = items;
    const ComputeOutcome outcome = ComputeWorksheet(lines, ',', false);
    if (computed) {
        QVERIFY(!outcome.finished);
        QCOMPARE(lines, items);
    }
}

void TestWorksheet::elapsedText_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");

    QTest::newRow("65 432 ms") << qint64(65432) << QStringLiteral("0:01:05.432");
    QTest::newRow("no leading zeros") << qint64(65007) << QStringLiteral("0:01:05.7");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0:00:00.0");
    QTest::newRow("just below a second") << qint64(999) << QStringLiteral("0:00:00.999");
    QTest::newRow("one second") << qint64(1000) << QStringLiteral("0:00:01.0");
    QTest::newRow("hours") << qint64(3723040) << QStringLiteral("1:02:03.40");
    QTest::newRow("negative") << qint64(-5) << QStringLiteral("0:00:00.0");
}

void TestWorksheet::elapsedText()
{
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(LongTimeFormat(czech), QStringLiteral("H:mm:ss"));
    QCOMPARE(ElapsedText(ms, czech), text);
}

void TestWorksheet::exportAlignment_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("aligned");

    QTest::newRow("two lines") << QStringList{"1+2=", "10+20+30="} << 7
                               << QStringList{"     1+2=", "10+20+30="};
    QTest::newRow("line without sign") << QStringList{"Test", "1+2=", "10+20+30="} << 7
                                       << QStringList{"        Test", "     1+2=", "10+20+30="};
    QTest::newRow("sign first") << QStringList{"=5", "1+2=3"} << 2 << QStringList{"   =5", "1+2=3"};
    QTest::newRow("answers and results stay after the sign")
        << QStringList{"2*3=6[ 6,00 ]", "12*13= [ 156,00 ]"} << 4
        << QStringList{"  2*3=6[ 6,00 ]", "12*13= [ 156,00 ]"};
    QTest::newRow("no signs") << QStringList{"a", ""} << 0 << QStringList{" a", " "};
    QTest::newRow("characters, not bytes")
        << QStringList{"Příklad=", "1="} << 6 << QStringList{"Příklad=", "      1="};
    QTest::newRow("a trailer item, line by line") << QStringList{"1+2=3[ 3,00 ]", "1\n2"} << 2
                                                  << QStringList{"1+2=3[ 3,00 ]", "   1", "   2"};
}

void TestWorksheet::exportAlignment()
{
    QFETCH(QStringList, items);
    QFETCH(int, width);
    QFETCH(QStringList, aligned);

    QCOMPARE(MeasureWidestExpression(items), width);
    QCOMPARE(ExportLines(items, true), aligned);
    for (const QString &line : aligned) {
        if (line.contains('='))
            QCOMPARE(line.indexOf('='), width + 1);
    }
    QStringList plain;
    for (const QString &item : items)
        plain += item.split('\n');
    QCOMPARE(ExportLines(items, false), plain);
}

void TestWorksheet::trailerItem()
{
    const QDateTime when(QDate(2024, 2, 1), QTime(9, 5, 3));
    QCOMPARE(TrailerDateTime(when, czech), QStringLiteral("01.02.24 9:05:03"));
    QCOMPARE(TrailerItem(TrailerDateTime(when, czech), "5", "-", "3"),
             QStringLiteral(" \n01.02.24 9:05:03\n5\n-\n3\nVelmorsoft © 2006"));
    QCOMPARE(TrailerMarker(), marker);
}

void TestWorksheet::readTrailer_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("labels"); // correct, unsolved, wrong, checked

    const QStringList fileForm{"7*8=56[ 56,00 ]", " ", "01.02.24 9:05:03", "1", "-", "3", marker};
    QTest::newRow("file form") << fileForm << true
                               << QStringList{"1", "-", "3", "01.02.24 9:05:03"};
    QTest::newRow("one item") << QStringList{"7*8=56[ 56,00 ]",
                                             TrailerItem("01.02.24 9:05:03", "1", "-", "3")}
                              << true << QStringList{"1", "-", "3", "01.02.24 9:05:03"};
    QTest::newRow("blanks around everything")
        << QStringList{"  ", "  01.02.24 9:05:03 ", "   1", "   -  ", " 3 ", "  " + marker + "   "}
        << true << QStringList{"1", "-", "3", "01.02.24 9:05:03"};
    QTest::newRow("marker not last") << fileForm + QStringList{"8*8=64"} << false << QStringList{};
    QTest::newRow("marker alone") << QStringList{marker} << true << QStringList{"-", "-", "-", "-"};
    QTest::newRow("two lines") << QStringList{"3", marker} << true
                               << QStringList{"-", "-", "3", "-"};
    QTest::newRow("four lines") << QStringList{"a", "b", "c", marker} << true
                                << QStringList{"a", "b", "c", "-"};
    QTest::newRow("five lines") << QStringList{"d", "a", "b", "c", marker} << true
                                << QStringList{"a", "b", "c", "d"};
    QTest::newRow("other marker") << QStringList{"1", "2", "3", "4", "Velmorsoft (c) 2006"} << false
                                  << QStringList{};
    QTest::newRow("empty") << QStringList{} << false << QStringList{};
    QTest::newRow("empty line") << QStringList{""} << false << QStringList{};
}

void TestWorksheet::readTrailer()
{
    QFETCH(QStringList, items);
    QFETCH(bool, found);
    QFETCH(QStringList, labels);

    const auto trailer = ReadTrailer(items);
    QCOMPARE(trailer.has_value(), found);
    if (found) {
        QCOMPARE(
            (QStringList{trailer->correct, trailer->unsolved, trailer->wrong, trailer->checked}),
            labels);
    }
}

void TestWorksheet::smallRules()
{
    QVERIFY(KeepsGeneratedExample(0));
    QVERIFY(KeepsGeneratedExample(99));
    QVERIFY(!KeepsGeneratedExample(100));
    QCOMPARE(GeneratedLine("(3*4)-5"), QStringLiteral("(3*4)-5="));
    QCOMPARE(ProgressText(57, 20), QStringLiteral("57/20"));
    QCOMPARE(ClickedLineExpression("     12+7=19[ 19,00 ]"), QStringLiteral("12+7"));
    QCOMPARE(ClickedLineExpression("Jméno"), QString());
    QCOMPARE(ExportTarget("/tmp/Anna.nlx"), QStringLiteral("/tmp/Anna.nlx"));
#ifdef Q_OS_WIN
    QCOMPARE(ExportTarget(QString()), QStringLiteral("C:\\Priklad"));
#else
    QCOMPARE(ExportTarget(QString()), QDir::homePath() + QStringLiteral("/Priklad"));
#endif
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
