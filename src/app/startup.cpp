#include "app/startup.h"

#include "app/fonts.h"
#include "app/platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

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
    installQtTranslation();
}

namespace {
QTranslator *qtCzech = nullptr;        // Qt's own texts in Czech
QTranslator *programEnglish = nullptr; // the program's English catalogue
Language language = Language::Czech;

void uninstall(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}
} // namespace

bool installQtTranslation()
{
    // The program speaks Czech on every system, so Qt's own texts (the buttons of a message box,
    // the file and print dialogs) do too, wherever Qt's Czech catalogue is installed.
    if (qtCzech)
        return true;
    auto *candidate = new QTranslator(qApp);
    if (!candidate->load(QLocale(QLocale::Czech, QLocale::Czechia), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    qtCzech = candidate;
    return true;
}

void installLanguage(Language chosen)
{
    language = chosen;
    if (chosen == Language::Czech) {
        uninstall(programEnglish);
        installQtTranslation();
        return;
    }
    uninstall(qtCzech);
    if (programEnglish)
        return;
    auto *candidate = new QTranslator(qApp);
    if (!candidate->load(QStringLiteral(":/i18n/numlet_en.qm"))) {
        delete candidate;
        return;
    }
    QCoreApplication::installTranslator(candidate);
    programEnglish = candidate;
}

Language currentLanguage()
{
    return language;
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
