// NextExample in the real (offscreen) window against the same candidates composed and evaluated
// by the engine alone, under the default parameters and under a filter that exhausts a limit of
// 5000. Prints candidates per second for both and their ratio.

#include "app/numlet.h"
#include "editexp/evaluator.h"
#include "generator/candidate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

struct Figures
{
    long long candidates;
    double seconds;
    double perSecond() const { return double(candidates) / seconds; }
};

// The cycle's acceptance rules without the window: whole results (with the positive flag's
// first-candidate quirk), or only results equal to `keepOnly` until the limit.
Figures engineAlone(int calls, bool filter, int limit)
{
    double a[5] = {}, d[5] = {};
    char ops[4] = {'+', '-', '*', '/'};
    int draw = 0, tmpl = 1;
    GenerationState state{a, d, ops, draw, tmpl};
    GenerationParams params;
    RandomGenerator random(0);
    long long candidates = 0;
    QElapsedTimer clock;
    clock.start();
    for (int call = 0; call < calls; ++call) {
        bool positive = false, whole = false, filtered = false;
        for (int i = 0; i <= limit; ++i) {
            std::string text = GenerateCandidate(params, state, random, '.');
            ++candidates;
            const double v = Evaluate(text).value;
            whole = v - std::trunc(v) == 0 && positive;
            if (filter)
                filtered = Evaluate(text).value == 1000;
            positive = true;
            if (!filter)
                filtered = true;
            if (positive && whole && filtered)
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
