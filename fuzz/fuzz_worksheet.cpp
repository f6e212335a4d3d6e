// libFuzzer target for the worksheet reader and the rules applied to what it reads.
//
// Aborts when a file's bytes break one of the engine's promises: a line holding a line break,
// lines that do not come back the same after writing and reading, a trailer found without its
// marker last (or read differently from one item), a computed line judged differently or changed
// when computed again, or an aligned export whose "=" signs do not share one column.

#include "textfile/textfile.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameLabels(const TrailerLabels &a, const TrailerLabels &b)
{
    return a.correct == b.correct && a.unsolved == b.unsolved && a.wrong == b.wrong &&
           a.checked == b.checked;
}

void computeEveryLine(const QStringList &lines, char sep, bool fullPrecision)
{
    for (const QString &line : lines) {
        const LineResult r = ComputeLine(line, sep, fullPrecision);
        if (r.state == LineState::NoEquals || r.state == LineState::NotANumber) {
            check(r.computedLine == line);
            continue;
        }
        const LineResult again = ComputeLine(r.computedLine, sep, fullPrecision);
        check(again.state == r.state && again.computedLine == r.computedLine);
    }
    QStringList sheet = lines;
    try {
        ComputeWorksheet(sheet, sep, fullPrecision);
    } catch (const NotANumberError &) {
    }
    check(sheet.size() == lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = DecodeTextLines(bytes);
    for (const QString &line : lines)
        check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    check(DecodeTextLines(EncodeTextLines(lines)) == lines);

    const auto trailer = ReadTrailer(lines);
    check(trailer.has_value() == (!lines.isEmpty() && lines.last().trimmed() == TrailerMarker()));
    if (trailer) {
        const auto joined = ReadTrailer({lines.join(QLatin1Char('\n'))});
        check(joined.has_value() && sameLabels(*trailer, *joined));
    }
    IsWorksheetComputed(lines);

    computeEveryLine(lines, ',', false);
    computeEveryLine(lines, '.', true);

    const int width = MeasureWidestExpression(lines);
    const QStringList aligned = ExportLines(lines, true);
    check(aligned.size() == lines.size());
    for (const QString &line : aligned) {
        const qsizetype at = line.indexOf(QLatin1Char('='));
        check(at < 0 || at == width + 1);
    }
    return 0;
}
