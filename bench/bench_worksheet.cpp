// Computing a filled-in worksheet of 5000 generated examples with the engine alone, against the
// floor of the same work (evaluating each expression and writing its two-decimal text), and
// saving and reopening the computed sheet. Prints milliseconds per sheet and the ratio.

#include "benchtools.h"
#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "filledsheet.h"
#include "generator/candidate.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetfile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int SheetLines = 5000;
constexpr int Rounds = 7;

} // namespace

int main()
{
    const QStringList sheet = Bench::filledInSheet(20240611u, SheetLines);

    ComputeOutcome outcome;
    const double engine = Bench::bestMs(Rounds, [&] {
        QStringList lines = sheet;
        outcome = ComputeWorksheet(lines, ',', false);
    });
    double checksum = 0;
    const double floor = Bench::bestMs(Rounds, [&] {
        checksum = 0;
        for (const QString &line : sheet) {
            QByteArray expression = line.left(line.indexOf('=')).toUtf8();
            expression.replace(',', '.');
            const EvalResult r = Evaluate(std::string_view(expression.data(), expression.size()));
            checksum += double(FormatMask(r.value, "0.00", ',').size());
        }
    });

    QStringList computed = sheet;
    ComputeWorksheet(computed, ',', false);
    computed.append(TrailerItem("01.02.24 9:05:03", QString::number(outcome.counts.correct),
                                QString::number(outcome.counts.unsolved),
                                QString::number(outcome.counts.wrong)));
    QTemporaryDir folder;
    const QString path = folder.filePath("Anna.nlx");
    qsizetype reopened = 0;
    const double files = Bench::bestMs(Rounds, [&] {
        WriteWorksheetFile(path, computed);
        reopened = ReadWorksheetFile(path).lines.size();
    });

    std::printf("sheet: %d lines, sample line: %s\n", SheetLines, qPrintable(computed[1]));
    std::printf("counts: %d correct, %d unsolved, %d wrong; reopened %lld lines\n",
                outcome.counts.correct, outcome.counts.unsolved, outcome.counts.wrong,
                static_cast<long long>(reopened));
    std::printf("ComputeWorksheet (engine): %8.2f ms/sheet\n", engine);
    std::printf("evaluate + mask (floor):   %8.2f ms/sheet  (checksum %g)\n", floor, checksum);
    std::printf("engine / floor: %.2f\n", engine / floor);
    std::printf("save + open of the computed sheet: %8.2f ms (goal for compute: under 1000 ms)\n",
                files);
    return 0;
}
