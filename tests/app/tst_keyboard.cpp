// The window with the keyboard alone: a whole examination run and a worksheet driven by keys, the
// tab order, and the focus shown on every control that takes it.

#include "editexp/evaluator.h"
#include "worksheet/worksheetwindow.h"

#include <QSlider>

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), Qt::Key(k), modifiers);
}

// Tab until the control has the focus; false when a whole round missed it.
bool tabTo(QWidget *control)
{
    for (int i = 0; i < 200 && focused() != control && !control->isAncestorOf(focused()); ++i)
        key(Qt::Key_Tab);
    return focused() == control || control->isAncestorOf(focused());
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

    static void showActive(DrillWindow &t)
    {
        t.w.show();
        QApplication::setActiveWindow(&t.w);
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
    }

private slots:
    void examinationRunWithKeysAlone()
    {
        WorksheetWindow t;
        showActive(t);
        // Ten examples: the slider from its minimum up.
        auto *count = t.get<QSlider>("TrackBar1");
        QVERIFY(tabTo(count));
        key(Qt::Key_Home);
        for (int i = 0; i < 9; ++i)
            key(Qt::Key_Up);
        QCOMPARE(count->value(), 10);
        // The name box is on the worksheet page.
        key(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(focused(), t.edit2());
        key(Qt::Key_Tab);
        QCOMPARE(focused(), t.get("ComboBox7"));
        QTest::keyClicks(focused(), "Eva");
        key(Qt::Key_1, Qt::ControlModifier);

        key(Qt::Key_F9);
        QVERIFY(t.w.Drill().RunActive);
        QCOMPARE(focused(), t.edit2());
        for (int i = 0; i < 10; ++i) {
            const QString example = t.text("LabelF1");
            const EvalResult result = Evaluate(example.toStdString());
            QCOMPARE(result.code, 0);
            // Every other answer is wrong.
            QTest::keyClicks(focused(), QString::number(result.value + i % 2));
            key(Qt::Key_Return);
            QCOMPARE(focused(), t.edit2()); // the next answer goes straight in
        }
        QCOMPARE(t.text("Label3D8"), QStringLiteral("5"));
        QCOMPARE(t.text("Label3D9"), QStringLiteral("5"));
        key(Qt::Key_Escape);
        QVERIFY(!t.w.Drill().RunActive);

        // The log of the wrong answers goes into the pupil's file.
        key(Qt::Key_L, Qt::ControlModifier);
        const QStringList log = QString::fromLatin1(t.file("Eva.nlx")).split("\r\n");
        QCOMPARE(log.size(), 6); // five lines and the end of the last
        QVERIFY(log[0].contains(QLatin1Char('=')));
        QCOMPARE(t.errors, QStringList());
    }

    void worksheetWithKeysAlone()
    {
        WorksheetWindow t;
        showActive(t);
        t.get<QSlider>("TrackBar1")->setValue(5);
        key(Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(t.get<QTabWidget>("PageControl1")->currentIndex(), 1);
        QCOMPARE(t.list()->count(), 5);
        const QString first = t.list()->item(0)->text();
        key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(t.list()->item(0)->text() != first); // computed: the result stands beside it
        t.choice = t.dir.filePath("list.nlx");
        key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(t.file("list.nlx").startsWith(t.list()->item(0)->text().toLatin1()));
        QCOMPARE(t.errors, QStringList());
    }

    // The parameters top to bottom, then the page's controls, the status bar last.
    void tabOrderReadsTheWindow()
    {
        DrillWindow t;
        showActive(t);
        t.name("Eva"); // Start takes the focus only with a name
        t.get("SpinEdit5")->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int i = 0; i < 40 && reached.size() < 40; ++i) {
            QWidget *w = focused();
            while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
                w = w->parentWidget();
            const QString name = w ? w->objectName() : QString();
            if (reached.isEmpty() || reached.last() != name)
                reached << name;
            key(Qt::Key_Tab);
        }
        const QStringList expected = {"SpinEdit5",
                                      "SpinEdit1",
                                      "CheckBox1",
                                      "S1",
                                      "SpinEdit6",
                                      "SpinEdit2",
                                      "CheckBox2",
                                      "S2",
                                      "S3",
                                      "S4",
                                      "S5",
                                      "TrackBar1",
                                      "ComboBox1",
                                      "BBox2",
                                      "BBox1",
                                      "BBox3",
                                      "BBox21",
                                      "BBox4",
                                      "BBox5",
                                      "SpeedButton9",
                                      "SB1",
                                      "PageControl1",
                                      "Edit2",
                                      "SpeedButton6",
                                      "SpeedButton5",
                                      "SpeedButton1",
                                      "SpeedButton15",
                                      "ListBox1",
                                      "ListBox2",
                                      "SpeedButton12",
                                      "StatusBarPro1",
                                      "SpeedButton7",
                                      "SpinEdit5"};
        QCOMPARE(reached.mid(0, expected.size()), expected);
        // Hints reach a keyboard user too, with the shortcut.
        t.get("SpeedButton9")->setFocus(Qt::TabFocusReason);
        QCOMPARE(t.status(), QStringLiteral("Vygenerovat další příklad (Ctrl+N)"));
    }

    // Each control shows that it has the focus: it looks different with it.
    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"BBox2", "SpinEdit1", "Edit2", "TrackBar1", "TrackBar2", "ListBox1", "DirTree",
              "StatusBarPro1", "SpeedButton9", "SB8", "EditExp1", "ComboBox1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void focusIsVisible()
    {
        QFETCH(QString, control);
        DrillWindow t;
        showActive(t);
        t.button("SB1")->click();          // the settings
        t.button("SpeedButton7")->click(); // the calculator field
        QWidget *w = t.get(qPrintable(control));
        QVERIFY(w->isVisible());
        t.get("SpeedButton12")->setFocus(Qt::TabFocusReason);
        t.w.setAttribute(Qt::WA_KeyboardFocusChange);
        const QImage before = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QVERIFY(w->hasFocus() || w->isAncestorOf(focused()));
        QVERIFY(w->grab().toImage() != before);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
