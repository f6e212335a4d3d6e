#include "textfile/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

// Windows-1250 by name; where Qt has no such converter (a build without ICU) the system code
// page stands in, which is Windows-1250 on the Czech systems the files come from.
QStringDecoder decoder1250()
{
    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    if (decoder.isValid())
        return decoder;
    return QStringDecoder(QStringConverter::System, QStringConverter::Flag::Stateless);
}

QStringEncoder encoder1250()
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    if (encoder.isValid())
        return encoder;
    return QStringEncoder(QStringConverter::System, QStringConverter::Flag::Stateless);
}

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Splits at CR LF, LF and CR. A break at the very end ends the last line in a file, but in an
// item it starts one more (empty) line.
void splitLines(const QString &text, bool breakEndsLine, QStringList &out)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!isBreak(text[i]))
            continue;
        out.append(text.mid(start, i - start));
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n || !breakEndsLine)
        out.append(text.mid(start));
}

bool hasNonAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// UTF-16 text may hold a half of a surrogate pair, which no file could write back; it becomes
// the replacement character, as an undecodable byte does.
void replaceLoneSurrogates(QString &text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

QString decodeText(const QByteArray &bytes)
{
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringConverter::Flag::Stateless);
        QString text = decoder(bytes); // drops the mark
        replaceLoneSurrogates(text);
        return text;
    }
    if (hasNonAscii(bytes)) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
        return decoder1250()(bytes);
    }
    return QString::fromLatin1(bytes);
}

QString pathText(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QStringList FileLines(const QStringList &items)
{
    QStringList lines;
    lines.reserve(items.size());
    for (const QString &item : items) {
        if (std::none_of(item.begin(), item.end(), isBreak))
            lines.append(item);
        else
            splitLines(item, false, lines);
    }
    return lines;
}

QStringList DecodeTextLines(const QByteArray &bytes)
{
    QStringList lines;
    splitLines(decodeText(bytes), true, lines);
    return lines;
}

QByteArray EncodeTextLines(const QStringList &items)
{
    QString text;
    for (const QString &line : FileLines(items)) {
        text += line;
        text += QLatin1String("\r\n");
    }
    QByteArray bytes = encoder1250()(text);
    // Characters Windows-1250 cannot hold do not read back; nor do Windows-1250 bytes that read
    // as UTF-8 or start with a byte-order mark. Such texts go out in UTF-8 with a mark instead.
    if (decodeText(bytes) == text)
        return bytes;
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return utf8(text);
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file %1").arg(pathText(path)).toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Cannot open file %1").arg(pathText(path)).toStdString());
    return bytes;
}

QStringList ReadTextFile(const QString &path)
{
    return DecodeTextLines(ReadFileBytes(path));
}

void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    const auto fail = [&path] {
        throw FileError(QStringLiteral("Cannot create file %1").arg(pathText(path)).toStdString());
    };
    // A read-only file stays as it is, although the rename of a temporary file could replace it.
    const QFileInfo info(path);
    if (path.isEmpty() || (info.exists() && (info.isDir() || !info.isWritable())))
        fail();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail();
    // Qt's commit can miss a short write (a full disk, a size limit); flush and size catch it.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size() ||
        !file.commit())
        fail();
}

void WriteTextFile(const QString &path, const QStringList &items)
{
    WriteFileBytes(path, EncodeTextLines(items));
}
