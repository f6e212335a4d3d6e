// The rules of judging and scoring, without a window: reading answers against the two-decimal
// result, the success rate, points and the best points, the end of a run.

#include "drill/scoring.h"
#include "drill/verdict.h"

#include <QTest>

Q_DECLARE_METATYPE(Verdict)

class ScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void judging_data()
    {
        QTest::addColumn<QString>("result"); // as the result display shows it
        QTest::addColumn<QString>("typed");
        QTest::addColumn<char>("sep");
        QTest::addColumn<Verdict>("verdict");
        const Verdict right = Verdict::Right, wrong = Verdict::Wrong,
                      unreadable = Verdict::Unreadable;
        QTest::newRow("cs 2,5") << "2,50"
                                << "2,5" << ',' << right;
        QTest::newRow("cs 2,50") << "2,50"
                                 << "2,50" << ',' << right;
        QTest::newRow("cs 2.5 unreadable") << "2,50"
                                           << "2.5" << ',' << unreadable;
        QTest::newRow("cs 2,499") << "2,50"
                                  << "2,499" << ',' << wrong;
        QTest::newRow("en 2,5 is 2.5") << "2.50"
                                       << "2,5" << '.' << right;
        QTest::newRow("en 2,50") << "2.50"
                                 << "2,50" << '.' << right;
        QTest::newRow("en 2.5") << "2.50"
                                << "2.5" << '.' << right;
        QTest::newRow("en 2,499") << "2.50"
                                  << "2,499" << '.' << wrong;
        // 2/3 shows 0,67: the typed value is compared with what is shown, not with 2/3.
        QTest::newRow("0,67") << "0,67"
                              << "0,67" << ',' << right;
        QTest::newRow("0,670") << "0,67"
                               << "0,670" << ',' << right;
        QTest::newRow("0,66") << "0,67"
                              << "0,66" << ',' << wrong;
        QTest::newRow("0,667") << "0,67"
                               << "0,667" << ',' << wrong;
        QTest::newRow("0,13") << "0,13"
                              << "0,13" << ',' << right;
        QTest::newRow("0,12") << "0,13"
                              << "0,12" << ',' << wrong;
        QTest::newRow("0,1 against 0,10") << "0,10"
                                          << "0,1" << ',' << right;
        QTest::newRow("whole number") << "19,00"
                                      << "19" << ',' << right;
        QTest::newRow("negative") << "-3,00"
                                  << "-3" << ',' << right;
        QTest::newRow("minus zero") << "0,00"
                                    << "-0" << ',' << right;
        QTest::newRow("1,2,3") << "1,00"
                               << "1,2,3" << ',' << unreadable;
        QTest::newRow("en 1,2,3") << "1.00"
                                  << "1,2,3" << '.' << unreadable;
        QTest::newRow("1-2") << "1,00"
                             << "1-2" << ',' << unreadable;
        QTest::newRow("lone comma") << "0,00"
                                    << "," << ',' << unreadable;
    }
    void judging()
    {
        QFETCH(QString, result);
        QFETCH(QString, typed);
        QFETCH(char, sep);
        QFETCH(Verdict, verdict);
        const std::string answer = TypedAnswer(typed.toStdString(), sep);
        QCOMPARE(Judge(result.toStdString(), answer, sep), verdict);
    }

    void onlyTheFirstCommaBecomesTheSeparator()
    {
        QCOMPARE(TypedAnswer("1,2,3", '.'), std::string("1.2,3"));
        QCOMPARE(TypedAnswer("2.5", ','), std::string("2.5"));
        QCOMPARE(TypedAnswer("", '.'), std::string());
    }

    void answerCharactersAndNoAnswer()
    {
        for (char32_t c : {U'0', U'5', U'9', U',', U'-', U'.', char32_t(8)})
            QVERIFY(IsAnswerCharacter(c));
        for (char32_t c : {U'a', U'e', U'E', U'+', U' ', U'\r', U'/', U'\u00e1'})
            QVERIFY(!IsAnswerCharacter(c));
        QVERIFY(IsUnanswered(""));
        QVERIFY(IsUnanswered("-"));
        QVERIFY(!IsUnanswered("--"));
        QVERIFY(!IsUnanswered("0"));
        QCOMPARE(LogRowText("12+7", "19"), std::string("12+7=19"));
        QCOMPARE(LogRowText("5-3", ""), std::string("5-3="));
    }

    void successRate_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("text");
        QTest::newRow("two of three") << 2 << 1 << ',' << "66,7 %";
        QTest::newRow("two of three, point") << 2 << 1 << '.' << "66.7 %";
        QTest::newRow("one of one") << 1 << 0 << ',' << "100,0 %";
        QTest::newRow("none right") << 0 << 3 << ',' << "0,0 %";
        QTest::newRow("one of three") << 1 << 2 << ',' << "33,3 %";
        QTest::newRow("one of eight") << 1 << 7 << ',' << "12,5 %";
        QTest::newRow("1996 of 2000") << 1996 << 4 << ',' << "99,8 %";
        QTest::newRow("4999 of 5000") << 4999 << 1 << ',' << "100,0 %";
    }
    void successRate()
    {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(char, sep);
        QFETCH(QString, text);
        const auto rate = SuccessRateText(right, wrong, sep);
        QVERIFY(rate);
        QCOMPARE(QString::fromStdString(*rate), text);
    }

    void nothingJudgedHasNoRate() { QVERIFY(!SuccessRateText(0, 0, ',')); }

    void points()
    {
        QCOMPARE(Points(4, 1, 30, false), -31LL); // 4 + 20 - 25 - 30
        QCOMPARE(Points(4, 1, 30, true), 89LL);   // 4 + 140 - 25 - 30
        QCOMPARE(Points(1, 0, 1, false), 5LL);
        QCOMPARE(Points(0, 0, 0, false), 0LL);
        QCOMPARE(Points(0, 5000, 86400, false), -211400LL);
    }

    void bestPoints_data()
    {
        QTest::addColumn<QString>("best");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("outcome"); // BestPoints
        const int keep = int(BestPoints::Keep), replace = int(BestPoints::Replace),
                  unreadable = int(BestPoints::Unreadable);
        QTest::newRow("0 takes negative points") << "0" << -31 << replace;
        QTest::newRow("-31 beaten by 5") << "-31" << 5 << replace;
        QTest::newRow("higher stays") << "10" << 5 << keep;
        QTest::newRow("equal stays") << "5" << 5 << keep;
        // Only the text "0" itself takes any points; "00" is compared as the number 0.
        QTest::newRow("00 against negative") << "00" << -5 << keep;
        QTest::newRow("00 against positive") << "00" << 5 << replace;
        QTest::newRow("plus sign") << "+7" << 8 << replace;
        QTest::newRow("letters") << "abc" << 5 << unreadable;
        QTest::newRow("empty") << "" << 5 << unreadable;
        QTest::newRow("trailing letters") << "12x" << 100 << unreadable;
        QTest::newRow("decimal") << "1,5" << 100 << unreadable;
        QTest::newRow("beyond 32 bits") << "99999999999" << 100 << unreadable;
    }
    void bestPoints()
    {
        QFETCH(QString, best);
        QFETCH(int, points);
        QFETCH(int, outcome);
        QCOMPARE(int(CompareBest(best.toStdString(), points)), outcome);
    }

    void endOfRun()
    {
        // All N counted.
        QVERIFY(RunIsOver(2, 1, 3, 10, 0));
        QVERIFY(!RunIsOver(2, 0, 3, 10, 0));
        // The answer came after the limit, not at it.
        QVERIFY(!RunIsOver(0, 0, 100, 10, 10));
        QVERIFY(RunIsOver(0, 0, 100, 10, 11));
        QVERIFY(!RunIsOver(0, 0, 100, 0, 0));
        QVERIFY(RunIsOver(0, 0, 100, 0, 1));
    }
};

QTEST_APPLESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
