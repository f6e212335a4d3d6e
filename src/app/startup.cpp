#include "app/startup.h"

#include "app/fonts.h"
#include "app/platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>

namespace Startup {

QString applicationName()
{
    return QStringLiteral("Numlet");
}

QString applicationTitle()
{
    return QStringLiteral("Numlet 2.13");
}

void setUpApplication()
{
    QApplication::setApplicationName(applicationName());
    QApplication::setApplicationVersion(QStringLiteral("2.13"));
    // The desktop entry's name: on Wayland it is the window's app id, which finds the entry's
    // icon and name for the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMLET_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Fonts::installSubstitutions();
}

void waitProcessingEvents(int milliseconds)
{
    const std::int64_t start = Platform::tickCount();
    while (Platform::tickCount() <= start + milliseconds) {
        // Sleeps in the event loop until the next event or the deadline.
        const std::int64_t remaining = start + milliseconds - Platform::tickCount() + 1;
        QEventLoop loop;
        QTimer::singleShot(int(std::max<std::int64_t>(remaining, 1)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace Startup
