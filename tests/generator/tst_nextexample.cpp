// The next-example cycle in the real window: constraints, the filter, the generation limit, the
// display fitting, and the slot and template handlers.

#include "app/errorreport.h"
#include "app/numlet.h"
#include "editexp/evaluator.h"
#include "support/control.h"
#include "widgets/tgauge.h"
#include "widgets/tspinedit.h"
#include "widgets/tstatusbarpro.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

class NextExampleTest : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> T *get(const char *name) { return control<T>(*window, name); }
    QString example() { return get<QLabel>("LabelF1")->text(); }
    int gauge() { return get<TGauge>("Gauge1")->value(); }
    QString status() { return get<TStatusBarPro>("StatusBarPro1")->panelText(0); }
    void check(const char *name, bool on)
    {
        auto *box = get<QAbstractButton>(name);
        if (box->isChecked() != on)
            box->click();
    }
    void next() { get<QAbstractButton>("SpeedButton9")->click(); }
    void invoke(const char *method) { QVERIFY(QMetaObject::invokeMethod(window.get(), method)); }
    static double valueOf(const QString &text)
    {
        QString t = text;
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        return Evaluate(t.toStdString()).value;
    }
    void chooseSlot(const char *combo, const char *handler, const QString &text)
    {
        get<QComboBox>(combo)->setEditText(text);
        invoke(handler);
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        window = std::make_unique<TNumlet>(folder->path());
        window->setRandSeed(0);
        reported.clear();
        ErrorReport::setReporter([this](const QString &text) { reported << text; });
    }
    void cleanup()
    {
        window.reset();
        ErrorReport::setReporter({});
    }

    void defaultsFromSeedZero()
    {
        // With only "Výsledek beze zbytku" on, the first candidate of every call is rejected.
        QStringList examples;
        for (int i = 0; i < 5; ++i) {
            next();
            examples << example();
            QCOMPARE(gauge(), 1);
        }
        QCOMPARE(examples, (QStringList{"0+10", "5+9", "3+8", "6+9", "8+6"}));
        QCOMPARE(window->CandidateCounter(), 10);
    }

    void allConstraintsOffAcceptsTheFirstCandidate()
    {
        check("BBox4", false);
        next();
        QCOMPARE(example(), QStringLiteral("9+3"));
        QCOMPARE(gauge(), 0);
        QCOMPARE(window->CandidateCounter(), 1);
    }

    void handlerDuringThePumpReleasesTheCandidate()
    {
        // Under the defaults the first candidate fails its test phase; a zero-time timer runs in
        // the first pump and unchecks "Výsledek beze zbytku", so the release phase accepts it.
        int ticks = 0;
        QTimer::singleShot(0, window.get(), [&] {
            ++ticks;
            get<QAbstractButton>("BBox4")->setChecked(false);
        });
        next();
        QCOMPARE(ticks, 1);
        QCOMPARE(example(), QStringLiteral("9+3"));
        QCOMPARE(gauge(), 0);
        QCOMPARE(window->CandidateCounter(), 1);
    }

    void positiveAndWholeAcceptsAtOnce()
    {
        check("BBox3", true);
        next();
        QCOMPARE(example(), QStringLiteral("9+3"));
        QCOMPARE(gauge(), 0);
    }

    void wholeResultsOnlyDivideEvenly()
    {
        chooseSlot("ComboBox1", "ComboBox1Change", "/");
        get<TSpinEdit>("SpinEdit5")->setValue(1);
        get<TSpinEdit>("SpinEdit6")->setValue(1);
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            window->setRandSeed(seed * 2654435761u);
            next();
            const QString text = example();
            QVERIFY2(text.contains(QLatin1Char('/')), qPrintable(text));
            const double v = valueOf(text);
            QVERIFY2(v == std::trunc(v), qPrintable(text));
        }
    }

    void wholeTestIsOnTheWholeResult()
    {
        // 7/2*2 passes although 7/2 alone does not divide.
        get<QWidget>("Panel5")->setEnabled(true);
        get<QAbstractButton>("Speed_2")->click();
        for (const char *name : {"CheckBox1", "CheckBox2", "CheckBox3"})
            get<QAbstractButton>(name)->setChecked(true); // row 3 is disabled without formulas
        get<TSpinEdit>("SpinEdit1")->setValue(7);
        get<TSpinEdit>("SpinEdit2")->setValue(2);
        get<TSpinEdit>("SpinEdit3")->setValue(2);
        chooseSlot("ComboBox1", "ComboBox1Change", "/");
        check("BBox3", true);
        chooseSlot("ComboBox2", "ComboBox2Change", "*");
        QCOMPARE(example(), QStringLiteral("7/2*2"));
        QCOMPARE(gauge(), 0);
    }

    void filterActions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kept"); // how an accepted result relates to the value
        QTest::newRow("= removes equal") << "="
                                         << "0"
                                         << "!=";
        QTest::newRow("< removes below") << "<"
                                         << "12"
                                         << ">=";
        QTest::newRow("> removes above") << ">"
                                         << "8"
                                         << "<=";
        QTest::newRow("<> keeps only equal") << "<>"
                                             << "12"
                                             << "==";
        QTest::newRow("comma value") << ">"
                                     << "7,5"
                                     << "<=";
        QTest::newRow("point value") << ">"
                                     << "7.5"
                                     << "<=";
    }
    void filterActions()
    {
        QFETCH(QString, action);
        QFETCH(QString, value);
        QFETCH(QString, kept);
        check("BBox19", true);
        get<QComboBox>("ComboBox6")->setCurrentText(action);
        get<QLineEdit>("Edit1")->setText(value);
        const double f = valueOf(value);
        for (int i = 0; i < 15; ++i) {
            next();
            QCOMPARE(status(), QString());
            const double v = valueOf(example());
            const bool ok = kept == "!="   ? v != f
                            : kept == ">=" ? v >= f
                            : kept == "<=" ? v <= f
                                           : v == f;
            QVERIFY2(ok, qPrintable(example()));
        }
    }

    void filterValueSwitchesOffOptions_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("positive");
        QTest::addColumn<bool>("negative");
        QTest::newRow("-2,5") << "-2,5" << false << false << true;
        QTest::newRow("4") << "4" << true << true << false;
        QTest::newRow("0") << "0" << true << true << true;
    }
    void filterValueSwitchesOffOptions()
    {
        QFETCH(QString, value);
        QFETCH(bool, whole);
        QFETCH(bool, positive);
        QFETCH(bool, negative);
        // Clicking BBox21 unchecks BBox3; set in code, both can be on.
        check("BBox21", true);
        get<QAbstractButton>("BBox3")->setChecked(true);
        check("BBox19", true);
        get<QComboBox>("ComboBox6")->setCurrentText(QStringLiteral("<>"));
        get<QLineEdit>("Edit1")->setText(value);
        get<QSlider>("TrackBar2")->setValue(100);
        next();
        QCOMPARE(get<QAbstractButton>("BBox4")->isChecked(), whole);
        QCOMPARE(get<QAbstractButton>("BBox3")->isChecked(), positive);
        QCOMPARE(get<QAbstractButton>("BBox21")->isChecked(), negative);
    }

    void unreadableFilterValueIsReported()
    {
        check("BBox19", true);
        get<QLineEdit>("Edit1")->setText(QStringLiteral("1,5.2"));
        next();
        QCOMPARE(reported,
                 QStringList{QStringLiteral("'1,5.2' is not a valid floating point value")});
        QCOMPARE(window->CandidateCounter(), 1); // the cycle ended at its first candidate
    }

    void exhaustedLimitKeepsTheLastCandidate()
    {
        // Only results equal to 1000 are kept: none comes from 0..10 + 0..10.
        get<QSlider>("TrackBar2")->setValue(100);
        check("BBox19", true);
        get<QComboBox>("ComboBox6")->setCurrentText(QStringLiteral("<>"));
        get<QLineEdit>("Edit1")->setText(QStringLiteral("1000"));
        get<TGauge>("Gauge1")->setMaximum(100);
        next();
        QCOMPARE(window->CandidateCounter(), 101);
        QCOMPARE(gauge(), 100);
        QCOMPARE(status(), QStringLiteral("Překročena hranice generovacího procesu"));
        QVERIFY(!example().isEmpty());

        // An accepted first candidate leaves the message where it is.
        check("BBox19", false);
        check("BBox4", false);
        next();
        QCOMPARE(gauge(), 0);
        QCOMPARE(status(), QStringLiteral("Překročena hranice generovacího procesu"));
        // A rejected one clears it.
        check("BBox4", true);
        next();
        QCOMPARE(status(), QString());
    }

    void pismoFitsTheDisplay_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line");
        QTest::newRow("9") << 9 << "9 - 50 / 50 / 14";
        QTest::newRow("14") << 14 << "14 - 50 / 50 / 14";
        QTest::newRow("15") << 15 << "15 - 30 / 30 / 30";
        QTest::newRow("26") << 26 << "26 - 25 / 25 / 35";
        QTest::newRow("40") << 40 << "40 - 25 / 25 / 37";
        QTest::newRow("41") << 41 << "41 - 15 / 15 / 42";
        QTest::newRow("60") << 60 << "60 - 11 / 11 / 46";
        QTest::newRow("61 keeps the sizes before") << 61 << "61 - 25 / 25 / 35";
    }
    void pismoFitsTheDisplay()
    {
        QFETCH(int, length);
        QFETCH(QString, line);
        auto *label = get<QLabel>("LabelF1");
        label->setText(QString(26, QLatin1Char('1')));
        invoke("Pismo");
        label->setText(QString(length, QLatin1Char('1')));
        invoke("Pismo");
        QCOMPARE(get<QLabel>("Label11")->text(), line);
        const QLineEdit *edit = get<QLineEdit>("Edit2");
        const int heights[] = {72, 42, 40, 40, 30, 20};
        const int tops[] = {14, 30, 35, 37, 42, 46};
        const int band = length <= 14   ? 0
                         : length <= 25 ? 1
                         : length <= 30 ? 2
                         : length <= 40 ? 3
                         : length <= 49 ? 4
                         : length <= 60 ? 5
                                        : 2;
        QCOMPARE(edit->y(), tops[band]);
        QCOMPARE(edit->height(), heights[band]);
    }

    void evaluationTextUsesPoints()
    {
        QLocale::setDefault(QLocale(QLocale::Czech));
        check("BBox2", true);
        check("BBox4", false);
        next();
        QVERIFY2(example().contains(QLatin1Char(',')), qPrintable(example()));
        QVERIFY(!example().contains(QLatin1Char('.')));
        auto *exp2 = get<QLineEdit>("EditExp2");
        QCOMPARE(exp2->text(), QString(example()).replace(QLatin1Char(','), QLatin1Char('.')));
        QLocale::setDefault(QLocale::c());
    }

    void randomSlotAndFixedSlot()
    {
        check("BBox4", false);
        chooseSlot("ComboBox1", "ComboBox1Change", "~");
        QSet<QChar> operators;
        for (int i = 0; i < 40; ++i) {
            next();
            for (QChar c : example())
                if (QStringLiteral("+-*/").contains(c))
                    operators.insert(c);
        }
        QCOMPARE(operators.size(), 4);
        chooseSlot("ComboBox1", "ComboBox1Change", "*");
        for (int i = 0; i < 10; ++i) {
            next();
            QVERIFY2(example().contains(QLatin1Char('*')), qPrintable(example()));
        }
        // A slot text that is no operator leaves the character as it was.
        chooseSlot("ComboBox1", "ComboBox1Change", ":");
        next();
        QVERIFY(example().contains(QLatin1Char('*')));
    }

    void templateButtonsFormOneGroup()
    {
        get<QWidget>("Panel5")->setEnabled(true);
        auto *speed3 = get<QAbstractButton>("Speed_3");
        speed3->click();
        QVERIFY(speed3->isChecked());
        QVERIFY(!get<QAbstractButton>("Speed_1")->isChecked());
        QVERIFY(example().startsWith(QLatin1Char('(')));
        const int candidates = window->CandidateCounter();
        // Clicking the pressed button raises it: no button down, no new example.
        speed3->click();
        QVERIFY(!speed3->isChecked());
        QCOMPARE(window->CandidateCounter(), candidates);
        next();
        QVERIFY(example().startsWith(QLatin1Char('(')));

        // With "Blokovat zpomalující akce " off the generator presses the template's button.
        check("BBox7", false);
        next();
        QVERIFY(speed3->isChecked());
    }

    void firstActivationShowsAnExample()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(!example().isEmpty());
        QCOMPARE(get<TGauge>("Gauge1")->maximum(), 1000);
        QVERIFY(get<QAbstractButton>("BBox7")->isChecked());
        QCOMPARE(QApplication::focusWidget(), get<QWidget>("Edit2"));
        const QString first = example();
        window->activateWindow();
        QTest::qWait(50);
        QCOMPARE(example(), first); // activation runs the start once
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<TNumlet> window;
    QStringList reported;
};

QTEST_MAIN(NextExampleTest)
#include "tst_nextexample.moc"
