#include "editexp/evaluator.h"

#include <QElapsedTimer>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double E = std::numbers::e;

EvalResult eval(const QByteArray &text)
{
    return Evaluate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

// 1*2*...*n multiplied up in doubles, as the engine does.
double factorialInDoubles(int n)
{
    double v = 1;
    for (int i = 2; i <= n; ++i)
        v *= i;
    return v;
}

QByteArray nested(const QByteArray &open, const QByteArray &inner, const QByteArray &close, int n)
{
    return open.repeated(n) + inner + close.repeated(n);
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void evaluate_data();
    void evaluate();
    void nearValues_data();
    void nearValues();
    void nesting_data();
    void nesting();
    void neverReturnsNonFinite_data();
    void neverReturnsNonFinite();
    void wholePowersAreExact();
    void wholePowersRoundToNearest();
    void errorTexts();
};

// Texts whose value is exact (or the double that the test computes the same way), with the code.
void TestEvaluator::evaluate_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("value");

    auto row = [](const char *text, int code, double value = 0) {
        QTest::newRow(text) << QByteArray(text) << code << value;
    };

    // Grammar: precedence, associativity, signs, implicit multiplication.
    row("2(3+4)", 0, 14);
    row("2PI", 0, 2 * Pi);
    row("(1+2)(3+4)", 0, 21);
    row("6/2(1+2)", 0, 9);
    row("2^3^2", 0, 64);
    row("-2^2", 0, -4);
    row("2*-3", 0, -6);
    row("2^-1", 0, 0.5);
    row("2-+3", 2);
    row("2*-2^2", 0, 8);
    row("--3", 0, 3);
    row("+-3", 0, -3);
    row("2--3", 0, 5);
    row("5--3", 0, 8);
    row("8*-2", 0, -16);
    row("---3", 2);
    row("ABS(-3)2", 0, 6);
    row("1+2*3-4/2", 0, 5);
    row("8/4/2", 0, 1);
    row("10-4-3", 0, 3);
    row("2.5.5", 0, 1.25); // a second point starts a new number, joined by multiplication

    // Brackets of any kind, in any pairing.
    row("[2+3]*2", 0, 10);
    row("{2}", 0, 2);
    row("(2+3]", 0, 5);
    row("((7))", 0, 7);
    row("(2+3", 3);
    row("()", 3);
    row("(2,5)", 3);
    row("(XYZ)", 3);
    row("(2E)", 3);
    row("2+3)", 2);
    row("2)", 2);

    // Factorials, postfix and after functions.
    row("4!", 0, 24);
    row("0!", 0, 1);
    row("2^3!", 0, 64);
    row("(3)!", 0, 6);
    row("-3!", 0, -6);
    row("3!!", 2);
    row("2.5!", 6);
    row("(-1)!", 6);
    row("FACT 32", 0, factorialInDoubles(32));
    row("FACT 33", 7);
    row("FACT 0", 0, 1);
    row("SQRT 9!", 0, 6);
    row("SQRT 9!!", 0, 720);
    row("SQRT(9!)", 0, std::sqrt(362880.0));

    // Functions: argument is one factor, never a signed value.
    row("SQRT 16", 0, 4);
    row("sqrt 16", 0, 4);
    row("Sqrt 6.25", 0, 2.5);
    row("SQRT(16)", 0, 4);
    row("SQRT SQRT 16", 0, 2);
    row("SQRT -4", 2);
    row("SQRT 16+9", 0, 13);
    row("SQRT", 2);
    row("ABS -3", 2);
    row("SQR 3", 0, 9);
    row("PI", 0, Pi);
    row("pi", 0, Pi);
    row("ACOS(-1)", 0, Pi);
    row("ACOS 1", 0, 0);
    row("ACOS 0", 0, Pi / 2);
    row("ASIN 1", 0, Pi / 2);
    row("ASIN(-1)", 0, -Pi / 2);
    row("ATAN 0", 0, 0);
    row("EXP 0", 0, 1);
    row("EXP 1", 0, E);
    row("EXP(-85)", 0, 0);
    row("EXP(-1000)", 0, 0);
    row("LNG 1", 0, 0);
    row("LOG 1000", 0, 3);
    row("SIN 0", 0, 0);
    row("COS 0", 0, 1);
    row("TAN 0", 0, 0);
    row("SEC 0", 0, 1);
    row("SINH 0", 0, 0);
    row("COSH 0", 0, 1);
    row("TANH 0", 0, 0);
    row("SECH 0", 0, 1);
    row("XYZ", 5);
    row("E", 5);
    row("SQRTX", 5);

    // Numbers.
    row("2 3", 0, 23);
    row("2 . 5", 0, 2.5);
    row("12 345", 0, 12345);
    row(".5", 0, 0.5);
    row("5.", 0, 5);
    row(".", 0, 0);
    row("2E3", 0, 2000);
    row("2e3", 0, 2000);
    row("2E+3", 0, 2000);
    row("2E-3", 0, 0.002);
    row("2E 3", 0, 2000);
    row("2E", 4);
    row("2E+", 4);
    row("2E*3", 4);
    row("2EXP 1", 0, 2 * E);
    row("2 EXP 1", 0, 2 * E);
    row("1E300", 0, 1E300);
    row("1E-400", 0, 0);
    row("0E999", 0, 0);
    row("1E400", 7);
    row("(1E400)", 7);
    row("1E309-1", 7);

    // Characters outside the classes.
    row("", 2);
    row("2,5", 1);
    row("8:2", 1);
    row("2\t3", 1);
    row("2\xc3\xa9", 1);
    row("$", 1);
    row("2+", 2);
    row("2**3", 2);
    row("2*", 2);
    row("*2", 2);

    // Powers.
    row("5^2", 0, 25);
    row("10^36", 0, 1E36);
    row("10^37", 7);
    row("0^2", 8);
    row("(-2)^3", 0, -8);
    row("(-2)^-1", 0, -0.5);
    row("(-2)^2", 0, 4);
    row("(-8)^(1/3)", 8);
    row("(-1)^1E300", 0, 1);
    row("2^0", 0, 1);
    row("0.5^1E308", 0, 0);
    row("1.5^1E308", 7);

    // Domain rules and range checks.
    row("1/0", 9);
    row("1/", 9);
    row("LNG 0", 7);
    row("LOG 0", 7);
    row("LNG(-1)", 8);
    row("LOG(-1)", 8);
    row("SQRT(-4)", 8);
    row("ASIN 2", 8);
    row("ACOS(-2)", 8);
    row("EXP 85", 7);
    row("SQR(-1E20)", 7);
    row("SQR(1E19)", 7);
    row("SINH 100", 7);
    row("COSH(-86)", 7);
    row("TANH 100", 9);
    row("CSCH 0", 9);
    row("COTH 0", 9);
    row("CSC 0", 9);
    row("COT 0", 9);
    row("1E36*11", 7);
    row("1E37+1E37", 7);
    row("-1E37-1E37", 7);
    row("1E37-(-1E37)", 7);
    row("1E308*10", 7);
    row("1E36*10", 0, 1E36 * 10);
    row("1E38/0.1", 7);
    row("1/1E-320", 7);
    row("CSC 1E-320", 7);
    row("CSCH 1E-320", 9); // e^x - e^-x cancels to exactly 0

    // After the first failure nothing progresses, but an operation under way still runs on the
    // 0 it got, and the flags outrank the code in the order undefined, too large, complex,
    // division by zero.
    row("(1/0)", 9);
    row("1/SQRT(-1)", 9);
    row("LNG(FACT(-1))", 7);
    row("FACT(FACT 33)", 7);
    row("1/0+XYZ", 9);
    row("2$+1/0", 1);
    row("(2$)", 3);
}

void TestEvaluator::evaluate()
{
    QFETCH(QByteArray, text);
    QFETCH(int, code);
    QFETCH(double, value);

    const EvalResult r = eval(text);
    QCOMPARE(r.code, code);
    // Exact: integral powers and results of small integers must not drift.
    QVERIFY2(r.value == value, qPrintable(QString::number(r.value, 'g', 17)));
    QVERIFY(!std::signbit(r.value) || r.value != 0);
}

// Results of transcendental functions, to within rounding.
void TestEvaluator::nearValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("ACOS 0.5") << QByteArray("ACOS 0.5") << Pi / 3;
    QTest::newRow("ACOS(-0.5)") << QByteArray("ACOS(-0.5)") << 2 * Pi / 3;
    QTest::newRow("ASIN 0.5") << QByteArray("ASIN 0.5") << Pi / 6;
    QTest::newRow("ATAN 1") << QByteArray("ATAN 1") << Pi / 4;
    QTest::newRow("TAN(PI/4)") << QByteArray("TAN(PI/4)") << 1.0;
    QTest::newRow("COT(PI/4)") << QByteArray("COT(PI/4)") << 1.0;
    QTest::newRow("SIN(PI/6)") << QByteArray("SIN(PI/6)") << 0.5;
    QTest::newRow("SINH 1") << QByteArray("SINH 1") << std::sinh(1.0);
    QTest::newRow("COSH 85") << QByteArray("COSH 85") << std::cosh(85.0);
    QTest::newRow("TANH 1") << QByteArray("TANH 1") << std::tanh(1.0);
    QTest::newRow("COTH 2") << QByteArray("COTH 2") << 1 / std::tanh(2.0);
    QTest::newRow("LNG 10") << QByteArray("LNG 10") << std::log(10.0);
    QTest::newRow("LOG 2") << QByteArray("LOG 2") << std::log10(2.0);
    QTest::newRow("2^0.5") << QByteArray("2^0.5") << std::sqrt(2.0);
    QTest::newRow("EXP 84") << QByteArray("EXP 84") << std::exp(84.0);
}

void TestEvaluator::nearValues()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);

    const EvalResult r = eval(text);
    QCOMPARE(r.code, 0);
    QVERIFY2(std::fabs(r.value - value) <=
                 4 * std::numeric_limits<double>::epsilon() * std::fabs(value),
             qPrintable(QString::number(r.value, 'g', 17)));
}

void TestEvaluator::nesting_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("value");

    const int max = EvalMaxNesting;
    QTest::newRow("brackets at the bound") << nested("(", "7", ")", max) << 0 << 7.0;
    QTest::newRow("brackets past the bound") << nested("(", "7", ")", max + 1) << 3 << 0.0;
    QTest::newRow("mixed brackets at the bound") << nested("[", "7", "}", max) << 0 << 7.0;
    QTest::newRow("negated brackets at the bound") << nested("-(", "7", ")", max) << 0 << 7.0;
    QTest::newRow("function chain at the bound") << nested("SQRT ", "1", "", max) << 0 << 1.0;
    QTest::newRow("function chain past the bound") << nested("SQRT ", "1", "", max + 1) << 2 << 0.0;
    QTest::newRow("bracketed calls at the bound") << nested("SQRT(", "1", ")", max) << 0 << 1.0;
    QTest::newRow("bracketed calls past the bound")
        << nested("SQRT(", "1", ")", max + 1) << 3 << 0.0;
    // A bracket that is a function's argument shares the function's level.
    QTest::newRow("brackets around calls at the bound")
        << nested("(SQRT ", "1", ")", max - 1) << 0 << 1.0;
    QTest::newRow("brackets around calls past the bound")
        << nested("(SQRT ", "1", ")", max) << 3 << 0.0;
    QTest::newRow("100000 brackets") << nested("(", "7", ")", 100000) << 3 << 0.0;
    QTest::newRow("100000 unclosed brackets") << nested("(", "7", "", 100000) << 3 << 0.0;
    QTest::newRow("100000 functions") << nested("SQRT ", "1", "", 100000) << 2 << 0.0;
    QTest::newRow("100000 bracketed calls") << nested("ABS(", "1", ")", 100000) << 3 << 0.0;
    QTest::newRow("long flat sum")
        << QByteArray("1") + QByteArray("+1").repeated(100000) << 0 << 100001.0;
    QTest::newRow("long run of factorials")
        << QByteArray("3") + QByteArray("!").repeated(100000) << 2 << 0.0;
}

void TestEvaluator::nesting()
{
    QFETCH(QByteArray, text);
    QFETCH(int, code);
    QFETCH(double, value);

    QElapsedTimer timer;
    timer.start();
    const EvalResult r = eval(text);
    QVERIFY2(timer.elapsed() < 2000, "deep text must not take long");
    QCOMPARE(r.code, code);
    QCOMPARE(r.value, value);
}

// Values out of a double's range are reported, never returned.
void TestEvaluator::neverReturnsNonFinite_data()
{
    QTest::addColumn<QByteArray>("text");
    for (const char *t : {"1E308*1E308",
                          "1E308+1E308",
                          "-1E308-1E308",
                          "1E308-(-1E308)",
                          "1E-300/1E-300/1E-300",
                          "0.5/4.9E-324",
                          "1/4.9E-324",
                          "COT 1E-320",
                          "SEC(PI/2)",
                          "TAN(PI/2)",
                          "1E308^2",
                          "EXP 1E308",
                          "(1E300)(1E300)",
                          "1E300 1E300",
                          "SQR 1E300",
                          "1E308/1E-308",
                          "SINH 1E308",
                          "COTH 1E-320",
                          "1.8E308",
                          "99999999999999999999E300",
                          "FACT 1E308"}) {
        QTest::newRow(t) << QByteArray(t);
    }
}

void TestEvaluator::neverReturnsNonFinite()
{
    QFETCH(QByteArray, text);
    const EvalResult r = eval(text);
    QVERIFY(std::isfinite(r.value));
    QVERIFY(r.code != 0 || std::fabs(r.value) <= std::numeric_limits<double>::max());
    if (r.code != 0)
        QCOMPARE(r.value, 0.0);
}

// Every whole power that a double holds comes out exact, whatever the compiler's long double
// ("Výsledek beze zbytku" rejects 9.0000000000000018 for 3^2).
void TestEvaluator::wholePowersAreExact()
{
    auto power = [](const QByteArray &base, int n) {
        const EvalResult r = eval(base + '^' + QByteArray::number(n));
        return r.code == 0 ? r.value : std::nan("");
    };
    for (int base = 2; base <= 40; ++base) {
        const QByteArray text = QByteArray::number(base);
        const QByteArray negative = "(-" + text + ")";
        std::uint64_t exact = 1;
        for (int n = 1; exact <= (std::uint64_t(1) << 53) / base; ++n) {
            exact *= base;
            const double v = double(exact);
            QVERIFY2(power(text, n) == v, qPrintable(text + '^' + QByteArray::number(n)));
            QVERIFY2(power(negative, n) == (n % 2 ? -v : v), qPrintable(negative));
        }
    }
    // Halves: 1.5^n is 3^n / 2^n.
    std::uint64_t threes = 1;
    for (int n = 1; n <= 33; ++n) { // 3^33 < 2^53 < 3^34
        threes *= 3;
        QCOMPARE(power("1.5", n), std::ldexp(double(threes), -n));
        QCOMPARE(power("0.75", n), std::ldexp(double(threes), -2 * n));
    }
    // Negative exponents of powers of two.
    for (int n = -122; n <= 122; ++n) {
        QCOMPARE(power("2", n), std::ldexp(1.0, n));
        QCOMPARE(power("0.5", n), std::ldexp(1.0, -n));
        QCOMPARE(power("(-8)", n / 3), std::ldexp(n / 3 % 2 ? -1.0 : 1.0, 3 * (n / 3)));
    }
    for (int n = 0; n <= 22; ++n) { // 1E22 is the last power of ten that a double holds
        const QByteArray literal = "1E" + QByteArray::number(n);
        QVERIFY2(power("10", n) == eval(literal).value, literal.constData());
    }
    QCOMPARE(power("3", 2) - std::trunc(power("3", 2)), 0.0);
}

// Whole powers that a double cannot hold: the nearest double, x^n from the exact integer, x^-n
// for an exact x^n by one division, and a few reciprocals of larger powers worked out in exact
// rational arithmetic. Where long double is double the powers are carried in double-double and
// always round so; the extended logarithm rounds a few of them the other way (11^21 for one),
// which is kept as it was, so there they are only held to an ulp.
void TestEvaluator::wholePowersRoundToNearest()
{
    constexpr bool nearest = LDBL_MANT_DIG == DBL_MANT_DIG;
    int checked = 0;
    auto check = [&](const QByteArray &text, double expected) {
        const EvalResult r = eval(text);
        const double ulp = std::nextafter(expected, INFINITY) - expected;
        QVERIFY2(r.code == 0 &&
                     (nearest ? r.value == expected : std::fabs(r.value - expected) <= ulp),
                 qPrintable(text + " gives " + QByteArray::number(r.value, 'g', 17)));
        ++checked;
    };
    check("3^-40", 0x1.846d550e37b50p-64);
    check("3^-75", 0x1.17b6f8e2f3785p-119);
    check("7^-30", 0x1.b76361867410ap-85);
    check("11^-21", 0x1.46b9c5ab3282bp-73);
    check("13^-33", 0x1.d8ee9f0edfd7dp-123);
    check("17^-29", 0x1.61035596941d4p-119);
    check("99^-17", 0x1.3b60b9c76b12ap-113);
    check("5^-45", 0x1.6d601ad376ab9p-105);
    check("6^-40", 0x1.846d550e37b50p-104);
    check("23^-25", 0x1.e15a560ced6b5p-114);
#if defined(__SIZEOF_INT128__)
    for (unsigned base = 3; base <= 300; ++base) {
        unsigned __int128 exact = base;
        for (int n = 2; exact <= (unsigned __int128)(8E36 / base); ++n) {
            exact *= base;
            const QByteArray power = QByteArray::number(base) + '^';
            if (exact > (unsigned __int128)1 << 53)
                check(power + QByteArray::number(n), double(exact));
            else
                check(power + '-' + QByteArray::number(n), 1 / double(exact));
        }
    }
    QVERIFY(checked > 2000);
#endif
}

void TestEvaluator::errorTexts()
{
    const char *expected[] = {
        " No error ",
        " Illegal character",
        " Incorrect syntax",
        " Illegal or missing parenthese",
        " Incorrect real format",
        " Illegal function",
        " Result is undefined",
        " Result is too large",
        " Result is complex",
        " Division by zero",
    };
    for (int code = 0; code <= 9; ++code)
        QCOMPARE(QByteArray(EvalErrorText(code)), QByteArray(expected[code]));
    QCOMPARE(QByteArray(EvalErrorText(10)), QByteArray());
    QCOMPARE(QByteArray(EvalErrorText(-1)), QByteArray());
}

QTEST_APPLESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
