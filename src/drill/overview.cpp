#include "drill/overview.h"

#include "drill/runclock.h"
#include "editexp/numbertext.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

struct T
{
    Q_DECLARE_TR_FUNCTIONS(Overview)
};

const char *const Headers[OverviewColumn::Count] = {
    QT_TRANSLATE_NOOP("Overview", "Datum a čas"),
    QT_TRANSLATE_NOOP("Overview", "Jméno"),
    QT_TRANSLATE_NOOP("Overview", "Příkladů"),
    QT_TRANSLATE_NOOP("Overview", "Správně"),
    QT_TRANSLATE_NOOP("Overview", "Chybně"),
    QT_TRANSLATE_NOOP("Overview", "Nezodpovězeno"),
    QT_TRANSLATE_NOOP("Overview", "Úspěšnost"),
    QT_TRANSLATE_NOOP("Overview", "Body"),
    QT_TRANSLATE_NOOP("Overview", "Čas úkolu"),
    QT_TRANSLATE_NOOP("Overview", "Operátory"),
    QT_TRANSLATE_NOOP("Overview", "Řada 1"),
    QT_TRANSLATE_NOOP("Overview", "Řada 2"),
    QT_TRANSLATE_NOOP("Overview", "Desetinná místa"),
    QT_TRANSLATE_NOOP("Overview", "Vzorce")};

QString rateText(double rate, char separator)
{
    return QString::fromStdString(FormatMask(rate, "0.0", separator)) + QStringLiteral(" %");
}

QString rangeText(int lower, int upper)
{
    return lower == upper ? QString::number(upper) : T::tr("%1 až %2").arg(lower).arg(upper);
}

QString durationText(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool less(const HistoryRun &a, const HistoryRun &b, int column, const QCollator &collator)
{
    using namespace OverviewColumn;
    const RunDifficulty &x = a.difficulty, &y = b.difficulty;
    switch (column) {
    case Started:
        return a.started < b.started;
    case Name:
        return collator.compare(a.name, b.name) < 0;
    case Examples:
        return a.exampleCount < b.exampleCount;
    case Right:
        return a.right < b.right;
    case Wrong:
        return a.wrong < b.wrong;
    case Unanswered:
        return a.unanswered < b.unanswered;
    case Rate:
        return a.rate < b.rate;
    case Points:
        return a.points < b.points;
    case Time:
        return a.seconds < b.seconds;
    case Operators:
        return x.operators < y.operators;
    case Row1:
        return std::pair(x.lower1, x.upper1) < std::pair(y.lower1, y.upper1);
    case Row2:
        return std::pair(x.lower2, x.upper2) < std::pair(y.lower2, y.upper2);
    case Decimals:
        return x.decimals < y.decimals;
    case Templates:
        return x.templates < y.templates;
    }
    return false;
}

} // namespace

QString OverviewHeader(int column)
{
    return column >= 0 && column < OverviewColumn::Count ? T::tr(Headers[column]) : QString();
}

QString ShownPupilName(const QString &name)
{
    return name.isEmpty() ? T::tr("(bez jména)") : name;
}

QString OverviewDateTimeFormat(const QLocale &locale)
{
    return locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
           LongTimeFormatWithoutZone(locale);
}

bool OverviewTextColumn(int column)
{
    return column == OverviewColumn::Name || column == OverviewColumn::Operators ||
           column == OverviewColumn::Started;
}

QString OverviewCell(const HistoryRun &run, int column, const QLocale &locale,
                     const QString &dateTimeFormat, char separator)
{
    using namespace OverviewColumn;
    const RunDifficulty &d = run.difficulty;
    switch (column) {
    case Started:
        return locale.toString(run.started.toLocalTime(), dateTimeFormat);
    case Name:
        return ShownPupilName(run.name);
    case Examples:
        return QString::number(run.exampleCount);
    case Right:
        return QString::number(run.right);
    case Wrong:
        return QString::number(run.wrong);
    case Unanswered:
        return QString::number(run.unanswered);
    case Rate:
        return rateText(run.rate, separator);
    case Points:
        return QString::number(run.points);
    case Time:
        return durationText(run.seconds);
    case Operators:
        return d.operators;
    case Row1:
        return rangeText(d.lower1, d.upper1);
    case Row2:
        return rangeText(d.lower2, d.upper2);
    case Decimals:
        return QString::number(d.decimals);
    case Templates:
        return QString(d.templates).replace(QLatin1String(".."), T::tr(" až "));
    }
    return {};
}

void SortOverview(QList<HistoryRun> &runs, int column, bool ascending)
{
    static const QCollator collator{QLocale(QLocale::Czech, QLocale::Czechia)};
    std::stable_sort(runs.begin(), runs.end(), [](const HistoryRun &a, const HistoryRun &b) {
        return a.started > b.started;
    });
    if (ascending)
        std::stable_sort(runs.begin(), runs.end(), [column](const auto &a, const auto &b) {
            return less(a, b, column, collator);
        });
    else
        std::stable_sort(runs.begin(), runs.end(), [column](const auto &a, const auto &b) {
            return less(b, a, column, collator);
        });
}

QList<HistoryRun> RunsOfPupil(const QList<HistoryRun> &runs, const QString *name)
{
    if (!name)
        return runs;
    QList<HistoryRun> out;
    for (const HistoryRun &run : runs)
        if (run.name == *name)
            out.append(run);
    return out;
}

QString OverviewSummary(const QList<HistoryRun> &runs, bool everyone, int damaged,
                        const QLocale &locale, char separator)
{
    QString text;
    if (runs.isEmpty()) {
        text = T::tr("Žádný zaznamenaný běh zkoušení.");
    } else {
        const PupilSummary s = Summarise(runs);
        text = T::tr("Běhů: %1    Průměrná úspěšnost: %2    Nejlepší: %3")
                   .arg(s.runs)
                   .arg(rateText(s.meanRate, separator), rateText(s.bestRate, separator));
        if (everyone) {
            // A trend across different pupils would mean nothing.
            QSet<QString> names;
            for (const HistoryRun &run : runs)
                names.insert(run.name);
            text = T::tr("Žáků: %1    ").arg(names.size()) + text;
        } else {
            QString trend;
            switch (s.trend) {
            case Trend::Unknown:
                trend = T::tr("zatím nelze určit");
                break;
            case Trend::Rising:
                trend = T::tr("zlepšuje se");
                break;
            case Trend::Steady:
                trend = T::tr("beze změny");
                break;
            case Trend::Falling:
                trend = T::tr("zhoršuje se");
                break;
            }
            if (s.trend != Trend::Unknown)
                trend += T::tr(" (%1%2 p. b. na běh)")
                             .arg(s.trendSlope > 0 ? QStringLiteral("+") : QString())
                             .arg(locale.toString(s.trendSlope, 'f', 1));
            text += T::tr("    Trend posledních 5 běhů: ") + trend;
        }
    }
    if (damaged > 0)
        text += T::tr("    (nečitelných řádků v historii: %1)").arg(damaged);
    return text;
}

OverviewChart ChartOf(QList<HistoryRun> runs, bool everyone, bool points, const QStringList &pupils,
                      const QString &pupil, const QLocale &locale, const QDateTime &now)
{
    OverviewChart chart;
    points = points && everyone;
    std::stable_sort(runs.begin(), runs.end(), [](const HistoryRun &a, const HistoryRun &b) {
        return a.started < b.started;
    });
    chart.rateAxis = !points;
    chart.pointsAxis = points || !everyone;
    chart.pointsAxisLeft = points;

    const auto at = [](const HistoryRun &run) { return double(run.started.toMSecsSinceEpoch()); };
    const auto add = [&](const QString &name, QList<QPointF> values, bool onPoints) {
        // Few runs are drawn as points too, so that a single run shows.
        const bool visible = values.size() < 100;
        chart.series.append({name, std::move(values), visible, onPoints});
    };
    if (!everyone) {
        QList<QPointF> rates, scores;
        rates.reserve(runs.size());
        scores.reserve(runs.size());
        for (const HistoryRun &run : runs) {
            rates.append({at(run), run.rate});
            scores.append({at(run), double(run.points)});
        }
        add(T::tr("Úspěšnost"), std::move(rates), false);
        add(T::tr("Body"), std::move(scores), true);
        chart.title = T::tr("Úspěšnost a body: %1").arg(ShownPupilName(pupil));
    } else {
        QHash<QString, QList<QPointF>> byPupil;
        for (const HistoryRun &run : runs)
            byPupil[run.name].append({at(run), points ? double(run.points) : run.rate});
        for (const QString &name : pupils)
            if (byPupil.contains(name))
                add(ShownPupilName(name), byPupil.take(name), points);
        chart.title = points ? T::tr("Body všech žáků") : T::tr("Úspěšnost všech žáků");
    }

    long long low = 0, high = 0;
    for (const HistoryRun &run : runs) {
        low = std::min(low, run.points);
        high = std::max(high, run.points);
    }
    const long long pad = std::max<long long>(5, (high - low) / 10);
    chart.pointsLow = double(low - (low < 0 ? pad : 0));
    chart.pointsHigh = double(high + pad);

    // A margin either side, so that a single run still has a time axis; the labels show the time
    // of day when the runs are close together.
    const QDateTime first = runs.isEmpty() ? now : runs.front().started;
    const QDateTime last = runs.isEmpty() ? first : runs.back().started;
    const qint64 span = first.secsTo(last);
    const qint64 margin = std::max<qint64>(span / 20, 5 * 60);
    chart.from = first.toLocalTime().addSecs(-margin);
    chart.to = last.toLocalTime().addSecs(margin);
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    chart.timeFormat = span < 3 * 86400 ? date + QStringLiteral(" H:mm") : date;
    chart.legend = !runs.isEmpty();
    return chart;
}
