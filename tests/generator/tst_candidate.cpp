// The example generator's engine: the random sequence, operand draws, operators, decimals,
// exponent rules and templates, draw for draw.

#include "generator/candidate.h"
#include "generator/random.h"
#include "generator/templates.h"

#include <QTest>

#include <limits>
#include <set>

namespace {

struct Generator
{
    GenerationState state;
    double (&operands)[5] = state.operands;
    double (&decimals)[5] = state.decimalParts;
    char (&ops)[4] = state.operators;
    int &templateIndex = state.templateIndex;
    GenerationParams params;
    RandomGenerator random{0};

    std::string next(char sep = '.') { return GenerateCandidate(params, state, random, sep); }
    void drawOperand(int k) { DrawOperand(k, params, state, random); }
};

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

class CandidateTest : public QObject
{
    Q_OBJECT

private slots:
    void randomFollowsTheLinearCongruence()
    {
        // seed := seed * 134775813 + 1, then the upper half of seed * n: worked out by hand.
        RandomGenerator r(0);
        QCOMPARE(r.next(11), 0u); // seed 1
        QCOMPARE(r.next(11), 0u); // seed 134775814
        QCOMPARE(r.next(11), 9u); // seed 3698175007
        QCOMPARE(r.seed(), 3698175007u);
        QCOMPARE(r.next(100), 20u); // seed 870078620
        RandomGenerator one(1);
        QCOMPARE(one.next(100), 3u);
        // A draw of 0 gives 0 and still advances the seed.
        RandomGenerator zero(5);
        QCOMPARE(zero.next(0), 0u);
        QCOMPARE(zero.seed(), 5u * 134775813u + 1u);
        // Over all 2^32 values the draw is the new seed: the upper half of seed * 2^32.
        RandomGenerator wide(0);
        QCOMPARE(wide.next(RandomGenerator::MaxRange), 1u);
        QCOMPARE(wide.next(RandomGenerator::MaxRange), 134775814u);
    }

    void defaultParametersFromSeedZero()
    {
        // Every second candidate is what the next-example cycle accepts under the defaults.
        Generator g;
        QStringList texts;
        for (int i = 0; i < 10; ++i)
            texts << q(g.next());
        QCOMPARE(texts, (QStringList{"9+3", "0+10", "3+2", "5+9", "7+7", "3+8", "10+2", "6+9",
                                     "5+1", "8+6"}));
    }

    void templatesComposeTheirShapes()
    {
        Generator g;
        g.templateIndex = 3;
        // Operands 1 and 2 are those of the default sequence: every row is drawn at every call.
        QCOMPARE(q(g.next()), QStringLiteral("(9+3)-3"));
        QCOMPARE(q(g.next()), QStringLiteral("(0+10)-8"));
        Generator nine;
        nine.templateIndex = 9;
        QCOMPARE(q(nine.next()), QStringLiteral("(9+(3-3)*4)/5"));
        QCOMPARE(q(nine.next()), QStringLiteral("(0+(10-8)*7)/7"));
        const std::string a[5] = {"1", "2", "3", "4", "5"};
        const char o[4] = {'+', '-', '*', '/'};
        const char *expected[] = {"1+2",           "1+2",           "1+2-3",
                                  "(1+2)-3",       "1+2-3*4",       "(1+2-3)*4",
                                  "(1+(2-3))*4",   "(1+2)-(3*4)",   "1+(2-3)*4",
                                  "(1+(2-3)*4)/5", "(1+2)-3*(4/5)", "((1+2)-3)*(4/5)",
                                  "((1+2)-3*4)/5", "1^2",           "Sqrt 1"};
        for (int i = 0; i <= 14; ++i)
            QCOMPARE(q(ComposeExample(i, a, o)), QString::fromLatin1(expected[i]));
        QCOMPARE(TemplateAt(0).caption, TemplateAt(1).caption);
        QCOMPARE(TemplateAt(11).rgb, 0x0000FFu);
    }

    void unlockedRowNeverRepeatsItsPreviousValue_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<bool>("filterZero");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("0..1 alternates") << 0 << 1 << false << QList<double>{1, 0, 1, 0, 1, 0};
        QTest::newRow("-2..0 without zeros")
            << -2 << 0 << true << QList<double>{-2, -1, -2, -1, -2, -1};
    }
    void unlockedRowNeverRepeatsItsPreviousValue()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(bool, filterZero);
        QFETCH(QList<double>, expected);
        for (std::uint32_t seed : {0u, 7u, 12345u}) {
            Generator g;
            g.random.setSeed(seed);
            g.params.lower[0] = lower;
            g.params.upper[0] = upper;
            g.params.filterZero = filterZero;
            g.operands[0] = expected.last(); // the value before the first draw
            QList<double> values;
            for (int i = 0; i < expected.size(); ++i) {
                g.drawOperand(0);
                values << g.operands[0];
            }
            // The sequence alternates whatever the seed; only its phase follows the start value.
            QCOMPARE(values, expected);
        }
    }

    void wideRowsNeverRepeatOverManySeeds()
    {
        for (std::uint32_t seed = 0; seed < 200; ++seed) {
            Generator g;
            g.random.setSeed(seed * 7919u);
            g.params.lower[1] = -3;
            g.params.upper[1] = 4;
            g.params.filterZero = seed % 2;
            for (int i = 0; i < 50; ++i) {
                const double before = g.operands[1];
                g.next();
                QVERIFY(g.operands[1] != before);
                QVERIFY(g.operands[1] >= -3 && g.operands[1] <= 4);
                QVERIFY(!g.params.filterZero || g.operands[1] != 0);
            }
        }
    }

    void impossibleRedrawEndsAtOnce()
    {
        // Only one admissible value, and it is the previous one: the row keeps it.
        Generator g;
        g.params.lower[0] = 0;
        g.params.upper[0] = 1;
        g.params.filterZero = true;
        g.operands[0] = 1;
        for (int i = 0; i < 3; ++i) {
            g.drawOperand(0);
            QCOMPARE(g.operands[0], 1.0);
        }
        // Nothing admissible at all: one draw is taken.
        g.params.upper[0] = 0;
        g.drawOperand(0);
        QCOMPARE(g.operands[0], 0.0);
        // Exponent range 0..1 without zeros.
        Generator e;
        e.params.exponentRange = true;
        e.params.exponent = 1;
        e.params.filterZero = true;
        e.operands[2] = 1;
        e.next();
        QCOMPARE(e.operands[2], 1.0);
    }

    void widestRowDrawsEveryIntValue()
    {
        // A row of all 2^32 int values. 649090867 * 134775813 + 1 is a multiple of 2^32, so
        // from that seed the first draw is seed 0: the lower value, which is the previous value
        // here; the redraw at seed 1 gives the value above it.
        Generator g;
        g.params.lower[0] = std::numeric_limits<int>::min();
        g.params.upper[0] = std::numeric_limits<int>::max();
        g.random.setSeed(649090867u);
        g.operands[0] = g.params.lower[0];
        g.drawOperand(0);
        QCOMPARE(g.operands[0], -2147483647.0);
        QCOMPARE(g.random.seed(), 134775814u); // seeds 0 and 1, then the decimal part's
        g.drawOperand(0);
        QCOMPARE(g.operands[0], -2147483648.0 + 3698175007.0);

        // Zeros filtered: seed 2^31 draws 0, and the next seed is 2^31 + 1 (2^31 times the odd
        // multiplier is 2^31 modulo 2^32), which draws 1.
        g.params.filterZero = true;
        g.random.setSeed(2796574515u);
        QCOMPARE(std::uint32_t(2796574515u * 134775813u + 1u), 0x80000000u);
        g.drawOperand(0);
        QCOMPARE(g.operands[0], 1.0);
    }

    void exponentDrawsEndForEveryExponent()
    {
        // E = 0 with zeros filtered has no exponent to draw: the one draw of 0 stands. From seed
        // 0: operand 1 takes three draws (0 and 0 are filtered, then 9), its decimal part one;
        // rows 2..5 have no admissible value in 0..0, so each takes one draw and one for its
        // decimal part; then the exponent's single draw: 13 draws, ending at seed 303092965.
        Generator zero;
        zero.templateIndex = 13;
        zero.params.exponent = 0;
        zero.params.exponentRange = true;
        zero.params.filterZero = true;
        QCOMPARE(q(zero.next()), QStringLiteral("9^0"));
        QCOMPARE(zero.random.seed(), 303092965u);
        Generator fixed;
        fixed.templateIndex = 13;
        fixed.params.exponent = 0;
        fixed.params.filterZero = true;
        QCOMPARE(q(fixed.next()), QStringLiteral("9^0")); // a2 := E

        // The largest E counts 0..E in 64 bits: Random(2^31) is the new seed halved. Rows 2..5
        // take seeds 1172187917, 1368768587, 1598751577 and 352239543 (draws 5, 7, 9, 11), the
        // exponent seed 303092965.
        Generator widest;
        widest.templateIndex = 13;
        widest.params.exponent = std::numeric_limits<int>::max();
        widest.params.exponentRange = true;
        QCOMPARE(q(widest.next()), QStringLiteral("9^151546482"));
        QCOMPARE(widest.operands[2], 684384293.0);
        QCOMPARE(widest.operands[4], 176119771.0);

        // A negative E has no values: every draw from 0..E gives 0.
        Generator negative;
        negative.templateIndex = 13;
        negative.params.exponent = -5;
        negative.params.exponentRange = true;
        negative.params.filterZero = true;
        negative.ops[1] = '^';
        QCOMPARE(q(negative.next()), QStringLiteral("9^0"));
        QCOMPARE(negative.operands[2], 0.0);
        negative.params.exponentRange = false;
        QCOMPARE(q(negative.next()),
                 QStringLiteral("3^-5")); // seeds 256513635 (0) and 1259699184 (3)
    }

    void lockedRowAlwaysYieldsItsUpperValue()
    {
        Generator g;
        g.params.locked[0] = true;
        g.params.upper[0] = 0;
        g.params.filterZero = true;
        g.params.locked[1] = true;
        g.params.upper[1] = 7;
        for (int i = 0; i < 5; ++i)
            QCOMPARE(q(g.next()), QStringLiteral("0+7"));
    }

    void exponentRangeBoundsOperandsTwoToFive()
    {
        Generator g;
        g.params.exponentRange = true;
        g.params.exponent = 4;
        g.params.lower[0] = 100;
        g.params.upper[0] = 200;
        g.params.locked[4] = true;
        g.params.upper[4] = 50;
        for (int i = 0; i < 300; ++i) {
            g.next();
            QVERIFY(g.operands[0] >= 100 && g.operands[0] <= 200);
            for (int k = 1; k < 4; ++k)
                QVERIFY(g.operands[k] >= 0 && g.operands[k] <= 4);
            QCOMPARE(g.operands[4], 50.0);
        }
    }

    void operandAfterPowerIsTheExponentWithoutDecimals()
    {
        Generator g;
        g.ops[0] = '^';
        g.params.decimals = true;
        g.params.exponent = 3;
        g.params.lower[0] = 1;
        for (int i = 0; i < 50; ++i) {
            const QString text = q(g.next());
            QVERIFY2(text.endsWith(QLatin1String("^3")), qPrintable(text));
        }
    }

    void squareRootTemplate()
    {
        Generator g;
        g.templateIndex = 14;
        g.params.locked[0] = true;
        g.params.upper[0] = -4;
        QCOMPARE(q(g.next()), QStringLiteral("Sqrt 16"));
        QCOMPARE(g.operands[0], 16.0); // the squared value is what the next draw must avoid

        // With decimals on and the logic rules off the drawn 2.5 is squared as it is.
        for (std::uint32_t seed = 0; seed < 1000; ++seed) {
            Generator d;
            d.random.setSeed(seed);
            d.templateIndex = 14;
            d.params.locked[0] = true;
            d.params.upper[0] = 2;
            d.params.decimals = true;
            d.params.logicRules = false;
            const QString comma = q(d.next(','));
            if (d.decimals[0] != 5)
                continue;
            QCOMPARE(comma, QStringLiteral("Sqrt 6,25"));
            d.random.setSeed(seed);
            QCOMPARE(q(d.next('.')), QStringLiteral("Sqrt 6.25"));
            return;
        }
        QFAIL("no seed gave the decimal part 5");
    }

    // The sequences below are worked out by hand from the rules: each comment lists the draws
    // of one candidate in the generator's order (R(n) = the draw from 0..n-1; "d" the decimal
    // part's draw, "e" the exponent's; a value in brackets is redrawn).

    void tenthsSequence()
    {
        // Rows 1 and 2 hold 0..2; rows 3..5 are locked and add only their decimal parts' draws.
        Generator g;
        g.params.decimals = true;
        g.params.upper[0] = g.params.upper[1] = 2;
        g.params.locked[2] = g.params.locked[3] = g.params.locked[4] = true;
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << q(g.next(','));
        // 1: a1 R(3) (0 0) 2, d1 R(9) 1; a2 (0) 2, d2 2; d3..d5, e.
        // 2: a1 1 (not 2,1), d1 0; a2 2 differs from 2,2, d2 0; whole parts stay whole.
        // 3: a1 0, d1 6; a2 (2 2) 0, d2 1.
        // 4: a1 0 differs from 0,6, d1 4; a2 0 differs from 0,1, d2 7.
        QCOMPARE(texts, (QStringList{"2,1+2,2", "1+2", "0,6+0,1", "0,4+0,7"}));
    }

    void hundredthsSequence()
    {
        // Template 4 shows rows 3 and 4, locked at 1, with their decimal parts.
        Generator g;
        g.templateIndex = 4;
        g.params.decimals = true;
        g.params.hundredths = true;
        g.params.lower[0] = g.params.lower[1] = -3;
        g.params.upper[0] = g.params.upper[1] = 3;
        g.params.locked[2] = g.params.locked[3] = g.params.locked[4] = true;
        g.params.upper[2] = g.params.upper[3] = 1;
        QStringList texts;
        for (int i = 0; i < 3; ++i)
            texts << q(g.next(','));
        // 1: a1 -3 + R(7) 0, d1 R(99) 3 gives -3,3 (not -3,03); a2 -3 + 6, d2 20 gives 3,2;
        //    d3 27, d4 66, d5, e.
        // 2: a1 -3 + 2, d1 42; a2 -3 + 0, d2 47; d3 6 gives 1,6; d4 83.
        // 3: a1 -3 + 6, d1 36; a2 -3 + 5, d2 32; d3 69; d4 83.
        QCOMPARE(texts, (QStringList{"-3,3+3,2-1,27*1,66", "-1,42+-3,47-1,6*1,83",
                                     "3,36+2,32-1,69*1,83"}));
    }

    void exponentRangeSequence_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<QStringList>("expected");
        // Zeros filtered; rows 2..5 draw R(4); template 13 shows e.
        // 1: a1 R(11) (0 0) 9; a2 1, a3 1, a4 1, a5 (0) 1; e 3.
        // 2: a1 (0) 3; a2 1 (the previous a2 is e = 3), a3 (1) 2, a4 2, a5 (0 1 1 0) 3; e 1.
        // 3: a1 1; a2 (1) 3, a3 1, a4 3, a5 (0 0) 2; e 2.
        // 4: a1 (0) 8; a2 3, a3 2, a4 2, a5 3; e 3.
        QTest::newRow("seed 0") << 0u << QStringList{"9^3", "3^1", "1^2", "8^3"};
        // 1: a1 5; a2 (0) 2, a3 1, a4 (0) 2, a5 (0) 1; e 3.
        // 2: a1 8; a2 (3) 2, a3 2, a4 1, a5 3; e 2.
        // 3: a1 5; a2 1, a3 1, a4 2, a5 (0) 1; e (0) 2.
        // 4: a1 4; a2 1, a3 (0 0 0 0 0) 2, a4 (0 2 0 2 2) 3, a5 (1) 2; e 1.
        QTest::newRow("seed 2024") << 2024u << QStringList{"5^3", "8^2", "5^2", "4^1"};
    }
    void exponentRangeSequence()
    {
        QFETCH(std::uint32_t, seed);
        QFETCH(QStringList, expected);
        Generator g;
        g.random.setSeed(seed);
        g.templateIndex = 13;
        g.params.exponentRange = true;
        g.params.filterZero = true;
        QStringList texts;
        for (int i = 0; i < expected.size(); ++i)
            texts << q(g.next());
        QCOMPARE(texts, expected);
    }

    void powerSlotSequences()
    {
        // Template 2 with slot 1 at '^': the operand after it becomes E = 3, without decimals.
        Generator fixed;
        fixed.templateIndex = 2;
        fixed.ops[0] = '^';
        fixed.ops[1] = '+';
        fixed.params.decimals = true;
        // 1: a1 (0 0) 9, d1 1; a2 3, d2 6; a3 3, d3 1; a4 4; a5 (0) 5; e; a2 := 3.
        // 2: a1 0, d1 2; a2 10; a3 8, d3 2; a4 7; a5 7; e; a2 := 3.
        QCOMPARE(q(fixed.next(',')), QStringLiteral("9,1^3+3,1"));
        QCOMPARE(q(fixed.next(',')), QStringLiteral("0,2^3+8,2"));

        // With "Exponent z daného rozsahu" each '^' slot takes a fresh R(4) after e, 0 allowed.
        Generator range;
        range.templateIndex = 2;
        range.ops[0] = range.ops[1] = '^';
        range.params.exponentRange = true;
        // 1: a1 (0 0) 9; a2 1, a3 1, a4 1, a5 (0) 1; e 3; a2 := 0, a3 := 1.
        // 2: a1 10; a2 3, a3 2, a4 2, a5 0; e 1; a2 := 0, a3 := 3.
        QCOMPARE(q(range.next()), QStringLiteral("9^0^1"));
        QCOMPARE(q(range.next()), QStringLiteral("10^0^3"));

        // Without "Zapojit logická omezení" there is no e draw and template 13 shows row 2.
        Generator free;
        free.templateIndex = 13;
        free.params.logicRules = false;
        // 1: a1 (0 0) 9; a2 3; a3 3; a4 4; a5 (0) 5.
        // 2: a1 (9) 0; a2 10.
        QCOMPARE(q(free.next()), QStringLiteral("9^3"));
        QCOMPARE(q(free.next()), QStringLiteral("0^10"));
    }

    void randomSlotSequence_data()
    {
        QTest::addColumn<bool>("addSubOnly");
        QTest::addColumn<bool>("powers");
        QTest::addColumn<QStringList>("expected");
        // Seed 2024, template 2, slots 1 and 2 at "~": both slots are drawn before the operands.
        // Operands: 1: a1 1, a2 3, a3 8, a4 5, a5 (0) 3; 2: a1 10, a2 6, a3 2; 3: a1 6, a2 9,
        // a3 9. Slot draws at seeds 2203305865 and 1204652462, 3479501099 and 1053493720,
        // 810625004 and 1770747805.
        // R(4): 2 1, 3 0, 0 1.
        QTest::newRow("four") << false << false << QStringList{"1*3-8", "10/6+2", "6+9-9"};
        // R(5): 2 1, 4 1 (a '^': a2 := E = 3), 0 2.
        QTest::newRow("with powers") << false << true << QStringList{"1*3-8", "10^3-2", "6+9*9"};
        // R(2), also with powers on: 1 0, 1 0, 0 0.
        QTest::newRow("adding only") << true << true << QStringList{"1-3+8", "10-6+2", "6+9+9"};
    }
    void randomSlotSequence()
    {
        QFETCH(bool, addSubOnly);
        QFETCH(bool, powers);
        QFETCH(QStringList, expected);
        Generator g;
        g.random.setSeed(2024);
        g.templateIndex = 2;
        g.params.slotRandom[0] = g.params.slotRandom[1] = true;
        g.params.addSubOnly = addSubOnly;
        g.params.powers = powers;
        QStringList texts;
        for (int i = 0; i < expected.size(); ++i)
            texts << q(g.next());
        QCOMPARE(texts, expected);
    }

    void decimalsJoinTheTwoNumberTexts()
    {
        Generator g;
        g.params.decimals = true;
        g.params.hundredths = true;
        g.params.noDecimals[1] = true;
        g.params.lower[0] = -10;
        std::set<double> parts;
        for (int i = 0; i < 400; ++i) {
            g.next(',');
            const double whole = std::trunc(g.operands[0]);
            const double d = g.decimals[0];
            parts.insert(d);
            // 7 and 70 both give x.7: the texts are joined, not the values added.
            const QString expected = QString::number(whole) + QLatin1Char('.') + QString::number(d);
            QCOMPARE(g.operands[0], expected.toDouble());
            QCOMPARE(g.operands[1], std::trunc(g.operands[1]));
        }
        QVERIFY(parts.count(98) && parts.count(0) && !parts.count(99));
    }

    void randomTemplateChoice()
    {
        Generator none;
        none.params.randomTemplate = true;
        none.params.templateCount = 0;
        none.templateIndex = 7;
        none.next();
        QCOMPARE(none.templateIndex, 1);

        Generator three;
        three.params.randomTemplate = true;
        three.params.templateCount = 3;
        std::set<int> used;
        for (int i = 0; i < 200; ++i) {
            three.next();
            used.insert(three.templateIndex);
        }
        QCOMPARE(used, (std::set<int>{1, 2, 3}));
    }

    void additionsOnlyWinsOverPowers()
    {
        Generator g;
        g.params.slotRandom[0] = g.params.slotRandom[1] = g.params.slotRandom[2] =
            g.params.slotRandom[3] = true;
        g.params.addSubOnly = true;
        g.params.powers = true;
        std::set<char> seen;
        for (int i = 0; i < 200; ++i) {
            g.next();
            seen.insert(g.ops, g.ops + 4);
        }
        QCOMPARE(seen, (std::set<char>{'+', '-'}));

        g.params.addSubOnly = false;
        for (int i = 0; i < 400; ++i) {
            g.next();
            seen.insert(g.ops, g.ops + 4);
        }
        QCOMPARE(seen, (std::set<char>{'+', '-', '*', '/', '^'}));
    }
};

QTEST_APPLESS_MAIN(CandidateTest)
#include "tst_candidate.moc"
