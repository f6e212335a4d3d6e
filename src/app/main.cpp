#include "app/numlet.h"
#include "app/platform.h"
#include "app/splashform.h"
#include "app/startup.h"
#include "config/configuration.h"
#include "config/language.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is never read: the arguments only reach Qt's own start-up.
    QApplication app(argc, argv);
    Startup::setUpApplication();
    // The language chosen on the settings page, before the first text is shown.
    const QString folder = Platform::programFolder();
    Startup::installLanguage(ReadLanguage(ConfigurationPath(folder)));

    if (!Platform::acquireSingleInstance(Startup::applicationName())) {
        const QString text = QCoreApplication::translate("main", "Aplikace na pozadí");
        // Also on standard error, so a script (or a test) can see why this start ended.
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::fflush(stderr);
        QMessageBox::information(nullptr, Startup::applicationName(), text);
        return 0;
    }

    auto *splash = new TSplashForm;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    Startup::waitProcessingEvents(Startup::SplashMilliseconds);

    TNumlet window(folder);
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
