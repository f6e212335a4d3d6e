// Examination runs in the real window: the name box and Start, a whole run with its statistics
// and log, Stop, saving the log with its exact bytes, the status-bar Stop and keyboard use.

#include "drillwindow.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

class ExaminationTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void nameEnablesStartAndSaving()
    {
        DrillWindow t;
        QVERIFY(!t.button("SpeedButton6")->isEnabled());
        QVERIFY(t.button("SpeedButton1")->isEnabled());
        t.name("A");
        QVERIFY(t.button("SpeedButton6")->isEnabled());
        QVERIFY(t.button("SpeedButton1")->isEnabled());
        t.name("");
        QVERIFY(!t.button("SpeedButton6")->isEnabled());
        QVERIFY(!t.button("SpeedButton1")->isEnabled());
        auto *box = t.get<QComboBox>("ComboBox7");
        box->addItem(QStringLiteral("Bára"));
        box->setCurrentIndex(-1);
        box->activated(0); // chosen from the list
        box->setCurrentIndex(0);
        t.invoke("ComboBox7Change");
        QVERIFY(t.button("SpeedButton6")->isEnabled());
    }

    void wholeExamination()
    {
        DrillWindow t;
        t.answer("1+1", "3"); // practice before the run leaves a row
        t.setExampleCount(5);
        t.setDown("SB11", true);
        t.setDown("SB1", true);
        t.setDown("SpeedButton7", true);
        t.name("Anna");
        t.w.show();
        t.button("SpeedButton6")->click();

        // Running: settings and calculator closed, parameters and Start locked.
        QVERIFY(t.w.Drill().RunActive);
        QVERIFY(t.timer("Timer1")->isActive());
        QVERIFY(t.timer("Timer3")->isActive());
        QVERIFY(!t.button("SB1")->isChecked());
        QVERIFY(!t.get<QWidget>("Panel8")->isVisible());
        QVERIFY(!t.button("SpeedButton7")->isChecked());
        QVERIFY(!t.button("SpeedButton7")->isEnabled());
        QCOMPARE(t.get<QWidget>("EditExp1")->width(), 0);
        QVERIFY(!t.get<QWidget>("Panel7")->isEnabled());
        QVERIFY(!t.button("SpeedButton6")->isEnabled());
        QCOMPARE(t.text("Label3D7"), QStringLiteral("5"));
        QCOMPARE(t.text("Label3D9"), QStringLiteral("0"));
        QCOMPARE(t.text("Label3D14"), QStringLiteral("0:00:00"));
        QCOMPARE(t.rows(), QStringList());
        QCOMPARE(QApplication::focusWidget(), t.edit2());

        t.answer("12+7", "19");
        t.answer("5-3", "");
        t.answer("6*7", "42");
        t.answer("9/3", "4");
        t.ticks("Timer1Timer", 7);
        t.answer("2,5+1", "3,5");
        QCOMPARE(t.rows(), (QStringList{"0|0|12+7=19", "1|1|5-3=", "2|0|6*7=42", "3|1|9/3=4",
                                        "4|0|2,5+1=3,5"}));
        QCOMPARE(t.text("Label3D8"), QStringLiteral("3"));
        QCOMPARE(t.text("Label3D9"), QStringLiteral("2"));
        QCOMPARE(t.text("Label3D10"), QStringLiteral("0"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("60,0 %"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-39")); // 3 + 15 - 50 - 7
        QCOMPARE(t.text("Label3D16"), QStringLiteral("6"));   // after the first answer
        QVERIFY(t.w.Drill().RunActive);

        // The next Enter ends the run without judging; the figures stay on view.
        t.answer("1+1", "2");
        QVERIFY(!t.w.Drill().RunActive);
        QVERIFY(!t.timer("Timer1")->isActive());
        QVERIFY(!t.timer("Timer3")->isActive());
        QVERIFY(t.button("SpeedButton6")->isEnabled());
        QVERIFY(t.button("SpeedButton7")->isEnabled());
        QVERIFY(t.get<QWidget>("Panel7")->isEnabled());
        QCOMPARE(t.text("Label3D8"), QStringLiteral("3"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-39"));
        QCOMPARE(t.rows().size(), 5);

        t.button("SpeedButton1")->click();
        QCOMPARE(t.file("Anna.nlx"),
                 QByteArray("12+7=19\r\n5-3=\r\n6*7=42\r\n9/3=4\r\n2,5+1=3,5\r\n"));
        QCOMPARE(t.questions, QStringList());
        QCOMPARE(t.errors, QStringList());
    }

    void savedLogOfOneRightAndOneUnanswered()
    {
        DrillWindow t;
        t.setDown("SB11", true);
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.answer("12+7", "19");
        t.answer("5-3", "-");
        t.button("SpeedButton1")->click();
        QCOMPARE(t.file("Anna.nlx"), QByteArray("12+7=19\r\n5-3=\r\n"));
    }

    void savingAsksBeforeReplacing()
    {
        DrillWindow t;
        t.name("Anna");
        t.answer("9/3", "4");
        QFile old(t.dir.filePath("Anna.nlx"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("1+1=\r\n");
        old.close();

        t.answerYes = false;
        t.button("SpeedButton1")->click();
        QCOMPARE(t.questions,
                 QStringList{"Soubor " + QDir::toNativeSeparators(t.dir.filePath("Anna.nlx")) +
                             " již existuje. Přepsat?"});
        QCOMPARE(t.file("Anna.nlx"), QByteArray("1+1=\r\n"));
        t.answerYes = true;
        t.button("SpeedButton1")->click();
        QCOMPARE(t.file("Anna.nlx"), QByteArray("9/3=4\r\n")); // a single row is written too
    }

    void emptyLogWritesNothing()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton1")->click();
        QCOMPARE(t.file("Anna.nlx"), QByteArray("<none>"));
        QFile old(t.dir.filePath("Anna.nlx"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("kept");
        old.close();
        t.button("SpeedButton1")->click();
        QCOMPARE(t.file("Anna.nlx"), QByteArray("kept"));
        QCOMPARE(t.questions, QStringList());
    }

    void nameNeverWritesOutsideTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../evil";
        QTest::newRow("sub-folder") << "sub/evil";
        QTest::newRow("backslash") << "..\\evil";
        QTest::newRow("drive") << "C:evil";
        QTest::newRow("device") << "CON";
    }
    void nameNeverWritesOutsideTheFolder()
    {
        QFETCH(QString, name);
        DrillWindow t(QLocale(QLocale::Czech, QLocale::Czechia), "program");
        QVERIFY(QDir().mkpath(t.folder + "/sub"));
        t.get<QComboBox>("ComboBox7")->setEditText(name);
        t.answer("1+1", "3");
        t.button("SpeedButton1")->click();
        QCOMPARE(t.errors, QStringList{"Cannot create file " +
                                       QDir::toNativeSeparators(t.folder + "/" + name + ".nlx")});
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(t.folder).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(t.folder + "/sub").entryList(QDir::Files), QStringList());
    }

    void unwritableFolderIsReported()
    {
        DrillWindow t(QLocale(QLocale::Czech, QLocale::Czechia), "gone");
        t.name("Anna");
        t.answer("1+1", "3");
        t.button("SpeedButton1")->click();
        QCOMPARE(t.errors, QStringList{"Cannot create file " +
                                       QDir::toNativeSeparators(t.folder + "/Anna.nlx")});
        QCOMPARE(t.rows().size(), 1);
    }

    void stopWhileIdle()
    {
        DrillWindow t;
        t.answer("1+1", "2");
        t.answer("1+1", "3");
        QCOMPARE(t.picture(), VerdictPicture);
        t.button("SpeedButton5")->click();
        QCOMPARE(t.w.Drill().RightCount, 0);
        QCOMPARE(t.w.Drill().WrongCount, 0);
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));
        QCOMPARE(t.picture(), AboutPicture); // no name: Start is disabled
        QVERIFY(!t.button("SpeedButton6")->isEnabled());
        QCOMPARE(t.rows().size(), 1);
    }

    void newNumberOfExamplesEndsTheRun()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.answer("1+1", "3");
        QVERIFY(t.w.Drill().RunActive);
        t.get<QSlider>("TrackBar1")->setValue(20);
        QVERIFY(!t.w.Drill().RunActive);
        QVERIFY(!t.timer("Timer1")->isActive());
        QCOMPARE(t.w.Drill().WrongCount, 0);
        QVERIFY(t.get<QWidget>("Panel7")->isEnabled());
        QVERIFY(t.button("SpeedButton6")->isEnabled());
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1")); // the figures stay on view
    }

    void renamingDuringARunAllowsARestart()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.answer("1+1", "3");
        QVERIFY(!t.button("SpeedButton6")->isEnabled());
        t.name("Bara");
        QVERIFY(t.button("SpeedButton6")->isEnabled());
        t.button("SpeedButton6")->click();
        QVERIFY(t.w.Drill().RunActive);
        QCOMPARE(t.rows(), QStringList());
        QCOMPARE(t.text("Label3D9"), QStringLiteral("0"));
    }

    void statusBarStopLeavesTheRunGoing()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.get<QAbstractButton>("BBox6")->setChecked(true);
        t.get<QAbstractButton>("BBox19")->setChecked(true);
        t.get<QWidget>("Label3D25")->setProperty("text", "Probíhá výpočet");
        t.edit2()->resize(0, t.edit2()->height());
        t.button("SpeedButton12")->click();
        QCOMPARE(t.w.Drill().stopRequest, -1);
        QVERIFY(!t.get<QAbstractButton>("BBox6")->isChecked());
        QVERIFY(!t.get<QAbstractButton>("BBox19")->isChecked());
        QCOMPARE(t.edit2()->width(), 126);
        QCOMPARE(t.text("Label3D25"), QString());
        QVERIFY(t.w.Drill().RunActive);
        QVERIFY(t.timer("Timer1")->isActive());
        QVERIFY(t.timer("Timer3")->isActive());
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
    }

    void keyboardOnly()
    {
        DrillWindow t;
        t.w.show();
        QApplication::setActiveWindow(&t.w);
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
        t.name("Anna");
        t.edit2()->setFocus();
        const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
        tab();
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("SpeedButton6"));
        tab();
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("SpeedButton5"));
        tab();
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("SpeedButton1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("SpeedButton6"));

        // Enter on Start starts the run and hands the focus to the answer field.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(t.w.Drill().RunActive);
        QCOMPARE(QApplication::focusWidget(), t.edit2());
        tab(); // Start is locked now: straight to Stop
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("SpeedButton5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!t.w.Drill().RunActive);

        // On the worksheet page the answer field leads to the name box.
        t.get<QTabWidget>("PageControl1")->setCurrentIndex(1);
        t.edit2()->setFocus();
        tab();
        QCOMPARE(QApplication::focusWidget(), t.get<QWidget>("ComboBox7"));
    }
};

QTEST_MAIN(ExaminationTest)
#include "tst_examination.moc"
