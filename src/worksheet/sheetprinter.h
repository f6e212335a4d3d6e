#pragma once

// Paints a worksheet's page plan onto a printer or a PDF writer: the window half of the printed
// sheet. The layout itself is the plan's; this file only makes the fonts, measures with them on
// the device and draws.

#include "worksheet/pageplan.h"

class QFont;
class QPageLayout;
class QPagedPaintDevice;
class QString;

namespace SheetPrinter {

// One sheet of a print: its worksheet lines and options.
struct Sheet
{
    QStringList lines;
    PrintOptions options;
};

QFont font(PrintFont role);

// Plans the worksheet for the device's page layout, in the device's pixels.
PagePlan plan(QPagedPaintDevice &device, const QStringList &lines, const PrintOptions &options);

// Plans and paints; false when the device refuses to paint.
bool print(QPagedPaintDevice &device, const QStringList &lines, const PrintOptions &options,
           PagePlan *planned = nullptr);

// Writes the sheet as a PDF file through a temporary one. Throws FileError "Cannot create file
// <path>".
PagePlan writePdf(const QString &path, const QPageLayout &layout, const QStringList &lines,
                  const PrintOptions &options);

// Several sheets in one print, each from a page of its own (CombinePlans).
bool printAll(QPagedPaintDevice &device, const QList<Sheet> &sheets, bool keysAtEnd,
              PagePlan *planned = nullptr);
PagePlan writeAllPdf(const QString &path, const QPageLayout &layout, const QList<Sheet> &sheets,
                     bool keysAtEnd, const QString &title);

} // namespace SheetPrinter
