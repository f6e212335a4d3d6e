#pragma once

// Text files as the program exchanges them (worksheets, the names list, examination logs, the
// operator lists): Windows-1250 with CR LF after every line. Reading
// also takes what other editors write (LF or CR line ends, no final line end, UTF-8 with or
// without a byte-order mark), so nothing typed elsewhere comes back garbled.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

// A file that could not be read or written; the text names the file ("Cannot open file %s",
// "Cannot create file %s").
class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The lines an item list makes in a file: an item holding line breaks (CR LF, LF or CR) gives
// one line per piece.
QStringList FileLines(const QStringList &items);

// The bytes of a text file as lines. A byte-order mark decides the encoding (UTF-8, UTF-16 or
// UTF-32; the mark itself is dropped); without one, bytes that are valid UTF-8 are read as UTF-8
// and anything else as Windows-1250. CR LF, LF and CR each end a line; a last line without a
// line end still counts, and an empty text has no lines.
QStringList DecodeTextLines(const QByteArray &bytes);

// The file bytes of an item list: every file line followed by CR LF. Windows-1250 when it holds
// every character and its bytes cannot be mistaken for UTF-8 on reading; otherwise UTF-8 with a
// byte-order mark, so no character is ever lost.
QByteArray EncodeTextLines(const QStringList &items);

// The bytes of a whole file; throws FileError "Cannot open file <path>" when it cannot be read.
QByteArray ReadFileBytes(const QString &path);

// Reads a whole file (ReadFileBytes) and decodes its lines (DecodeTextLines).
QStringList ReadTextFile(const QString &path);

// Replaces a file through a temporary one, so a failed write leaves the previous file whole;
// throws FileError "Cannot create file <path>" when the file cannot be written (a read-only
// file is never replaced).
void WriteFileBytes(const QString &path, const QByteArray &bytes);

// The item list through EncodeTextLines into a file, as WriteFileBytes writes it.
void WriteTextFile(const QString &path, const QStringList &items);
