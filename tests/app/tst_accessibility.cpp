// What a screen reader finds in the shown window: a name for every control a user can reach,
// unique among its neighbours; the example in words; what verdicts and a run's end announce; the
// gauges' values. (Qt delivers accessibility events only to a running assistive technology, so
// the announcements are read back from the label that carries them.)

#include "drill/drillwindow.h"
#include "widgets/tgauge.h"

#include <QAccessible>
#include <QCheckBox>
#include <QSpinBox>

namespace {

bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::ProgressBar:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Graphic:
    case QAccessible::StatusBar:
        return true;
    default:
        return false;
    }
}

// Every interactive control under the interface, as "parent path > name" problems.
void walk(QAccessibleInterface *iface, const QString &path, QStringList &problems, int &count)
{
    QHash<QString, QString> seen; // name -> object of the first with it
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        const QString object = child->object() ? child->object()->objectName() : QString();
        if (interactive(child->role())) {
            ++count;
            const QString name = child->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                problems << QStringLiteral("%1/%2: no name").arg(path, object);
            else if (seen.contains(name))
                problems << QStringLiteral("%1: %2 and %3 are both \"%4\"")
                                .arg(path, seen[name], object, name);
            else
                seen.insert(name, object);
        }
        walk(child, path + QLatin1Char('/') + object, problems, count);
    }
}

QString description(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}
QString name(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedOnceInItsGroup()
    {
        DrillWindow t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        // The settings panels too, which start hidden.
        t.button("SB1")->click();
        QStringList problems;
        int count = 0;
        walk(QAccessible::queryAccessibleInterface(&t.w), QString(), problems, count);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY2(count > 100, qPrintable(QString::number(count)));
        // Hints describe, with the shortcut; a value label says what its value is.
        QCOMPARE(description(t.get("SpeedButton3")),
                 QStringLiteral("Vygeneruje nové příklady (Ctrl+G)"));
        QCOMPARE(name(t.get("Label3D8")), QStringLiteral("Počet správných odpovědí: 0"));
        QCOMPARE(name(t.get("SpinEdit7")), QStringLiteral("Dolní mez 3. čísla"));
    }

    // Rows locked at their upper values make the example known in advance.
    void exampleIsDescribedInWords_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("operators");
        QTest::addColumn<int>("templateIndex");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("sum") << QList<int>{4, 8} << "+" << 1 << "4+8"
                             << "4 plus 8 je";
        QTest::newRow("product") << QList<int>{7, 6} << "*" << 1 << "7*6"
                                 << QStringLiteral("7 krát 6 je");
        QTest::newRow("brackets") << QList<int>{4, 8, 2} << "*-" << 3 << "(4*8)-2"
                                  << QStringLiteral(
                                         "levá závorka 4 krát 8 pravá závorka mínus 2 je");
        // The exponent comes from its own box, 3.
        QTest::newRow("power") << QList<int>{5} << "+" << 13 << "5^3"
                               << "5 na 3 je";
    }
    void exampleIsDescribedInWords()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QString, operators);
        QFETCH(int, templateIndex);
        QFETCH(QString, shown);
        QFETCH(QString, spoken);
        DrillWindow t;
        const char *const upper[] = {"SpinEdit1", "SpinEdit2", "SpinEdit3"};
        const char *const locks[] = {"CheckBox1", "CheckBox2", "CheckBox3"};
        const char *const slots_[] = {"ComboBox1", "ComboBox2"};
        if (templateIndex > 1)
            t.button("SB3")->click();
        for (int i = 0; i < rows.size(); ++i) {
            t.get<QSpinBox>(upper[i])->setValue(rows[i]);
            t.get<QCheckBox>(locks[i])->setChecked(true);
        }
        for (int i = 0; i < operators.size(); ++i) {
            QLineEdit *edit = t.get<QComboBox>(slots_[i])->lineEdit();
            edit->selectAll();
            QTest::keyClicks(edit, operators.mid(i, 1));
        }
        if (templateIndex > 1)
            t.button(qPrintable(QStringLiteral("Speed_%1").arg(templateIndex)))->click();
        t.button("SpeedButton9")->click();
        QCOMPARE(t.text("LabelF1"), shown);
        QCOMPARE(description(t.get("LabelF1")), spoken);
        // The answer field, which keeps the focus, tells it too.
        QCOMPARE(description(t.edit2()), spoken);
    }

    void verdictAndRunEndAreAnnounced()
    {
        DrillWindow t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        QWidget *message = t.get("Label1");
        // The form starts without results shown: the verdict alone.
        QVERIFY(!t.button("SB9")->isChecked());
        t.answer("4+8", "10");
        QCOMPARE(description(message), QStringLiteral("To je špatné řešení !!!"));
        t.button("SB9")->click();
        t.answer("4+8", "11");
        QCOMPARE(description(message),
                 QStringLiteral("To je špatné řešení !!! Správný výsledek je 12,00."));
        t.answer("4+8", "12");
        QCOMPARE(description(message),
                 QStringLiteral("To je správné řešení !!! Správný výsledek je 12,00."));
        t.name("Eva");
        t.button("SpeedButton6")->click();
        t.answer("2+3", "5");
        t.answer("2+3", "4");
        t.button("SpeedButton5")->click();
        QCOMPARE(description(message),
                 QStringLiteral("Konec zkoušení. Správně 1, chybně 1, úspěšnost 50,0 %, body "
                                "%1.")
                     .arg(t.text("Label3D15")));
    }

    void gaugeTellsItsValue()
    {
        DrillWindow t;
        auto *gauge = t.get<TGauge>("Gauge1");
        gauge->setMaximum(200);
        gauge->setValue(50);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(gauge);
        QCOMPARE(iface->role(), QAccessible::ProgressBar);
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), 50);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("25 %"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
