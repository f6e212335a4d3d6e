// Printing a worksheet of 5000 generated examples to PDF, the sheet with its answer key, against
// writing the same worksheet as the aligned text export. Prints milliseconds per worksheet, the
// share of the page plan, the print preview's rendering of all pages, and the ratio; the goal is
// a PDF in under two seconds.

#include "benchtools.h"
#include "editexp/evaluator.h"
#include "editexp/numbertext.h"
#include "generator/candidate.h"
#include "worksheet/pageplan.h"
#include "worksheet/sheetprinter.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int SheetLines = 5000;
constexpr int Rounds = 5;

QStringList generatedSheet()
{
    GenerationState state;
    GenerationParams params;
    RandomGenerator random(20240611u);
    QStringList lines;
    for (int i = 0; i < SheetLines; ++i)
        lines << GeneratedLine(
            QString::fromStdString(GenerateCandidate(params, state, random, ',')));
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    Bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const QStringList sheet = generatedSheet();
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                         QPageLayout::Millimeter);
    PrintOptions options;
    options.name = QStringLiteral("Anna");

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("Anna.pdf"));
    const QString text = folder.filePath(QStringLiteral("Priklad"));
    PagePlan plan;
    const double printing =
        Bench::bestMs(Rounds, [&] { plan = SheetPrinter::writePdf(pdf, a4, sheet, options); });
    const double exporting = Bench::bestMs(Rounds, [&] { WriteExportFile(text, sheet, true); });
    const double planning = Bench::bestMs(Rounds, [&] {
        QPdfWriter writer(folder.filePath(QStringLiteral("unused.pdf")));
        writer.setPageLayout(a4);
        plan = SheetPrinter::plan(writer, sheet, options);
    });
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter *target) { SheetPrinter::print(*target, sheet, options); });
    const double previewing = Bench::bestMs(Rounds, [&] { preview.updatePreview(); });

    std::printf("worksheet: %d examples, sample line: %s\n", SheetLines, qPrintable(sheet[1]));
    std::printf("PDF: %d sheet pages in %d columns + %d key pages in %d columns, %lld bytes\n",
                plan.sheetPages, plan.sheetColumns, plan.keyPages, plan.keyColumns,
                static_cast<long long>(QFileInfo(pdf).size()));
    std::printf("sheet and key to PDF:  %9.2f ms  (of it the page plan: %.2f ms)\n", printing,
                planning);
    std::printf("print preview, %3d pages: %9.2f ms\n", preview.pageCount(), previewing);
    std::printf("aligned text export:   %9.2f ms\n", exporting);
    std::printf("PDF / export: %.1f; goal for the PDF: under 2000 ms (%s)\n", printing / exporting,
                printing < 2000 ? "met" : "missed");
    return 0;
}
