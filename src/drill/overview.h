#pragma once

#include "drill/history.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>

// What the "Přehled" window shows of the history: the table's columns and cells, its order, the
// summary line and the chart's series and axes. The window only puts these on the screen.

namespace OverviewColumn {
enum : int {
    Started,
    Name,
    Examples,
    Right,
    Wrong,
    Unanswered,
    Rate,
    Points,
    Time,
    Operators,
    Row1,
    Row2,
    Decimals,
    Templates,
    Count
};
} // namespace OverviewColumn

QString OverviewHeader(int column);
// "(bez jména)" for a run without a name.
QString ShownPupilName(const QString &name);
// The date and time column's format: the locale's short date and its time with seconds, so that
// two runs of one minute stay apart.
QString OverviewDateTimeFormat(const QLocale &locale);
// The text of one cell; separator is the locale's decimal separator of the success rate.
QString OverviewCell(const HistoryRun &run, int column, const QLocale &locale,
                     const QString &dateTimeFormat, char separator);
bool OverviewTextColumn(int column); // left-aligned; the others are figures

// The table's order by a column; runs equal in it keep the newest first.
void SortOverview(QList<HistoryRun> &runs, int column, bool ascending);

// The runs of one pupil in history order; everyone's when name is empty.
QList<HistoryRun> RunsOfPupil(const QList<HistoryRun> &runs, const QString *name);

// The line above the table: runs, mean and best rate, and for one pupil the trend of the last
// five runs; for everyone the number of pupils instead. Damaged lines of the file are mentioned.
QString OverviewSummary(const QList<HistoryRun> &runs, bool everyone, int damaged,
                        const QLocale &locale, char separator);

struct OverviewSeries
{
    QString name;
    QList<QPointF> points; // x: milliseconds since the epoch
    bool pointsVisible = true;
    bool onPointsAxis = false;
    bool operator==(const OverviewSeries &) const = default;
};

// One pupil: the success rate on a left axis and the points on a right one. Everyone: the chosen
// measure on a left axis, one series per pupil in the chooser's order.
struct OverviewChart
{
    QString title;
    bool rateAxis = false; // 0 to 100 %
    bool pointsAxis = false;
    bool pointsAxisLeft = false;          // everyone's points
    double pointsLow = 0, pointsHigh = 0; // before Qt's nice numbers round them outwards
    QDateTime from, to;                   // the time axis, local time
    QString timeFormat;
    bool legend = false;
    QList<OverviewSeries> series;
};

// runs: those of the table; pupils: the chooser's names in its order (everyone's chart);
// pupil: the one shown (one pupil's chart); now: the time axis of an empty chart.
OverviewChart ChartOf(QList<HistoryRun> runs, bool everyone, bool points, const QStringList &pupils,
                      const QString &pupil, const QLocale &locale, const QDateTime &now);
