#include "worksheet/sheetprinter.h"

#include "textfile/textfile.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace {

constexpr int RoleCount = int(PrintFont::Footer) + 1;

QRectF paintRect(const QPagedPaintDevice &device)
{
    return device.pageLayout().paintRectPixels(device.logicalDpiX());
}

// The fonts of one device, measured once.
struct DeviceFonts
{
    explicit DeviceFonts(QPaintDevice *device)
    {
        for (int i = 0; i < RoleCount; ++i) {
            fonts[i] = SheetPrinter::font(PrintFont(i));
            metrics[i].emplace(fonts[i], device);
        }
    }
    std::array<QFont, RoleCount> fonts;
    std::array<std::optional<QFontMetricsF>, RoleCount> metrics;

    const QFontMetricsF &of(PrintFont role) const { return *metrics[int(role)]; }
};

PagePlan planWith(const DeviceFonts &fonts, const QPagedPaintDevice &device,
                  const QStringList &lines, const PrintOptions &options)
{
    const QPageLayout layout = device.pageLayout();
    const QRectF full = layout.fullRectPixels(device.logicalDpiX());
    const QRectF paint = paintRect(device);
    const SheetPage page{full.width(),
                         full.height(),
                         paint.left(),
                         paint.top(),
                         full.right() - paint.right(),
                         full.bottom() - paint.bottom()};
    const PrintMetrics metrics{
        [&fonts](PrintFont role, const QString &text) {
            return fonts.of(role).horizontalAdvance(text);
        },
        [&fonts](PrintFont role) { return fonts.of(role).height(); },
    };
    return PlanPages(lines, page, metrics, options);
}

QColor toneColour(PrintTone tone)
{
    switch (tone) {
    case PrintTone::Right:
        return QColor(0x1b, 0x7a, 0x3a);
    case PrintTone::Wrong:
        return QColor(0xa3, 0x22, 0x22);
    case PrintTone::Muted:
        return QColor(0x6b, 0x6b, 0x6b);
    case PrintTone::Plain:
        break;
    }
    return Qt::black;
}

bool paintPlan(QPagedPaintDevice &device, const DeviceFonts &fonts, const PagePlan &plan)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The plan counts from the sheet's corner; the painter from the printable area's.
    painter.translate(-paintRect(device).topLeft());
    const double point = device.logicalDpiX() / 72.0;
    const QPen rulePen(Qt::black, 0.6 * point);
    for (qsizetype i = 0; i < plan.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        const PlanPage &page = plan.pages[i];
        int current = -1;
        QColor colour;
        for (const PlanText &t : page.texts) {
            if (int(t.font) != current) {
                current = int(t.font);
                painter.setFont(fonts.fonts[current]);
            }
            const QColor wanted = toneColour(t.tone);
            if (wanted != colour) {
                colour = wanted;
                painter.setPen(colour);
            }
            painter.drawText(QPointF(t.at.x(), t.at.y() + fonts.of(t.font).ascent()), t.text);
        }
        painter.setPen(rulePen);
        for (const PlanRule &r : page.rules)
            painter.drawLine(r.line);
    }
    return painter.end();
}

} // namespace

namespace SheetPrinter {

QFont font(PrintFont role)
{
    // Arial is Liberation Sans on Linux: same widths everywhere, tabular digits.
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(PrintFontPoints(role));
    f.setBold(PrintFontBold(role));
    return f;
}

PagePlan plan(QPagedPaintDevice &device, const QStringList &lines, const PrintOptions &options)
{
    const DeviceFonts fonts(&device);
    return planWith(fonts, device, lines, options);
}

bool print(QPagedPaintDevice &device, const QStringList &lines, const PrintOptions &options,
           PagePlan *planned)
{
    return printAll(device, {Sheet{lines, options}}, false, planned);
}

PagePlan writePdf(const QString &path, const QPageLayout &layout, const QStringList &lines,
                  const PrintOptions &options)
{
    return writeAllPdf(path, layout, {Sheet{lines, options}}, false, options.name);
}

bool printAll(QPagedPaintDevice &device, const QList<Sheet> &sheets, bool keysAtEnd,
              PagePlan *planned)
{
    const DeviceFonts fonts(&device);
    QList<PagePlan> plans;
    for (const Sheet &sheet : sheets)
        plans.append(planWith(fonts, device, sheet.lines, sheet.options));
    const PagePlan p = plans.size() == 1 ? plans.front() : CombinePlans(plans, keysAtEnd);
    if (planned)
        *planned = p;
    return p.pages.isEmpty() || paintPlan(device, fonts, p);
}

PagePlan writeAllPdf(const QString &path, const QPageLayout &layout, const QList<Sheet> &sheets,
                     bool keysAtEnd, const QString &title)
{
    // Painted into memory first, then written as every file of the program is: whole or not at
    // all.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    PagePlan p;
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Numlet"));
        if (!printAll(writer, sheets, keysAtEnd, &p))
            throw FileError(QStringLiteral("Cannot create file %1")
                                .arg(QDir::toNativeSeparators(path))
                                .toStdString());
    }
    WriteFileBytes(path, pdf.data());
    return p;
}

} // namespace SheetPrinter
