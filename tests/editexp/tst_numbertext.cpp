#include "editexp/evaluator.h"
#include "editexp/numbertext.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

// Values in the tests are written as expressions so that 2/3 is the double the program sees.
double value(const char *expression)
{
    const EvalResult r = Evaluate(expression);
    if (r.code != 0)
        qFatal("test value %s does not evaluate", expression);
    return r.value;
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void formatGeneral_data();
    void formatGeneral();
    void formatMask_data();
    void formatMask();
    void parseLocaleNumber_data();
    void parseLocaleNumber();
    void generalReadsBack_data();
    void generalReadsBack();
    void ignoresCLocale();
};

void TestNumberText::formatGeneral_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("czech");
    QTest::addColumn<QString>("english");

    auto row = [](const char *expression, const char *czech, const char *english) {
        QTest::newRow(expression) << value(expression) << QString(czech) << QString(english);
    };
    row("0", "0", "0");
    QTest::newRow("negative zero") << -0.0 << QString("0") << QString("0");
    row("12", "12", "12");
    row("-3.5", "-3,5", "-3.5");
    row("1/3", "0,333333333333333", "0.333333333333333");
    row("2/3", "0,666666666666667", "0.666666666666667");
    row("-1/3", "-0,333333333333333", "-0.333333333333333");
    row("0.1+0.2", "0,3", "0.3");
    row("100", "100", "100");
    row("12.5", "12,5", "12.5");
    row("0.0001", "0,0001", "0.0001");
    row("0.00012345", "0,00012345", "0.00012345");
    row("0.00009", "9E-5", "9E-5");
    row("1.5E-7", "1,5E-7", "1.5E-7");
    row("999999999999999", "999999999999999", "999999999999999");
    row("999999999999999.9", "1E15", "1E15");
    row("1E15", "1E15", "1E15");
    row("-1.25E20", "-1,25E20", "-1.25E20");
    row("1E300", "1E300", "1E300");
    row("123456789.123456789", "123456789,123457", "123456789.123457");
    row("PI", "3,14159265358979", "3.14159265358979");
    row("FACT 32", "2,63130836933694E35", "2.63130836933694E35");
}

void TestNumberText::formatGeneral()
{
    QFETCH(double, v);
    QFETCH(QString, czech);
    QFETCH(QString, english);

    QCOMPARE(QString::fromStdString(FormatGeneral(v, ',')), czech);
    QCOMPARE(QString::fromStdString(FormatGeneral(v, '.')), english);
}

void TestNumberText::formatMask_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("czech");
    QTest::addColumn<QString>("english");

    auto row = [](const char *expression, const char *mask, const char *czech,
                  const char *english) {
        QTest::newRow(qPrintable(QString("%1 with %2").arg(expression, mask)))
            << value(expression) << QString(mask) << QString(czech) << QString(english);
    };
    // Half up after writing 18 significant digits: only a true 5 there rounds up.
    row("0.125", "0.00", "0,13", "0.13");
    row("-0.125", "0.00", "-0,13", "-0.13");
    row("2/3", "0.00", "0,67", "0.67");
    row("-2/3", "0.00", "-0,67", "-0.67");
    row("1/3", "0.00", "0,33", "0.33");
    row("2.675", "0.00", "2,67", "2.67"); // the double lies below 2.675
    row("1.005", "0.00", "1,00", "1.00");
    row("99.995", "0.00", "100,00", "100.00"); // the double lies above 99.995
    row("0.995", "0.00", "0,99", "0.99");      // the double lies below 0.995
    row("9.999", "0.00", "10,00", "10.00");
    row("12", "0.00", "12,00", "12.00");
    row("2.5", "0.00", "2,50", "2.50");
    row("56", "0.00", "56,00", "56.00");
    row("1E17", "0.00", "100000000000000000,00", "100000000000000000.00");
    // Zero and values that round to zero carry no sign.
    row("0", "0.00", "0,00", "0.00");
    QTest::newRow("negative zero") << -0.0 << QString("0.00") << QString("0,00") << QString("0.00");
    row("-0.001", "0.00", "0,00", "0.00");
    row("-0.004999", "0.00", "0,00", "0.00");
    row("-0.005", "0.00", "-0,01", "-0.01");
    row("0.005", "0.00", "0,01", "0.01");
    // Beyond the 18 digits and without a mask: the general format.
    row("1E18", "0.00", "1E18", "1E18");
    row("-1E30", "0.00", "-1E30", "-1E30");
    row("1/3", "", "0,333333333333333", "0.333333333333333");
    // Other placeholder shapes.
    row("2.5", "0", "3", "3");
    row("-2.5", "0", "-3", "-3");
    row("0.4", "0", "0", "0");
    row("-0.4", "0", "0", "0");
    row("7", "000", "007", "007");
    row("0.5", "#.##", ",5", ".5");
    row("1.5", "0.0#", "1,5", "1.5");
    row("1.25", "0.0#", "1,25", "1.25");
    row("1.999", "0.0#", "2,0", "2.0");
    row("3", "0.00 Kc", "3,00 Kc", "3.00 Kc");
}

void TestNumberText::formatMask()
{
    QFETCH(double, v);
    QFETCH(QString, mask);
    QFETCH(QString, czech);
    QFETCH(QString, english);

    QCOMPARE(QString::fromStdString(FormatMask(v, mask.toStdString(), ',')), czech);
    QCOMPARE(QString::fromStdString(FormatMask(v, mask.toStdString(), '.')), english);
}

void TestNumberText::parseLocaleNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("sep");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    auto ok = [](const char *text, char sep, double v) {
        QTest::newRow(qPrintable(QString("[%1] with %2").arg(text).arg(sep)))
            << QString(text) << sep << true << v;
    };
    auto bad = [](const char *text, char sep) {
        QTest::newRow(qPrintable(QString("[%1] with %2").arg(text).arg(sep)))
            << QString(text) << sep << false << 0.0;
    };
    ok("2,5", ',', 2.5);
    ok("2,50", ',', 2.5);
    ok("2.5", '.', 2.5);
    bad("2.5", ',');
    bad("2,5", '.');
    ok("-3", ',', -3);
    ok("+3", ',', 3);
    ok("  -2,5  ", ',', -2.5);
    ok(",5", ',', 0.5);
    ok("5,", ',', 5);
    ok("1E5", ',', 1E5);
    ok("1,5e-3", ',', 0.0015);
    ok("1,5E+3", ',', 1500);
    ok("0,333333333333333", ',', 0.333333333333333);
    ok("1E-400", ',', 0);
    bad("1E400", ',');
    bad("1E", ',');
    bad("1E+", ',');
    bad("", ',');
    bad("   ", ',');
    bad("-", ',');
    bad(",", ',');
    bad("1,2,3", ',');
    bad("1.2.3", '.');
    bad("1-2", ',');
    bad("2 5", ',');
    bad("--2", ',');
    bad("0x10", ',');
    bad("inf", ',');
    bad("nan", ',');
    bad("E5", ',');
}

void TestNumberText::parseLocaleNumber()
{
    QFETCH(QString, text);
    QFETCH(char, sep);
    QFETCH(bool, valid);
    QFETCH(double, expected);

    const std::optional<double> v = ParseLocaleNumber(text.toStdString(), sep);
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(*v, expected);
}

// A shown value typed in again gives the same text: the calculator field's Enter on its own
// result, and the answer check reading a two-decimal result.
void TestNumberText::generalReadsBack_data()
{
    QTest::addColumn<double>("v");
    for (const char *e : {"1/3", "2/3", "-1/7", "PI*1E20", "1/3E10", "1.5E-7", "1E15", "EXP 1",
                          "-FACT 20", "SQRT 2", "1/3*1E-300", "999999999999999.4"}) {
        QTest::newRow(e) << value(e);
    }
}

void TestNumberText::generalReadsBack()
{
    QFETCH(double, v);
    for (char sep : {',', '.'}) {
        const std::string shown = FormatGeneral(v, sep);
        const std::optional<double> typed = ParseLocaleNumber(shown, sep);
        QVERIFY2(typed.has_value(), shown.c_str());
        QCOMPARE(QString::fromStdString(FormatGeneral(*typed, sep)), QString::fromStdString(shown));

        const std::string masked = FormatMask(v, "0.00", sep);
        QVERIFY2(ParseLocaleNumber(masked, sep).has_value(), masked.c_str());
    }
    // And the text with "." evaluates to the same shown value.
    const EvalResult again = Evaluate(FormatGeneral(v, '.'));
    QCOMPARE(again.code, 0);
    QCOMPARE(QString::fromStdString(FormatGeneral(again.value, '.')),
             QString::fromStdString(FormatGeneral(v, '.')));
}

// Qt sets the C library's locale from the environment; a Czech one must change nothing here.
void TestNumberText::ignoresCLocale()
{
    const char *czech = nullptr;
    for (const char *name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "cs_CZ"}) {
        if (std::setlocale(LC_ALL, name)) {
            czech = name;
            break;
        }
    }
    if (!czech)
        QSKIP("no Czech C locale installed");
    const EvalResult r = Evaluate("2.5*3");
    const std::string general = FormatGeneral(7.5, '.');
    const std::string masked = FormatMask(7.5, "0.00", '.');
    const std::optional<double> typed = ParseLocaleNumber("7.5", '.');
    std::setlocale(LC_ALL, "C");
    QCOMPARE(r.code, 0);
    QCOMPARE(r.value, 7.5);
    QCOMPARE(QString::fromStdString(general), QString("7.5"));
    QCOMPARE(QString::fromStdString(masked), QString("7.50"));
    QVERIFY(typed.has_value());
    QCOMPARE(*typed, 7.5);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
