#pragma once

// The settings file "Numlex.ini": its keys, their types and defaults, and how a whole set of
// values is read from and written to the file.

#include "config/profile.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

enum class ConfigType { String, Integer, Boolean };

struct ConfigKey
{
    std::string_view section;
    std::string_view key;
    ConfigType type;
    std::string_view control;     // form name of the control the key feeds
    std::string_view defaultText; // strings
    int defaultNumber;            // integers; booleans 0 or 1
};

// Every stored key, in the order in which the keys are read and written. The defaults apply when
// the file exists but lacks the key (or holds no integer for it). "Cesta" reads into the picture
// folder and is written from the folder chooser's selection.
inline constexpr std::array<ConfigKey, 43> ConfigKeys = {{
    {"Form", "Cesta", ConfigType::String, "DirTree", "C:", 0},
    {"Form", "Priklad", ConfigType::Integer, "TrackBar1", {}, 100},
    {"Form", "Hranice", ConfigType::Integer, "TrackBar2", {}, 15000},
    {"Form", "Body", ConfigType::String, "Label3D16", "0", 0},
    {"Tlac", "Sb3", ConfigType::Boolean, "SB3", {}, 0},
    {"Tlac", "Sb6", ConfigType::Boolean, "SB6", {}, 0},
    {"Tlac", "Sb8", ConfigType::Boolean, "SB8", {}, 1},
    {"Tlac", "Sb9", ConfigType::Boolean, "SB9", {}, 1},
    {"Tlac", "Sb10", ConfigType::Boolean, "SB10", {}, 0},
    {"Tlac", "Sb11", ConfigType::Boolean, "SB11", {}, 0},
    {"Tlac", "Sb19", ConfigType::Boolean, "SB19", {}, 0},
    {"Rozsah", "Se1", ConfigType::Integer, "SpinEdit1", {}, 10},
    {"Rozsah", "Se2", ConfigType::Integer, "SpinEdit2", {}, 10},
    {"Rozsah", "Se3", ConfigType::Integer, "SpinEdit3", {}, 10},
    {"Rozsah", "Se4", ConfigType::Integer, "SpinEdit4", {}, 10},
    {"Rozsah", "Se5", ConfigType::Integer, "SpinEdit5", {}, 0},
    {"Rozsah", "Se6", ConfigType::Integer, "SpinEdit6", {}, 0},
    {"Rozsah", "Se7", ConfigType::Integer, "SpinEdit7", {}, 0},
    {"Rozsah", "Se8", ConfigType::Integer, "SpinEdit8", {}, 0},
    {"Rozsah", "Se9", ConfigType::Integer, "SpinEdit9", {}, 0},
    {"Rozsah", "Se10", ConfigType::Integer, "SpinEdit10", {}, 0},
    {"Rozsah", "Br1", ConfigType::Boolean, "CheckBox1", {}, 0},
    {"Rozsah", "Br2", ConfigType::Boolean, "CheckBox2", {}, 0},
    {"Rozsah", "Br3", ConfigType::Boolean, "CheckBox3", {}, 0},
    {"Rozsah", "Br4", ConfigType::Boolean, "CheckBox4", {}, 0},
    {"Rozsah", "Br5", ConfigType::Boolean, "CheckBox5", {}, 0},
    {"Setup", "B7", ConfigType::Boolean, "BBox7", {}, 1},
    {"Setup", "B8", ConfigType::Boolean, "BBox8", {}, 1},
    {"Setup", "B9", ConfigType::Boolean, "BBox9", {}, 1},
    {"Setup", "B11", ConfigType::Boolean, "BBox11", {}, 1},
    {"Setup", "B14", ConfigType::Boolean, "BBox14", {}, 1},
    {"Setup", "B16", ConfigType::Boolean, "BBox16", {}, 1},
    {"Vzorec", "Des1", ConfigType::Boolean, "S1", {}, 0},
    {"Vzorec", "Des2", ConfigType::Boolean, "S2", {}, 0},
    {"Vzorec", "Des3", ConfigType::Boolean, "S3", {}, 0},
    {"Vzorec", "Des4", ConfigType::Boolean, "S4", {}, 0},
    {"Vzorec", "Des5", ConfigType::Boolean, "S5", {}, 0},
    {"Vzorec", "Oper1", ConfigType::String, "ComboBox1", "+", 0},
    {"Vzorec", "Oper2", ConfigType::String, "ComboBox2", "-", 0},
    {"Vzorec", "Oper3", ConfigType::String, "ComboBox3", "*", 0},
    {"Vzorec", "Oper4", ConfigType::String, "ComboBox4", "/", 0},
    {"Vzorec", "Max", ConfigType::Integer, "SpinEdit12", {}, 0},
    {"Form", "Font", ConfigType::String, "ComboBox5", "Palatino Linotype", 0},
}};

// Position of a key in ConfigKeys; ConfigKeys.size() when there is no such key.
constexpr std::size_t ConfigKeyIndex(std::string_view section, std::string_view key)
{
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i) {
        if (ConfigKeys[i].section == section && ConfigKeys[i].key == key)
            return i;
    }
    return ConfigKeys.size();
}

// A string key holds a QString, an integer key an int, a boolean key a bool.
using ConfigValue = std::variant<QString, int, bool>;
using ConfigValues = std::array<ConfigValue, ConfigKeys.size()>;

ConfigValue DefaultConfigValue(const ConfigKey &key);
// The file's value for the key; its default when the key is missing or, for integers and
// booleans, not an integer. "Body" (the best points, later counted with) reads as the decimal
// text of its integer, "0" when it is none.
ConfigValue ReadConfigValue(const ProfileFile &file, const ConfigKey &key);
// A value of the wrong type writes the key's default.
void WriteConfigValue(ProfileFile &file, const ConfigKey &key, const ConfigValue &value);

// The window's part in the settings' life: they are read once, before the first example, and
// written once, at the close.
struct ConfigState
{
    bool started = false; // the start sequence has run (or is running); it runs once per run
    bool closed = false;  // the close sequence has run; nothing starts after it
    // "Blokovat zpomalující akce " is switched off for the first example only: a close in the
    // middle of it stores the box as the user left it.
    bool blockingSuspended = false;
};

// The settings file in a program folder (which ends in the path separator).
QString ConfigurationPath(const QString &programFolder);

struct ConfigurationLoad
{
    bool found = false; // false: nothing is read and every control keeps its design value
    QString error;      // the file exists but cannot be read; empty otherwise
    ConfigValues values;
};
ConfigurationLoad ReadConfigurationFile(const QString &path);

// Writes every key in table order into the file as it is now on disk, so that its other sections,
// keys and comments stay. Returns the reason of a failure, or an empty string; on a failure the
// file on disk is left as it was (also when it exists but cannot be read, as writing would lose
// what it holds).
QString WriteConfigurationFile(const QString &path, const ConfigValues &values);
