// Worksheets in the real window against the engine alone, on the same work in the same run:
// generating a 5000-example worksheet (default parameters, "Blokovat zpomalující akce " on) and
// computing a filled-in 5000-line worksheet. Both sides start from the same seed and state, and
// their lines are compared after every round, so they do the same work.
//
// The window is shown on the platform that QT_QPA_PLATFORM names, offscreen when unset.
// Optional argument: the number of rounds (default 5); the figures printed are the medians.

#include "app/numlet.h"
#include "benchtools.h"
#include "benchwindow.h"
#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "generator/acceptance.h"
#include "generator/candidate.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint32_t Seed = 7;
constexpr int SheetLines = 5000;
constexpr char Sep = ','; // the window runs under a Czech locale

// The generator without the window: the next-example cycle under the default constraint ("Výsledek
// beze zbytku" only, limit 1000), keeping an example when fewer than 100 candidates were rejected.
class EngineGenerator
{
public:
    // The shown window's first activation runs five cycles: one from each operator slot's
    // handler, then the first example.
    EngineGenerator()
    {
        for (int cycle = 0; cycle < 5; ++cycle)
            next();
    }
    void reseed() { random.setSeed(Seed); }

    QStringList sheet(int count)
    {
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            const int rejected = next();
            if (KeepsGeneratedExample(rejected))
                lines.append(GeneratedLine(QString::fromStdString(example)));
        }
        return lines;
    }

private:
    // Returns the number of candidates rejected before the last one.
    int next()
    {
        ResultOptions options;
        options.wholeOnly = true;
        CandidateAcceptance acceptance;
        constexpr int limit = 1000;
        for (int i = 0;; ++i) {
            example = GenerateCandidate(params, state, random, Sep);
            std::string evaluation = example;
            std::replace(evaluation.begin(), evaluation.end(), ',', '.');
            acceptance.test(Evaluate(evaluation).value, options, {});
            if (acceptance.release(options) || i == limit)
                return i;
        }
    }

    GenerationParams params;
    GenerationState state;
    RandomGenerator random{Seed};
    std::string example;
};

// A pupil's sheet: a third answered right, a third wrong, a third blank.
QStringList filledIn(const QStringList &generated)
{
    QStringList lines;
    for (qsizetype i = 0; i < generated.size(); ++i) {
        QByteArray expression = generated[i].chopped(1).toUtf8();
        expression.replace(',', '.');
        const double value = Evaluate(std::string_view(expression.data(), expression.size())).value;
        std::string answer;
        if (i % 3 == 0)
            answer = FormatMask(value, "0.00", Sep);
        else if (i % 3 == 1)
            answer = FormatGeneral(value + 1, Sep);
        lines.append(generated[i] + QString::fromStdString(answer));
    }
    return lines;
}

class WindowSide
{
public:
    WindowSide() : window(folder.path())
    {
        window.setRandSeed(Seed);
        Bench::showAndWaitForFirstExample(window);
        control<QAbstractButton>("BBox7")->setChecked(true);
        control<QAbstractButton>("BBox15")->setChecked(true);
        control<QSlider>("TrackBar1")->setValue(SheetLines);
        Bench::settle();
    }
    void reseed() { window.setRandSeed(Seed); }

    double generate()
    {
        QElapsedTimer clock;
        clock.start();
        control<QAbstractButton>("SpeedButton3")->click();
        QCoreApplication::processEvents(); // the paint of what the loop left
        const double ms = Bench::msSince(clock);
        Bench::settle();
        return ms;
    }
    double compute(const QStringList &sheet)
    {
        list()->clear();
        list()->addItems(sheet);
        Bench::settle();
        QElapsedTimer clock;
        clock.start();
        control<QAbstractButton>("SpeedButton10")->click();
        QCoreApplication::processEvents();
        const double ms = Bench::msSince(clock);
        Bench::settle();
        return ms;
    }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }

private:
    template <typename T> T *control(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QListWidget *list() const { return control<QListWidget>("EBox1"); }
    QTemporaryDir folder;
    TNumlet window;
};

bool same(const char *what, const QStringList &engine, const QStringList &window)
{
    if (engine == window)
        return true;
    std::fprintf(stderr, "%s: the sides differ (%lld and %lld lines)\n", what,
                 static_cast<long long>(engine.size()), static_cast<long long>(window.size()));
    for (qsizetype i = 0; i < std::min(engine.size(), window.size()); ++i) {
        if (engine[i] != window[i]) {
            std::fprintf(stderr, "first difference at line %lld: \"%s\" and \"%s\"\n",
                         static_cast<long long>(i + 1), qPrintable(engine[i]),
                         qPrintable(window[i]));
            break;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    Bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    EngineGenerator engine;
    WindowSide window;
    std::vector<double> engineGenerate, windowGenerate, engineCompute, windowCompute;
    for (int r = 0; r < rounds; ++r) {
        engine.reseed();
        window.reseed();
        QElapsedTimer clock;
        clock.start();
        const QStringList generated = engine.sheet(SheetLines);
        engineGenerate.push_back(Bench::msSince(clock));
        windowGenerate.push_back(window.generate());
        if (!same("generating", generated, window.lines()))
            return 1;

        const QStringList sheet = filledIn(generated);
        QStringList computed = sheet;
        clock.restart();
        const ComputeOutcome outcome = ComputeWorksheet(computed, Sep, false);
        computed.append(TrailerItem(TrailerDateTime(QDateTime::currentDateTime(), QLocale()),
                                    QString::number(outcome.counts.correct),
                                    QString::number(outcome.counts.unsolved),
                                    QString::number(outcome.counts.wrong)));
        engineCompute.push_back(Bench::msSince(clock));
        windowCompute.push_back(window.compute(sheet));
        // The trailer's time may differ by a second; the lines before it may not.
        if (!same("computing", computed.mid(0, SheetLines), window.lines().mid(0, SheetLines)))
            return 1;
    }

    std::printf("platform %s, %d examples, %d rounds, medians\n",
                qPrintable(QGuiApplication::platformName()), SheetLines, rounds);
    const auto row = [](const char *what, const std::vector<double> &w,
                        const std::vector<double> &e) {
        std::printf("%-10s window %8.1f ms   engine %8.1f ms   window/engine %6.1fx   "
                    "(goal: window under 1000 ms)\n",
                    what, Bench::median(w), Bench::median(e), Bench::median(w) / Bench::median(e));
    };
    row("generate", windowGenerate, engineGenerate);
    row("compute", windowCompute, engineCompute);
    return 0;
}
