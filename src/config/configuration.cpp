#include "config/configuration.h"

namespace {

QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

bool isBestPoints(const ConfigKey &key)
{
    return key.section == "Form" && key.key == "Body";
}

} // namespace

ConfigValue DefaultConfigValue(const ConfigKey &key)
{
    switch (key.type) {
    case ConfigType::String:
        return text(key.defaultText);
    case ConfigType::Integer:
        return key.defaultNumber;
    case ConfigType::Boolean:
        break;
    }
    return key.defaultNumber != 0;
}

ConfigValue ReadConfigValue(const ProfileFile &file, const ConfigKey &key)
{
    const QString section = text(key.section), name = text(key.key);
    switch (key.type) {
    case ConfigType::String: {
        const QString value = file.readString(section, name, text(key.defaultText));
        if (isBestPoints(key))
            return QString::number(ParseProfileInteger(value).value_or(0));
        return value;
    }
    case ConfigType::Integer:
        return file.readInteger(section, name, key.defaultNumber);
    case ConfigType::Boolean:
        break;
    }
    return file.readBool(section, name, key.defaultNumber != 0);
}

void WriteConfigValue(ProfileFile &file, const ConfigKey &key, const ConfigValue &value)
{
    const ConfigValue stored =
        value.index() == DefaultConfigValue(key).index() ? value : DefaultConfigValue(key);
    const QString section = text(key.section), name = text(key.key);
    if (const auto *s = std::get_if<QString>(&stored))
        file.writeString(section, name, *s);
    else if (const auto *n = std::get_if<int>(&stored))
        file.writeInteger(section, name, *n);
    else
        file.writeBool(section, name, std::get<bool>(stored));
}

QString ConfigurationPath(const QString &programFolder)
{
    return programFolder + QStringLiteral("Numlex.ini");
}

ConfigurationLoad ReadConfigurationFile(const QString &path)
{
    ConfigurationLoad result;
    const ProfileLoad load = LoadProfileFile(path);
    result.error = load.error;
    result.found = load.exists && load.error.isEmpty();
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        result.values[i] = result.found ? ReadConfigValue(load.file, ConfigKeys[i])
                                        : DefaultConfigValue(ConfigKeys[i]);
    return result;
}

QString WriteConfigurationFile(const QString &path, const ConfigValues &values)
{
    ProfileLoad load = LoadProfileFile(path);
    if (!load.error.isEmpty())
        return load.error;
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        WriteConfigValue(load.file, ConfigKeys[i], values[i]);
    return SaveProfileFile(path, load.file);
}
