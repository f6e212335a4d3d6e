// The printed worksheet in the window: the print button of the worksheet toolbar opens the print
// preview, with the answer key's switch and a PDF save beside Qt's own print button.

#include "app/decimalseparator.h"
#include "app/eventhook.h"
#include "app/numlet.h"
#include "ui_numlet.h"
#include "worksheet/numlet_printpreview.h"
#include "worksheet/pageplan.h"

#include <QToolButton>

void TNumlet::connectPrintingHandlers()
{
    bindHandler(ui->SpeedButton14, &QToolButton::clicked, &TNumlet::SpeedButton14Click);
    // The toolbar's switch covers both buttons; the export button's own one is copied.
    EventHook::install(ui->SpeedButton4, QEvent::EnabledChange, [this](QEvent *) {
        ui->SpeedButton14->setEnabled(!ui->SpeedButton4->testAttribute(Qt::WA_ForceDisabled));
    });
}

QString TNumlet::printedSheetName() const
{
    return PrintedSheetName(worksheet.fileName, ui->ComboBox7->currentText());
}

void TNumlet::SpeedButton14Click()
{
    const QStringList lines = worksheetItems();
    if (lines.isEmpty())
        return;
    PrintOptions sheet;
    sheet.name = printedSheetName();
    sheet.sep = DecimalSeparator();
    sheet.fullPrecision = ui->SB19->isChecked();

    ShowPrintPreview(this, {tr("Tisk pracovního listu"),
                            sheet.name,
                            programFolder,
                            {SheetPrinter::Sheet{lines, sheet}}});
}
