#include "config/language.h"

#include "config/profile.h"

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("cs");
}

Language ReadLanguage(const QString &settingsPath)
{
    const ProfileLoad load = LoadProfileFile(settingsPath);
    if (!load.exists || !load.error.isEmpty())
        return Language::Czech;
    const QString code = load.file.readString(QString::fromLatin1(LanguageSection),
                                              QString::fromLatin1(LanguageKey), {});
    return code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? Language::English
                                                                       : Language::Czech;
}

QString WriteLanguage(const QString &settingsPath, Language language)
{
    ProfileLoad load = LoadProfileFile(settingsPath);
    if (!load.error.isEmpty())
        return load.error;
    load.file.writeString(QString::fromLatin1(LanguageSection), QString::fromLatin1(LanguageKey),
                          LanguageCode(language));
    return SaveProfileFile(settingsPath, load.file);
}
