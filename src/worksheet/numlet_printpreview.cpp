#include "worksheet/numlet_printpreview.h"

#include "app/errorreport.h"
#include "app/filedialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

namespace {

struct T
{
    Q_DECLARE_TR_FUNCTIONS(TNumlet)
};

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

} // namespace

void ShowPrintPreview(QWidget *owner, const PreviewRequest &request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(initialPageSize(), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(pdfFileName(request.documentName).chopped(4));
    QPrintPreviewDialog preview(&printer, owner);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(request.title);
    // Room for a whole page at a readable size.
    if (const QScreen *shown = owner->screen()) {
        const QRect room = shown->availableGeometry();
        preview.resize(std::min(1100, room.width() * 9 / 10), room.height() * 9 / 10);
    }

    // A row of its own above the preview: in the toolbar they would hide behind its overflow.
    auto *options = new QWidget(&preview);
    auto *withKey = new QCheckBox(T::tr("Přiložit klíč správných výsledků"), options);
    withKey->setObjectName(QStringLiteral("PrintKeyBox"));
    withKey->setChecked(true);
    QComboBox *keyOrder = nullptr;
    if (request.sheets.size() > 1) {
        keyOrder = new QComboBox(options);
        keyOrder->setObjectName(QStringLiteral("KeyOrderBox"));
        keyOrder->addItems({T::tr("klíč za každým listem"), T::tr("všechny klíče na konci")});
        keyOrder->setAccessibleName(T::tr("Kde jsou klíče"));
    }
    auto *save = new QPushButton(T::tr("Uložit jako PDF"), options);
    save->setObjectName(QStringLiteral("SavePdfButton"));
    save->setAutoDefault(false);
    auto *row = new QHBoxLayout(options);
    row->setContentsMargins(6, 4, 6, 0);
    row->addWidget(withKey);
    if (keyOrder)
        row->addWidget(keyOrder);
    row->addSpacing(16);
    row->addWidget(save);
    row->addStretch();
    if (auto *layout = qobject_cast<QBoxLayout *>(preview.layout()))
        layout->insertWidget(0, options);

    const auto current = [&request, withKey] {
        QList<SheetPrinter::Sheet> sheets = request.sheets;
        for (SheetPrinter::Sheet &sheet : sheets)
            sheet.options.withKey = withKey->isChecked();
        return sheets;
    };
    const auto keysAtEnd = [keyOrder] { return keyOrder && keyOrder->currentIndex() == 1; };
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *target) {
                         ErrorReport::guarded([&] {
                             if (!SheetPrinter::printAll(*target, current(), keysAtEnd()))
                                 throw std::runtime_error(T::tr("Tisk na tiskárnu %1 se nezdařil.")
                                                              .arg(target->printerName())
                                                              .toStdString());
                         });
                     });
    const auto update = [&preview] {
        if (auto *widget = preview.findChild<QPrintPreviewWidget *>())
            widget->updatePreview();
    };
    QObject::connect(withKey, &QCheckBox::clicked, &preview, update);
    if (keyOrder)
        QObject::connect(keyOrder, &QComboBox::activated, &preview, update);
    QObject::connect(save, &QPushButton::clicked, &preview, [&] {
        ErrorReport::guarded([&] {
            TFileDialog dialog(TFileDialog::Kind::Save, QStringLiteral("PdfDialog"), &preview);
            dialog.Filter = QStringLiteral("PDF|*.pdf");
            dialog.DefaultExt = QStringLiteral("pdf");
            dialog.InitialDir = request.folder;
            dialog.FileName = pdfFileName(request.documentName);
            if (dialog.Execute(&preview))
                SheetPrinter::writeAllPdf(dialog.FileName, printer.pageLayout(), current(),
                                          keysAtEnd(), request.documentName);
        });
    });
    preview.exec();
}
