#pragma once

// What every benchmark measures with: the best and the median of its rounds, and the platform it
// runs on. Header-only, QtCore, so that the engine benchmarks can use it without a window.

#include <QByteArray>
#include <QElapsedTimer>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace Bench {

// Offscreen unless QT_QPA_PLATFORM names another platform (xcb under xvfb-run); call before the
// application object exists.
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The fastest of the rounds, in milliseconds: the figure least disturbed by the rest of the
// machine.
template <typename F> double bestMs(int rounds, F &&work)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, msSince(clock));
    }
    return best;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace Bench
