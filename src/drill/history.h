#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct GenerationParams;

// The history of examination runs: "Historie.csv" in the program folder, one line per finished
// or stopped run that judged at least one answer, so a teacher can follow a pupil over weeks.
// UTF-8, CR LF, comma-separated with RFC 4180 quoting, a header line first.

inline constexpr const char *HistoryFileName = "Historie.csv";

// What made the examples hard: the operators in use, the ranges of rows 1 and 2, the decimal
// places of the operands and the template or templates drawn from.
struct RunDifficulty
{
    QString
        operators; // the slots in use, "~" for a random one; "^" and "Sqrt" for templates 13, 14
    int lower1 = 0, upper1 = 0, lower2 = 0, upper2 = 0; // a locked row yields its upper value
    int decimals = 0;  // 0 without decimal numbers, 1 for tenths, 2 for hundredths
    QString templates; // "3", or "1..5" under random choice
    bool operator==(const RunDifficulty &) const = default;
};

struct HistoryRun
{
    QDateTime started; // the moment of Start
    QString name;      // the examinee's name at Start; may be empty
    int exampleCount = 0;
    int right = 0;
    int wrong = 0; // unanswered examples included
    int unanswered = 0;
    double rate = 0; // right of judged, per cent, one decimal
    long long points = 0;
    int seconds = 0; // the run's length on the run clock
    RunDifficulty difficulty;
    bool operator==(const HistoryRun &) const = default;
};

// The difficulty as the generator sees it: its parameters, the operator characters of the four
// slots and the chosen template.
RunDifficulty DifficultyOf(const GenerationParams &params, const char (&operators)[4],
                           int templateIndex);

// The run as it ends, from what Start recorded and the final counts; nullopt when it judged no
// answer, since such a run says nothing about the pupil.
std::optional<HistoryRun> FinishedRun(HistoryRun started, int right, int wrong, int unanswered,
                                      int seconds, long long points);

QByteArray HistoryHeaderLine();
QByteArray HistoryLine(const HistoryRun &run);
// A header and the runs in the given order: the history file, or an exported table.
QByteArray HistoryFileBytes(const QList<HistoryRun> &runs);
// One line without its line break; nullopt when it is damaged (or is the header).
std::optional<HistoryRun> ParseHistoryLine(QByteArrayView line);

struct HistoryContents
{
    QList<HistoryRun> runs; // in file order
    int damaged = 0;        // lines skipped, the header not counted
};
HistoryContents ParseHistory(QByteArrayView bytes);

// A missing file is an empty history; one that exists but cannot be read throws
// std::runtime_error "Cannot open file %s".
HistoryContents ReadHistory(const QString &path);

// Adds the run at the end. The file is written anew through a temporary file and renamed over
// the old one, so a crash or a full disk never costs an earlier line; the earlier bytes are
// copied as they are, damaged lines included. Throws "Cannot open file %s" when the old file
// cannot be read (it is then left alone) and "Cannot create file %s" when the new one cannot be
// written.
void AppendHistoryRun(const QString &path, const HistoryRun &run);

// The pupils of the names list and of the history, each once, in Czech alphabetical order.
QStringList PupilNames(const QStringList &namesList, const QList<HistoryRun> &runs);

enum class Trend { Unknown, Rising, Steady, Falling };
struct PupilSummary
{
    int runs = 0;
    double meanRate = 0;
    double bestRate = 0;
    // The least-squares slope of the success rate over the last five runs by date, in
    // percentage points per run; Unknown with fewer than two runs.
    Trend trend = Trend::Unknown;
    double trendSlope = 0;
};
inline constexpr double SteadyTrendSlope = 1.0; // smaller slopes are noise
PupilSummary Summarise(QList<HistoryRun> runs);
