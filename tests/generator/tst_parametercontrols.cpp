// The generation parameters and the formula templates in the real window, driven through their
// controls: the interlocks between the controls, the slots' item lists, the formulas switch, the
// random template choice and the coloured templates.

#include "app/errorreport.h"
#include "app/numlet.h"
#include "support/control.h"
#include "widgets/tgauge.h"
#include "widgets/tspinedit.h"
#include "widgets/tstatusbarpro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

namespace {

// The example texts of templates 1 to 14 with the slots at their defaults "+", "-", "*", "/",
// rows of 0..10, decimals off and the exponent 3.
const QString N = QStringLiteral("(?:10|[0-9])");
const QString shapes[15] = {
    QString(),
    "N\\+N",
    "N\\+N-N",
    "\\(N\\+N\\)-N",
    "N\\+N-N\\*N",
    "\\(N\\+N-N\\)\\*N",
    "\\(N\\+\\(N-N\\)\\)\\*N",
    "\\(N\\+N\\)-\\(N\\*N\\)",
    "N\\+\\(N-N\\)\\*N",
    "\\(N\\+\\(N-N\\)\\*N\\)/N",
    "\\(N\\+N\\)-N\\*\\(N/N\\)",
    "\\(\\(N\\+N\\)-N\\)\\*\\(N/N\\)",
    "\\(\\(N\\+N\\)-N\\*N\\)/N",
    "N\\^3",
    "Sqrt (?:0|1|4|9|16|25|36|49|64|81|100)",
};

bool hasShape(const QString &text, int index)
{
    QString pattern = shapes[index];
    pattern.replace(QLatin1Char('N'), N);
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// The template whose shape the text has, 0 for none.
int shapeOf(const QString &text)
{
    for (int i = 1; i <= 14; ++i)
        if (hasShape(text, i))
            return i;
    return 0;
}

QColor textColour(const QWidget *w, QPalette::ColorRole role)
{
    return w->palette().color(QPalette::Active, role);
}

} // namespace

class ParameterControlsTest : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> T *get(const char *name) { return control<T>(*window, name); }
    QAbstractButton *button(const char *name) { return get<QAbstractButton>(name); }
    QAbstractButton *speed(int i)
    {
        return get<QAbstractButton>(qPrintable(QStringLiteral("Speed_%1").arg(i)));
    }
    TSpinEdit *spin(const char *name) { return get<TSpinEdit>(name); }
    QString example() { return get<QLabel>("LabelF1")->text(); }
    void next() { button("SpeedButton9")->click(); }
    void check(const char *name, bool on)
    {
        if (button(name)->isChecked() != on)
            button(name)->click();
    }
    // Typing over the whole text of an editable box, as the user does.
    void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void typeInto(const char *combo, const QString &text)
    {
        type(get<QComboBox>(combo)->lineEdit(), text);
    }
    QStringList items(const char *combo)
    {
        QStringList list;
        auto *box = get<QComboBox>(combo);
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    }
    QColor windowText() { return window->palette().color(QPalette::WindowText); }
    // The colours of the templates' examples and captions, by hand from the template table.
    QColor templateColour(int index)
    {
        static const QRgb fixed[15] = {0,        0,        0,        0x800000, 0x008000,
                                       0x808000, 0x000080, 0x800080, 0x008080, 0xFF0000,
                                       0x00FF00, 0x0000FF, 0xFF00FF, 0,        0};
        if (index == 2)
            return QColor(0x00, 0x54, 0xE3); // the system active-caption colour the program uses
        if (index >= 13)
            return window->palette().color(QPalette::Highlight);
        return index >= 3 ? QColor(fixed[index]) : windowText();
    }
    // The pressed template button, 0 for none.
    int pressed()
    {
        int found = 0;
        for (int i = 1; i <= 14; ++i)
            if (speed(i)->isChecked()) {
                if (found)
                    return -1;
                found = i;
            }
        return found;
    }
    // The operators of the examples that the next count calls bring.
    QSet<QChar> operatorsOfNext(int count)
    {
        QSet<QChar> seen;
        for (int i = 0; i < count; ++i) {
            next();
            for (QChar c : example().mid(1)) // a leading '-' is a sign
                if (QStringLiteral("+-*/^").contains(c))
                    seen.insert(c);
        }
        return seen;
    }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(folder->path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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
        QCOMPARE(reported, QStringList());
    }

    void rowBoundsFollowTheUpperValues()
    {
        TSpinEdit *upper1 = spin("SpinEdit1"), *lower1 = spin("SpinEdit5");
        upper1->setValue(20);
        QCOMPARE(lower1->maxValue(), 19);
        lower1->setValue(25);
        QCOMPARE(lower1->value(), 19);
        QTest::keyClick(lower1, Qt::Key_Up);
        QCOMPARE(lower1->value(), 19);
        // Every row's lower maximum follows its own upper value.
        for (const char *name : {"SpinEdit6", "SpinEdit7", "SpinEdit8", "SpinEdit9"})
            QCOMPARE(spin(name)->maxValue(), 9);
        QCOMPARE(upper1->maxValue(), 10000);
        QCOMPARE(spin("SpinEdit2")->maxValue(), 10000);
        for (const char *name : {"SpinEdit3", "SpinEdit4", "SpinEdit10"})
            QCOMPARE(spin(name)->maxValue(), 5000);
        spin("SpinEdit3")->setEnabled(true);
        spin("SpinEdit3")->setValue(9000);
        QCOMPARE(spin("SpinEdit3")->value(), 5000);
        upper1->setValue(9000);
        QCOMPARE(upper1->value(), 9000);
    }

    void rowBoundsFollowTheLowerValues()
    {
        TSpinEdit *upper1 = spin("SpinEdit1"), *lower1 = spin("SpinEdit5");
        lower1->setValue(-5);
        QCOMPARE(upper1->minValue(), -4);
        upper1->setValue(-10);
        QCOMPARE(upper1->value(), -4);
        QTest::keyClick(upper1, Qt::Key_Down);
        QCOMPARE(upper1->value(), -4);
        for (const char *name : {"SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit10"})
            QCOMPARE(spin(name)->minValue(), 1);
        // The upper value moved, so the lower one may now reach -5 and no further.
        QCOMPARE(lower1->maxValue(), -5);
    }

    void upperLimitOfRowsOneAndTwoRisesWithTheFirstChange()
    {
        // The form allows 5000 until any upper value has changed.
        spin("SpinEdit2")->setValue(9000);
        QCOMPARE(spin("SpinEdit2")->value(), 5000);
        spin("SpinEdit2")->setValue(9000);
        QCOMPARE(spin("SpinEdit2")->value(), 9000);
        // A change in row 5 opens rows 1 and 2 as well.
        init();
        spin("SpinEdit10")->setValue(7);
        QCOMPARE(spin("SpinEdit1")->maxValue(), 10000);
        QCOMPARE(spin("SpinEdit9")->maxValue(), 6);
    }

    void rowSwitchesOneAndTwoClearWholeResults()
    {
        for (const char *row : {"S1", "S2"}) {
            for (bool down : {true, false}) {
                check("BBox4", true);
                button(row)->click();
                QCOMPARE(button(row)->isChecked(), down);
                QVERIFY2(!button("BBox4")->isChecked(), row);
            }
        }
        check("BBox4", true);
        for (const char *row : {"S3", "S4", "S5"}) {
            button(row)->setEnabled(true);
            button(row)->click();
            QVERIFY2(button("BBox4")->isChecked(), row);
        }
    }

    void signModesExcludeEachOther()
    {
        QAbstractButton *positive = button("BBox3"), *negative = button("BBox21");
        positive->click();
        negative->click();
        QVERIFY(negative->isChecked());
        QVERIFY(!positive->isChecked());
        QCOMPARE(positive->text(), QStringLiteral("Jen záporné výsledky"));
        positive->click();
        QVERIFY(positive->isChecked());
        QVERIFY(!negative->isChecked());
        QCOMPARE(positive->text(), QStringLiteral("Jen kladné výsledky"));
        // Unchecking it again names the same mode; the program's own unchecking is no click.
        negative->click();
        negative->setChecked(false);
        QCOMPARE(positive->text(), QStringLiteral("Jen záporné výsledky"));
        positive->click();
        positive->click();
        QVERIFY(!positive->isChecked() && !negative->isChecked());
        QCOMPARE(positive->text(), QStringLiteral("Jen kladné výsledky"));
    }

    void randomSlotThenFixedSlot()
    {
        check("BBox4", false); // every first candidate is the example
        typeInto("ComboBox1", "~");
        QCOMPARE(operatorsOfNext(40), (QSet<QChar>{'+', '-', '*', '/'}));
        typeInto("ComboBox1", "*");
        QCOMPARE(operatorsOfNext(10), QSet<QChar>{'*'});
    }

    void additionsAndSubtractionsOnly()
    {
        check("BBox4", false);
        button("BBox5")->click();
        for (const char *slot : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
            QCOMPARE(get<QComboBox>(slot)->currentText(), QStringLiteral("~"));
            QCOMPARE(items(slot), (QStringList{"+", "-", "~"}));
        }
        QCOMPARE(operatorsOfNext(30), (QSet<QChar>{'+', '-'}));
        // Switched off: the lists change, the slots keep their texts.
        typeInto("ComboBox1", "/");
        button("BBox5")->click();
        QCOMPARE(get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("/"));
        QCOMPARE(get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("~"));
        QCOMPARE(items("ComboBox1"), (QStringList{"+", "-", "*", "/", "~"}));
        QCOMPARE(operatorsOfNext(5), QSet<QChar>{'/'});
    }

    void slotLeftWithoutAnOperatorNeverShowsTheRandomMark()
    {
        // BBox5 gives every slot the character '~'; a text that sets no operator keeps it.
        check("BBox4", false);
        button("BBox5")->click();
        typeInto("ComboBox1", ":");
        for (int i = 0; i < 20; ++i) {
            next();
            QVERIFY2(!example().contains(QLatin1Char('~')), qPrintable(example()));
        }
        // The mark is drawn once, among the operators of the mode, and then stays.
        const QSet<QChar> operators = operatorsOfNext(30);
        QVERIFY(operators == QSet<QChar>{'+'} || operators == QSet<QChar>{'-'});
    }

    void powersExtensionSetsTheTemplateCount()
    {
        check("BBox4", false);
        const int before = window->CandidateCounter();
        button("BBox18")->click();
        QCOMPARE(window->CandidateCounter(), before + 1); // the next example came at once
        QCOMPARE(spin("SpinEdit12")->value(), 14);
        QCOMPARE(spin("SpinEdit12")->maxValue(), 14);
        QCOMPARE(get<QLabel>("SText1")->text(), QStringLiteral("14"));
        QCOMPARE(get<QComboBox>("ComboBox3")->currentText(), QStringLiteral("~"));
        QCOMPARE(items("ComboBox4"), (QStringList{"+", "-", "*", "/", "^", "~"}));
        // Random slots now draw powers too; an exponent after '^' is the exponent value 3.
        bool power = false;
        for (int i = 0; i < 40; ++i) {
            next();
            if (example().contains(QLatin1Char('^'))) {
                power = true;
                QVERIFY2(example().endsWith(QLatin1String("^3")), qPrintable(example()));
            }
        }
        QVERIFY(power);

        button("BBox18")->click();
        QCOMPARE(spin("SpinEdit12")->value(), 11);
        QCOMPARE(spin("SpinEdit12")->maxValue(), 11);
        QCOMPARE(get<QLabel>("SText1")->text(), QStringLiteral("11"));
        QCOMPARE(items("ComboBox1"), (QStringList{"+", "-", "*", "/", "~"}));
        // With additions and subtractions only the lists are those of that mode.
        button("BBox5")->click();
        button("BBox18")->click();
        QCOMPARE(items("ComboBox2"), (QStringList{"+", "-", "~"}));
        QCOMPARE(operatorsOfNext(30), (QSet<QChar>{'+', '-'}));
    }

    void itemListsFromTheProgramFolder()
    {
        writeFile("Ly", "-\r\n+\r\n~");                // no final line end
        writeFile("Lz", "\xEF\xBB\xBF^\n~\n*\n");      // UTF-8 with a BOM, LF
        writeFile("Lx", "\x2B\r\x2D\r\x7E\r\xE8\r\n"); // CR, and a Windows-1250 "č"
        button("BBox5")->click();
        QCOMPARE(items("ComboBox1"), (QStringList{"-", "+", "~"}));
        button("BBox18")->click(); // still additions and subtractions only
        QCOMPARE(items("ComboBox1"), (QStringList{"-", "+", "~"}));
        button("BBox5")->click();
        QCOMPARE(items("ComboBox4"), (QStringList{"^", "~", "*"}));
        button("BBox18")->click();
        QCOMPARE(items("ComboBox2"), (QStringList{"+", "-", "~", "č"}));
        QCOMPARE(get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("~"));
    }

    void filterRelationLook_data()
    {
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QColor>("colour"); // invalid: the window-text colour
        QTest::addColumn<QString>("hint");
        QTest::newRow("=") << "=" << QColor(0x00, 0x80, 0xC0)
                           << "Odfiltruje zvolenou hodnotu z výsledku";
        QTest::newRow("<") << "<" << QColor() << "Všechny hodnoty budou větší než zvolená";
        QTest::newRow(">") << ">" << QColor() << "Všechny hodnoty budou menší než zvolená";
        QTest::newRow("<>") << "<>" << QColor(0xFF, 0x00, 0x00)
                            << "Odfiltruje rozdílné hodnoty,než zvolená";
    }
    void filterRelationLook()
    {
        QFETCH(QString, relation);
        QFETCH(QColor, colour);
        QFETCH(QString, hint);
        if (!colour.isValid())
            colour = windowText();
        auto *box = get<QComboBox>("ComboBox6");
        const auto verifyLook = [&](const char *how) {
            QVERIFY2(textColour(box, QPalette::Text) == colour, how);
            QVERIFY2(textColour(box, QPalette::ButtonText) == colour, how);
            QVERIFY2(box->statusTip() == hint, how);
        };
        // Typed,
        typeInto("ComboBox6", relation == "=" ? "<>" : "=");
        typeInto("ComboBox6", relation);
        verifyLook("typed");
        // chosen from the list,
        init();
        box = get<QComboBox>("ComboBox6");
        if (relation == "=") {
            QTest::keyClick(box, Qt::Key_Down); // so that Up comes back to it
            QTest::keyClick(box, Qt::Key_Up);
        }
        for (int i = 0; i < 3 && box->currentText() != relation; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), relation);
        verifyLook("chosen");
        // and through either of the two options.
        for (const char *option : {"BBox4", "BBox19"}) {
            init();
            box = get<QComboBox>("ComboBox6");
            box->setEditText(relation == "=" ? "<>" : "=");
            button(option)->click();
            box->setEditText(relation);
            button(option)->click();
            verifyLook(option);
        }
    }

    void otherFilterTextsChangeNothing()
    {
        auto *box = get<QComboBox>("ComboBox6");
        QCOMPARE(textColour(box, QPalette::Text), QColor(0x00, 0x80, 0xC0)); // the form's
        QCOMPARE(box->statusTip(), QStringLiteral("Akce filtru"));
        typeInto("ComboBox6", "<>");
        const auto verifyUnchanged = [&](const QString &text) {
            QVERIFY2(textColour(box, QPalette::Text) == QColor(0xFF, 0x00, 0x00), qPrintable(text));
            QVERIFY2(box->statusTip() == QStringLiteral("Odfiltruje rozdílné hodnoty,než zvolená"),
                     qPrintable(text));
        };
        for (const char *text : {"x", "x<>", "x="}) {
            typeInto("ComboBox6", text);
            verifyUnchanged(text);
        }
        for (const char *text : {"=<", "><", " =", "<> ", ""}) {
            box->setEditText(text);
            button("BBox19")->click();
            button("BBox4")->click();
            verifyUnchanged(text);
        }
    }

    void emptiedFilterValueIsZeroAtOnce()
    {
        auto *edit = get<QLineEdit>("Edit1");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QTest::keyClicks(edit, "5"); // the "0" put back is replaced, not joined
        QCOMPARE(edit->text(), QStringLiteral("5"));
        edit->clear();
        QCOMPARE(edit->text(), QStringLiteral("0"));
    }

    void slidersSetTheirGaugesAndHints()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *limit = get<QSlider>("TrackBar2");
        QTest::keyClick(limit, Qt::Key_PageUp);
        QCOMPARE(limit->statusTip(), QStringLiteral("Hranice generovacího procesu: 1100"));
        get<QWidget>("Edit1")->setFocus();
        limit->setValue(2500);
        QCOMPARE(limit->statusTip(), QStringLiteral("Hranice generovacího procesu: 2500"));
        QCOMPARE(get<TGauge>("Gauge1")->maximum(), 2500);
        QTRY_COMPARE(QApplication::focusWidget(), get<QWidget>("Edit2"));

        auto *count = get<QSlider>("TrackBar1");
        count->setValue(250);
        QCOMPARE(count->statusTip(), QStringLiteral("Vybráno : 250 příkladů"));
        QCOMPARE(get<TGauge>("Gauge2")->maximum(), 250);
        count->setValue(1);
        QCOMPARE(count->statusTip(), QStringLiteral("Vybráno : 1 příkladů"));
        QCOMPARE(get<TGauge>("Gauge2")->maximum(), 1);
    }

    void sliderUnderTheMouseShowsItsNewHint()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *limit = get<QSlider>("TrackBar2");
        auto *bar = get<TStatusBarPro>("StatusBarPro1");
        button("SB1")->click(); // the settings, where the slider sits
        // Through the window, so that the widget under the mouse gets its enter event.
        QTest::mouseMove(window->windowHandle(), QPoint(5, 5)); // the first move only places it
        QTest::qWait(50);
        QTest::mouseMove(window->windowHandle(),
                         limit->mapTo(window.get(), limit->rect().center()));
        QTRY_COMPARE(bar->panelText(0), QStringLiteral("Hranice generovacího procesu: 1000"));
        limit->setValue(4000);
        QCOMPARE(bar->panelText(0), QStringLiteral("Hranice generovacího procesu: 4000"));
        // A control away from the mouse changes its hint only.
        get<QSlider>("TrackBar1")->setValue(7);
        QCOMPARE(bar->panelText(0), QStringLiteral("Hranice generovacího procesu: 4000"));
    }

    void decimalSwitchesRegenerate()
    {
        for (const char *name : {"BBox2", "BBox1", "BBox2", "BBox1"}) {
            const int before = window->CandidateCounter();
            button(name)->click();
            QVERIFY2(window->CandidateCounter() > before, name);
        }
    }

    void formulasSwitchOpensExactlyItsControls()
    {
        const char *const opened[] = {"Panel5",    "SpinEdit3", "SpinEdit4", "SpinEdit10",
                                      "SpinEdit7", "SpinEdit8", "SpinEdit9", "CheckBox3",
                                      "CheckBox4", "CheckBox5", "ComboBox2", "ComboBox3",
                                      "ComboBox4", "BBox6"};
        const char *const others[] = {"S3",        "S4",        "S5",        "SpinEdit1",
                                      "SpinEdit5", "ComboBox1", "CheckBox1", "SpinEdit12"};
        QMap<QString, bool> before;
        for (const char *name : others)
            before[name] = get(name)->isEnabled();
        for (const char *name : opened)
            QVERIFY2(!get(name)->isEnabled(), name);

        int candidates = window->CandidateCounter();
        button("SB3")->click();
        QVERIFY(window->CandidateCounter() > candidates);
        for (const char *name : opened)
            QVERIFY2(get(name)->isEnabled(), name);
        for (const char *name : others)
            QVERIFY2(get(name)->isEnabled() == before[name], name);

        // Off while template 9 is chosen and the random choice is on.
        speed(9)->click();
        QVERIFY2(hasShape(example(), 9), qPrintable(example()));
        button("BBox6")->click();
        candidates = window->CandidateCounter();
        button("SB3")->click();
        QVERIFY(window->CandidateCounter() > candidates);
        QVERIFY2(hasShape(example(), 1), qPrintable(example()));
        QCOMPARE(pressed(), 1);
        QVERIFY(!button("BBox6")->isChecked());
        for (const char *name : opened)
            QVERIFY2(!get(name)->isEnabled(), name);
        for (const char *name : others)
            QVERIFY2(get(name)->isEnabled() == before[name], name);
        check("BBox7", false);
        for (int i = 0; i < 5; ++i) {
            next();
            QVERIFY2(hasShape(example(), 1), qPrintable(example()));
        }
        QCOMPARE(pressed(), 1); // template index 0 presses the first button
    }

    void pressedTemplateButtonRaisedKeepsTheTemplate()
    {
        button("SB3")->click();
        speed(4)->click();
        const QString text = example();
        const int candidates = window->CandidateCounter();
        QVERIFY2(hasShape(text, 4), qPrintable(text));
        speed(4)->click();
        QCOMPARE(pressed(), 0);
        QCOMPARE(window->CandidateCounter(), candidates);
        QCOMPARE(example(), text);
        next();
        QVERIFY2(hasShape(example(), 4), qPrintable(example()));
    }

    void templateCountShownBeside()
    {
        auto *count = spin("SpinEdit12");
        count->setValue(7);
        QCOMPARE(get<QLabel>("SText1")->text(), QStringLiteral("7"));
        count->selectAll();
        QTest::keyClicks(count, "12");
        QCOMPARE(count->value(), 12);
        QCOMPARE(get<QLabel>("SText1")->text(), QStringLiteral("12"));
    }

    void randomChoiceAmongFiveWithThePressedButtonFollowing()
    {
        button("SB3")->click();
        spin("SpinEdit12")->setValue(5);
        button("BBox6")->click();
        check("BBox7", false);
        QSet<int> seen;
        for (int i = 0; i < 40; ++i) {
            next();
            const int shape = shapeOf(example());
            QVERIFY2(shape >= 1 && shape <= 5, qPrintable(example()));
            QCOMPARE(pressed(), shape);
            seen.insert(shape);
        }
        QCOMPARE(seen, (QSet<int>{1, 2, 3, 4, 5}));
    }

    void colouredTemplateCaptions()
    {
        const QColor first = textColour(speed(1), QPalette::ButtonText);
        button("BBox17")->click();
        for (int i = 2; i <= 14; ++i)
            QVERIFY2(textColour(speed(i), QPalette::ButtonText) == templateColour(i),
                     qPrintable(speed(i)->text()));
        QCOMPARE(textColour(speed(1), QPalette::ButtonText), first);
        button("BBox17")->click();
        for (int i = 1; i <= 14; ++i)
            QVERIFY2(textColour(speed(i), QPalette::ButtonText) == (i == 1 ? first : windowText()),
                     qPrintable(speed(i)->text()));
    }

    void templatesGiveTheirExamples()
    {
        window->setRandSeed(20240611);
        button("SB3")->click();
        button("BBox17")->click();
        for (int i = 2; i <= 14; ++i) {
            speed(i)->click();
            QVERIFY2(hasShape(example(), i), qPrintable(example()));
            next();
            QVERIFY2(hasShape(example(), i), qPrintable(example()));
            // The example and its "=" take the template's colour.
            const QColor colour = templateColour(i);
            QVERIFY2(textColour(get("LabelF1"), QPalette::WindowText) == colour,
                     qPrintable(example()));
            QVERIFY2(textColour(get("Label3"), QPalette::WindowText) == colour,
                     qPrintable(example()));
        }
        // Without colours the example is in the window-text colour again.
        button("BBox17")->click();
        next();
        QCOMPARE(textColour(get("LabelF1"), QPalette::WindowText), windowText());
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<TNumlet> window;
    QStringList reported;
};

QTEST_MAIN(ParameterControlsTest)
#include "tst_parametercontrols.moc"
