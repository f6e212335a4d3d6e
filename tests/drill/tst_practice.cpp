// Answers and verdicts in the real window: the answer field, judging with its failure paths,
// the verdict on screen, the counters, the points and the timers driven through their handlers.

#include "drillwindow.h"

#include "app/eventhook.h"
#include "widgets/tlsdirtreecombo28.h"
#include "widgets/tspinedit.h"

#include <QDir>
#include <QImage>

#include <QKeyEvent>

class PracticeTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void rightAndWrongVerdicts()
    {
        DrillWindow t;
        // A rejected candidate clears the status panel; without constraints none is rejected.
        t.setDown("BBox4", false);
        t.answer("12+7", "19");
        QCOMPARE(t.text("Label1"), QStringLiteral("To je správné řešení !!!"));
        QCOMPARE(t.get<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(t.picture(), VerdictPicture);
        QVERIFY(t.timer("Timer2")->isActive());
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D10"), QStringLiteral("99"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("100,0 %"));
        QCOMPARE(t.status(), QStringLiteral(" No error "));
        QCOMPARE(t.text("Label8"), QStringLiteral("0"));
        QCOMPARE(t.text("Label10"), QStringLiteral("100"));
        QCOMPARE(t.edit2()->text(), QString());
        QVERIFY(t.text("LabelF1") != QLatin1String("12+7")); // the next example
        QCOMPARE(t.rows(), QStringList()); // right answers are not logged with SB11 up
        QCOMPARE(t.text("Label3D15"), QStringLiteral("0")); // no points outside a run

        t.invoke("Timer2Timer");
        t.answer("5-3", "1");
        QCOMPARE(t.text("Label1"), QStringLiteral("To je špatné řešení !!!"));
        QCOMPARE(t.get<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(t.picture(), VerdictPicture);
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("50,0 %"));
        QCOMPARE(t.rows(), QStringList{"1|1|5-3=1"});

        // Two of three.
        t.answer("3*3", "9");
        QCOMPARE(t.text("Label3D12"), QStringLiteral("66,7 %"));
        QVERIFY(t.errors.isEmpty());
    }

    void readingAnswers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome"); // right, wrong or unread
        QTest::newRow("cs 2,5") << "cs_CZ"
                                << "5/2"
                                << "2,5"
                                << "right";
        QTest::newRow("cs 2,50") << "cs_CZ"
                                 << "5/2"
                                 << "2,50"
                                 << "right";
        QTest::newRow("cs 2.5") << "cs_CZ"
                                << "5/2"
                                << "2.5"
                                << "unread";
        QTest::newRow("cs 2,499") << "cs_CZ"
                                  << "5/2"
                                  << "2,499"
                                  << "wrong";
        QTest::newRow("en 2,5") << "en_US"
                                << "5/2"
                                << "2,5"
                                << "right";
        QTest::newRow("en 2,50") << "en_US"
                                 << "5/2"
                                 << "2,50"
                                 << "right";
        QTest::newRow("en 2.5") << "en_US"
                                << "5/2"
                                << "2.5"
                                << "right";
        QTest::newRow("en 2,499") << "en_US"
                                  << "5/2"
                                  << "2,499"
                                  << "wrong";
        QTest::newRow("2/3 is 0,67") << "cs_CZ"
                                     << "2/3"
                                     << "0,67"
                                     << "right";
        QTest::newRow("2/3 0,670") << "cs_CZ"
                                   << "2/3"
                                   << "0,670"
                                   << "right";
        QTest::newRow("2/3 0,66") << "cs_CZ"
                                  << "2/3"
                                  << "0,66"
                                  << "wrong";
        QTest::newRow("2/3 0,667") << "cs_CZ"
                                   << "2/3"
                                   << "0,667"
                                   << "wrong";
        QTest::newRow("1/8 is 0,13") << "cs_CZ"
                                     << "1/8"
                                     << "0,13"
                                     << "right";
        QTest::newRow("1/8 0,12") << "cs_CZ"
                                  << "1/8"
                                  << "0,12"
                                  << "wrong";
        QTest::newRow("decimal example") << "cs_CZ"
                                         << "2,5+1"
                                         << "3,5"
                                         << "right";
        QTest::newRow("1,2,3") << "cs_CZ"
                               << "1+2"
                               << "1,2,3"
                               << "unread";
        QTest::newRow("1-2") << "cs_CZ"
                             << "1+2"
                             << "1-2"
                             << "unread";
        // Typed letters never reach the field.
        QTest::newRow("letters filtered") << "cs_CZ"
                                          << "12+7"
                                          << "1x9"
                                          << "right";
    }
    void readingAnswers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, example);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        DrillWindow t{QLocale(locale)};
        t.answer(example, typed);
        QCOMPARE(t.text("Label3D8"), QString(outcome == "right" ? "1" : "0"));
        QCOMPARE(t.text("Label3D9"), QString(outcome == "wrong" ? "1" : "0"));
        QCOMPARE(t.text("Label8"), QStringLiteral("0"));
        QVERIFY(t.errors.isEmpty());
        if (outcome == "unread") {
            // No verdict, no message; the example and the typed text stay.
            QCOMPARE(t.text("Label1"), QString());
            QCOMPARE(t.text("LabelF1"), example);
            QCOMPARE(t.edit2()->text(), typed);
            QVERIFY(t.picture() != VerdictPicture);
        }
    }

    void unansweredCountsWrongWithoutNewFigures_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("minus") << "-";
    }
    void unansweredCountsWrongWithoutNewFigures()
    {
        QFETCH(QString, typed);
        DrillWindow t;
        t.answer("2+2", "4");
        t.answer("5-3", typed);
        QCOMPARE(t.rows(), QStringList{"1|1|5-3="});
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));
        // Remaining count and rate wait for the next judged answer.
        QCOMPARE(t.text("Label3D10"), QStringLiteral("99"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("100,0 %"));
        QCOMPARE(t.picture(), AboutPicture);
        QCOMPARE(t.text("Label1"), QString());
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0"));
        QCOMPARE(t.edit2()->text(), QString());
        QVERIFY(t.text("LabelF1") != QLatin1String("5-3"));
        t.answer("1+1", "2");
        QCOMPARE(t.text("Label3D10"), QStringLiteral("97"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("66,7 %"));
    }

    void rightAnswersLoggedOnlyWithSB11()
    {
        DrillWindow t;
        t.answer("1+1", "2");
        t.setDown("SB11", true);
        t.answer("12+7", "19");
        t.answer("2+2", "5");
        QCOMPARE(t.rows(), (QStringList{"1|0|12+7=19", "2|1|2+2=5"}));
    }

    void evaluationErrorGivesNoVerdict()
    {
        DrillWindow t;
        t.setDown("BBox4", false);
        t.answer("5/0", "1");
        QCOMPARE(t.status(), QStringLiteral(" Division by zero"));
        QCOMPARE(t.text("Label1"), QString());
        QCOMPARE(t.text("Label3D9"), QStringLiteral("0"));
        QVERIFY(t.text("LabelF1") != QLatin1String("5/0"));
        // Nothing judged yet: no rate, and the answer stays.
        QCOMPARE(t.text("Label3D12"), QStringLiteral("0"));
        QCOMPARE(t.edit2()->text(), QStringLiteral("1"));
        QVERIFY(t.errors.isEmpty());
        t.answer("1+2", "3");
        QCOMPARE(t.status(), QStringLiteral(" No error "));
    }

    void practiceStopsAtTheExampleCount()
    {
        DrillWindow t;
        t.setExampleCount(3);
        t.answer("1+1", "2");
        t.answer("1+2", "3");
        t.answer("1+3", "5");
        QCOMPARE(t.text("Label3D10"), QStringLiteral("0"));
        // The fourth Enter runs Stop instead of judging.
        t.answer("1+4", "5");
        QCOMPARE(t.w.Drill().RightCount, 0);
        QCOMPARE(t.w.Drill().WrongCount, 0);
        QCOMPARE(t.edit2()->text(), QStringLiteral("5"));
        QCOMPARE(t.text("LabelF1"), QStringLiteral("1+4"));
        QCOMPARE(t.text("Label3D8"), QStringLiteral("2"));
        QCOMPARE(t.text("Label10"), QStringLiteral("3"));
        QTest::keyClick(t.edit2(), Qt::Key_Enter); // the keypad's Enter judges too
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D10"), QStringLiteral("2"));
    }

    void timeOutRunWithLimitTen()
    {
        DrillWindow t;
        t.setDown("BBox4", false); // every first candidate is accepted: no tick is reset
        t.name("Anna");
        t.button("SpeedButton6")->click();
        QVERIFY(t.timer("Timer3")->isActive());
        const QString first = t.text("LabelF1");
        t.ticks("Timer3Timer", 9);
        QCOMPARE(t.text("Label3D9"), QStringLiteral("0"));
        t.ticks("Timer3Timer", 1);
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));
        QCOMPARE(t.rows(), QStringList{"0|1|" + first + "="});
        QVERIFY(t.text("LabelF1") != first);
        QVERIFY(t.timer("Timer2")->isActive());
        QCOMPARE(t.w.Drill().AnswerTicks, 10);
        QVERIFY(t.w.Drill().RunActive);

        // Nothing submitted before the eleventh tick: the run ends, with its final figures.
        t.ticks("Timer3Timer", 1);
        QVERIFY(!t.w.Drill().RunActive);
        QVERIFY(!t.timer("Timer1")->isActive());
        QVERIFY(!t.timer("Timer3")->isActive());
        QCOMPARE(t.text("Label3D10"), QStringLiteral("99"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("0,0 %"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-25"));
        QCOMPARE(t.rows().size(), 1);

        // The first Enter afterwards is not judged, the next one is.
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D8"), QStringLiteral("0"));
        QCOMPARE(t.edit2()->text(), QStringLiteral("4"));
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
        QVERIFY(t.errors.isEmpty());
    }

    void runEndingAfterUnansweredShowsAllItsExamples()
    {
        DrillWindow t;
        t.name("Anna");
        t.setExampleCount(2);
        t.button("SpeedButton6")->click();
        t.answer("2+3", "5");
        QCOMPARE(t.text("Label3D12"), QStringLiteral("100,0 %"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("6"));
        t.ticks("Timer1Timer", 4);
        t.ticks("Timer3Timer", 10); // the second example times out
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("100,0 %"));
        t.answer("1+1", "2"); // ends the run instead of being judged
        QVERIFY(!t.w.Drill().RunActive);
        QCOMPARE(t.text("Label3D10"), QStringLiteral("0"));
        QCOMPARE(t.text("Label3D12"), QStringLiteral("50,0 %"));
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-23")); // 1 + 5 - 25 - 4
        QCOMPARE(t.text("Label3D16"), QStringLiteral("6"));
    }

    void pointsAndBestPoints()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.ticks("Timer1Timer", 30);
        t.answer("1+1", "3");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-55"));
        QCOMPARE(t.text("Label3D16"), QStringLiteral("-55")); // "0" takes negative points too
        for (int i = 0; i < 4; ++i)
            t.answer("1+1", "2");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-31")); // 4 + 20 - 25 - 30
        QCOMPARE(t.text("Label3D16"), QStringLiteral("-31"));

        // A new run starts from zero and keeps the best.
        t.button("SpeedButton5")->click();
        t.button("SpeedButton6")->click();
        QCOMPARE(t.text("Label3D15"), QStringLiteral("0"));
        QCOMPARE(t.text("Label3D16"), QStringLiteral("-31"));
        t.ticks("Timer1Timer", 1);
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("5"));
        QCOMPARE(t.text("Label3D16"), QStringLiteral("5"));
        t.ticks("Timer1Timer", 20);
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-9"));
        QCOMPARE(t.text("Label3D16"), QStringLiteral("5"));

        // Best points that are not a number: shown points, best kept, the answer stays.
        t.get<QLabel>("Label3D16")->setText(QStringLiteral("abc"));
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("-3"));
        QCOMPARE(t.text("Label3D16"), QStringLiteral("abc"));
        QCOMPARE(t.edit2()->text(), QStringLiteral("4"));

        // Random formulas give the larger bonus.
        t.get<QLabel>("Label3D16")->setText(QStringLiteral("0"));
        t.get<QAbstractButton>("BBox6")->setChecked(true);
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D15"), QStringLiteral("123")); // 4 + 140 - 21
    }

    void fullResultInSmallerType()
    {
        DrillWindow t;
        t.setDown("SB9", true);
        t.setDown("SB19", true);
        t.answer("1/3", "0,33");
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0,333333333333333"));
        QCOMPARE(t.get<QLabel>("Label3D1")->font().pointSize(), 12);
        t.invoke("Timer2Timer");
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0"));
        QCOMPARE(t.get<QLabel>("Label3D1")->font().pointSize(), 16);
        QCOMPARE(t.text("Label1"), QString());
        QCOMPARE(t.picture(), AboutPicture);
        QVERIFY(!t.timer("Timer2")->isActive());

        t.answer("1/4", "0,25");
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0,25"));
        QCOMPARE(t.get<QLabel>("Label3D1")->font().pointSize(), 16);
        t.setDown("SB19", false);
        t.answer("2/3", "1");
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0,67"));
        t.setDown("SB9", false);
        t.invoke("Timer2Timer");
        t.answer("2/3", "1");
        QCOMPARE(t.text("Label3D1"), QStringLiteral("0"));
    }

    void verdictTimerKeepsItsInterval()
    {
        DrillWindow t;
        QTimer *timer2 = t.timer("Timer2");
        t.answer("1+1", "2");
        QVERIFY(timer2->isActive());
        QTest::qWait(200);
        t.answer("1+2", "4");
        // A restarted interval would have a full second left.
        QVERIFY2(timer2->remainingTime() <= 850,
                 qPrintable(QString::number(timer2->remainingTime())));
        QCOMPARE(t.text("Label1"), QStringLiteral("To je špatné řešení !!!"));
        t.invoke("Timer2Timer"); // one second after the first: the second verdict goes early
        QCOMPARE(t.text("Label1"), QString());
        QVERIFY(!timer2->isActive());
    }

    void failingFolderPictureStopsTheVerdictTimer()
    {
        DrillWindow t;
        const QString picture = t.dir.filePath("pictures/a.jpg");
        QVERIFY(QDir().mkpath(t.dir.filePath("pictures")));
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture, "JPG"));
        QVERIFY(t.get<TLsDirTreeCombo28>("DirTree")->setSelectedPath(t.dir.filePath("pictures")));
        t.button("SB10")->click();
        QFile broken(picture);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();

        t.answer("1+1", "2");
        QVERIFY(QMetaObject::invokeMethod(t.timer("Timer2"), "timeout"));
        QCOMPARE(t.errors.size(), 1);
        QVERIFY(!t.timer("Timer2")->isActive()); // no new error box every second
        QCOMPARE(t.text("Label1"), QString());
    }

    void enterSwallowsTheFilterValueErrorButTheAnswerTimerReportsIt()
    {
        DrillWindow t;
        t.name("Anna");
        t.button("SpeedButton6")->click();
        t.get<QAbstractButton>("BBox19")->setChecked(true);
        t.get<QLineEdit>("Edit1")->setText(QStringLiteral("-"));
        t.answer("2+2", "4");
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
        QCOMPARE(t.edit2()->text(), QStringLiteral("4")); // judging stopped at the next example
        QCOMPARE(t.text("Label8"), QStringLiteral("0"));
        QCOMPARE(t.errors, QStringList());

        // The answer timer's own next example reports the error (through the timer, as it runs).
        t.get<TSpinEdit>("SpinEdit13")->setValue(1);
        QVERIFY(QMetaObject::invokeMethod(t.timer("Timer3"), "timeout"));
        QCOMPARE(t.errors, QStringList{"'-' is not a valid floating point value"});
    }

    void answerLimitReadFromItsText()
    {
        DrillWindow t;
        auto *limit = t.get<TSpinEdit>("SpinEdit13");
        QLineEdit *text = limit->findChild<QLineEdit *>();
        t.name("Anna");
        text->setText(QStringLiteral("0"));
        t.button("SpeedButton6")->click();
        QVERIFY(t.timer("Timer1")->isActive());
        QVERIFY(!t.timer("Timer3")->isActive());
        t.button("SpeedButton5")->click();

        text->setText(QStringLiteral("x")); // not a number: the minimum, 1
        t.button("SpeedButton6")->click();
        QVERIFY(t.timer("Timer3")->isActive());
        t.invoke("Timer3Timer");
        QCOMPARE(t.text("Label3D9"), QStringLiteral("1"));

        t.button("SB14")->click();
        QVERIFY(!limit->isEnabled());
        t.button("SB14")->click();
        QVERIFY(limit->isEnabled());
    }

    void answerFieldFilterAndEnter()
    {
        DrillWindow t;
        QLineEdit *edit = t.edit2();
        QTest::keyClicks(edit, "1a2 ,b-+.3e");
        QCOMPARE(edit->text(), QStringLiteral("12,-.3"));
        QCOMPARE(t.text("Label8"), QStringLiteral("12,-.3"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("12,-."));
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("2,-."));

        // Enter goes no further than the answer field.
        int entersAbove = 0;
        EventHook::install(t.get<QWidget>("Panel1"), QEvent::KeyPress, [&](QEvent *event) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            entersAbove += key == Qt::Key_Return || key == Qt::Key_Enter;
        });
        t.answer("1+1", "2");
        QCOMPARE(entersAbove, 0);
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));

        // The filter value shares the filter.
        QLineEdit *filter = t.get<QLineEdit>("Edit1");
        filter->clear();
        QTest::keyClicks(filter, "x-2,5y");
        QCOMPARE(filter->text(), QStringLiteral("-2,5"));
    }

    void judgingShowsTheEvaluationTextInTheCalculator()
    {
        DrillWindow t;
        t.button("SpeedButton7")->click();
        t.answer("1,5*2", "3");
        QCOMPARE(t.get<QLineEdit>("EditExp1")->text(), QStringLiteral("1.5*2"));
        QCOMPARE(t.text("Label3D8"), QStringLiteral("1"));
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
