#include "app/numlet.h"
#include "app/platform.h"
#include "app/splashform.h"
#include "app/startup.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is never read: the arguments only reach Qt's own start-up.
    QApplication app(argc, argv);
    Startup::setUpApplication();

    if (!Platform::acquireSingleInstance(Startup::applicationName())) {
        // Also on standard error, so a script (or a test) can see why this start ended.
        std::fputs("Aplikace na pozadí\n", stderr);
        std::fflush(stderr);
        QMessageBox::information(nullptr, Startup::applicationName(),
                                 QStringLiteral("Aplikace na pozadí"));
        return 0;
    }

    auto *splash = new TSplashForm;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    Startup::waitProcessingEvents(Startup::SplashMilliseconds);

    TNumlet window(Platform::programFolder());
    window.show();
    // A session that ends, or a `kill`, closes the window as the close button does, so the
    // settings and the names are written and a running examination ends properly.
    Platform::onTerminationRequest([&window] {
        window.close();
        QCoreApplication::quit();
    });
    splash->hide();

    const int result = QApplication::exec();
    delete splash;
    return result;
}
