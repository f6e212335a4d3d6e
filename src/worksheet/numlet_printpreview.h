#pragma once

// The print preview of worksheets: Qt's preview with the answer key's switch and a PDF save
// beside its own print button. One sheet from the worksheet toolbar; a sheet for every pupil
// from the class window, where the keys follow each sheet or come all at the end.

#include "worksheet/sheetprinter.h"

#include <QList>
#include <QString>

class QWidget;

struct PreviewRequest
{
    QString title;        // the preview window's
    QString documentName; // the printer's document name; the PDF's proposed file name
    QString folder;       // where the PDF dialog starts
    QList<SheetPrinter::Sheet> sheets;
};

// Modal: returns when the preview closes.
void ShowPrintPreview(QWidget *owner, const PreviewRequest &request);
