#include "widgets/tcoolform.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <utility>
#include <vector>

namespace {

// Dark and opaque counts as inside, so a slightly noisy or antialiased mask still works.
bool inside(QRgb pixel)
{
    return qAlpha(pixel) >= 128 && qGray(pixel) < 128;
}

using Runs = std::vector<std::pair<int, int>>; // [left, right) per inside run

Runs rowRuns(const QImage &image, int y)
{
    Runs runs;
    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    int x = 0;
    const int w = image.width();
    while (x < w) {
        while (x < w && !inside(line[x]))
            ++x;
        const int start = x;
        while (x < w && inside(line[x]))
            ++x;
        if (x > start)
            runs.emplace_back(start, x);
    }
    return runs;
}

} // namespace

namespace TCoolForm {

QRegion regionFromMask(const QImage &mask)
{
    if (mask.isNull())
        return {};
    const QImage image = mask.convertToFormat(QImage::Format_ARGB32);

    // Rows with the same runs merge into one band, which keeps the region y-x banded and small.
    QList<QRect> rects;
    Runs band;
    int bandTop = 0;
    auto flush = [&](int bottom) {
        for (const auto &[left, right] : band)
            rects.append(QRect(left, bandTop, right - left, bottom - bandTop));
    };
    for (int y = 0; y < image.height(); ++y) {
        Runs runs = rowRuns(image, y);
        if (runs == band && y > 0)
            continue;
        flush(y);
        band = std::move(runs);
        bandTop = y;
    }
    flush(image.height());

    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

void apply(QWidget *window, const QImage &mask)
{
    if (window)
        window->setMask(regionFromMask(mask));
}

} // namespace TCoolForm
