// The expression control TEditExp and the calculator field on the status bar.

#include "app/numlet.h"
#include "editexp/teditexp.h"

#include <QAbstractButton>
#include <QLocale>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class CalculatorTest : public QObject
{
    Q_OBJECT

    TEditExp *field() { return window->findChild<TEditExp *>("EditExp1"); }
    QAbstractButton *toggle() { return window->findChild<QAbstractButton *>("SpeedButton7"); }
    void enter(const QString &text)
    {
        field()->clear();
        QTest::keyClicks(field(), text);
        QTest::keyClick(field(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        window = std::make_unique<TNumlet>(folder->path());
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        toggle()->click();
    }
    void cleanup()
    {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void switchOpensAndClosesTheField()
    {
        QCOMPARE(field()->width(), 324);
        QVERIFY(field()->isEnabled());
        QCOMPARE(field()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(QApplication::focusWidget(), field());
        QTest::keyClicks(field(), "12");
        toggle()->click();
        QCOMPARE(field()->width(), 0);
        QVERIFY(!field()->isEnabled());
        QCOMPARE(field()->palette().color(QPalette::Base),
                 window->palette().color(QPalette::Button));
        // Opening always empties the field, and so does the settings switch while it is open.
        toggle()->click();
        QCOMPARE(field()->text(), QString());
        QTest::keyClicks(field(), "3+4");
        window->findChild<QAbstractButton *>("SB1")->click();
        QCOMPARE(field()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget *>("Edit2"));
    }

    void enterReplacesTheExpressionByItsValue_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma typed") << "cs_CZ"
                                     << "1,5*2"
                                     << "3";
        QTest::newRow("czech third") << "cs_CZ"
                                     << "1/3"
                                     << "0,333333333333333";
        QTest::newRow("english third") << "en_US"
                                       << "1/3"
                                       << "0.333333333333333";
        QTest::newRow("error keeps the text") << "cs_CZ"
                                              << "2+"
                                              << "2+";
        QTest::newRow("error keeps the converted copy") << "cs_CZ"
                                                        << "2,5+"
                                                        << "2.5+";
        QTest::newRow("functions") << "en_US"
                                   << "sqrt 16+9"
                                   << "13";
        QTest::newRow("large value") << "en_US"
                                     << "10^20"
                                     << "1E20";
    }
    void enterReplacesTheExpressionByItsValue()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        enter(typed);
        QCOMPARE(field()->text(), shown);
    }

    void valueShownEvaluatesAgainToItself()
    {
        QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
        enter(QStringLiteral("1/3"));
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(field()->text(), QStringLiteral("0,333333333333333"));
    }

    // One Enter evaluates once: the value shown, rounded up to 15 digits, lies past the largest
    // double, so a second evaluation of the same key would end in an overflow.
    void enterEvaluatesOnce()
    {
        QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
        enter(QStringLiteral("1.7976931348623157E308"));
        QCOMPARE(field()->text(), QStringLiteral("1,79769313486232E308"));
        QVERIFY(!field()->HasError());
        // Entered once more by the user, that text overflows and stays as the evaluator saw it.
        QTest::keyClick(field(), Qt::Key_Return);
        QVERIFY(field()->HasError());
        QCOMPARE(field()->ErrorCode(), 7);
        QCOMPARE(field()->text(), QStringLiteral("1.79769313486232E308"));
    }

    void validTextAfterAnInvalidOne()
    {
        enter(QStringLiteral("(2+3"));
        QVERIFY(field()->HasError());
        QCOMPARE(field()->ErrorText(), QStringLiteral(" Illegal or missing parenthese"));
        enter(QStringLiteral("(2+3)*2"));
        QVERIFY(!field()->HasError());
        QCOMPARE(field()->text(), QStringLiteral("10"));
        QCOMPARE(field()->ErrorText(), QStringLiteral(" No error "));
    }

    void otherKeysLeaveTheTextAsTyped()
    {
        QTest::keyClicks(field(), "1,5");
        QCOMPARE(field()->text(), QStringLiteral("1,5"));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<TNumlet> window;
};

class EditExpTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void settingTheTextEvaluatesNothing()
    {
        TEditExp exp;
        QVERIFY(!exp.HasError());
        exp.setText(QStringLiteral("1/0"));
        QVERIFY(!exp.HasError());
        QCOMPARE(exp.Value(), 0.0);
        QVERIFY(exp.HasError());
        QCOMPARE(exp.ErrorText(), QStringLiteral(" Division by zero"));
        exp.setText(QStringLiteral("2"));
        QVERIFY(exp.HasError()); // still the last evaluation's
    }

    void resultTextFollowsMaskAndLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("two thirds cs") << "cs_CZ"
                                       << "0.00"
                                       << "2/3"
                                       << "0,67";
        QTest::newRow("two thirds en") << "en_US"
                                       << "0.00"
                                       << "2/3"
                                       << "0.67";
        QTest::newRow("half up") << "cs_CZ"
                                 << "0.00"
                                 << "0.125"
                                 << "0,13";
        QTest::newRow("half up negative") << "en_US"
                                          << "0.00"
                                          << "-0.125"
                                          << "-0.13";
        QTest::newRow("whole") << "cs_CZ"
                               << "0.00"
                               << "7*8"
                               << "56,00";
        QTest::newRow("error gives zero") << "cs_CZ"
                                          << "0.00"
                                          << "1/0"
                                          << "0,00";
        QTest::newRow("no mask") << "cs_CZ"
                                 << ""
                                 << "10/4"
                                 << "2,5";
    }
    void resultTextFollowsMaskAndLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(locale));
        TEditExp exp;
        exp.setMask(mask);
        exp.setText(text);
        QCOMPARE(exp.ResultText(), result);
    }

    void variablesAreSubstituted()
    {
        QTableWidget grid(3, 3);
        grid.setItem(1, 1, new QTableWidgetItem(QStringLiteral("x")));
        grid.setItem(1, 2, new QTableWidgetItem(QStringLiteral("(2+3)")));
        grid.setItem(2, 1, new QTableWidgetItem(QStringLiteral("Y")));
        grid.setItem(2, 2, new QTableWidgetItem(QStringLiteral("4")));
        TEditExp exp;
        exp.setVarGrid(&grid);
        exp.setText(QStringLiteral("[x]*[y]+[X]"));
        QCOMPARE(exp.Value(), 0.0); // variables off: "[" starts a bracket, "X" no function
        QVERIFY(exp.HasError());
        exp.setUseVar(true);
        QCOMPARE(exp.Value(), 25.0);
        QCOMPARE(exp.WorkingExpression(), QStringLiteral("(2+3)*4+(2+3)"));
        // A replacement that holds its own key is replaced once, never endlessly.
        grid.item(2, 2)->setText(QStringLiteral("[Y]"));
        exp.setText(QStringLiteral("[y]"));
        exp.Value();
        QCOMPARE(exp.WorkingExpression(), QStringLiteral("[Y]"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CalculatorTest calculator;
    EditExpTest editExp;
    return QTest::qExec(&calculator, argc, argv) | QTest::qExec(&editExp, argc, argv);
}
#include "tst_calculator.moc"
