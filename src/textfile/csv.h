#pragma once

// Comma-separated files as the program writes them for spreadsheets (the history, its export,
// the class table): UTF-8, CR LF, a header line, fields quoted as RFC 4180 has it.

#include <QByteArray>
#include <QString>

// A field in quotes when it holds a separator, a quote or blanks at its ends; quotes doubled.
// Line breaks cannot come from the window; should one arrive, it becomes a blank, so that every
// record stays on one line and a damaged line never takes the following ones with it.
QByteArray CsvField(QString text);

// A text typed by a pupil (a name), guarded for spreadsheets: one that starts like a formula
// ("=", "+", "-", "@", a tab or a carriage return) would run as one there. Such a text, and one
// that starts with the apostrophe itself, is written after an apostrophe, which a spreadsheet
// takes as "text follows" and a reader drops again.
QString SpreadsheetText(const QString &text);
