#include "app/fonts.h"
#include "app/numlet.h"
#include "app/platform.h"
#include "app/splashform.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <cstdio>

// Keeps the interface alive for the given time without keeping a core busy: the wait sleeps in the
// event loop until the next event or the deadline.
static void waitProcessingEvents(int milliseconds)
{
    const std::int64_t start = Platform::tickCount();
    while (Platform::tickCount() <= start + milliseconds) {
        const std::int64_t remaining = start + milliseconds - Platform::tickCount() + 1;
        QEventLoop loop;
        QTimer::singleShot(int(std::max<std::int64_t>(remaining, 1)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

int main(int argc, char *argv[])
{
    // The command line is never read: the arguments only reach Qt's own start-up.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numlet"));

    if (!Platform::acquireSingleInstance(QStringLiteral("Numlet"))) {
        // Also on standard error, so a script (or a test) can see why this start ended.
        std::fputs("Aplikace na pozadí\n", stderr);
        std::fflush(stderr);
        QMessageBox::information(nullptr, QStringLiteral("Numlet"),
                                 QStringLiteral("Aplikace na pozadí"));
        return 0;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Fonts::installSubstitutions();

    auto *splash = new TSplashForm;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    waitProcessingEvents(1350);

    QApplication::setApplicationDisplayName(QStringLiteral("Numlet 2.13"));

    TNumlet window(Platform::programFolder());
    window.show();
    splash->hide();

    const int result = QApplication::exec();
    delete splash;
    return result;
}
