// Draws every built-in picture and glyph of Numlet into the folder given on the command line:
//     numlet_drawresources <resources folder>
// Everything is painted here with QPainter; nothing is read from disk. Run it offscreen:
//     QT_QPA_PLATFORM=offscreen numlet_drawresources resources
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

// One palette for every glyph, so the toolbar reads as one family.
const QColor Blue(0x2f, 0x80, 0xed);
const QColor BlueDark(0x1a, 0x4f, 0xa8);
const QColor BlueLight(0xa8, 0xd4, 0xff);
const QColor Green(0x2e, 0xb8, 0x5c);
const QColor GreenDark(0x1b, 0x7a, 0x3a);
const QColor Red(0xe8, 0x4a, 0x4a);
const QColor RedDark(0xa3, 0x22, 0x22);
const QColor Yellow(0xff, 0xd0, 0x4a);
const QColor YellowDark(0xb8, 0x80, 0x00);
const QColor Orange(0xff, 0x8f, 0x2e);
const QColor OrangeDark(0xb3, 0x56, 0x00);
const QColor Purple(0x8e, 0x5c, 0xe0);
const QColor PurpleDark(0x55, 0x2f, 0x9a);
const QColor Slate(0x5b, 0x6b, 0x82);
const QColor SlateDark(0x34, 0x41, 0x55);
const QColor SlateLight(0xd5, 0xdc, 0xe6);
const QColor Paper(0xff, 0xff, 0xff);
const QColor PaperLine(0x9a, 0xa8, 0xba);
const QColor Face(0xf0, 0xf0, 0xf0); // the window's face colour

QString outDir;
int failures = 0;

QImage newImage(int w, int h, const QColor &fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void save(const QImage &img, const QString &rel, int quality = -1)
{
    const QString path = outDir + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool jpeg = rel.endsWith(QLatin1String(".jpg"));
    // JPEG has no alpha; PNG keeps straight (not premultiplied) alpha.
    const QImage out = img.convertToFormat(jpeg                    ? QImage::Format_RGB32
                                           : img.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                   : img.format());
    if (!out.save(path, nullptr, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

// A flat shape with a darker edge: the common look of every glyph.
void shape(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &line,
           qreal width = 1.0)
{
    p.setBrush(fill);
    p.setPen(width > 0 ? QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    p.drawPath(path);
}

QPainterPath strokeOf(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                      Qt::PenJoinStyle join = Qt::RoundJoin)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(join);
    return s.createStroke(line).simplified();
}

QPainterPath rounded(const QRectF &r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath box(const QRectF &r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

QPainterPath ellipse(const QPointF &c, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath segment(QPointF a, QPointF b)
{
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

QFont pixelFont(const QString &family, int px, int weight = QFont::Normal, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text as a path, scaled to fit and centred in the box (glyphs need exact sizes, not font sizes).
QPainterPath fitText(const QString &text, const QFont &font, const QRectF &box,
                     bool keepAspect = true)
{
    QPainterPath t;
    t.addText(0, 0, font, text);
    const QRectF b = t.boundingRect();
    qreal sx = box.width() / b.width(), sy = box.height() / b.height();
    if (keepAspect)
        sx = sy = qMin(sx, sy);
    QTransform m;
    m.translate(box.center().x(), box.center().y());
    m.scale(sx, sy);
    m.translate(-b.center().x(), -b.center().y());
    return m.map(t);
}

QPainterPath centredText(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath t;
    t.addText(0, 0, font, text);
    const QRectF b = t.boundingRect();
    return t.translated(centre - b.center());
}

// ---- glyph parts ----------------------------------------------------------------------------

// A sheet of paper with a folded top-right corner.
void sheet(QPainter &p, const QRectF &r, bool lines = true, qreal fold = 4)
{
    const QPainterPath body = polygon({r.topLeft(),
                                       {r.right() - fold, r.top()},
                                       {r.right(), r.top() + fold},
                                       r.bottomRight(),
                                       r.bottomLeft()});
    shape(p, body, Paper, Slate);
    shape(p,
          polygon({{r.right() - fold, r.top()},
                   {r.right() - fold, r.top() + fold},
                   {r.right(), r.top() + fold}}),
          SlateLight, Slate);
    if (!lines)
        return;
    p.setPen(QPen(PaperLine, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qreal y = r.top() + fold + 2.5; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

// A round badge in the corner of a sheet; the caller draws its symbol.
void badge(QPainter &p, QPointF c, qreal r, const QColor &fill, const QColor &line)
{
    shape(p, ellipse(c, r, r), fill, line);
}

void whiteMark(QPainter &p, const QPainterPath &line, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
}

void floppy(QPainter &p)
{
    QPainterPath body = polygon({{3.5, 3.5}, {17.5, 3.5}, {20.5, 6.5}, {20.5, 20.5}, {3.5, 20.5}});
    shape(p, body, Blue, BlueDark);
    shape(p, rounded(QRectF(7.5, 3.5, 9, 6), 0.5), SlateLight, BlueDark);
    p.fillRect(QRectF(13, 5, 2, 3.5), BlueDark);
    shape(p, rounded(QRectF(6.5, 12.5, 11, 8), 1), Paper, BlueDark);
    p.setPen(QPen(PaperLine, 1.0));
    p.drawLine(QPointF(8.5, 15.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(8.5, 18), QPointF(15.5, 18));
}

void calculator16(QPainter &p, bool active)
{
    if (active) {
        // The pressed switch: a lit tile behind a lit calculator.
        shape(p, rounded(QRectF(0.5, 0.5, 15, 15), 3), QColor(0xff, 0xe2, 0x8a), Orange);
    }
    const QColor body = active ? Orange : Slate;
    const QColor edge = active ? OrangeDark : SlateDark;
    shape(p, rounded(QRectF(3.5, 1.5, 9, 13), 1.5), body, edge);
    shape(p, box(QRectF(5, 3, 6, 3)), active ? QColor(0xb8, 0xff, 0x8a) : QColor(0x9d, 0xab, 0x9a),
          edge, 0);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.fillRect(QRectF(5 + c * 2, 7.5 + r * 2, 1.5, 1.5), Qt::white);
}

// ---- glyphs, 24 x 24 -----------------------------------------------------------------------

void glyphNewExamples(QPainter &p)
{
    sheet(p, QRectF(3.5, 1.5, 13, 19));
    badge(p, {16.5, 16.5}, 6, Green, GreenDark);
    QPainterPath plus = segment({16.5, 13.3}, {16.5, 19.7});
    plus.addPath(segment({13.3, 16.5}, {19.7, 16.5}));
    whiteMark(p, plus, 2.0);
    // a sparkle: new things
    shape(p,
          polygon({{20.5, 1.5},
                   {21.3, 4.2},
                   {24, 5},
                   {21.3, 5.8},
                   {20.5, 8.5},
                   {19.7, 5.8},
                   {17, 5},
                   {19.7, 4.2}}),
          Yellow, YellowDark, 0.8);
}

// A sheet for every pupil, corrected together: a fanned stack of sheets and a tick.
void glyphClass(QPainter &p)
{
    sheet(p, QRectF(1.5, 5.5, 11, 15), false, 3);
    sheet(p, QRectF(5.5, 3.5, 11, 15), false, 3);
    sheet(p, QRectF(9.5, 1.5, 11, 15), true, 3);
    badge(p, {17.5, 17.5}, 5.5, Green, GreenDark);
    QPainterPath tick({14.9, 17.7});
    tick.lineTo(16.8, 19.6);
    tick.lineTo(20.2, 15.6);
    whiteMark(p, tick, 1.8);
}

void glyphCompute(QPainter &p)
{
    sheet(p, QRectF(3.5, 1.5, 13, 19));
    badge(p, {16.5, 16.5}, 6, Blue, BlueDark);
    QPainterPath tick({13.6, 16.8});
    tick.lineTo(15.6, 18.8);
    tick.lineTo(19.4, 14.3);
    whiteMark(p, tick, 2.0);
}

void glyphDeleteAll(QPainter &p)
{
    shape(p, rounded(QRectF(9.5, 2.5, 5, 3), 1), Qt::NoBrush, SlateDark, 1.5);
    QPainterPath can = polygon({{5.5, 7.5}, {18.5, 7.5}, {17.2, 21.5}, {6.8, 21.5}});
    shape(p, can, Red, RedDark);
    p.setPen(QPen(QColor(0xff, 0xb3, 0xb3), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 10.5), QPointF(9.9, 18.5));
    p.drawLine(QPointF(12, 10.5), QPointF(12, 18.5));
    p.drawLine(QPointF(14.5, 10.5), QPointF(14.1, 18.5));
    shape(p, rounded(QRectF(3.5, 4.5, 17, 3), 1.2), Slate, SlateDark);
}

void glyphOpen(QPainter &p)
{
    shape(p, polygon({{2.5, 19.5}, {2.5, 4.5}, {8.5, 4.5}, {10.5, 6.5}, {18.5, 6.5}, {18.5, 19.5}}),
          QColor(0xe8, 0xa7, 0x1c), YellowDark);
    sheet(p, QRectF(5.5, 8, 11, 9), false, 0);
    shape(p, polygon({{2.5, 19.5}, {6.5, 10.5}, {22.5, 10.5}, {18.5, 19.5}}), Yellow, YellowDark);
}

void glyphSave(QPainter &p)
{
    floppy(p);
}

void glyphExport(QPainter &p)
{
    sheet(p, QRectF(2.5, 1.5, 13, 19));
    QPainterPath arrow = strokeOf(segment({9, 14.5}, {18, 14.5}), 3.2, Qt::FlatCap);
    arrow = arrow.united(polygon({{17, 9.5}, {22.5, 14.5}, {17, 19.5}}));
    shape(p, arrow, Orange, OrangeDark);
}

// A printer with a sheet going in and the printed sheet coming out.
void glyphPrint(QPainter &p)
{
    shape(p, box(QRectF(6.5, 1.5, 11, 8)), Paper, Slate);
    shape(p, rounded(QRectF(1.5, 7.5, 21, 10), 2), Slate, SlateDark);
    shape(p, box(QRectF(4.5, 14.5, 15, 1.5)), SlateDark, SlateDark, 0);
    shape(p, ellipse({18.5, 10.5}, 1.2, 1.2), Green, GreenDark, 0.6);
    sheet(p, QRectF(5.5, 13.5, 13, 9), false, 0);
    p.setPen(QPen(PaperLine, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 17), QPointF(16, 17));
    p.drawLine(QPointF(8, 19.5), QPointF(14, 19.5));
}

void glyphSaveLog(QPainter &p)
{
    p.save();
    p.translate(0.5, 0.5);
    p.scale(0.75, 0.75);
    floppy(p);
    p.restore();
    shape(p, rounded(QRectF(11.5, 9.5, 10, 13), 1), Paper, Slate);
    const QColor dots[] = {Green, Orange, Purple};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 12.5 + i * 3.5;
        p.setPen(Qt::NoPen);
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(14, y), 1.1, 1.1);
        p.setPen(QPen(PaperLine, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, y), QPointF(19.5, y));
    }
}

// A card with a pupil's results: bars of the points and the success rate rising over them.
void glyphOverview(QPainter &p)
{
    shape(p, rounded(QRectF(2.5, 3.5, 19, 17), 1.5), Paper, Slate);
    p.setPen(QPen(SlateDark, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5.5, 6), QPointF(5.5, 17.5));
    p.drawLine(QPointF(5, 17.5), QPointF(19.5, 17.5));
    const qreal heights[] = {3, 5, 4, 7};
    for (int i = 0; i < 4; ++i)
        shape(p, box(QRectF(7.5 + i * 3, 17 - heights[i], 2, heights[i])), BlueLight, Blue, 0.8);
    const QPointF line[] = {{7.5, 14}, {11, 11.5}, {14.5, 12.5}, {18.5, 7}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Green, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line, 4);
    for (const QPointF &pt : line)
        shape(p, ellipse(pt, 1.4, 1.4), Green, GreenDark, 0.8);
}

void glyphNext(QPainter &p)
{
    QPainterPath arc;
    const QRectF r(4.5, 4.5, 15, 15);
    // clockwise from the upper right round to the top, the head points into the gap
    const qreal from = 40, sweep = -280;
    arc.arcMoveTo(r, from);
    arc.arcTo(r, from, sweep);
    QPainterPath a = strokeOf(arc, 3.2, Qt::FlatCap);
    const qreal end = qDegreesToRadians(from + sweep);
    const QPointF tip = arc.currentPosition();
    const QPointF dir(qSin(end), qCos(end)); // clockwise tangent on screen
    const QPointF out(qCos(end), -qSin(end));
    a = a.united(
        polygon({tip + out * 4.2 - dir * 0.3, tip + dir * 4.2, tip - out * 4.2 - dir * 0.3}));
    shape(p, a, Green, GreenDark);
}

void glyphSettings(QPainter &p)
{
    QPainterPath gear;
    const QPointF c(12, 12);
    const int teeth = 8;
    QPolygonF pts;
    for (int i = 0; i < teeth; ++i) {
        const qreal a0 = 2 * M_PI * i / teeth;
        const qreal step = 2 * M_PI / teeth;
        auto at = [&](qreal a, qreal r) { return c + QPointF(r * qCos(a), r * qSin(a)); };
        pts << at(a0 - step * 0.30, 7.2) << at(a0 - step * 0.18, 10.5) << at(a0 + step * 0.18, 10.5)
            << at(a0 + step * 0.30, 7.2);
    }
    gear.addPolygon(pts);
    gear.closeSubpath();
    gear = gear.subtracted(ellipse(c, 3.2, 3.2));
    shape(p, gear, Slate, SlateDark);
    shape(p, ellipse(c, 5.3, 5.3).subtracted(ellipse(c, 3.2, 3.2)), QColor(0x7d, 0x8d, 0xa5),
          SlateDark, 0.8);
}

void glyphPictures(QPainter &p)
{
    const QRectF frame(2.5, 4.5, 19, 15);
    shape(p, rounded(frame, 1.5), QColor(0xbf, 0xe3, 0xff), BlueDark);
    p.save();
    p.setClipPath(rounded(frame.adjusted(0.5, 0.5, -0.5, -0.5), 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(16.5, 9), 2.3, 2.3);
    p.setBrush(GreenDark);
    p.drawPath(polygon({{2, 20}, {9, 10}, {15, 20}}));
    p.setBrush(Green);
    QPainterPath hill({7, 20});
    hill.quadTo(14, 11, 23, 17);
    hill.lineTo(23, 20);
    hill.closeSubpath();
    p.drawPath(hill);
    p.restore();
    shape(p, rounded(frame, 1.5), Qt::NoBrush, BlueDark);
}

void glyphSound(QPainter &p)
{
    shape(p, polygon({{3.5, 9}, {7.5, 9}, {12.5, 4.5}, {12.5, 19.5}, {7.5, 15}, {3.5, 15}}), Slate,
          SlateDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Blue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, 8, 8, 8), -50 * 16, 100 * 16);
    p.drawArc(QRectF(7.5, 4.5, 14, 15), -55 * 16, 110 * 16);
}

void glyphShowResults(QPainter &p)
{
    QPainterPath eye({1.5, 12});
    eye.quadTo(12, 1.5, 22.5, 12);
    eye.quadTo(12, 22.5, 1.5, 12);
    shape(p, eye, Paper, SlateDark, 1.2);
    p.save();
    p.setClipPath(eye);
    shape(p, ellipse({12, 12}, 5, 5), Blue, BlueDark);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(SlateDark);
    p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.6, 10.4), 1.2, 1.2);
}

void glyphLogAll(QPainter &p)
{
    sheet(p, QRectF(2.5, 1.5, 13, 20), false);
    const QColor dots[] = {Green, Orange, Purple, Blue};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 7.5 + i * 3.6;
        p.setPen(Qt::NoPen);
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(5.5, y), 1.1, 1.1);
        p.setPen(QPen(PaperLine, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7.5, y), QPointF(12.5, y));
    }
    // pencil, drawn along x and turned
    p.save();
    p.translate(13.5, 20.5);
    p.rotate(-50);
    shape(p, polygon({{0, 0}, {3.5, -1.8}, {3.5, 1.8}}), QColor(0xff, 0xe0, 0xb0), OrangeDark, 0.8);
    shape(p, polygon({{0, 0}, {1.3, -0.67}, {1.3, 0.67}}), SlateDark, SlateDark, 0.5);
    shape(p, box(QRectF(3.5, -1.8, 9, 3.6)), Orange, OrangeDark, 0.9);
    shape(p, rounded(QRectF(12.5, -1.8, 2.5, 3.6), 0.8), QColor(0xff, 0x8f, 0xb0), OrangeDark, 0.9);
    p.restore();
}

void glyphStopwatch(QPainter &p)
{
    shape(p, rounded(QRectF(10, 1.5, 4, 2.5), 0.8), Slate, SlateDark);
    p.save();
    p.translate(12, 13.5);
    p.rotate(45);
    shape(p, rounded(QRectF(-1.3, -10.3, 2.6, 2.5), 0.6), Slate, SlateDark);
    p.restore();
    shape(p, ellipse({12, 13.5}, 8.5, 8.5), Blue, BlueDark);
    shape(p, ellipse({12, 13.5}, 6.2, 6.2), Paper, BlueDark, 0.8);
    p.setPen(QPen(SlateDark, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal a = M_PI / 2 * i;
        p.drawLine(QPointF(12 + 4.6 * qCos(a), 13.5 + 4.6 * qSin(a)),
                   QPointF(12 + 5.6 * qCos(a), 13.5 + 5.6 * qSin(a)));
    }
    p.setPen(QPen(Red, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 13.5), QPointF(15, 9.8));
    p.setPen(Qt::NoPen);
    p.setBrush(RedDark);
    p.drawEllipse(QPointF(12, 13.5), 1.2, 1.2);
}

void glyphNoZero(QPainter &p)
{
    QPainterPath zero = ellipse({12, 12}, 6.8, 9.3).subtracted(ellipse({12, 12}, 3.4, 5.9));
    shape(p, zero, Blue, BlueDark);
    shape(p, strokeOf(segment({3.5, 18.5}, {20.5, 5.5}), 2.8), Red, RedDark);
}

void glyphHomePage(QPainter &p)
{
    const QPointF c(12, 12);
    shape(p, ellipse(c, 9.5, 9.5), Blue, BlueDark);
    p.save();
    p.setClipPath(ellipse(c, 9.5, 9.5));
    // land
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    QPainterPath land({5, 6});
    land.cubicTo(8, 3, 12, 5, 11, 8);
    land.cubicTo(10, 11, 7, 10, 7.5, 13.5);
    land.cubicTo(8, 16, 5, 16, 3, 13);
    land.closeSubpath();
    p.drawPath(land);
    QPainterPath land2({14, 12});
    land2.cubicTo(17, 10, 21, 12, 20, 15);
    land2.cubicTo(19, 19, 16, 20, 15, 17);
    land2.cubicTo(14.5, 15, 12.5, 14, 14, 12);
    p.drawPath(land2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.9));
    p.drawEllipse(c, 4.2, 9.5);
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.drawLine(QPointF(2, 12), QPointF(22, 12));
    p.drawLine(QPointF(3.5, 7.5), QPointF(20.5, 7.5));
    p.drawLine(QPointF(3.5, 16.5), QPointF(20.5, 16.5));
    p.restore();
    shape(p, ellipse(c, 9.5, 9.5), Qt::NoBrush, BlueDark);
}

void glyphResultFormat(QPainter &p)
{
    shape(p, rounded(QRectF(1.5, 5.5, 21, 13), 2), QColor(0xdc, 0xf7, 0xcf), GreenDark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x3b, 0x2a));
    p.drawPath(fitText(QStringLiteral("0.00"),
                       pixelFont(QStringLiteral("DejaVu Sans"), 40, QFont::Bold),
                       QRectF(3.5, 8, 17, 8), false));
}

void glyphFormulas(QPainter &p)
{
    const QFont serif = pixelFont(QStringLiteral("DejaVu Serif"), 40, QFont::Bold, true);
    // colour the parts: f and x in colour, brackets in slate
    QPainterPath raw;
    raw.addText(0, 0, serif, QStringLiteral("f(x)"));
    const QRectF b = raw.boundingRect();
    const qreal s = qMin(22 / b.width(), 19 / b.height());
    QTransform m;
    m.translate(12, 12);
    m.scale(s, s);
    m.translate(-b.center().x(), -b.center().y());
    QFontMetricsF fm(serif);
    qreal xpos = 0;
    const QString parts[] = {QStringLiteral("f"), QStringLiteral("("), QStringLiteral("x"),
                             QStringLiteral(")")};
    const QColor colours[] = {PurpleDark, SlateDark, OrangeDark, SlateDark};
    for (int i = 0; i < 4; ++i) {
        QPainterPath one;
        one.addText(xpos, 0, serif, parts[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        p.drawPath(m.map(one));
        xpos += fm.horizontalAdvance(parts[i]);
    }
}

// ---- 16 x 16 --------------------------------------------------------------------------------

void glyphStop(QPainter &p)
{
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + M_PI / 4 * i;
        oct << QPointF(8 + 7.4 * qCos(a), 8 + 7.4 * qSin(a));
    }
    QPainterPath o;
    o.addPolygon(oct);
    o.closeSubpath();
    shape(p, o, Red, RedDark);
    QTransform inner;
    inner.translate(8, 8);
    inner.scale(0.78, 0.78);
    inner.translate(-8, -8);
    shape(p, inner.map(o), Qt::NoBrush, QColor(255, 255, 255, 220), 0.9);
    p.fillRect(QRectF(5.5, 5.5, 5, 5), Qt::white);
}

void glyphCalcUp(QPainter &p)
{
    calculator16(p, false);
}
void glyphCalcDown(QPainter &p)
{
    calculator16(p, true);
}

void imageTick(QPainter &p)
{
    QPainterPath t({2.8, 8.6});
    t.lineTo(6.3, 12);
    t.lineTo(13.2, 4);
    shape(p, strokeOf(t, 3.2), Green, GreenDark);
}

void imageCross(QPainter &p)
{
    QPainterPath x = segment({4, 4}, {12, 12});
    x.addPath(segment({12, 4}, {4, 12}));
    shape(p, strokeOf(x, 3.2), Red, RedDark);
}

void imageMail(QPainter &p)
{
    const QRectF r(1.5, 3.5, 13, 9);
    shape(p, rounded(r, 1), QColor(0xff, 0xf4, 0xd0), BlueDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(BlueDark, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath flap({2, 4});
    flap.lineTo(8, 9);
    flap.lineTo(14, 4);
    p.drawPath(flap);
    p.setPen(QPen(QColor(0x7a, 0x9c, 0xc8), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 11.5), QPointF(6, 8.5));
    p.drawLine(QPointF(13.5, 11.5), QPointF(10, 8.5));
}

// "glyphs/x.png" -> "glyphs/x@2x.png": the picture for a screen at twice the density, which Qt
// takes in its place there.
QString twice(const QString &rel)
{
    const qsizetype dot = rel.lastIndexOf(QLatin1Char('.'));
    return rel.left(dot) + QStringLiteral("@2x") + rel.mid(dot);
}

// Every glyph at its size and at twice it, from the same drawing.
void glyph(const QString &rel, int size, const std::function<void(QPainter &)> &draw)
{
    for (const int scale : {1, 2}) {
        QImage img = newImage(size * scale, size * scale, Qt::transparent);
        QPainter p(&img);
        prepare(p);
        p.scale(scale, scale);
        draw(p);
        p.end();
        save(img, scale == 1 ? rel : twice(rel));
    }
}

// ---- the window icon ------------------------------------------------------------------------

// Four operator tiles; the layout is in whole pixels per size so the small icons stay sharp. The
// raster sizes and the scalable drawing share this one layout.
struct IconTile
{
    QRectF body;
    qreal radius;
    QColor top, bottom, edge;
    qreal line;            // width of the edge; 0 for none
    QList<QLineF> strokes; // the operator sign, white
    qreal strokeWidth;
    bool roundCap;
    QList<QPointF> dots; // the dots of the division sign
    qreal dotRadius;
};

QList<IconTile> iconTiles(int size)
{
    qreal margin, gap;
    switch (size) {
    case 16:
    case 24:
    case 32:
        margin = 0, gap = 2;
        break;
    case 48:
        margin = 1, gap = 2;
        break;
    default:
        margin = size * 0.03, gap = size * 0.05;
        break;
    }
    const qreal tile = (size - 2 * margin - gap) / 2;
    const QColor fills[] = {Green, Blue, Orange, Purple};
    const QColor edges[] = {GreenDark, BlueDark, OrangeDark, PurpleDark};
    const qreal line = size <= 16 ? 0 : size / 32.0;
    QList<IconTile> tiles;
    for (int i = 0; i < 4; ++i) {
        const QRectF r(margin + (i % 2) * (tile + gap), margin + (i / 2) * (tile + gap), tile,
                       tile);
        IconTile t;
        t.body = r.adjusted(line / 2, line / 2, -line / 2, -line / 2);
        t.radius = tile * 0.22;
        t.top = line > 0 ? fills[i].lighter(112) : fills[i];
        t.bottom = fills[i];
        t.edge = edges[i];
        t.line = line;

        const QPointF c = r.center();
        const qreal arm = tile * (size <= 16 ? 0.36 : 0.3);
        t.strokeWidth = qMax(1.5, tile * 0.14);
        t.roundCap = size > 16;
        switch (i) {
        case 0: // +
            t.strokes = {QLineF(c - QPointF(arm, 0), c + QPointF(arm, 0)),
                         QLineF(c - QPointF(0, arm), c + QPointF(0, arm))};
            break;
        case 1: // −
            t.strokes = {QLineF(c - QPointF(arm, 0), c + QPointF(arm, 0))};
            break;
        case 2: { // ×
            const qreal d = arm * 0.8;
            t.strokes = {QLineF(c - QPointF(d, d), c + QPointF(d, d)),
                         QLineF(c + QPointF(d, -d), c + QPointF(-d, d))};
            break;
        }
        default: // ÷
            t.strokes = {QLineF(c - QPointF(arm, 0), c + QPointF(arm, 0))};
            t.dots = {c - QPointF(0, arm * 0.78), c + QPointF(0, arm * 0.78)};
            break;
        }
        t.dotRadius = qMax(0.9, t.strokeWidth * 0.62);
        tiles << t;
    }
    return tiles;
}

QImage icon(int size)
{
    QImage img = newImage(size, size, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    for (const IconTile &t : iconTiles(size)) {
        if (t.line > 0) {
            QLinearGradient g(t.body.topLeft(), t.body.bottomLeft());
            g.setColorAt(0, t.top);
            g.setColorAt(1, t.bottom);
            shape(p, rounded(t.body, t.radius), g, t.edge, t.line);
        } else {
            shape(p, rounded(t.body, t.radius), t.bottom, t.edge, 0);
        }
        QPainterPath sym;
        for (const QLineF &l : t.strokes)
            sym.addPath(segment(l.p1(), l.p2()));
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(Qt::white, t.strokeWidth, Qt::SolidLine, t.roundCap ? Qt::RoundCap : Qt::FlatCap));
        p.drawPath(sym);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (const QPointF &d : t.dots)
            p.drawEllipse(d, t.dotRadius, t.dotRadius);
    }
    p.end();
    return img;
}

// The scalable icon for the desktop's icon theme: the 256-pixel layout written as SVG.
void writeIconSvg(const QString &rel)
{
    const auto n = [](qreal v) { return QString::number(v, 'g', 6); };
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" "
                                 "height=\"256\" viewBox=\"0 0 256 256\">\n");
    const QList<IconTile> tiles = iconTiles(256);
    svg += QStringLiteral("  <defs>\n");
    for (int i = 0; i < tiles.size(); ++i) {
        const IconTile &t = tiles[i];
        // Top to bottom of the tile's own box, as in the raster drawing.
        svg += QStringLiteral("    <linearGradient id=\"tile%1\" x1=\"0\" y1=\"0\" x2=\"0\" "
                              "y2=\"1\"><stop offset=\"0\" stop-color=\"%2\"/>"
                              "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
                   .arg(i)
                   .arg(t.top.name(), t.bottom.name());
    }
    svg += QStringLiteral("  </defs>\n");
    for (int i = 0; i < tiles.size(); ++i) {
        const IconTile &t = tiles[i];
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                              "fill=\"url(#tile%6)\" stroke=\"%7\" stroke-width=\"%8\" "
                              "stroke-linejoin=\"round\"/>\n")
                   .arg(n(t.body.x()), n(t.body.y()), n(t.body.width()), n(t.body.height()),
                        n(t.radius))
                   .arg(i)
                   .arg(t.edge.name(), n(t.line));
        for (const QLineF &l : t.strokes)
            svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" "
                                  "stroke=\"#ffffff\" stroke-width=\"%5\" "
                                  "stroke-linecap=\"%6\"/>\n")
                       .arg(n(l.x1()), n(l.y1()), n(l.x2()), n(l.y2()), n(t.strokeWidth),
                            t.roundCap ? QStringLiteral("round") : QStringLiteral("butt"));
        for (const QPointF &d : t.dots)
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#ffffff\"/>\n")
                       .arg(n(d.x()), n(d.y()), n(t.dotRadius));
    }
    svg += QStringLiteral("</svg>\n");
    QFile f(outDir + QLatin1Char('/') + rel);
    if (!f.open(QIODevice::WriteOnly) || f.write(svg.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        ++failures;
    }
}

// The .ico: small sizes as 32-bit DIBs, 256 as PNG, the way Windows itself stores icons.
void writeIco(const QString &rel, const QList<QImage> &images)
{
    QList<QByteArray> blobs;
    for (const QImage &src : images) {
        const QImage img = src.convertToFormat(QImage::Format_ARGB32);
        QByteArray data;
        if (img.width() >= 256) {
            QBuffer buf(&data);
            buf.open(QIODevice::WriteOnly);
            img.save(&buf, "PNG");
        } else {
            auto u32 = [&](quint32 v) {
                for (int i = 0; i < 4; ++i)
                    data.append(char((v >> (8 * i)) & 0xff));
            };
            auto u16 = [&](quint16 v) {
                data.append(char(v & 0xff));
                data.append(char(v >> 8));
            };
            const int w = img.width(), h = img.height();
            const int maskStride = ((w + 31) / 32) * 4;
            u32(40);
            u32(quint32(w));
            u32(quint32(2 * h)); // colour rows plus mask rows
            u16(1);
            u16(32);
            u32(0);
            u32(quint32(w * h * 4 + maskStride * h));
            u32(0);
            u32(0);
            u32(0);
            u32(0);
            for (int y = h - 1; y >= 0; --y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = 0; x < w; ++x)
                    u32(line[x]); // BGRA in memory order
            }
            for (int y = h - 1; y >= 0; --y) {
                QByteArray row(maskStride, 0);
                const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                for (int x = 0; x < w; ++x)
                    if (qAlpha(line[x]) == 0)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                data.append(row);
            }
        }
        blobs << data;
    }
    QByteArray out;
    auto u16 = [&](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xff));
    };
    u16(0);
    u16(1);
    u16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append(char(0));
        out.append(char(0));
        u16(1);
        u16(32);
        u32(quint32(blobs[i].size()));
        u32(offset);
        offset += quint32(blobs[i].size());
    }
    for (const QByteArray &b : blobs)
        out.append(b);
    QFile f(outDir + QLatin1Char('/') + rel);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        ++failures;
    }
}

// ---- splash ---------------------------------------------------------------------------------

// A sticker-like badge with a wavy edge.
QPainterPath splashOutline()
{
    const QPointF c(128, 127.5);
    QPainterPath path;
    const int steps = 720;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = 116 + 5 * qCos(14 * a);
        const QPointF pt = c + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A white operator in a coloured bubble.
void operatorBubble(QPainter &p, QPointF c, qreal r, const QColor &fill, QChar op)
{
    shape(p, ellipse(c, r, r), fill, Qt::white, 3);
    const qreal a = r * 0.5, w = r * 0.26;
    QPainterPath sym;
    switch (op.unicode()) {
    case '+':
        sym = segment(c - QPointF(a, 0), c + QPointF(a, 0));
        sym.addPath(segment(c - QPointF(0, a), c + QPointF(0, a)));
        break;
    case 0x2212: // minus
        sym = segment(c - QPointF(a, 0), c + QPointF(a, 0));
        break;
    case 0xd7: { // times
        const qreal d = a * 0.8;
        sym = segment(c - QPointF(d, d), c + QPointF(d, d));
        sym.addPath(segment(c + QPointF(d, -d), c + QPointF(-d, d)));
        break;
    }
    case 0xf7: // divided by
        sym = segment(c - QPointF(a, 0), c + QPointF(a, 0));
        break;
    default: // equals
        sym = segment(c + QPointF(-a, -a * 0.4), c + QPointF(a, -a * 0.4));
        sym.addPath(segment(c + QPointF(-a, a * 0.4), c + QPointF(a, a * 0.4)));
        break;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(sym);
    if (op.unicode() == 0xf7) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c - QPointF(0, a * 0.72), w * 0.62, w * 0.62);
        p.drawEllipse(c + QPointF(0, a * 0.72), w * 0.62, w * 0.62);
    }
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &fill)
{
    const qreal k = r * 0.28;
    QPainterPath s =
        polygon({c + QPointF(0, -r), c + QPointF(k, -k), c + QPointF(r, 0), c + QPointF(k, k),
                 c + QPointF(0, r), c + QPointF(-k, k), c + QPointF(-r, 0), c + QPointF(-k, -k)});
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(s);
}

void drawSplash()
{
    const QPainterPath outline = splashOutline();

    // The mask: exactly the outline, no antialiasing, so the window's edge and the picture agree.
    QImage mask(256, 255, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(outline);
    }

    QImage img = newImage(256, 255, Qt::white);
    QPainter p(&img);
    prepare(p);
    QRadialGradient bg(QPointF(110, 95), 150);
    bg.setColorAt(0, QColor(0x6c, 0xb8, 0xff));
    bg.setColorAt(1, QColor(0x2a, 0x5f, 0xd6));
    // The edge line straddles the mask's border, so the window's cut-off edge is solid colour.
    shape(p, outline, bg, QColor(0x1a, 0x2f, 0x7a), 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 2, Qt::DashLine, Qt::RoundCap));
    p.drawEllipse(QPointF(128, 127.5), 101, 101);

    sparkle(p, {62, 96}, 6, QColor(255, 255, 255, 200));
    sparkle(p, {198, 192}, 5, QColor(255, 255, 255, 200));
    sparkle(p, {190, 88}, 4, QColor(255, 240, 150, 230));
    sparkle(p, {60, 190}, 4, QColor(255, 240, 150, 230));

    operatorBubble(p, {78, 62}, 17, QColor(0x2e, 0xc2, 0x5c), '+');
    operatorBubble(p, {128, 44}, 17, QColor(0xff, 0x8f, 0x2e), QChar(0xd7));
    operatorBubble(p, {178, 62}, 17, QColor(0xe8, 0x4a, 0x8a), QChar(0x2212));
    operatorBubble(p, {100, 205}, 16, QColor(0x9b, 0x5c, 0xe8), QChar(0xf7));
    operatorBubble(p, {156, 205}, 16, QColor(0xff, 0xc2, 0x1a), '=');

    // The title: each letter its own colour, bouncing a little.
    const QFont title = pixelFont(QStringLiteral("URW Gothic"), 58, QFont::DemiBold);
    const QString word = QStringLiteral("Numlet");
    const QColor letters[] = {QColor(0xff, 0xd8, 0x3b), QColor(0xff, 0x7a, 0xa8),
                              QColor(0x6d, 0xe8, 0x8a), QColor(0xff, 0xa8, 0x4a),
                              QColor(0x7c, 0xe4, 0xff), QColor(0xff, 0xd8, 0x3b)};
    QFontMetricsF fm(title);
    const qreal tracking = 1;
    qreal width = 0;
    for (QChar ch : word)
        width += fm.horizontalAdvance(ch) + tracking;
    width -= tracking;
    qreal x = 128 - width / 2;
    QList<QPainterPath> paths;
    for (int i = 0; i < word.size(); ++i) {
        QPainterPath one;
        one.addText(0, 0, title, word.at(i));
        const qreal adv = fm.horizontalAdvance(word.at(i));
        QTransform m;
        m.translate(x + adv / 2, 146 + (i % 2 ? -4 : 3));
        m.rotate(i % 2 ? 5 : -5);
        m.translate(-adv / 2, 0);
        paths << m.map(one);
        x += adv + tracking;
    }
    // shadow, thick outline, colour
    for (const QPainterPath &one : paths) {
        p.setPen(
            QPen(QColor(0x10, 0x1f, 0x5a, 120), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0x10, 0x1f, 0x5a, 120));
        p.drawPath(one.translated(2, 3));
    }
    for (const QPainterPath &one : paths) {
        p.setPen(QPen(QColor(0x1a, 0x2f, 0x7a), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(one);
    }
    for (int i = 0; i < paths.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(letters[i]);
        p.drawPath(paths[i]);
    }

    const QFont sub = pixelFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
    const QPainterPath subtitle =
        centredText(QStringLiteral("Procvičování počtů"), sub, {128, 172});
    p.setPen(QPen(QColor(0x1a, 0x2f, 0x7a), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(subtitle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(subtitle);
    p.end();

    // Outside the outline the picture is plain white.
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const QRgb *m = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qRed(m[x]) != 0)
                line[x] = qRgb(255, 255, 255);
    }
    save(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("splash/splash.png"));
    save(mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither),
         QStringLiteral("splash/splash_mask.png"));
}

// ---- reward pictures ------------------------------------------------------------------------

void lightBackground(QPainter &p, const QRectF &r, const QColor &centre, const QColor &edge)
{
    QRadialGradient g(r.center() - QPointF(0, 10), r.width() * 0.75);
    g.setColorAt(0, centre);
    g.setColorAt(1, edge);
    p.fillRect(r, g);
}

void drawDobra(int scale)
{
    QImage img = newImage(170 * scale, 175 * scale, Qt::white);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    lightBackground(p, QRectF(0, 0, 170, 175), QColor(0xff, 0xfb, 0xe6), QColor(0xd9, 0xef, 0xff));

    // a soft sunny disc behind the hand
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe9, 0x8c, 150));
    p.drawEllipse(QPointF(86, 84), 70, 70);

    const QColor skin(0xff, 0xcc, 0x99), skinShade(0xf0, 0xa8, 0x70);
    const QColor ink(0x6b, 0x3a, 0x1a);
    const qreal line = 3.2;

    // sleeve and cuff
    shape(p, rounded(QRectF(37, 148, 64, 40), 6), QColor(0x3d, 0x7b, 0xd9),
          QColor(0x1e, 0x3f, 0x80), line);

    // palm with the thumb, one outline
    QPainterPath palm = rounded(QRectF(40, 64, 76, 80), 20);
    QPainterPath thumb;
    {
        QPainterPath t = rounded(QRectF(-17, -58, 34, 72), 17);
        QTransform m;
        m.translate(66, 74);
        m.rotate(-10);
        thumb = m.map(t);
    }
    const QPainterPath hand = palm.united(thumb);
    shape(p, hand, skin, ink, line);

    // the thumbnail
    {
        QTransform m;
        m.translate(66, 74);
        m.rotate(-10);
        shape(p, m.map(rounded(QRectF(-10, -53, 17, 18), 7)), QColor(0xff, 0xe6, 0xd0), ink, 2);
        // a crease where the thumb meets the hand
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath crease;
        crease.moveTo(m.map(QPointF(-10, 8)));
        crease.quadTo(m.map(QPointF(2, 14)), m.map(QPointF(14, 8)));
        p.drawPath(crease);
    }

    // four curled fingers, stacked, each in front of the one above
    for (int i = 0; i < 4; ++i) {
        const QRectF f(80 - i * 1.5, 64 + i * 18, 53 - i * 3.5, 21);
        QLinearGradient g(f.topLeft(), f.bottomLeft());
        g.setColorAt(0, skin);
        g.setColorAt(1, skinShade);
        shape(p, rounded(f, 11), g, ink, line);
    }
    // a light on the back of the hand
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(56, 110), 7, 14);

    // the cuff over the wrist
    shape(p, rounded(QRectF(33, 139, 74, 15), 5), Qt::white, QColor(0x1e, 0x3f, 0x80), line);
    p.setBrush(QColor(0x1e, 0x3f, 0x80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(95, 146.5), 2.5, 2.5);

    sparkle(p, {138, 30}, 10, QColor(0xff, 0xc2, 0x1a));
    sparkle(p, {24, 44}, 7, QColor(0xff, 0xc2, 0x1a));
    sparkle(p, {150, 120}, 6, QColor(0x7c, 0xc8, 0xff));
    sparkle(p, {22, 120}, 5, QColor(0x7c, 0xc8, 0xff));
    p.end();
    const QString rel = QStringLiteral("pictures/Dobra.jpg");
    save(img, scale == 1 ? rel : twice(rel), 92);
}

void drawSpatna(int scale)
{
    QImage img = newImage(170 * scale, 175 * scale, Qt::white);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    lightBackground(p, QRectF(0, 0, 170, 175), QColor(0xff, 0xff, 0xff), QColor(0xe4, 0xea, 0xf2));
    const QPointF c(85, 87.5);
    // soft shadow
    p.setPen(Qt::NoPen);
    for (int i = 6; i > 0; --i) {
        p.setBrush(QColor(0x30, 0x40, 0x60, 10));
        p.drawEllipse(c + QPointF(3, 5), 72 + i, 72 + i);
    }
    // white rim, red ring, blue disc
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), 1.2));
    p.drawEllipse(c, 75, 75);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd7, 0x26, 0x2c));
    p.drawEllipse(c, 71, 71);
    QRadialGradient blue(c - QPointF(15, 18), 70);
    blue.setColorAt(0, QColor(0x2f, 0x7c, 0xe0));
    blue.setColorAt(1, QColor(0x16, 0x4f, 0xb0));
    p.setBrush(blue);
    p.drawEllipse(c, 56, 56);
    // the cross, clipped to the disc
    p.save();
    p.setClipPath(ellipse(c, 56.5, 56.5));
    p.setPen(QPen(QColor(0xd7, 0x26, 0x2c), 15, Qt::SolidLine, Qt::FlatCap));
    const qreal d = 60;
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    p.drawLine(c + QPointF(d, -d), c + QPointF(-d, d));
    p.restore();
    // a gentle shine on the top-left
    QPainterPath shine;
    shine.addEllipse(c, 71, 71);
    QLinearGradient g(c - QPointF(60, 60), c);
    g.setColorAt(0, QColor(255, 255, 255, 70));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.drawPath(shine);
    p.end();
    const QString rel = QStringLiteral("pictures/Spatna.jpg");
    save(img, scale == 1 ? rel : twice(rel), 92);
}

// Embossing by light on a height field: each layer is a shape raised (or sunk) by its height,
// softened a little, and lit from the top left, so edges get a bright and a dark side.
struct Relief
{
    QPainterPath path;
    qreal height; // negative: engraved
    int blur;     // softness in pixels
};

void boxBlur(std::vector<float> &v, int w, int h, int r)
{
    std::vector<float> tmp(v.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -r; k <= r; ++k)
                    sum += v[size_t(y * w + qBound(0, x + k, w - 1))];
                tmp[size_t(y * w + x)] = sum / float(2 * r + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -r; k <= r; ++k)
                    sum += tmp[size_t(qBound(0, y + k, h - 1) * w + x)];
                v[size_t(y * w + x)] = sum / float(2 * r + 1);
            }
    }
}

// At a higher scale the layers are drawn larger and softened over as many more pixels, and the
// slopes are steeper by the same factor, so the relief looks the same.
void emboss(QImage &img, const QList<Relief> &layers, int scale)
{
    const int w = img.width(), h = img.height();
    std::vector<float> height(size_t(w * h), 0.0f);
    for (const Relief &layer : layers) {
        QImage cover(w, h, QImage::Format_Grayscale8);
        cover.fill(0);
        QPainter p(&cover);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.scale(scale, scale);
        p.drawPath(layer.path);
        p.end();
        std::vector<float> v(size_t(w * h));
        for (int y = 0; y < h; ++y) {
            const uchar *line = cover.constScanLine(y);
            for (int x = 0; x < w; ++x)
                v[size_t(y * w + x)] = line[x] / 255.0f;
        }
        if (layer.blur > 0)
            boxBlur(v, w, h, layer.blur * scale);
        for (size_t i = 0; i < v.size(); ++i)
            height[i] += float(layer.height) * v[i];
    }
    auto at = [&](int x, int y) {
        return height[size_t(qBound(0, y, h - 1) * w + qBound(0, x, w - 1))];
    };
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // light from above and a little from the left, so no stroke runs parallel to it
            const float gx = at(x + 1, y) - at(x - 1, y), gy = at(x, y + 1) - at(x, y - 1);
            const float slope = (0.5f * gx + 0.87f * gy) * 0.7f * float(scale);
            const float light = qBound(-1.0f, slope, 1.0f);
            const QColor c(line[x]);
            const QColor target = light > 0 ? QColor(255, 255, 255) : QColor(0x6a, 0x6a, 0x6a);
            const float k = qAbs(light);
            line[x] = qRgb(int(c.red() + (target.red() - c.red()) * k + 0.5f),
                           int(c.green() + (target.green() - c.green()) * k + 0.5f),
                           int(c.blue() + (target.blue() - c.blue()) * k + 0.5f));
        }
    }
}

void drawAbout(int scale)
{
    QImage img = newImage(351 * scale, 180 * scale, Face);
    QList<Relief> layers;
    QPainterPath groove = strokeOf(rounded(QRectF(9.5, 9.5, 332, 161), 8), 1.6);
    layers << Relief{groove, -1.0, 0};

    const QFont title = pixelFont(QStringLiteral("P052"), 70, QFont::Bold);
    layers << Relief{centredText(QStringLiteral("Numlet"), title, {175.5, 76}), 2.4, 1};
    const QFont sub = pixelFont(QStringLiteral("P052"), 21, QFont::Bold, true);
    layers << Relief{centredText(QStringLiteral("Procvičování počtů"), sub, {175.5, 134}), -1.2, 0};
    const QFont sym = pixelFont(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    const std::pair<const char16_t *, QPointF> marks[] = {
        {u"+", {34, 36}}, {u"\u00d7", {317, 36}}, {u"\u2212", {34, 144}}, {u"\u00f7", {317, 144}}};
    for (const auto &[text, at] : marks)
        layers << Relief{centredText(QString::fromUtf16(text), sym, at), 1.2, 0};
    emboss(img, layers, scale);

    // the banner's own raised edge, two pixels wide
    QPainter p(&img);
    const int right = img.width() - 1, bottom = img.height() - 1;
    for (int i = 0; i < 2 * scale; ++i) {
        const bool outer = i < scale;
        p.setPen(outer ? QColor(255, 255, 255) : QColor(0xfa, 0xfa, 0xfa));
        p.drawLine(i, i, right - i, i);
        p.drawLine(i, i, i, bottom - i);
        p.setPen(outer ? QColor(0x80, 0x80, 0x80) : QColor(0xb4, 0xb4, 0xb4));
        p.drawLine(i, bottom - i, right - i, bottom - i);
        p.drawLine(right - i, i, right - i, bottom - i);
    }
    p.end();
    const QString rel = QStringLiteral("pictures/About.jpg");
    save(img, scale == 1 ? rel : twice(rel), 92);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);

    drawSplash();

    QList<QImage> icons;
    for (int s : {16, 32, 48, 256})
        icons << icon(s);
    save(icons[3], QStringLiteral("icons/numlet.png"));
    save(icons[1], QStringLiteral("icons/numlet-32.png"));
    save(icons[0], QStringLiteral("icons/numlet-16.png"));
    writeIco(QStringLiteral("icons/numlet.ico"), icons);
    // The other sizes of the desktop's icon theme, installed but not built in.
    save(icons[2], QStringLiteral("icons/numlet-48.png"));
    for (int s : {24, 64, 128})
        save(icon(s), QStringLiteral("icons/numlet-%1.png").arg(s));
    writeIconSvg(QStringLiteral("icons/numlet.svg"));

    glyph(QStringLiteral("images/imagelist_0.png"), 16, imageTick);
    glyph(QStringLiteral("images/imagelist_1.png"), 16, imageCross);
    glyph(QStringLiteral("images/imagelist_2.png"), 16, imageMail);

    const struct
    {
        const char *name;
        void (*draw)(QPainter &);
    } glyphs24[] = {
        {"speedbutton3", glyphNewExamples},
        {"speedbutton10", glyphCompute},
        {"speedbutton2", glyphDeleteAll},
        {"speedbutton13", glyphOpen},
        {"speedbutton11", glyphSave},
        {"speedbutton4", glyphExport},
        {"speedbutton14", glyphPrint},
        {"speedbutton16", glyphClass},
        {"speedbutton1", glyphSaveLog},
        {"speedbutton15", glyphOverview},
        {"speedbutton9", glyphNext},
        {"sb1", glyphSettings},
        {"sb10", glyphPictures},
        {"sb8", glyphSound},
        {"sb9", glyphShowResults},
        {"sb11", glyphLogAll},
        {"sb14", glyphStopwatch},
        {"sb6", glyphNoZero},
        {"sb16", glyphHomePage},
        {"sb19", glyphResultFormat},
        {"sb3", glyphFormulas},
    };
    for (const auto &g : glyphs24)
        glyph(QStringLiteral("glyphs/%1.png").arg(QLatin1String(g.name)), 24, g.draw);
    glyph(QStringLiteral("glyphs/speedbutton12.png"), 16, glyphStop);
    glyph(QStringLiteral("glyphs/speedbutton7_up.png"), 16, glyphCalcUp);
    glyph(QStringLiteral("glyphs/speedbutton7_down.png"), 16, glyphCalcDown);

    for (const int scale : {1, 2}) {
        drawDobra(scale);
        drawSpatna(scale);
        drawAbout(scale);
    }
    return failures == 0 ? 0 : 1;
}
