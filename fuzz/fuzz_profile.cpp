// libFuzzer target for the profile-file reader and writer, and the settings read through it.
//
// Aborts when a read and a write disagree: a lookup that differs from what the file lists, a file
// written back (as it stands, from nothing, or with every value rewritten in place) that reads
// back other sections, keys or values, a setting of the wrong type or a best-points text that is
// no integer, or a save of the settings that loses a value or a foreign key.

#include "config/configuration.h"
#include "config/profile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isStoredKey(const QString &section, const QString &key)
{
    for (const ConfigKey &k : ConfigKeys) {
        if (section.compare(QLatin1String(k.section), Qt::CaseInsensitive) == 0 &&
            key.compare(QLatin1String(k.key), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QList<ProfileSection> withKeys(QList<ProfileSection> sections)
{
    sections.removeIf([](const ProfileSection &s) { return s.keys.isEmpty(); });
    return sections;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProfileFile file = ProfileFile::fromBytes(bytes);
    const QList<ProfileSection> read = file.sections();
    for (const ProfileSection &s : read) {
        for (const auto &[key, value] : s.keys) {
            check(value.size() <= ProfileFile::MaxValueLength);
            check(file.value(s.name, key) == value);
        }
    }

    check(ProfileFile::fromBytes(file.toBytes()).sections() == read);

    ProfileFile fresh;
    ProfileFile rewritten = file;
    for (const ProfileSection &s : read) {
        for (const auto &[key, value] : s.keys) {
            fresh.writeString(s.name, key, value);
            rewritten.writeString(s.name, key, value);
        }
    }
    check(ProfileFile::fromBytes(fresh.toBytes()).sections() == withKeys(read));
    check(ProfileFile::fromBytes(rewritten.toBytes()).sections() == read);

    ConfigValues values;
    ProfileFile saved = file;
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i) {
        values[i] = ReadConfigValue(file, ConfigKeys[i]);
        check(values[i].index() == DefaultConfigValue(ConfigKeys[i]).index());
        WriteConfigValue(saved, ConfigKeys[i], values[i]);
    }
    const ConfigValue &best = values[ConfigKeyIndex("Form", "Body")];
    check(ParseProfileInteger(std::get<QString>(best)).has_value());

    const ProfileFile again = ProfileFile::fromBytes(saved.toBytes());
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        check(ReadConfigValue(again, ConfigKeys[i]) == values[i]);
    for (const ProfileSection &s : read) {
        for (const auto &[key, value] : s.keys) {
            if (!isStoredKey(s.name, key))
                check(again.value(s.name, key) == value);
        }
    }
    return 0;
}
