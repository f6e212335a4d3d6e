#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Paces a window's painting while a loop that pumps messages runs (the next-example cycle): the
// window repaints at most once per screen refresh instead of once per pass, while input and
// timers still run at every pump. Only painting waits; what a paint would show is set as usual.
// Whatever was held back is painted as soon as the outermost loop returns to the event loop.
class FramePacer : public QObject
{
public:
    // The pacer is a child of the window and watches its paint requests.
    explicit FramePacer(QWidget *window);

    // Marks a running loop for as long as it lives; loops may nest.
    class Busy
    {
    public:
        explicit Busy(FramePacer *pacer);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        FramePacer *pacer;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintHeld();
    int frameInterval() const;

    QWidget *window;
    QTimer frame;
    int loops = 0;
    bool held = false;
    bool painting = false;
};
