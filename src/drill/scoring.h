#pragma once

#include "drill/history.h"

#include <QString>
#include <QTime>

#include <optional>
#include <string>
#include <string_view>

// The state of practice and examination, kept by the main window.
struct DrillState
{
    int RightCount = 0;      // answers judged right since the last Start or Stop
    int WrongCount = 0;      // answers judged wrong, unanswered ones included
    int UnansweredCount = 0; // of those, examples left without an answer
    int AnswerTicks = 0;     // seconds counted in the current answer window
    int ElapsedSeconds = 0;  // seconds of the running examination, for the points
    bool RunActive = false;  // an examination run is in progress
    QTime RunStartTime;      // time of day at which the run started
    QString AnswerText;      // the answer as read by the last judging
    int stopRequest = 0;     // -1 after the status-bar Stop, 0 when a long operation starts
    // An unanswered example was counted after the remaining count, success rate and points were
    // last shown; the end of a run brings them up to date.
    bool figuresBehind = false;
    // What Start knew of the running examination (its moment, the name, N, the difficulty),
    // for the history when it ends.
    HistoryRun startedRun;
};

// Points: a bonus per right answer (larger while formulas are drawn at random), a penalty per
// wrong answer and one per second of the run.
constexpr int RandomTemplateBonus = 35;
constexpr int PlainBonus = 5;
constexpr int WrongPenalty = 25;
constexpr int SecondPenalty = 1;

long long Points(int right, int wrong, int elapsedSeconds, bool randomTemplates);

// The best points against new points: "0" is replaced by any points, negative ones too; another
// integer only by higher points; a text that is not an integer cannot be compared.
enum class BestPoints { Keep, Replace, Unreadable };
BestPoints CompareBest(std::string_view bestText, long long points);

// Right answers as a share of all judged ones, with one decimal, the separator and " %"
// ("66,7 %"); nullopt when nothing has been judged.
std::optional<std::string> SuccessRateText(int right, int wrong, char sep);

// The end-of-run check before judging: all N examples counted, or the answer came after the
// limit.
bool RunIsOver(int right, int wrong, int exampleCount, int answerLimit, int answerTicks);
