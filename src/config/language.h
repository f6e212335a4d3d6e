#pragma once

// The language of the program's face. Czech is the program's own: it is used whatever the
// system's locale, unless the user chose English on the settings page. The choice is one key of
// the settings file, written only when the user makes it, so a file without it stays as it is.

#include <QString>

enum class Language { Czech, English };

inline constexpr const char *LanguageSection = "Setup";
inline constexpr const char *LanguageKey = "Jazyk";

// "cs" and "en" as stored.
QString LanguageCode(Language language);
// The stored choice of a settings file; Czech without the file, the key or a known value.
Language ReadLanguage(const QString &settingsPath);
// Writes the key in place, keeping everything else of the file; the reason of a failure, or an
// empty string.
QString WriteLanguage(const QString &settingsPath, Language language);
