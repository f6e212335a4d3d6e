#pragma once

// What the program sets up before its main window, in one place, so the tests start the same way.

#include "config/language.h"

#include <QString>

namespace Startup {

// The application name: the single-instance lock and the standard paths use it.
QString applicationName();
// The program's own title. It stands on the error box; the window's caption is "Numlet" and the
// task bar shows that caption.
QString applicationTitle();
// How long the splash stays before the main window is made.
constexpr int SplashMilliseconds = 1350;

// Name, version, style, font faces and Qt's Czech texts of the application. It sets no display
// name: the platform would append one to every window's caption.
void setUpApplication();
// Qt's own texts in Czech; false when Qt's Czech catalogue is not installed (the texts stay
// English then).
bool installQtTranslation();
// The face of windows made from now on: Czech (the program's own texts, Qt's in Czech) or
// English (the program's English catalogue; Qt's own texts are English anyway). Replaces the
// language of an earlier call.
void installLanguage(Language language);
Language currentLanguage();

// Keeps the interface alive for the given time without keeping a core busy: events are handled
// as they come, and the wait ends at the first check after more than that time has passed.
void waitProcessingEvents(int milliseconds);

} // namespace Startup
