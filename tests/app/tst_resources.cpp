// The built-in resources: every picture the program loads by path, at its exact size, the
// icon file with all its sizes, the splash's mask against its picture, and the WAVE formats.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

struct WaveInfo
{
    bool ok = false;
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray data;
};

// A small RIFF reader: walks the chunks instead of assuming a 44-byte header.
WaveInfo readWave(const QByteArray &file)
{
    WaveInfo w;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return w;
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(file.constData() + at));
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(file.constData() + at));
    };
    bool haveFormat = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > file.size())
            return w;
        if (id == "fmt " && size >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.rate = u32(body + 4);
            w.byteRate = u32(body + 8);
            w.bits = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            w.data = file.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are word aligned
    }
    w.ok = haveFormat && haveData;
    return w;
}

} // namespace

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void pictureSizes_data();
    void pictureSizes();
    void iconFileHoldsEverySize();
    void sounds_data();
    void sounds();
    void splashMaskShapesThePicture();
};

void TstResources::pictureSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    const QSize glyph(24, 24), small(16, 16);
    const struct
    {
        const char *path;
        QSize size;
        bool transparent;
    } rows[] = {
        {"splash/splash.png", {256, 255}, false},
        {"splash/splash_mask.png", {256, 255}, false},
        {"icons/numlet.png", {256, 256}, true},
        {"icons/numlet-32.png", {32, 32}, true},
        {"icons/numlet-16.png", small, true},
        {"images/imagelist_0.png", small, true},
        {"images/imagelist_1.png", small, true},
        {"images/imagelist_2.png", small, true},
        {"glyphs/speedbutton3.png", glyph, true},
        {"glyphs/speedbutton10.png", glyph, true},
        {"glyphs/speedbutton2.png", glyph, true},
        {"glyphs/speedbutton13.png", glyph, true},
        {"glyphs/speedbutton11.png", glyph, true},
        {"glyphs/speedbutton4.png", glyph, true},
        {"glyphs/speedbutton14.png", glyph, true},
        {"glyphs/speedbutton1.png", glyph, true},
        {"glyphs/speedbutton9.png", glyph, true},
        {"glyphs/sb1.png", glyph, true},
        {"glyphs/sb10.png", glyph, true},
        {"glyphs/sb8.png", glyph, true},
        {"glyphs/sb9.png", glyph, true},
        {"glyphs/sb11.png", glyph, true},
        {"glyphs/sb14.png", glyph, true},
        {"glyphs/sb6.png", glyph, true},
        {"glyphs/sb16.png", glyph, true},
        {"glyphs/sb19.png", glyph, true},
        {"glyphs/sb3.png", glyph, true},
        {"glyphs/speedbutton12.png", small, true},
        {"glyphs/speedbutton7_up.png", small, true},
        {"glyphs/speedbutton7_down.png", small, true},
        {"pictures/Dobra.jpg", {170, 175}, false},
        {"pictures/Spatna.jpg", {170, 175}, false},
        {"pictures/About.jpg", {351, 180}, false},
    };
    for (const auto &r : rows) {
        const QString path = QString::fromLatin1(r.path);
        QTest::newRow(r.path) << path << r.size << r.transparent;
        // Drawn again at twice the size for dense screens, beside every glyph and picture.
        if (path.startsWith(QLatin1String("splash/")) || path.startsWith(QLatin1String("icons/")))
            continue;
        const QString twice = path.section(QLatin1Char('.'), 0, 0) + QStringLiteral("@2x.") +
                              path.section(QLatin1Char('.'), 1);
        QTest::newRow(qPrintable(twice)) << twice << r.size * 2 << r.transparent;
    }
}

void TstResources::pictureSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    const QImage image(QStringLiteral(":/") + path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    if (!transparent)
        return;
    // Glyphs sit on any button face: the background must be see-through, not painted.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    bool seeThrough = false;
    for (int y = 0; y < argb.height() && !seeThrough; ++y)
        for (int x = 0; x < argb.width() && !seeThrough; ++x)
            seeThrough = qAlpha(argb.pixel(x, y)) == 0;
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(seeThrough);
}

void TstResources::iconFileHoldsEverySize()
{
    QImageReader reader(QStringLiteral(":/icons/numlet.ico"));
    QCOMPARE(reader.imageCount(), 4);
    QSet<int> widths;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        widths.insert(image.width());
    }
    QCOMPARE(widths, (QSet<int>{16, 32, 48, 256}));
}

void TstResources::sounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("rate");
    QTest::addColumn<int>("bytes");
    QTest::newRow("Ano") << QStringLiteral("Ano") << quint32(11025) << 23046;
    QTest::newRow("Ne") << QStringLiteral("Ne") << quint32(22050) << 16802;
    QTest::newRow("Go") << QStringLiteral("Go") << quint32(11025) << 266;
}

void TstResources::sounds()
{
    QFETCH(QString, name);
    QFETCH(quint32, rate);
    QFETCH(int, bytes);

    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const WaveInfo w = readWave(file.readAll());
    QVERIFY(w.ok);
    QCOMPARE(w.format, quint16(1)); // PCM
    QCOMPARE(w.channels, quint16(1));
    QCOMPARE(w.bits, quint16(8));
    QCOMPARE(w.rate, rate);
    QCOMPARE(w.byteRate, rate);
    QCOMPARE(w.data.size(), bytes);

    // Unsigned 8 bit: no sample at the rails (clipping), and it starts and ends at rest.
    const auto *s = reinterpret_cast<const uchar *>(w.data.constData());
    const auto [lo, hi] = std::minmax_element(s, s + w.data.size());
    QVERIFY2(*lo > 0 && *hi < 255, "clipped");
    QVERIFY(*hi - *lo > 64); // audible, not silence
    QVERIFY(qAbs(int(s[0]) - 128) <= 2);
    QVERIFY(qAbs(int(s[w.data.size() - 1]) - 128) <= 2);
}

void TstResources::splashMaskShapesThePicture()
{
    const QImage mask =
        QImage(QStringLiteral(":/splash/splash_mask.png")).convertToFormat(QImage::Format_RGB32);
    const QImage picture =
        QImage(QStringLiteral(":/splash/splash.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(mask.size(), picture.size());

    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    qint64 inside = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            QVERIFY2(m == black || m == white, "the mask has grey pixels");
            if (m == black)
                ++inside;
            else if (picture.pixel(x, y) != white)
                QFAIL(qPrintable(
                    QStringLiteral("picture not white outside the mask at %1,%2").arg(x).arg(y)));
        }
    const qint64 all = qint64(mask.width()) * mask.height();
    QVERIFY(inside > all / 4);
    QVERIFY(inside < all); // the window is shaped, not a rectangle
    QCOMPARE(mask.pixel(0, 0), white);
    QCOMPARE(mask.pixel(mask.width() / 2, mask.height() / 2), black);
}

QTEST_GUILESS_MAIN(TstResources)
#include "tst_resources.moc"
