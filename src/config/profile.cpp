#include "config/profile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdint>

namespace {

// A settings file larger than this is not one; reading it whole could exhaust memory.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

bool isQuoted(QStringView s)
{
    return s.size() >= 2 && isQuote(s.front()) && s.back() == s.front();
}

// A value that a read would change (blanks at an end, a pair of quotes around it) is written in
// quotes, so that it reads back as it was written.
QString storedValue(const QString &value)
{
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' '); // a line break would start a new line
    if (!v.isEmpty() && (isBlank(v.front()) || isBlank(v.back()) || isQuoted(v)))
        return u'"' + v + u'"';
    return v;
}

bool equalNames(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Without the system's Windows-1250 codec the bytes still survive a read and a write unchanged.
QString decode1250(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encode1250(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid()) {
        for (QChar c : text) {
            if (c.unicode() > 0xff)
                return std::nullopt;
        }
        return text.toLatin1();
    }
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// What a read returns of a stored value.
QString readableValue(const QString &v)
{
    if (v.size() <= ProfileFile::MaxValueLength)
        return v;
    qsizetype cut = ProfileFile::MaxValueLength;
    if (v[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return v.first(cut);
}

// A UTF-16 file may hold half a character; it could not be written in any other encoding.
void replaceLoneSurrogates(QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);
const QByteArray Utf16LEBom("\xFF\xFE", 2);

} // namespace

std::optional<int> ParseProfileInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Hexadecimal takes any 32 bits ("$FFFFFFFF" is -1); decimal stays within the int range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    std::uint32_t bits = std::uint32_t(magnitude);
    if (negative)
        bits = 0u - bits;
    return std::int32_t(bits);
}

ProfileFile::Line ProfileFile::parseLine(const QString &text)
{
    Line line;
    line.text = text;
    const QStringView t = trimBlanks(text);
    if (t.isEmpty() || t.front() == u';')
        return line;
    if (t.front() == u'[') {
        const qsizetype close = t.indexOf(u']');
        if (close > 0) {
            line.kind = Kind::Header;
            line.name = trimBlanks(t.sliced(1, close - 1)).toString();
            return line;
        }
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return line;
    line.kind = Kind::Key;
    line.name = trimBlanks(t.first(eq)).toString();
    QStringView v = trimBlanks(t.sliced(eq + 1));
    if (isQuoted(v))
        v = v.sliced(1, v.size() - 2);
    line.value = v.toString();
    return line;
}

ProfileFile ProfileFile::fromBytes(const QByteArray &bytes)
{
    ProfileFile file;
    QString text;
    if (bytes.startsWith(Utf8Bom)) {
        file.readEncoding = Encoding::Utf8;
        text = QString::fromUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()));
    } else if (bytes.startsWith(Utf16LEBom)) {
        file.readEncoding = Encoding::Utf16LE;
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        text = decoder.decode(QByteArrayView(bytes).sliced(Utf16LEBom.size()));
        replaceLoneSurrogates(text);
    } else {
        text = decode1250(bytes);
    }
    // Lines end in CR LF, LF or CR; a last line may lack its end.
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        file.lines.append(parseLine(text.sliced(start, i - start)));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        file.lines.append(parseLine(text.sliced(start)));
    return file;
}

QByteArray ProfileFile::toBytes() const
{
    QString text;
    for (const Line &line : lines) {
        text += line.text;
        text += QLatin1String("\r\n");
    }
    switch (readEncoding) {
    case Encoding::Windows1250:
        if (auto bytes = encode1250(text))
            return *bytes;
        break;
    case Encoding::Utf16LE: {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return Utf16LEBom + QByteArray(encoder.encode(text));
    }
    case Encoding::Utf8:
        break;
    }
    return Utf8Bom + text.toUtf8();
}

qsizetype ProfileFile::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Kind::Header && equalNames(lines[i].name, section))
            return i;
    }
    return -1;
}

qsizetype ProfileFile::findKey(qsizetype header, QStringView key) const
{
    for (qsizetype i = header + 1; i < lines.size() && lines[i].kind != Kind::Header; ++i) {
        if (lines[i].kind == Kind::Key && equalNames(lines[i].name, key))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileFile::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype at = findKey(header, key);
    if (at < 0)
        return std::nullopt;
    return readableValue(lines[at].value);
}

QString ProfileFile::readString(QStringView section, QStringView key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

int ProfileFile::readInteger(QStringView section, QStringView key, int fallback) const
{
    const std::optional<QString> v = value(section, key);
    if (!v)
        return fallback;
    return ParseProfileInteger(*v).value_or(fallback);
}

bool ProfileFile::readBool(QStringView section, QStringView key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::writeString(QStringView section, QStringView key, const QString &value)
{
    const QString stored = storedValue(value);
    const qsizetype header = findSection(section);
    if (header < 0) {
        if (!lines.isEmpty() && !trimBlanks(lines.back().text).isEmpty())
            lines.append(parseLine(QString()));
        lines.append(parseLine(u'[' + section.toString() + u']'));
        lines.append(parseLine(key.toString() + u'=' + stored));
        return;
    }
    const qsizetype at = findKey(header, key);
    if (at >= 0) {
        // The key keeps its spelling in the file.
        lines[at] = parseLine(lines[at].name + u'=' + stored);
        return;
    }
    // A new key follows the last entry of its section, before the blank lines and comments that
    // lead to the next section.
    qsizetype last = header;
    for (qsizetype i = header + 1; i < lines.size() && lines[i].kind != Kind::Header; ++i) {
        const QStringView t = trimBlanks(lines[i].text);
        if (!t.isEmpty() && t.front() != u';')
            last = i;
    }
    lines.insert(last + 1, parseLine(key.toString() + u'=' + stored));
}

void ProfileFile::writeInteger(QStringView section, QStringView key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(QStringView section, QStringView key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QList<ProfileSection> ProfileFile::sections() const
{
    QList<ProfileSection> result;
    QSet<QString> seenSections, seenKeys;
    bool reachable = false; // keys before any header, or in a repeated section, are never found
    for (const Line &line : lines) {
        if (line.kind == Kind::Header) {
            const QString folded = line.name.toCaseFolded();
            reachable = !seenSections.contains(folded);
            if (reachable) {
                seenSections.insert(folded);
                seenKeys.clear();
                result.append(ProfileSection{line.name, {}});
            }
        } else if (line.kind == Kind::Key && reachable) {
            const QString folded = line.name.toCaseFolded();
            if (!seenKeys.contains(folded)) {
                seenKeys.insert(folded);
                result.back().keys.append({line.name, readableValue(line.value)});
            }
        }
    }
    return result;
}

ProfileLoad LoadProfileFile(const QString &path)
{
    ProfileLoad load;
    QFile file(path);
    if (!file.exists())
        return load;
    load.exists = true;
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        load.error = QStringLiteral("Cannot open file %1 (%2)").arg(shown, file.errorString());
        return load;
    }
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        load.error = QStringLiteral("Cannot open file %1 (%2)").arg(shown, file.errorString());
        return load;
    }
    if (bytes.size() > MaxFileSize) {
        load.error = QStringLiteral("Cannot open file %1 (larger than %2 MB)")
                         .arg(shown)
                         .arg(MaxFileSize / (1024 * 1024));
        return load;
    }
    load.file = ProfileFile::fromBytes(bytes);
    return load;
}

QString SaveProfileFile(const QString &path, const ProfileFile &file)
{
    QSaveFile out(path);
    const auto failure = [&] {
        return QStringLiteral("Cannot create file %1 (%2)")
            .arg(QDir::toNativeSeparators(path), out.errorString());
    };
    if (!out.open(QIODevice::WriteOnly))
        return failure();
    const QByteArray bytes = file.toBytes();
    // commit() alone misses a write that the disk cut short (Qt 6.4 renames the truncated file
    // over the good one), so the buffer is flushed and checked first.
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString reason = failure();
        out.cancelWriting();
        return reason;
    }
    if (!out.commit())
        return failure();
    return QString();
}
