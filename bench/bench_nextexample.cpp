// NextExample in the real (offscreen) window against the same candidates composed and evaluated
// by the engine alone, under the default parameters and under a filter that exhausts a limit of
// 5000. Prints candidates per second for both and their ratio.

#include "app/numlet.h"
#include "editexp/evaluator.h"
#include "generator/acceptance.h"
#include "generator/candidate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Figures
{
    long long candidates;
    double seconds;
    double perSecond() const { return double(candidates) / seconds; }
};

// The same cycle without the window: the engine's candidates, evaluated by the engine and judged
// by the engine's acceptance rule, with the options as the window's run sets them (the filter
// keeps only results equal to 1000, so every call exhausts the limit).
Figures engineAlone(int calls, bool filter, int limit)
{
    GenerationState state;
    GenerationParams params;
    RandomGenerator random(0);
    ResultOptions options;
    options.wholeOnly = true;
    options.filterOn = filter;
    const ResultFilter keep{1000, FilterAction::RemoveDifferent};
    long long candidates = 0;
    QElapsedTimer clock;
    clock.start();
    for (int call = 0; call < calls; ++call) {
        CandidateAcceptance acceptance;
        for (int i = 0; i <= limit; ++i) {
            const std::string text = GenerateCandidate(params, state, random, '.');
            ++candidates;
            acceptance.test(Evaluate(text).value, options, keep);
            if (acceptance.release(options))
                break;
        }
    }
    return {candidates, double(clock.nsecsElapsed()) / 1e9};
}

Figures inWindow(int calls, bool filter)
{
    QTemporaryDir folder;
    TNumlet window(folder.path());
    window.setRandSeed(0);
    if (filter) {
        window.findChild<QSlider *>("TrackBar2")->setValue(5000);
        window.findChild<QAbstractButton *>("BBox19")->setChecked(true);
        window.findChild<QComboBox *>("ComboBox6")->setCurrentText(QStringLiteral("<>"));
        window.findChild<QLineEdit *>("Edit1")->setText(QStringLiteral("1000"));
    }
    const int before = window.CandidateCounter();
    QElapsedTimer clock;
    clock.start();
    for (int call = 0; call < calls; ++call)
        QMetaObject::invokeMethod(&window, "NextExample");
    return {window.CandidateCounter() - before, double(clock.nsecsElapsed()) / 1e9};
}

void report(const char *name, const Figures &window, const Figures &engine)
{
    std::printf("%-28s window %10.0f candidates/s (%lld)   engine %12.0f candidates/s (%lld)   "
                "engine/window %.1fx\n",
                name, window.perSecond(), window.candidates, engine.perSecond(), engine.candidates,
                engine.perSecond() / window.perSecond());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    report("default parameters", inWindow(2000, false), engineAlone(2000, false, 1000));
    report("filter exhausting 5000", inWindow(4, true), engineAlone(4, true, 5000));
    return 0;
}
