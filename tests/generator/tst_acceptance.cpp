// The acceptance rule of the next-example cycle: its two phases, the pass flags carried from one
// candidate to the next, the options a filter value switches off, each filter relation at its
// boundary, and the filter value as typed.

#include "generator/acceptance.h"

#include <QTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(FilterAction)

namespace {

ResultOptions whole()
{
    ResultOptions o;
    o.wholeOnly = true;
    return o;
}

ResultOptions filterOnly()
{
    ResultOptions o;
    o.filterOn = true;
    return o;
}

// One call whose options stay as they are through every pump: the index of the first accepted
// value, -1 when none is.
int acceptedAt(const std::vector<double> &values, const ResultOptions &options,
               const ResultFilter &filter = {})
{
    CandidateAcceptance acceptance;
    for (std::size_t i = 0; i < values.size(); ++i) {
        acceptance.test(values[i], options, filter);
        if (acceptance.release(options))
            return int(i);
    }
    return -1;
}

} // namespace

class AcceptanceTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeAloneRejectsTheFirstCandidate()
    {
        // "Výsledek beze zbytku" also needs the positive flag, still false at the first
        // candidate; the first release sets it, so the next whole result passes, negative or not.
        QCOMPARE(acceptedAt({12, 7}, whole()), 1);
        QCOMPARE(acceptedAt({12, -4}, whole()), 1);
        QCOMPARE(acceptedAt({12, 2.5, 0.5, 9}, whole()), 3);
        QCOMPARE(acceptedAt({0.5}, whole()), -1);

        // With "Jen kladné výsledky" on as well, a positive whole first candidate passes at once.
        ResultOptions positiveWhole = whole();
        positiveWhole.positiveOnly = true;
        QCOMPARE(acceptedAt({12}, positiveWhole), 0);
        QCOMPARE(acceptedAt({-4, 0, 3.5, 3}, positiveWhole), 3);
    }

    void noConstraintAcceptsTheFirstCandidate()
    {
        QCOMPARE(acceptedAt({2.5}, ResultOptions{}), 0);
        ResultOptions negative;
        negative.negativeOnly = true;
        QCOMPARE(acceptedAt({0, 4, -0.5}, negative), 2);
    }

    void releaseReadsTheOptionsAfterThePump()
    {
        // Under the defaults, "Výsledek beze zbytku" unchecked by a handler during the pump
        // releases the first candidate although its test phase failed.
        CandidateAcceptance released;
        released.test(12, whole(), {});
        QVERIFY(released.release(ResultOptions{}));

        // An option switched on during the pump has no flag from this candidate's test: it holds
        // the candidate back while its flag is still false...
        ResultOptions positive;
        positive.positiveOnly = true;
        CandidateAcceptance held;
        held.test(12, ResultOptions{}, {});
        QVERIFY(!held.release(positive));
        // ...and applies from the next candidate on.
        held.test(-1, positive, {});
        QVERIFY(!held.release(positive));
        held.test(1, positive, {});
        QVERIFY(held.release(positive));

        // A flag set true by an earlier release stays true: switching the option on during the
        // pump does not hold back this candidate then.
        CandidateAcceptance carried;
        carried.test(-1, ResultOptions{}, {});
        QVERIFY(carried.release(ResultOptions{}));
        carried.test(-1, ResultOptions{}, {});
        QVERIFY(carried.release(positive));
    }

    void flagsAreCarriedBetweenCandidates()
    {
        // The filter's flag is set only by a known action; an unknown one leaves it as the
        // previous candidate left it.
        ResultOptions options = whole();
        options.filterOn = true;
        CandidateAcceptance acceptance;
        acceptance.test(5, options, {5, FilterAction::RemoveDifferent}); // F true, W false
        QVERIFY(!acceptance.release(options));
        acceptance.test(7, options, {5, FilterAction::None}); // F still true, W true
        QVERIFY(acceptance.release(options));

        // False at the start of the call, so an unknown action rejects every candidate.
        QCOMPARE(acceptedAt({1, 2, 3, 4}, filterOnly(), {0, FilterAction::None}), -1);
        CandidateAcceptance removed;
        removed.test(-5, filterOnly(), {0, FilterAction::RemoveBelow}); // F false
        QVERIFY(!removed.release(filterOnly()));
        removed.test(5, filterOnly(), {0, FilterAction::None}); // stays false
        QVERIFY(!removed.release(filterOnly()));
    }

    void filterValueSwitchesOffOptions_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("wholeOff");
        QTest::addColumn<bool>("positiveOff");
        QTest::addColumn<bool>("negativeOff");
        QTest::newRow("-2.5") << -2.5 << true << true << false;
        QTest::newRow("-3") << -3.0 << false << true << false;
        QTest::newRow("4") << 4.0 << false << false << true;
        QTest::newRow("0.5") << 0.5 << true << false << true;
        QTest::newRow("0") << 0.0 << false << false << false;
    }
    void filterValueSwitchesOffOptions()
    {
        QFETCH(double, value);
        QFETCH(bool, wholeOff);
        QFETCH(bool, positiveOff);
        QFETCH(bool, negativeOff);
        CandidateAcceptance acceptance;
        const SwitchedOff off =
            acceptance.test(1, filterOnly(), {value, FilterAction::RemoveEqual});
        QCOMPARE(off.wholeOnly, wholeOff);
        QCOMPARE(off.positiveOnly, positiveOff);
        QCOMPARE(off.negativeOnly, negativeOff);

        // Only the filter switches options off.
        const SwitchedOff none = acceptance.test(1, whole(), {value, FilterAction::RemoveEqual});
        QVERIFY(!none.wholeOnly && !none.positiveOnly && !none.negativeOnly);
    }

    void switchedOffPositiveStillHoldsThroughWhole()
    {
        // The filter value -3 switches off "Jen kladné výsledky"; the whole flag of this
        // candidate was already computed with the failed positive test and holds it back.
        ResultOptions options = whole();
        options.positiveOnly = true;
        options.filterOn = true;
        const ResultFilter filter{-3, FilterAction::RemoveEqual};
        CandidateAcceptance acceptance;
        const SwitchedOff off = acceptance.test(-6, options, filter);
        QVERIFY(off.positiveOnly);
        options.positiveOnly = false; // what the window does before it pumps
        QVERIFY(!acceptance.release(options));
        acceptance.test(-6, options, filter);
        QVERIFY(acceptance.release(options));
    }

    void filterRelationsAtTheBoundary_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<double>("f");
        QTest::addColumn<bool>("belowKept");
        QTest::addColumn<bool>("equalKept");
        QTest::addColumn<bool>("aboveKept");
        for (const double f : {5.0, -2.5}) {
            const QByteArray at = QByteArray::number(f);
            QTest::addRow("= %s removes only equal", at.constData())
                << "=" << f << true << false << true;
            QTest::addRow("< %s keeps equal", at.constData()) << "<" << f << false << true << true;
            QTest::addRow("> %s keeps equal", at.constData()) << ">" << f << true << true << false;
            QTest::addRow("<> %s keeps only equal", at.constData())
                << "<>" << f << false << true << false;
        }
    }
    void filterRelationsAtTheBoundary()
    {
        QFETCH(QString, action);
        QFETCH(double, f);
        QFETCH(bool, belowKept);
        QFETCH(bool, equalKept);
        QFETCH(bool, aboveKept);
        // Exact comparisons: the neighbouring doubles already fall on the other side.
        const ResultFilter filter{f, FilterActionFromText(action.toStdString())};
        const double below = std::nextafter(f, -INFINITY);
        const double above = std::nextafter(f, INFINITY);
        QCOMPARE(acceptedAt({below}, filterOnly(), filter) == 0, belowKept);
        QCOMPARE(acceptedAt({f}, filterOnly(), filter) == 0, equalKept);
        QCOMPARE(acceptedAt({above}, filterOnly(), filter) == 0, aboveKept);
    }

    void filterActionTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FilterAction>("action");
        QTest::newRow("=") << "=" << FilterAction::RemoveEqual;
        QTest::newRow("<") << "<" << FilterAction::RemoveBelow;
        QTest::newRow(">") << ">" << FilterAction::RemoveAbove;
        QTest::newRow("<>") << "<>" << FilterAction::RemoveDifferent;
        QTest::newRow("><") << "><" << FilterAction::None;
        QTest::newRow("= with a blank") << "= " << FilterAction::None;
        QTest::newRow("<=") << "<=" << FilterAction::None;
        QTest::newRow("empty") << "" << FilterAction::None;
    }
    void filterActionTexts()
    {
        QFETCH(QString, text);
        QFETCH(FilterAction, action);
        QCOMPARE(FilterActionFromText(text.toStdString()), action);
    }

    void filterValueAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("2,5") << "2,5" << true << 2.5;
        QTest::newRow("2.5") << "2.5" << true << 2.5;
        QTest::newRow("-3") << "-3" << true << -3.0;
        QTest::newRow("-2,5") << "-2,5" << true << -2.5;
        QTest::newRow("0") << "0" << true << 0.0;
        QTest::newRow("1,5.2") << "1,5.2" << false << 0.0;
        QTest::newRow("1.2.3") << "1.2.3" << false << 0.0;
        QTest::newRow("1,2,3") << "1,2,3" << false << 0.0;
        QTest::newRow("-") << "-" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void filterValueAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> read = ReadFilterValue(text.toStdString());
        QCOMPARE(read.has_value(), number);
        if (number)
            QCOMPARE(*read, value);
    }
};

QTEST_APPLESS_MAIN(AcceptanceTest)
#include "tst_acceptance.moc"
