// The printed sheet's plan without a printer: what each line prints as, the columns, the rows
// per page and the page count on A4 and Letter, whole examples per page, the header, footers and
// the key. The metrics are a fixed-pitch font (half the point size per character, 1.2 times it
// per line), so every position below is worked out by hand.

#include "worksheet/pageplan.h"
#include "worksheet/trailer.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(PrintVerdict)

char *toString(PrintVerdict verdict)
{
    static const char *const names[] = {"None", "Right", "Wrong", "Unsolved"};
    return qstrdup(names[int(verdict)]);
}

namespace {

// Points, margins of 40 all round.
const SheetPage A4{595.28, 841.89, 40, 40, 40, 40};
const SheetPage Letter{612, 792, 40, 40, 40, 40};

const PrintMetrics Fixed{
    [](PrintFont font, const QString &text) {
        return double(text.size()) * 0.5 * PrintFontPoints(font);
    },
    [](PrintFont font) { return 1.2 * PrintFontPoints(font); },
};

// Heights: Title 19.2, Header and Text and Key 14.4, Example 15.6, Footer 10.8. The body ends
// two footer lines above the bottom margin: 780.29 on A4, 730.4 on Letter.
double bodyBottom(const SheetPage &page)
{
    return page.height - page.bottom - 2 * 10.8;
}

// Examples "a+b" with a and b from 10 to 49: five characters, results below 100 ("ab,00").
QStringList generated(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1+%2=").arg(10 + i % 40).arg(10 + i / 40 % 40);
    return lines;
}

PrintOptions options(const QString &name = QString(), bool withKey = true)
{
    PrintOptions o;
    o.name = name;
    o.withKey = withKey;
    return o;
}

QList<PlanText> textsOf(const PlanPage &page, int example)
{
    QList<PlanText> out;
    for (const PlanText &t : page.texts)
        if (t.example == example)
            out << t;
    return out;
}

QStringList words(const QList<PlanText> &texts)
{
    QStringList out;
    for (const PlanText &t : texts)
        out << t.text;
    return out;
}

const PlanText *find(const PlanPage &page, const QString &text)
{
    for (const PlanText &t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

// The text as found, or one that matches nothing, so a missing text fails a comparison.
const PlanText &get(const PlanPage &page, const QString &text)
{
    static const PlanText missing{PrintFont::Text, QPointF(-1, -1), QStringLiteral("<missing>")};
    const PlanText *t = find(page, text);
    return t ? *t : missing;
}

} // namespace

class TestPagePlan : public QObject
{
    Q_OBJECT

private slots:
    void whatPrints();
    void keyShowsAnswersOnlyWhereThereAreAny();
    void sheetName_data();
    void sheetName();
    void wrap();
    void pageCounts_data();
    void pageCounts();
    void longestExampleDecidesColumns();
    void positionsInARowAndTextInPlace();
    void titleKeepsWithItsExample();
    void headerFooterAndSheetWithoutAnswers();
    void keyEntries();
    void noKeyWithoutExamplesOrWhenOff();
    void overlongLinesWrapOnOnePage();
    void tinyPageStillPlacesEverything();
};

void TestPagePlan::whatPrints()
{
    const QStringList items{
        QStringLiteral("Sčítání do 100"),
        QStringLiteral("12+7="),
        QStringLiteral("7*8=56[ 56,00 ]"),
        QStringLiteral("  10/3=3,333"), // a formatted export's blanks in front
        QStringLiteral("10/4=2.5"),     // not a number with ","
        QString(),
        QStringLiteral("=5"),
        TrailerItem(QStringLiteral("1. 2. 2024 10:00:00"), QStringLiteral("1"), QStringLiteral("1"),
                    QStringLiteral("3")),
    };
    const PrintedWorksheet sheet = ReadPrintedWorksheet(items, ',', false);
    QCOMPARE(sheet.examples, 5);
    QVERIFY(sheet.answers);
    QVERIFY(sheet.trailer);
    QCOMPARE(sheet.trailer->wrong, QStringLiteral("3"));
    QCOMPARE(sheet.lines.size(), 13); // the trailer's six lines count one by one

    struct Expected
    {
        bool example;
        int number;
        const char *text;
        const char *result;
        const char *answer;
        PrintVerdict verdict;
    };
    const Expected expected[] = {
        {false, 0, "Sčítání do 100", "", "", PrintVerdict::None},
        {true, 1, "12+7", "19,00", "", PrintVerdict::Unsolved},
        {true, 2, "7*8", "56,00", "56", PrintVerdict::Right},
        {true, 3, "10/3", "3,33", "3,333", PrintVerdict::Wrong},
        {true, 4, "10/4", "2,50", "2.5", PrintVerdict::Wrong},
        {false, 0, "", "", "", PrintVerdict::None},
        {true, 5, "", "0,00", "5", PrintVerdict::Wrong},
    };
    for (int i = 0; i < 7; ++i) {
        const PrintLine &p = sheet.lines[i];
        QCOMPARE(p.example, expected[i].example);
        QCOMPARE(p.number, expected[i].number);
        QCOMPARE(p.text, QString::fromUtf8(expected[i].text));
        QCOMPARE(p.result, QString::fromUtf8(expected[i].result));
        QCOMPARE(p.answer, QString::fromUtf8(expected[i].answer));
        QCOMPARE(p.verdict, expected[i].verdict);
        QVERIFY(!p.trailer);
    }
    for (int i = 7; i < 13; ++i) {
        QVERIFY(!sheet.lines[i].example);
        QVERIFY(sheet.lines[i].trailer);
    }
    QCOMPARE(sheet.lines[12].text, QStringLiteral("Velmorsoft © 2006"));

    // The full value, as the computation writes it with the toggle down; judged on two decimals.
    const PrintedWorksheet full = ReadPrintedWorksheet(items, ',', true);
    QCOMPARE(full.lines[3].result, QStringLiteral("3,33333333333333"));
    QCOMPARE(full.lines[2].result, QStringLiteral("56"));
    QCOMPARE(full.lines[3].verdict, PrintVerdict::Wrong);
    // With "." as the separator 2.5 is a number, and right.
    QCOMPARE(ReadPrintedWorksheet(items, '.', false).lines[4].verdict, PrintVerdict::Right);
}

void TestPagePlan::keyShowsAnswersOnlyWhereThereAreAny()
{
    const PrintedWorksheet fresh =
        ReadPrintedWorksheet({QStringLiteral("1+2="), QStringLiteral("3+4=")}, ',', false);
    QVERIFY(!fresh.answers);
    QCOMPARE(fresh.lines[0].verdict, PrintVerdict::None);
    QCOMPARE(fresh.lines[1].result, QStringLiteral("7,00"));

    // Computed with nothing answered: every line unsolved, no trailer.
    const PrintedWorksheet blank = ReadPrintedWorksheet(
        {QStringLiteral("1+2=[ 3,00 ]"), QStringLiteral("3+4=[ 7,00 ]")}, ',', false);
    QVERIFY(blank.answers);
    QVERIFY(!blank.trailer);
    QCOMPARE(blank.lines[1].verdict, PrintVerdict::Unsolved);
    QCOMPARE(blank.lines[1].answer, QString());
}

void TestPagePlan::sheetName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("nameBox");
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << "/home/ucitel/Anna.nlx"
                          << "Bob"
                          << "Anna";
    QTest::newRow("windows path") << "C:\\Listy\\Třída 3.A.nlx"
                                  << ""
                                  << "Třída 3.A";
    QTest::newRow("export target") << "C:\\Priklad"
                                   << "Bob"
                                   << "Priklad";
    QTest::newRow("name box") << ""
                              << "  Bob "
                              << "Bob";
    QTest::newRow("none") << ""
                          << ""
                          << "";
}

void TestPagePlan::sheetName()
{
    QFETCH(QString, file);
    QFETCH(QString, nameBox);
    QFETCH(QString, name);
    QCOMPARE(PrintedSheetName(file, nameBox), name);
}

void TestPagePlan::wrap()
{
    const auto chars = [](const QString &t) { return double(t.size()); };
    QCOMPARE(WrapToWidth(QStringLiteral("abc def ghi"), 7, chars),
             QStringList({QStringLiteral("abc def"), QStringLiteral("ghi")}));
    QCOMPARE(WrapToWidth(QStringLiteral("abc defghi"), 6, chars),
             QStringList({QStringLiteral("abc"), QStringLiteral("defghi")}));
    QCOMPARE(WrapToWidth(QStringLiteral("abcdefghij"), 4, chars),
             QStringList({QStringLiteral("abcd"), QStringLiteral("efgh"), QStringLiteral("ij")}));
    QCOMPARE(WrapToWidth(QStringLiteral("abc"), 0, chars),
             QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(WrapToWidth(QString(), -5, chars), QStringList({QString()}));
}

void TestPagePlan::pageCounts_data()
{
    QTest::addColumn<bool>("letter");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sheetPages");
    QTest::addColumn<int>("keyPages");

    // Sheet: a cell takes the number ("5000) ", 39), the expression (32.5), " = " (19.5) and
    // the writing line (seven digits, 45.5): 136.5 at most, within a third of the width less
    // two gaps of "000" (A4 158.76, Letter 164.33): three columns. Rows are 31.2 apart; the
    // header ends at 40 + 3 * 28.8 + 15.6 = 142. A4: 20 rows on page 1 (60 examples), 23 on the
    // others (69). Letter: 18 (54), then 22 (66).
    // Key: 36 + 30 + 18 + 30 = 114, three columns; rows 20.16 apart from 83.2 on page 1. A4: 34
    // rows (102), then 36 (108). Letter: 32 (96), then 34 (102).
    QTest::newRow("A4 1") << false << 1 << 1 << 1;
    QTest::newRow("A4 30") << false << 30 << 1 << 1;
    QTest::newRow("A4 31") << false << 31 << 1 << 1;
    QTest::newRow("A4 60, a full first page") << false << 60 << 1 << 1;
    QTest::newRow("A4 61") << false << 61 << 2 << 1;
    QTest::newRow("A4 500") << false << 500 << 8 << 5;     // 60 + 7 * 69; 102 + 4 * 108
    QTest::newRow("A4 5000") << false << 5000 << 73 << 47; // 60 + 72 * 69; 102 + 46 * 108
    QTest::newRow("Letter 1") << true << 1 << 1 << 1;
    QTest::newRow("Letter 30") << true << 30 << 1 << 1;
    QTest::newRow("Letter 31") << true << 31 << 1 << 1;
    QTest::newRow("Letter 54, a full first page") << true << 54 << 1 << 1;
    QTest::newRow("Letter 55") << true << 55 << 2 << 1;
    QTest::newRow("Letter 500") << true << 500 << 8 << 5;     // 54 + 7 * 66; 96 + 4 * 102
    QTest::newRow("Letter 5000") << true << 5000 << 76 << 50; // 54 + 75 * 66; 96 + 49 * 102
}

void TestPagePlan::pageCounts()
{
    QFETCH(bool, letter);
    QFETCH(int, count);
    QFETCH(int, sheetPages);
    QFETCH(int, keyPages);
    const SheetPage &page = letter ? Letter : A4;
    const PagePlan plan = PlanPages(generated(count), page, Fixed, options());
    QCOMPARE(plan.examples, count);
    QCOMPARE(plan.sheetColumns, 3);
    QCOMPARE(plan.keyColumns, 3);
    QCOMPARE(plan.rowsPerPage, letter ? 22 : 23);
    QCOMPARE(plan.sheetPages, sheetPages);
    QCOMPARE(plan.keyPages, keyPages);
    QCOMPARE(plan.pages.size(), sheetPages + keyPages);

    // Every example once on the sheet and once in the key, in order, each whole on its page
    // and inside the body.
    for (const bool key : {false, true}) {
        int next = 1;
        for (const PlanPage &p : plan.pages) {
            if (p.key != key)
                continue;
            for (const int n : p.examples)
                QCOMPARE(n, next++);
            for (const PlanText &t : p.texts) {
                if (t.font == PrintFont::Footer)
                    continue;
                if (t.example)
                    QVERIFY2(p.examples.contains(t.example), qPrintable(t.text));
                QVERIFY(t.at.y() >= page.top);
                QVERIFY(t.at.y() + Fixed.lineHeight(t.font) <= bodyBottom(page));
            }
            for (const PlanRule &r : p.rules)
                QVERIFY(r.example == 0 || p.examples.contains(r.example));
        }
        QCOMPARE(next, count + 1);
    }
    // A full page other than the first: rows * columns.
    if (plan.sheetPages > 2)
        QCOMPARE(plan.pages[1].examples.size(), (letter ? 22 : 23) * 3);
}

void TestPagePlan::longestExampleDecidesColumns()
{
    // 61 examples: "61) " is 26 wide. One of 13 characters (84.5) needs 26 + 84.5 + 19.5 +
    // 84.5 = 214.5: more than a third (158.76), within a half less one gap (247.89). One of 20
    // characters needs 305.5: a single column.
    const QString thirteen = QStringLiteral("123456+654321=");
    const QString twenty = QStringLiteral("1234567890+123456789=");
    const QStringList shortOnes = generated(60);
    QCOMPARE(PlanPages(shortOnes + QStringList{QStringLiteral("1+1=")}, A4, Fixed, options())
                 .sheetColumns,
             3);
    QCOMPARE(PlanPages(shortOnes + QStringList{thirteen}, A4, Fixed, options()).sheetColumns, 2);
    QCOMPARE(PlanPages(QStringList{thirteen} + shortOnes, A4, Fixed, options()).sheetColumns, 2);
    QCOMPARE(PlanPages(shortOnes + QStringList{twenty}, A4, Fixed, options()).sheetColumns, 1);

    // Two columns: example 3 opens the second row, 31.2 below the first.
    const PagePlan two = PlanPages(QStringList{thirteen} + shortOnes, A4, Fixed, options());
    const PlanText first = textsOf(two.pages[0], 1).value(0);
    const PlanText second = textsOf(two.pages[0], 2).value(0);
    const PlanText third = textsOf(two.pages[0], 3).value(0);
    QCOMPARE(first.text, QStringLiteral("1)"));
    QCOMPARE(first.at.y(), 142.0);
    QCOMPARE(second.at.y(), 142.0);
    QVERIFY(second.at.x() > 40 + 247.89);
    QCOMPARE(third.at.x(), first.at.x());
    QCOMPARE(third.at.y(), 142.0 + 31.2);
}

void TestPagePlan::positionsInARowAndTextInPlace()
{
    // Three examples: number "3) " 19.5, expression 19.5, " = " 19.5, line 45.5; three columns
    // 158.76 wide and 19.5 apart.
    const PagePlan plan =
        PlanPages({QStringLiteral("A"), QStringLiteral("1+1="), QStringLiteral("2+2="),
                   QStringLiteral("B"), QStringLiteral("3+3=")},
                  A4, Fixed, options(QString(), false));
    QCOMPARE(plan.pages.size(), 1);
    const PlanPage &p = plan.pages[0];
    const PlanText *a = find(p, QStringLiteral("A"));
    const PlanText *b = find(p, QStringLiteral("B"));
    QVERIFY(a && b);
    QCOMPARE(a->at, QPointF(40, 142));
    // Texts take 1.3 lines of 14.4; the row of 1 and 2 follows A, B ends it.
    const QList<PlanText> one = textsOf(p, 1);
    QCOMPARE(words(one), QStringList({"1)", "1+1", "="}));
    QCOMPARE(one.value(0).at, QPointF(40, 160.72));
    QCOMPARE(one.value(1).at, QPointF(59.5, 160.72)); // right-aligned against the "="
    QCOMPARE(one.value(2).at, QPointF(85.5, 160.72)); // centred in " = "
    QCOMPARE(textsOf(p, 2).value(0).at, QPointF(40 + 158.76 + 19.5, 160.72));
    QCOMPARE(b->at, QPointF(40, 160.72 + 31.2));
    QCOMPARE(textsOf(p, 3).value(0).at, QPointF(40, 160.72 + 31.2 + 18.72));
    // Writing lines: the three header fields, then one per example at the text's foot.
    QCOMPARE(p.rules.size(), 6);
    QCOMPARE(p.rules[3].example, 1);
    QCOMPARE(p.rules[3].line, QLineF(98.5, 160.72 + 15.6, 144, 160.72 + 15.6));
}

void TestPagePlan::titleKeepsWithItsExample()
{
    // 57 examples fill 19 rows of page 1, down to 734.8. A title (18.72) still fits above
    // 780.29, its example's row after it (31.2) does not: both go to page 2. A title with no
    // example after it stays.
    const QStringList filled = generated(57);
    const PagePlan kept =
        PlanPages(filled + QStringList{QStringLiteral("Násobení"), QStringLiteral("2*3=")}, A4,
                  Fixed, options(QString(), false));
    QCOMPARE(kept.pages.size(), 2);
    QVERIFY(!find(kept.pages[0], QStringLiteral("Násobení")));
    QCOMPARE(get(kept.pages[1], QStringLiteral("Násobení")).at.y(), 40.0);
    QCOMPARE(kept.pages[1].examples, QList<int>{58});

    const PagePlan last = PlanPages(filled + QStringList{QStringLiteral("Konec")}, A4, Fixed,
                                    options(QString(), false));
    QCOMPARE(last.pages.size(), 1);
    QCOMPARE(get(last.pages[0], QStringLiteral("Konec")).at.y(), 734.8);
}

void TestPagePlan::headerFooterAndSheetWithoutAnswers()
{
    const QStringList items{QStringLiteral("7*8=56[ 56,00 ]"), QStringLiteral("10/3=3,333"),
                            TrailerItem(QStringLiteral("1. 2. 2024 10:00:00"), "1", "-", "1")};
    const PagePlan plan = PlanPages(items, A4, Fixed, options(QStringLiteral("Anna")));
    QCOMPARE(plan.sheetPages, 1);
    const PlanPage &sheet = plan.pages[0];
    QCOMPARE(get(sheet, QStringLiteral("Anna")).font, PrintFont::Title);
    QCOMPARE(get(sheet, QStringLiteral("Anna")).at, QPointF(40, 40));
    for (const char *field : {"Jméno:", "Třída:", "Datum:"})
        QVERIFY2(find(sheet, QString::fromUtf8(field)), field);
    QCOMPARE(get(sheet, QStringLiteral("Třída:")).at, QPointF(40, 40 + 28.8 + 28.8));
    // Expressions only: no answer, no result on the sheet; the trailer prints as text.
    QCOMPARE(words(textsOf(sheet, 1)), QStringList({"1)", "7*8", "="}));
    QCOMPARE(words(textsOf(sheet, 2)), QStringList({"2)", "10/3", "="}));
    QVERIFY(find(sheet, QStringLiteral("Velmorsoft © 2006")));
    QCOMPARE(get(sheet, QStringLiteral("strana 1 / 1")).font, PrintFont::Footer);
    QCOMPARE(get(sheet, QStringLiteral("strana 1 / 1")).at.y(), 841.89 - 40 - 10.8);

    // Footers count each part on its own.
    const PagePlan many = PlanPages(generated(500), A4, Fixed, options());
    for (int i = 0; i < many.pages.size(); ++i) {
        const bool key = i >= 8;
        const QString footer = key ? QStringLiteral("klíč – strana %1 / 5").arg(i - 7)
                                   : QStringLiteral("strana %1 / 8").arg(i + 1);
        QCOMPARE(many.pages[i].texts.last().text, footer);
        QCOMPARE(many.pages[i].key, key);
        QCOMPARE(bool(find(many.pages[i], QStringLiteral("Jméno:"))), i == 0);
    }
}

void TestPagePlan::keyEntries()
{
    const QStringList items{
        QStringLiteral("Sčítání"),
        QStringLiteral("12+7="),
        QStringLiteral("7*8=56[ 56,00 ]"),
        QStringLiteral("10/4=2.5"),
        TrailerItem(QStringLiteral("1. 2. 2024 10:00:00"), QStringLiteral("1"), QStringLiteral("1"),
                    QStringLiteral("-")),
    };
    const PagePlan plan = PlanPages(items, A4, Fixed, options(QStringLiteral("Anna")));
    QCOMPARE(plan.keyPages, 1);
    const PlanPage &key = plan.pages.last();
    QVERIFY(key.key);
    QCOMPARE(words(key.texts.mid(0, 4)), QStringList({"Klíč správných výsledků", "Anna",
                                                      "Správně : 1    Nevyřešeno : 1    Chyby : -",
                                                      "Zkontrolováno : 1. 2. 2024 10:00:00"}));
    // The title stays in place; the trailer is not repeated in the key.
    QVERIFY(find(key, QStringLiteral("Sčítání")));
    QVERIFY(!find(key, QStringLiteral("Velmorsoft © 2006")));

    QCOMPARE(words(textsOf(key, 1)), QStringList({"1)", "12+7", "=", "19,00", "nevyřešeno"}));
    QCOMPARE(words(textsOf(key, 2)), QStringList({"2)", "7*8", "=", "56,00", "56", "správně"}));
    QCOMPARE(words(textsOf(key, 3)), QStringList({"3)", "10/4", "=", "2,50", "2.5", "chyba"}));
    QCOMPARE(textsOf(key, 1).value(4).tone, PrintTone::Muted);
    QCOMPARE(textsOf(key, 2).value(5).tone, PrintTone::Right);
    QCOMPARE(textsOf(key, 3).value(5).tone, PrintTone::Wrong);
    // Results start in one column, right after " = ".
    QCOMPARE(textsOf(key, 1).value(3).at.x(), textsOf(key, 3).value(3).at.x());
    QCOMPARE(key.texts.last().text, QStringLiteral("klíč – strana 1 / 1"));

    // Full values with the toggle down.
    PrintOptions full = options();
    full.fullPrecision = true;
    const PagePlan precise = PlanPages({QStringLiteral("10/3=")}, A4, Fixed, full);
    QCOMPARE(words(textsOf(precise.pages.last(), 1)),
             QStringList({"1)", "10/3", "=", "3,33333333333333"}));
}

void TestPagePlan::noKeyWithoutExamplesOrWhenOff()
{
    QVERIFY(PlanPages({}, A4, Fixed, options()).pages.isEmpty());
    const PagePlan titles =
        PlanPages({QStringLiteral("Jen nadpis"), QString()}, A4, Fixed, options());
    QCOMPARE(titles.pages.size(), 1);
    QCOMPARE(titles.keyPages, 0);
    const PagePlan off = PlanPages(generated(100), A4, Fixed, options(QString(), false));
    QCOMPARE(off.keyPages, 0);
    QCOMPARE(off.pages.size(), off.sheetPages);
}

void TestPagePlan::overlongLinesWrapOnOnePage()
{
    // Examples of 200 characters (1300 wide) in one column: the expression and the writing line
    // share what the number and " = " leave, and the expression wraps in its share.
    QStringList items = generated(20);
    const QString longOne = QString(199, QLatin1Char('1')) + QLatin1Char('+');
    for (int i = 0; i < 6; ++i)
        items << longOne + QLatin1Char('=');
    items << QString(500, QLatin1Char('x')); // a text line wider than the page
    const PagePlan plan = PlanPages(items, A4, Fixed, options());
    QCOMPARE(plan.sheetColumns, 1);
    int seen = 0;
    for (const PlanPage &p : plan.pages) {
        for (const PlanText &t : p.texts)
            QVERIFY2(t.at.x() + Fixed.width(t.font, t.text) <= 595.28 - 40 + 1e-9,
                     qPrintable(t.text));
        if (p.key)
            continue;
        for (const int n : p.examples) {
            if (n <= 20)
                continue;
            QStringList pieces = words(textsOf(p, n));
            QCOMPARE(pieces.takeFirst(), QString::number(n) + QLatin1Char(')'));
            QCOMPARE(pieces.takeLast(), QStringLiteral("="));
            QVERIFY(pieces.size() > 1);
            QCOMPARE(pieces.join(QString()), longOne);
            ++seen;
        }
    }
    QCOMPARE(seen, 6);
}

void TestPagePlan::tinyPageStillPlacesEverything()
{
    const SheetPage tiny{100, 60, 40, 40, 40, 40};
    const PagePlan plan = PlanPages(generated(10), tiny, Fixed, options(QStringLiteral("Anna")));
    QList<int> sheet, key;
    for (const PlanPage &p : plan.pages)
        (p.key ? key : sheet) += p.examples;
    QCOMPARE(sheet.size(), 10);
    QCOMPARE(key.size(), 10);
    QCOMPARE(plan.pages.size(), plan.sheetPages + plan.keyPages);
}

QTEST_APPLESS_MAIN(TestPagePlan)
#include "tst_pageplan.moc"
