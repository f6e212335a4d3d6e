// NextExample in the real window, hidden and shown, against the same candidates composed,
// evaluated and judged by the engine alone: under the default parameters (about two candidates a
// call) and under a filter that exhausts a limit of 5000. Every side starts from the same seed and
// state and runs the same calls, so all three see the same candidates (checked after each round).
//
// The window runs on the platform that QT_QPA_PLATFORM names, offscreen when unset; for an X
// server: xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb bench_nextexample
// Optional argument: the number of rounds (default 7); the ratios printed are the medians.

#include "app/numlet.h"
#include "benchtools.h"
#include "benchwindow.h"
#include "editexp/evaluator.h"
#include "generator/acceptance.h"
#include "generator/candidate.h"
#include "widgets/tgauge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t Seed = 0;

struct Scenario
{
    const char *name;
    int calls;   // NextExample calls per round
    bool filter; // keep only results equal to 1000: every call exhausts the limit
    int limit;
};

struct Round
{
    long long candidates = 0;
    double seconds = 0;
    std::string last; // the final example's text
};

// The cycle without the window: the engine's candidates, evaluated by the engine and judged by
// the engine's acceptance rule with the options the window's scenario sets.
class EngineSide
{
public:
    EngineSide() { call(false, 1000); } // as the shown window's first activation does
    void reseed() { random.setSeed(Seed); }

    // A round takes a few milliseconds here, where one preemption would flatter the window: it
    // is run three times from the same state, and the fastest run counts.
    Round run(const Scenario &s)
    {
        const GenerationState startState = state;
        const RandomGenerator startRandom = random;
        Round best;
        for (int replay = 0; replay < 3; ++replay) {
            state = startState;
            random = startRandom;
            Round r;
            QElapsedTimer clock;
            clock.start();
            for (int c = 0; c < s.calls; ++c)
                r.candidates += call(s.filter, s.limit);
            r.seconds = double(clock.nsecsElapsed()) / 1e9;
            r.last = last;
            if (replay == 0 || r.seconds < best.seconds)
                best = r;
        }
        return best;
    }

private:
    int call(bool filter, int limit)
    {
        ResultOptions options;
        options.wholeOnly = true;
        options.filterOn = filter;
        const ResultFilter keep{1000, FilterAction::RemoveDifferent};
        CandidateAcceptance acceptance;
        int i = 0;
        for (; i <= limit; ++i) {
            last = GenerateCandidate(params, state, random, '.');
            acceptance.test(Evaluate(last).value, options, keep);
            if (acceptance.release(options))
                break;
        }
        return std::min(i, limit) + 1;
    }

    GenerationState state;
    GenerationParams params;
    RandomGenerator random{Seed};
    std::string last;
};

class WindowSide
{
public:
    explicit WindowSide(bool shown) : window(folder.path())
    {
        window.setRandSeed(Seed);
        if (shown) {
            Bench::showAndWaitForFirstExample(window);
        } else {
            QMetaObject::invokeMethod(&window, "NextExample");
        }
        Bench::settle();
    }
    void reseed() { window.setRandSeed(Seed); }

    void configure(const Scenario &s)
    {
        window.findChild<QSlider *>("TrackBar2")->setValue(s.limit);
        window.findChild<TGauge *>("Gauge1")->setMaximum(s.limit);
        window.findChild<QAbstractButton *>("BBox19")->setChecked(s.filter);
        window.findChild<QComboBox *>("ComboBox6")->setCurrentText(QStringLiteral("<>"));
        window.findChild<QLineEdit *>("Edit1")->setText(QStringLiteral("1000"));
        Bench::settle();
    }

    // The calls, and the event loop's next turn, which paints what the last call left.
    Round run(const Scenario &s)
    {
        Round r;
        const int before = window.CandidateCounter();
        QElapsedTimer clock;
        clock.start();
        for (int c = 0; c < s.calls; ++c)
            QMetaObject::invokeMethod(&window, "NextExample");
        QCoreApplication::processEvents();
        r.seconds = double(clock.nsecsElapsed()) / 1e9;
        r.candidates = window.CandidateCounter() - before;
        r.last = window.findChild<QLabel *>("LabelF1")->text().toStdString();
        Bench::settle();
        return r;
    }

private:
    QTemporaryDir folder;
    TNumlet window;
};

} // namespace

int main(int argc, char **argv)
{
    Bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    EngineSide engine;
    WindowSide hidden(false);
    WindowSide shown(true);
    engine.reseed();
    hidden.reseed();
    shown.reseed();

    std::printf("platform %s, %d rounds, medians\n", qPrintable(QGuiApplication::platformName()),
                rounds);
    const Scenario scenarios[] = {{"default parameters", 5000, false, 1000},
                                  {"filter exhausting 5000", 2, true, 5000}};
    for (const Scenario &s : scenarios) {
        hidden.configure(s);
        shown.configure(s);
        std::vector<double> engineRate, hiddenRate, shownRate, hiddenPerEngine, shownPerHidden;
        long long candidates = 0;
        for (int r = 0; r < rounds; ++r) {
            const Round e = engine.run(s);
            const Round h = hidden.run(s);
            const Round w = shown.run(s);
            if (e.candidates != h.candidates || e.candidates != w.candidates || e.last != h.last ||
                e.last != w.last) {
                std::fprintf(stderr, "%s: the sides saw different candidates (%s, %s, %s)\n",
                             s.name, e.last.c_str(), h.last.c_str(), w.last.c_str());
                return 1;
            }
            candidates += e.candidates;
            engineRate.push_back(double(e.candidates) / e.seconds);
            hiddenRate.push_back(double(h.candidates) / h.seconds);
            shownRate.push_back(double(w.candidates) / w.seconds);
            hiddenPerEngine.push_back(h.seconds / e.seconds);
            shownPerHidden.push_back(w.seconds / h.seconds);
        }
        std::printf("%-24s %lld candidates   engine %9.0f/s   hidden %8.0f/s   shown %8.0f/s\n"
                    "%-24s hidden/engine %5.1fx   shown/hidden %5.2fx\n",
                    s.name, candidates, Bench::median(engineRate), Bench::median(hiddenRate),
                    Bench::median(shownRate), "", Bench::median(hiddenPerEngine),
                    Bench::median(shownPerHidden));
    }
    return 0;
}
