#include "worksheet/worksheetfile.h"

#include "textfile/textfile.h"
#include "worksheet/worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

OpenedWorksheet ReadWorksheetFile(const QString &path)
{
    OpenedWorksheet opened;
    opened.lines = ReadTextFile(path);
    opened.trailer = ReadTrailer(opened.lines);
    return opened;
}

void WriteWorksheetFile(const QString &path, const QStringList &items)
{
    WriteTextFile(path, items);
}

QString EditorFailure(const QString &path)
{
    return QCoreApplication::translate(
               "Worksheet", "Soubor %1 je uložen, ale textový editor se nepodařilo spustit.")
        .arg(QDir::toNativeSeparators(path));
}

void WriteExportFile(const QString &path, const QStringList &items, bool aligned)
{
    WriteTextFile(path, ExportLines(items, aligned));
}

bool HoldsAnswers(const QStringList &items)
{
    return std::any_of(items.begin(), items.end(), [](const QString &line) {
        const qsizetype at = line.indexOf(QLatin1Char('='));
        return at >= 0 && !QStringView(line).mid(at + 1).trimmed().isEmpty();
    });
}

bool FileHoldsAnswers(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    try {
        return HoldsAnswers(ReadTextFile(path));
    } catch (const FileError &) {
        return false; // the export's own write then reports the file
    }
}

QString NamesFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("Jmena.txt");
}

QStringList ReadNamesFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return ReadTextFile(path);
}

void WriteNamesFile(const QString &path, const QStringList &names)
{
    WriteTextFile(path, names);
}
