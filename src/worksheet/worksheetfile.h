#pragma once

// Worksheet files (".nlx"), the export and the names list "Jmena.txt", in the program's text
// file format. Every reader takes the whole file before it returns, so a caller replaces what it
// shows only when reading succeeded; every writer replaces its file whole or not at all.

#include "worksheet/trailer.h"

#include <QString>
#include <QStringList>

#include <optional>

struct OpenedWorksheet
{
    QStringList lines;                    // one item per file line
    std::optional<TrailerLabels> trailer; // set when the file ends with a trailer
};

// Throws FileError "Cannot open file <path>".
OpenedWorksheet ReadWorksheetFile(const QString &path);

// Writes every item, a trailer item as its six lines. Throws FileError "Cannot create file
// <path>".
void WriteWorksheetFile(const QString &path, const QStringList &items);

// Writes the export (ExportLines) to the target. Throws FileError "Cannot create file <path>".
void WriteExportFile(const QString &path, const QStringList &items, bool aligned);
// The message when the written export could not be opened in a text editor.
QString EditorFailure(const QString &path);

// Whether a worksheet holds answers (or results): a line with anything after its first "=".
bool HoldsAnswers(const QStringList &items);

// Whether the file at path holds a worksheet with answers, which an export must not replace
// unasked. A missing or unreadable file holds none.
bool FileHoldsAnswers(const QString &path);

// "Jmena.txt" in the program folder (which ends in its separator).
QString NamesFilePath(const QString &programFolder);

// The names list, one name per line, empty names included; no file gives no names. Throws
// FileError "Cannot open file <path>" for a file that exists but cannot be read.
QStringList ReadNamesFile(const QString &path);

// Throws FileError "Cannot create file <path>".
void WriteNamesFile(const QString &path, const QStringList &names);
