#pragma once

// The window as a user meets it: shown, exposed on the screen, its first example drawn.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace Bench {

// The first activation runs the first cycle; a window that does not appear ends the benchmark.
template <typename MainWindow> void showAndWaitForFirstExample(MainWindow &window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed() &&
             window.CandidateCounter() > 0)) {
        if (waited.elapsed() > 10000) {
            std::fprintf(stderr, "the window was not shown within 10 s\n");
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

// Lets the window finish what its last step queued (layouts, paints) before the next measurement.
inline void settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace Bench
