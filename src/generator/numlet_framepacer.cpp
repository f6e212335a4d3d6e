#include "generator/numlet_framepacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

FramePacer::FramePacer(QWidget *window) : QObject(window), window(window)
{
    frame.setSingleShot(true);
    frame.setTimerType(Qt::PreciseTimer);
    connect(&frame, &QTimer::timeout, this, &FramePacer::paintHeld);
    window->installEventFilter(this);
}

FramePacer::Busy::Busy(FramePacer *pacer) : pacer(pacer)
{
    ++pacer->loops;
}

FramePacer::Busy::~Busy()
{
    // The loop's outcome is shown when the event loop next runs. The frame timer keeps running,
    // so loops that follow one another closely still paint once per frame.
    if (--pacer->loops == 0 && pacer->held)
        QCoreApplication::postEvent(pacer->window, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
}

int FramePacer::frameInterval() const
{
    const QScreen *screen = window->screen();
    const qreal rate = screen ? screen->refreshRate() : 0;
    return rate >= 1 ? qMax(1, int(1000 / rate)) : 16;
}

// A top-level widget paints everything that changed when it receives an update request, which
// Qt posts once per batch of changes and not again until that paint.
bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::UpdateRequest || watched != window || painting)
        return false;
    if (loops == 0) {
        held = false;
        frame.stop();
        return false;
    }
    if (!held) {
        held = true;
        frame.start(frameInterval());
    }
    return true;
}

void FramePacer::paintHeld()
{
    if (!held)
        return;
    held = false;
    painting = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
    painting = false;
}
