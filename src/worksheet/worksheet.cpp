#include "worksheet/worksheet.h"

#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "textfile/textfile.h"
#include "worksheet/trailer.h"

#include <QDir>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

std::optional<double> readNumber(const QString &text, char sep)
{
    const QByteArray bytes = text.toUtf8();
    return ParseLocaleNumber(std::string_view(bytes.constData(), std::size_t(bytes.size())), sep);
}

QString resultSuffix(const QString &result)
{
    return QStringLiteral("[ ") + result + QStringLiteral(" ]");
}

} // namespace

NotANumberError::NotANumberError(const QString &answer)
    : std::runtime_error(
          QStringLiteral("'%1' is not a valid floating point value").arg(answer).toStdString())
{}

bool KeepsGeneratedExample(int rejectedCandidates)
{
    return rejectedCandidates < 100;
}

QString GeneratedLine(const QString &example)
{
    return example + QLatin1Char('=');
}

QString ProgressText(qsizetype first, qsizetype second)
{
    return QString::number(first) + QLatin1Char('/') + QString::number(second);
}

LineParts SplitLine(const QString &line, char sep)
{
    LineParts parts;
    const qsizetype at = line.indexOf(QLatin1Char('='));
    if (at < 0)
        return parts;
    parts.hasEquals = true;
    parts.expression = line.left(at);
    QString rest = line.mid(at + 1);
    // A result appended by an earlier computation: "[ ", a number, " ]" at the very end.
    static const QString close = QStringLiteral(" ]");
    if (rest.endsWith(close)) {
        const qsizetype open = rest.lastIndexOf(QStringLiteral("[ "));
        const qsizetype length = rest.size() - close.size() - (open + 2);
        if (open >= 0 && length > 0 && readNumber(rest.mid(open + 2, length), sep)) {
            parts.hasResult = true;
            rest.truncate(open);
        }
    }
    parts.answer = rest.trimmed();
    return parts;
}

QString ClickedLineExpression(const QString &line)
{
    const qsizetype at = line.indexOf(QLatin1Char('='));
    return at < 0 ? QString() : line.left(at).trimmed();
}

LineResult ComputeLine(const QString &line, char sep, bool fullPrecision)
{
    LineResult r;
    r.computedLine = line;
    const LineParts parts = SplitLine(line, sep);
    if (!parts.hasEquals)
        return r;
    r.evaluationText = parts.expression;
    r.evaluationText.replace(QLatin1Char(','), QLatin1Char('.'));
    r.answer = parts.answer;
    const QByteArray bytes = r.evaluationText.toUtf8();
    const EvalResult value =
        Evaluate(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const std::string twoDecimals = FormatMask(value.value, "0.00", sep);

    if (r.answer.isEmpty()) {
        r.state = LineState::Unsolved;
    } else {
        const std::optional<double> answer = readNumber(r.answer, sep);
        if (!answer) {
            r.state = LineState::NotANumber;
            return r;
        }
        // The judgement reads the two-decimal text back, so 3,33 is right for 10/3.
        const std::optional<double> result = ParseLocaleNumber(twoDecimals, sep);
        r.state = result && *result == *answer ? LineState::Correct : LineState::Wrong;
    }
    r.resultText =
        QString::fromStdString(fullPrecision ? FormatGeneral(value.value, sep) : twoDecimals);
    if (!parts.hasResult)
        r.computedLine = line + resultSuffix(r.resultText);
    return r;
}

bool IsWorksheetComputed(const QStringList &items)
{
    if (items.isEmpty())
        return false;
    if (items.size() == 1)
        return items[0].contains(QLatin1Char('['));
    return items[1].contains(QLatin1Char('[')) || ReadTrailer(items).has_value();
}

bool WorksheetCounts::add(LineState state)
{
    switch (state) {
    case LineState::Correct:
        ++correct;
        return true;
    case LineState::Unsolved:
        ++unsolved;
        return true;
    case LineState::Wrong:
        ++wrong;
        return true;
    case LineState::NoEquals:
    case LineState::NotANumber:
        break;
    }
    return false;
}

int WorksheetCounts::count(LineState state) const
{
    switch (state) {
    case LineState::Correct:
        return correct;
    case LineState::Unsolved:
        return unsolved;
    case LineState::Wrong:
        return wrong;
    case LineState::NoEquals:
    case LineState::NotANumber:
        break;
    }
    return 0;
}

ComputeOutcome ComputeWorksheet(QStringList &lines, char sep, bool fullPrecision,
                                const LineHook &afterLine)
{
    ComputeOutcome out;
    if (lines.isEmpty() || IsWorksheetComputed(lines))
        return out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const LineResult r = ComputeLine(lines[i], sep, fullPrecision);
        if (r.state == LineState::NotANumber)
            throw NotANumberError(r.answer);
        out.counts.add(r.state);
        lines[i] = r.computedLine;
        if (afterLine && !afterLine(i, r, out.counts))
            return out;
    }
    out.finished = true;
    return out;
}

CorrectionOutcome CorrectWorksheet(QStringList &lines, char sep, bool fullPrecision,
                                   CountTexts texts, const std::function<QString()> &stamp,
                                   const LineHook &afterLine)
{
    CorrectionOutcome out;
    out.compute =
        ComputeWorksheet(lines, sep, fullPrecision,
                         [&](qsizetype i, const LineResult &line, const WorksheetCounts &counts) {
                             if (const int n = counts.count(line.state)) {
                                 QString &text = line.state == LineState::Correct ? texts.correct
                                                 : line.state == LineState::Unsolved
                                                     ? texts.unsolved
                                                     : texts.wrong;
                                 text = QString::number(n);
                             }
                             return !afterLine || afterLine(i, line, counts);
                         });
    out.texts = texts;
    if (out.compute.finished)
        lines.append(TrailerItem(stamp(), texts.correct, texts.unsolved, texts.wrong));
    return out;
}

QString ElapsedText(std::int64_t elapsedMs, const QLocale &locale)
{
    const std::int64_t ms = std::max<std::int64_t>(elapsedMs, 0);
    // A time of day, as the long time format expects; a day or more wraps round.
    const QTime seconds = QTime::fromMSecsSinceStartOfDay(int(ms / 1000 % 86400 * 1000));
    return locale.toString(seconds, LongTimeFormat(locale)) + QLatin1Char('.') +
           QString::number(ms % 1000);
}

int MeasureWidestExpression(const QStringList &items)
{
    qsizetype widest = 0;
    for (const QString &line : FileLines(items))
        widest = std::max(widest, line.indexOf(QLatin1Char('=')) - 1);
    return int(widest);
}

QStringList ExportLines(const QStringList &items, bool aligned)
{
    QStringList lines = FileLines(items);
    if (!aligned)
        return lines;
    const qsizetype width = MeasureWidestExpression(lines);
    for (QString &line : lines) {
        const qsizetype before = std::max<qsizetype>(line.indexOf(QLatin1Char('=')), 0);
        if (before <= width)
            line.prepend(QString(width + 1 - before, QLatin1Char(' ')));
    }
    return lines;
}

QString ExportTarget(const QString &worksheetFile)
{
    if (!worksheetFile.isEmpty())
        return worksheetFile;
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Priklad");
#else
    return QDir::home().filePath(QStringLiteral("Priklad"));
#endif
}
