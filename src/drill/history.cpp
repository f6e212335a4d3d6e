#include "drill/history.h"

#include "editexp/numbertext.h"
#include "generator/candidate.h"
#include "generator/templates.h"
#include "textfile/csv.h"
#include "textfile/textfile.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FieldCount = 16;
const char *const Header = "Datum a čas,Jméno,Příkladů,Správně,Chybně,Nezodpovězeno,Úspěšnost,"
                           "Body,Sekundy,Operátory,Řada 1 od,Řada 1 do,Řada 2 od,Řada 2 do,"
                           "Desetinná místa,Vzorce";

constexpr int PowerTemplate = 13;
constexpr int RootTemplate = 14;

QString unguardedName(const QString &field)
{
    return field.startsWith(QLatin1Char('\'')) ? field.sliced(1) : field;
}

// The fields of one line; nullopt for a stray quote.
std::optional<QStringList> csvFields(QStringView line)
{
    QStringList fields;
    QString field;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        field.clear();
        if (i < n && line[i] == QLatin1Char('"')) {
            ++i;
            while (true) {
                if (i >= n)
                    return std::nullopt; // unclosed
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < n && line[i] != QLatin1Char(','))
                return std::nullopt; // text after the closing quote
        } else {
            while (i < n && line[i] != QLatin1Char(',')) {
                if (line[i] == QLatin1Char('"'))
                    return std::nullopt;
                field += line[i++];
            }
        }
        fields << field;
        if (i >= n)
            return fields;
        ++i; // the comma
    }
}

std::optional<long long> wholeNumber(const QString &text, long long min, long long max)
{
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    if (!ok || v < min || v > max || text.trimmed() != text)
        return std::nullopt;
    return v;
}

QString rateText(double rate)
{
    return QString::fromStdString(FormatMask(rate, "0.0", '.'));
}

// The template choice that the examples come from: the chosen one (0 composes as 1), or 1 to n
// under random choice.
int lastTemplate(const GenerationParams &params, int templateIndex)
{
    if (params.randomTemplate)
        return std::clamp(params.templateCount, 1, TemplateCount);
    return std::clamp(templateIndex, 1, TemplateCount);
}

} // namespace

RunDifficulty DifficultyOf(const GenerationParams &params, const char (&operators)[4],
                           int templateIndex)
{
    RunDifficulty d;
    const int last = lastTemplate(params, templateIndex);
    const int first = params.randomTemplate ? 1 : last;
    int slotCount = 0;
    bool power = false, root = false;
    for (int t = first; t <= last; ++t) {
        if (t == PowerTemplate)
            power = true;
        else if (t == RootTemplate)
            root = true;
        else
            slotCount = std::max(slotCount, TemplateAt(t).operands - 1);
    }
    QStringList ops;
    for (int k = 0; k < slotCount; ++k)
        ops << QString(QLatin1Char(params.slotRandom[k] ? '~' : operators[k]));
    if (power)
        ops << QStringLiteral("^");
    if (root)
        ops << QStringLiteral("Sqrt");
    d.operators = ops.join(QLatin1Char(' '));

    d.upper1 = params.upper[0];
    d.lower1 = params.locked[0] ? params.upper[0] : params.lower[0];
    // Row 2 draws from 0 to the exponent value under "Exponent z daného rozsahu".
    d.upper2 = params.locked[1]       ? params.upper[1]
               : params.exponentRange ? params.exponent
                                      : params.upper[1];
    d.lower2 = params.locked[1] ? params.upper[1] : params.exponentRange ? 0 : params.lower[1];
    d.decimals = !params.decimals ? 0 : params.hundredths ? 2 : 1;
    d.templates =
        first == last ? QString::number(last) : QStringLiteral("%1..%2").arg(first).arg(last);
    return d;
}

std::optional<HistoryRun> FinishedRun(HistoryRun run, int right, int wrong, int unanswered,
                                      int seconds, long long points)
{
    const int judged = right + wrong;
    if (judged <= 0)
        return std::nullopt;
    run.right = right;
    run.wrong = wrong;
    run.unanswered = unanswered;
    run.seconds = seconds;
    run.points = points;
    // Rounded as the results tab shows it.
    run.rate = rateText(right / (judged / 100.0)).toDouble();
    return run;
}

QByteArray HistoryHeaderLine()
{
    return QByteArray(Header) + "\r\n";
}

QByteArray HistoryLine(const HistoryRun &run)
{
    const RunDifficulty &d = run.difficulty;
    const QByteArrayList fields = {
        run.started.toOffsetFromUtc(run.started.offsetFromUtc()).toString(Qt::ISODate).toUtf8(),
        CsvField(SpreadsheetText(run.name)),
        QByteArray::number(run.exampleCount),
        QByteArray::number(run.right),
        QByteArray::number(run.wrong),
        QByteArray::number(run.unanswered),
        rateText(run.rate).toUtf8(),
        QByteArray::number(run.points),
        QByteArray::number(run.seconds),
        CsvField(d.operators),
        QByteArray::number(d.lower1),
        QByteArray::number(d.upper1),
        QByteArray::number(d.lower2),
        QByteArray::number(d.upper2),
        QByteArray::number(d.decimals),
        CsvField(d.templates),
    };
    return fields.join(',') + "\r\n";
}

QByteArray HistoryFileBytes(const QList<HistoryRun> &runs)
{
    QByteArray bytes = HistoryHeaderLine();
    for (const HistoryRun &run : runs)
        bytes += HistoryLine(run);
    return bytes;
}

std::optional<HistoryRun> ParseHistoryLine(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString line = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const auto fields = csvFields(line);
    if (!fields || fields->size() != FieldCount)
        return std::nullopt;
    const QStringList &f = *fields;

    HistoryRun run;
    run.started = QDateTime::fromString(f[0], Qt::ISODate);
    if (!run.started.isValid())
        return std::nullopt;
    run.name = unguardedName(f[1]);
    constexpr long long Big = 1'000'000'000;
    const auto n = wholeNumber(f[2], 1, Big), right = wholeNumber(f[3], 0, Big),
               wrong = wholeNumber(f[4], 0, Big), unanswered = wholeNumber(f[5], 0, Big),
               points = wholeNumber(f[7], -Big * Big, Big * Big),
               seconds = wholeNumber(f[8], 0, Big), lower1 = wholeNumber(f[10], -Big, Big),
               upper1 = wholeNumber(f[11], -Big, Big), lower2 = wholeNumber(f[12], -Big, Big),
               upper2 = wholeNumber(f[13], -Big, Big), decimals = wholeNumber(f[14], 0, 2);
    bool rateOk = false;
    const double rate = f[6].toDouble(&rateOk);
    if (!n || !right || !wrong || !unanswered || !points || !seconds || !lower1 || !upper1 ||
        !lower2 || !upper2 || !decimals || !rateOk || !(rate >= 0 && rate <= 100) ||
        *unanswered > *wrong || *right + *wrong == 0)
        return std::nullopt;
    run.exampleCount = int(*n);
    run.right = int(*right);
    run.wrong = int(*wrong);
    run.unanswered = int(*unanswered);
    run.rate = rate;
    run.points = *points;
    run.seconds = int(*seconds);
    run.difficulty = {f[9],         int(*lower1),   int(*upper1), int(*lower2),
                      int(*upper2), int(*decimals), f[15]};
    return run;
}

HistoryContents ParseHistory(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    HistoryContents contents;
    bool first = true;
    while (!bytes.isEmpty()) {
        qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        const bool header = first && line.startsWith(QByteArrayView(Header).first(5));
        first = false;
        if (header || line.trimmed().isEmpty())
            continue;
        if (auto run = ParseHistoryLine(line))
            contents.runs.append(std::move(*run));
        else
            ++contents.damaged;
    }
    return contents;
}

HistoryContents ReadHistory(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return ParseHistory(ReadFileBytes(path));
}

void AppendHistoryRun(const QString &path, const HistoryRun &run)
{
    QByteArray bytes = QFileInfo::exists(path) ? ReadFileBytes(path) : QByteArray();
    if (bytes.isEmpty())
        bytes = HistoryHeaderLine();
    else if (!bytes.endsWith('\n'))
        bytes += "\r\n"; // an edited file's last line stays whole
    bytes += HistoryLine(run);
    WriteFileBytes(path, bytes);
}

QStringList PupilNames(const QStringList &namesList, const QList<HistoryRun> &runs)
{
    QStringList names;
    for (const QString &name : namesList)
        if (!name.isEmpty())
            names << name;
    for (const HistoryRun &run : runs)
        names << run.name;
    QCollator collator(QLocale(QLocale::Czech, QLocale::Czechia));
    std::sort(names.begin(), names.end(), collator);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

PupilSummary Summarise(QList<HistoryRun> runs)
{
    PupilSummary s;
    s.runs = int(runs.size());
    if (runs.isEmpty())
        return s;
    double sum = 0;
    for (const HistoryRun &run : runs) {
        sum += run.rate;
        s.bestRate = std::max(s.bestRate, run.rate);
    }
    s.meanRate = sum / runs.size();

    std::stable_sort(runs.begin(), runs.end(), [](const HistoryRun &a, const HistoryRun &b) {
        return a.started < b.started;
    });
    const qsizetype n = std::min<qsizetype>(runs.size(), 5);
    if (n < 2)
        return s;
    const qsizetype from = runs.size() - n;
    const double meanX = (n - 1) / 2.0;
    double meanY = 0;
    for (qsizetype i = 0; i < n; ++i)
        meanY += runs[from + i].rate;
    meanY /= n;
    double num = 0, den = 0;
    for (qsizetype i = 0; i < n; ++i) {
        num += (i - meanX) * (runs[from + i].rate - meanY);
        den += (i - meanX) * (i - meanX);
    }
    s.trendSlope = num / den;
    s.trend = s.trendSlope >= SteadyTrendSlope    ? Trend::Rising
              : s.trendSlope <= -SteadyTrendSlope ? Trend::Falling
                                                  : Trend::Steady;
    return s;
}
