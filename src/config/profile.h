#pragma once

// An initialisation (profile) file as the system's profile functions treat it: "[Section]" header
// lines, "Key=Value" lines, sections and keys found without regard to case (the first one wins),
// and every line that a write does not touch kept as it stands, foreign sections, comments and
// odd spacing included.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// What a reader finds in one section: the keys with their values, in file order.
struct ProfileSection
{
    QString name;
    QList<std::pair<QString, QString>> keys;
    friend bool operator==(const ProfileSection &, const ProfileSection &) = default;
};

class ProfileFile
{
public:
    // Windows-1250 is the file's own encoding; a file that starts with a byte-order mark is read
    // and written back in that encoding.
    enum class Encoding { Windows1250, Utf8, Utf16LE };

    // Longest string a read returns, in characters.
    static constexpr qsizetype MaxValueLength = 2047;

    ProfileFile() = default;
    static ProfileFile fromBytes(const QByteArray &bytes);
    // Every line ends in CR LF. Windows-1250 unless the file came in another encoding or holds a
    // character that Windows-1250 lacks; then UTF-8 with a byte-order mark, so nothing is lost.
    QByteArray toBytes() const;
    Encoding encoding() const { return readEncoding; }

    // The value of a key, blanks around it trimmed, one pair of surrounding quotes dropped, and
    // cut to MaxValueLength; nullopt when the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QString readString(QStringView section, QStringView key, const QString &fallback) const;
    // Decimal, or hexadecimal after "$" or "0x"; the fallback when missing or not an integer.
    int readInteger(QStringView section, QStringView key, int fallback) const;
    // True for any integer other than 0.
    bool readBool(QStringView section, QStringView key, bool fallback) const;

    // Replaces the key's line in place, or adds the key at the end of its section, or adds the
    // section at the end of the file.
    void writeString(QStringView section, QStringView key, const QString &value);
    void writeInteger(QStringView section, QStringView key, int value);
    void writeBool(QStringView section, QStringView key, bool value);

    // Everything a reader can find, in file order: the first section of each name with the
    // first key of each name in it.
    QList<ProfileSection> sections() const;

private:
    enum class Kind { Other, Header, Key };
    struct Line
    {
        QString text;
        Kind kind = Kind::Other;
        QString name;  // section or key, trimmed
        QString value; // trimmed and unquoted; keys only
    };
    static Line parseLine(const QString &text);
    qsizetype findSection(QStringView section) const;
    qsizetype findKey(qsizetype header, QStringView key) const;

    QList<Line> lines;
    Encoding readEncoding = Encoding::Windows1250;
};

// A profile integer: optional sign, then decimal digits, or hexadecimal digits after "$" or "0x"
// (up to 32 bits, taken as two's complement); nullopt for anything else or out of range.
std::optional<int> ParseProfileInteger(QStringView text);

// The outcome of reading a profile file from disk.
struct ProfileLoad
{
    bool exists = false; // false: no such file, nothing to read
    QString error;       // the file exists but cannot be read; empty otherwise
    ProfileFile file;
};
ProfileLoad LoadProfileFile(const QString &path);

// Writes through QSaveFile, so a failed write leaves the previous file whole. Returns the reason
// of a failure ("Cannot create file <path> (<reason>)"), or an empty string.
QString SaveProfileFile(const QString &path, const ProfileFile &file);
