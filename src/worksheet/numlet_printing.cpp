// The printed worksheet in the window: the print button of the worksheet toolbar opens the print
// preview, with the answer key's switch and a PDF save beside Qt's own print button.

#include "app/decimalseparator.h"
#include "app/errorreport.h"
#include "app/eventhook.h"
#include "app/filedialog.h"
#include "app/numlet.h"
#include "ui_numlet.h"
#include "worksheet/pageplan.h"
#include "worksheet/sheetprinter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {

// A4 unless the default printer takes another paper.
QPageSize initialPageSize()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize size = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

// The proposed PDF file: the sheet's name where it makes a file name, else the export's.
QString pdfFileName(const QString &name)
{
    QString file = name;
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        file.replace(c, QLatin1Char('_'));
    return (file.trimmed().isEmpty() ? QStringLiteral("Priklad") : file) + QStringLiteral(".pdf");
}

void savePdf(QWidget *owner, const QString &folder, const QPageLayout &layout,
             const QStringList &lines, const PrintOptions &options)
{
    TFileDialog dialog(TFileDialog::Kind::Save, QStringLiteral("PdfDialog"), owner);
    dialog.Filter = QStringLiteral("PDF|*.pdf");
    dialog.DefaultExt = QStringLiteral("pdf");
    dialog.InitialDir = folder;
    dialog.FileName = pdfFileName(options.name);
    if (dialog.Execute(owner))
        SheetPrinter::writePdf(dialog.FileName, layout, lines, options);
}

} // namespace

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

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(initialPageSize(), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(pdfFileName(sheet.name).chopped(4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(tr("Tisk pracovního listu"));
    // Room for a whole page at a readable size.
    if (const QScreen *shown = screen()) {
        const QRect room = shown->availableGeometry();
        preview.resize(std::min(1100, room.width() * 9 / 10), room.height() * 9 / 10);
    }

    // A row of its own above the preview: in the toolbar they would hide behind its overflow.
    auto *options = new QWidget(&preview);
    auto *withKey = new QCheckBox(tr("Přiložit klíč správných výsledků"), options);
    withKey->setObjectName(QStringLiteral("PrintKeyBox"));
    withKey->setChecked(true);
    auto *save = new QPushButton(tr("Uložit jako PDF"), options);
    save->setObjectName(QStringLiteral("SavePdfButton"));
    save->setAutoDefault(false);
    auto *row = new QHBoxLayout(options);
    row->setContentsMargins(6, 4, 6, 0);
    row->addWidget(withKey);
    row->addSpacing(16);
    row->addWidget(save);
    row->addStretch();
    if (auto *layout = qobject_cast<QBoxLayout *>(preview.layout()))
        layout->insertWidget(0, options);

    const auto current = [&sheet, withKey] {
        PrintOptions o = sheet;
        o.withKey = withKey->isChecked();
        return o;
    };
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *target) {
        ErrorReport::guarded([&] {
            if (!SheetPrinter::print(*target, lines, current()))
                throw std::runtime_error(tr("Tisk na tiskárnu %1 se nezdařil.")
                                             .arg(target->printerName())
                                             .toStdString());
        });
    });
    connect(withKey, &QCheckBox::clicked, &preview, [&preview] {
        if (auto *widget = preview.findChild<QPrintPreviewWidget *>())
            widget->updatePreview();
    });
    connect(save, &QPushButton::clicked, &preview, [&] {
        ErrorReport::guarded(
            [&] { savePdf(&preview, programFolder, printer.pageLayout(), lines, current()); });
    });
    preview.exec();
}
