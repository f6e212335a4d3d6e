// The next-example cycle in a shown window: messages still run between candidates, the screen is
// painted at most once per frame while the cycle runs, and what it shows afterwards is the final
// example.

#include "app/numlet.h"
#include "support/control.h"
#include "widgets/tgauge.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Counts the paint events that one widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) : QObject(widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class CycleDisplayTest : public QObject
{
    Q_OBJECT

    template <typename T = QWidget> T *get(const char *name) { return control<T>(*window, name); }
    void invokeNextExample() { QVERIFY(QMetaObject::invokeMethod(window.get(), "NextExample")); }

    // Only results equal to 1000 are kept: none comes from 0..10 + 0..10, so a cycle runs to
    // its limit unless something switches the filter off.
    void filterKeepingOnly1000(int limit)
    {
        get<QSlider>("TrackBar2")->setValue(limit);
        get<TGauge>("Gauge1")->setMaximum(limit);
        get<QAbstractButton>("BBox19")->setChecked(true);
        get<QComboBox>("ComboBox6")->setCurrentText(QStringLiteral("<>"));
        get<QLineEdit>("Edit1")->setText(QStringLiteral("1000"));
    }

    // What the window system holds of a control against what the control paints now.
    QImage onScreen(const QWidget *control)
    {
        const QPoint at = control->mapTo(window.get(), QPoint(0, 0));
        return window->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), control->width(), control->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage rendered(const QWidget *control)
    {
        const QPoint at = control->mapTo(window.get(), QPoint(0, 0));
        return window->grab(QRect(at, control->size()))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        window = std::make_unique<TNumlet>(folder->path());
        window->setRandSeed(0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->CandidateCounter() > 0); // the first activation's example
        QTest::qWait(50);
    }
    void cleanup() { window.reset(); }

    void timerTicksBetweenEveryTwoCandidates()
    {
        // A zero-time timer is due at every pump: each candidate of a cycle that runs to its
        // limit sees it tick.
        filterKeepingOnly1000(100);
        const int start = window->CandidateCounter();
        QList<int> seenAtTicks;
        QTimer tick;
        tick.setInterval(0);
        connect(&tick, &QTimer::timeout, this, [&] { seenAtTicks << window->CandidateCounter(); });
        tick.start();
        invokeNextExample();
        tick.stop();
        QCOMPARE(window->CandidateCounter(), start + 101);
        for (int candidate = start + 1; candidate <= start + 101; ++candidate)
            QVERIFY2(seenAtTicks.contains(candidate), qPrintable(QString::number(candidate)));
    }

    void queuedClickRunsAtTheNextPump()
    {
        // A click that was pending when the cycle began runs at its first pump: it switches
        // the filter off, as the status bar's Stop does, so the first candidate, held back by
        // "Výsledek beze zbytku" alone, is rejected and the second is accepted instead of the
        // cycle running on to its limit.
        filterKeepingOnly1000(5000);
        const int start = window->CandidateCounter();
        auto *filter = get<QAbstractButton>("BBox19");
        int seenAtClick = -1;
        connect(filter, &QAbstractButton::clicked, this,
                [&] { seenAtClick = window->CandidateCounter(); });
        const QPointF centre = QRectF(filter->rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                filter,
                new QMouseEvent(type, centre, filter->mapToGlobal(centre), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        invokeNextExample();
        QCOMPARE(seenAtClick, start + 1);
        QVERIFY(!filter->isChecked());
        QCOMPARE(window->CandidateCounter(), start + 2);
        QCOMPARE(get<TGauge>("Gauge1")->value(), 1);
    }

    void screenShowsTheAcceptedCandidate()
    {
        // With the defaults the first candidate is rejected and the second accepted; the turn
        // of the event loop right after the cycle paints the accepted one.
        auto *example = get<QLabel>("LabelF1");
        const QString before = example->text();
        const int start = window->CandidateCounter();
        invokeNextExample();
        QCOMPARE(window->CandidateCounter(), start + 2);
        QVERIFY(example->text() != before);
        QCoreApplication::processEvents();
        for (const char *name : {"LabelF1", "Label3", "Label11", "Gauge1"}) {
            const QWidget *control = get(name);
            QVERIFY2(onScreen(control) == rendered(control), name);
        }
    }

    void exampleColourFollowsTheTemplate()
    {
        // "Barevná syntaxe vzorců" colours the example and the "=" sign by template (template 3
        // is maroon) in every colour group; switched off, the next candidate is back in the
        // window-text colour.
        const auto colours = [this](const char *name) {
            const QPalette p = get(name)->palette();
            return QList<QColor>{p.color(QPalette::Active, QPalette::WindowText),
                                 p.color(QPalette::Inactive, QPalette::WindowText),
                                 p.color(QPalette::Disabled, QPalette::WindowText)};
        };
        const QColor maroon(0x80, 0x00, 0x00);
        const QColor text = window->palette().color(QPalette::WindowText);
        get<QAbstractButton>("BBox17")->setChecked(true);
        get("Panel5")->setEnabled(true);
        get<QAbstractButton>("Speed_3")->click();
        QVERIFY(get<QLabel>("LabelF1")->text().startsWith(QLatin1Char('(')));
        for (const char *name : {"LabelF1", "Label3"})
            QCOMPARE(colours(name), (QList<QColor>{maroon, maroon, maroon}));
        invokeNextExample(); // the same colour again
        QCOMPARE(colours("LabelF1"), (QList<QColor>{maroon, maroon, maroon}));
        get<QAbstractButton>("BBox17")->setChecked(false);
        invokeNextExample();
        for (const char *name : {"LabelF1", "Label3"})
            QCOMPARE(colours(name), (QList<QColor>{text, text, text}));
    }

    void longCyclePaintsOncePerFrame()
    {
        filterKeepingOnly1000(5000);
        auto *paints = new PaintCounter(get("LabelF1"));
        const qreal rate = window->screen()->refreshRate();
        const double frame = rate >= 1 ? double(qMax(1, int(1000 / rate))) : 16;
        const int start = window->CandidateCounter();
        QElapsedTimer clock;
        clock.start();
        invokeNextExample();
        const double elapsed = double(clock.elapsed());
        QCOMPARE(window->CandidateCounter(), start + 5001);
        // One paint per frame that passed, and the one that shows the last candidate.
        QVERIFY2(paints->count <= elapsed / frame + 1,
                 qPrintable(QStringLiteral("%1 paints in %2 ms").arg(paints->count).arg(elapsed)));
        QCoreApplication::processEvents();
        QVERIFY(paints->count >= 1);
        const QWidget *control = get("LabelF1");
        QVERIFY(onScreen(control) == rendered(control));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<TNumlet> window;
};

QTEST_MAIN(CycleDisplayTest)
#include "tst_cycledisplay.moc"
