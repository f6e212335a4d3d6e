#pragma once

// Worksheets: lists of examples that a pupil fills in after the "=" and the program computes.
// A line is one item of the window's list; the window hands its items in and takes them back.
// Every function here is a plain function of its arguments (the decimal separator and the
// locale are passed in), so the window, the tests and the benchmarks share one set of rules.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <stdexcept>

class QLocale;

// The state of the worksheet operations, kept by the main window; the lines themselves live in
// its list box.
struct WorksheetState
{
    QString fileName;           // full path of the current worksheet file; empty when none
    int widestExpression = 0;   // alignment width of the formatted export
    std::int64_t startTick = 0; // tick count (ms) at the start of a worksheet operation
    std::int64_t endTick = 0;   // tick count at the latest progress point
    // The names list was read (or there was none to read), so writing it back loses no name.
    bool namesLoaded = false;
};

// An answer that is not a number in the system's format: "'<answer>' is not a valid floating
// point value".
class NotANumberError : public std::runtime_error
{
public:
    explicit NotANumberError(const QString &answer);
};

// ---- Generating --------------------------------------------------------------------------

// A generated example is kept only when fewer than 100 candidates were rejected before it
// (whatever the generation limit, which makes exhausting it end at 100 or more).
bool KeepsGeneratedExample(int rejectedCandidates);

// The line of a generated example: its text followed by "=".
QString GeneratedLine(const QString &example);

// "57/20" and "20/3": the progress texts of generation and of a clicked line.
QString ProgressText(qsizetype first, qsizetype second);

// ---- A line's syntax ---------------------------------------------------------------------

struct LineParts
{
    bool hasEquals = false; // false: a title, an empty line, the trailer; left alone
    QString expression;     // the text before the first "=", as it stands
    QString answer;         // after the "=", trimmed; without a result appended earlier
    bool hasResult = false; // the line already ends in "[ result ]"
};

// Splits a line at its first "=". A line that already carries a computed result (a "[ ",
// a number in the given format and " ]" at its end) gives the answer written before it.
LineParts SplitLine(const QString &line, char sep);

// The expression of a clicked line as the example display takes it: the text before the first
// "=" (empty without one), trimmed.
QString ClickedLineExpression(const QString &line);

// ---- Computing ---------------------------------------------------------------------------

enum class LineState {
    NoEquals,  // left alone
    Unsolved,  // "=" with nothing after it
    Correct,   // the answer equals the two-decimal result
    Wrong,     // it does not
    NotANumber // the answer is not a number in the system's format: the computation ends here
};

struct LineResult
{
    LineState state = LineState::NoEquals;
    QString evaluationText; // the expression with every "," turned into ".", as evaluated
    QString answer;         // trimmed
    QString resultText;     // what the line gets appended: two decimals, or the full value
    QString computedLine;   // the line as it stands afterwards
};

// Computes one line: the expression evaluates (an expression that does not evaluate counts as
// 0), the answer is judged against the result written with two decimals, and the line gets
// "[ " + result + " ]" appended, where the result is the two-decimal text or, with fullPrecision,
// the value in general format. A line that already carries a result keeps its text and is judged
// again from its own answer; NoEquals and NotANumber lines keep theirs too.
LineResult ComputeLine(const QString &line, char sep, bool fullPrecision);

// Whether a worksheet counts as computed, so that computing it again changes nothing: its
// second line contains "[", or it ends with a trailer. A one-line worksheet has no second line;
// its only line is tested instead.
bool IsWorksheetComputed(const QStringList &items);

// The three counts of one computation. A count label shows a new text only when its count rises:
// a category without lines keeps whatever its label showed before ("-", or an earlier count).
struct WorksheetCounts
{
    int correct = 0;
    int unsolved = 0;
    int wrong = 0;

    // Counts a computed line; true when a count rose.
    bool add(LineState state);
    // The count of a line's category; 0 for lines that count nowhere, whose label stays.
    int count(LineState state) const;
};

// Called after each line with its index, its result and the counts so far; returning false
// stops the computation.
using LineHook =
    std::function<bool(qsizetype index, const LineResult &result, const WorksheetCounts &counts)>;

struct ComputeOutcome
{
    WorksheetCounts counts;
    bool finished = false; // every line was computed: the trailer is due
};

// Computes every line in place, first to last. A NotANumber line throws NotANumberError; the
// lines before it keep their results. Does nothing to a worksheet that IsWorksheetComputed.
ComputeOutcome ComputeWorksheet(QStringList &lines, char sep, bool fullPrecision,
                                const LineHook &afterLine = {});

// The count labels' texts, which the trailer records: a label shows its count once the count
// has risen, and keeps what it showed before otherwise ("-" after clearing or opening a file).
struct CountTexts
{
    QString correct = QStringLiteral("-");
    QString unsolved = QStringLiteral("-");
    QString wrong = QStringLiteral("-");
    bool operator==(const CountTexts &) const = default;
};

struct CorrectionOutcome
{
    ComputeOutcome compute;
    CountTexts texts; // as the labels show them afterwards
};

// Compute and its trailer, as the window's Compute does it and the correction of a folder does
// it for every file: ComputeWorksheet, the count texts following the counts from the given
// ones, and, when every line was computed, the trailer item appended, stamped with the date and
// time that stamp() gives at that moment.
CorrectionOutcome CorrectWorksheet(QStringList &lines, char sep, bool fullPrecision,
                                   CountTexts texts, const std::function<QString()> &stamp,
                                   const LineHook &afterLine = {});

// ---- Timing ------------------------------------------------------------------------------

// Elapsed milliseconds as the progress display shows them: the whole seconds in the locale's
// long time format, ".", and the remaining milliseconds without leading zeros (65 432 ms in
// Czech: 0:01:05.432; 65 007 ms: 0:01:05.7). A negative span shows as 0.
QString ElapsedText(std::int64_t elapsedMs, const QLocale &locale);

// ---- Export ------------------------------------------------------------------------------

// The alignment width: the largest, over all file lines, of the length of the text before the
// first "=" less one; lines without "=", or starting with it, count 0.
int MeasureWidestExpression(const QStringList &items);

// The lines an export writes. Aligned, every line's text before its first "=" (empty without
// one) is padded in front with blanks to width + 1 when it is not longer than the width, so
// every "=" stands in the same column.
QStringList ExportLines(const QStringList &items, bool aligned);

// Where an export goes: the worksheet file, or where none is set "C:\Priklad" on Windows and
// the file "Priklad" in the user's home folder elsewhere.
QString ExportTarget(const QString &worksheetFile);
