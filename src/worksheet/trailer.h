#pragma once

// The trailer a finished computation stamps on a worksheet: six lines, a blank one, the date and
// time of the check, the texts of the correct, unsolved and wrong counts, and the marker.

#include <QString>
#include <QStringList>

#include <optional>

class QDateTime;
class QLocale;

// "Velmorsoft © 2006"; the "©" is byte 0xA9 in a Windows-1250 file.
QString TrailerMarker();

// The locale's long time format without the time zone ("H:mm:ss" for Czech).
QString LongTimeFormat(const QLocale &locale);

// The date and time of a check as the trailer records it: short date, a blank, long time.
QString TrailerDateTime(const QDateTime &when, const QLocale &locale);

// The one item a finished computation appends; its six lines are joined by "\n" and a file gets
// them as six lines. The counts are the label texts as they stand ("-" where a label never rose).
QString TrailerItem(const QString &dateTime, const QString &correct, const QString &unsolved,
                    const QString &wrong);

// What opening a checked worksheet shows again.
struct TrailerLabels
{
    QString correct;  // 4th line from the end
    QString unsolved; // 3rd
    QString wrong;    // 2nd
    QString checked;  // 5th: the date and time of the check
};

// Recognises a trailer at the end of a worksheet, held as one item with line breaks or as the
// file's separate lines: the last line, trimmed, is the marker. Each label is its line trimmed;
// where a short file has no such line, the label shows "-".
std::optional<TrailerLabels> ReadTrailer(const QStringList &items);
