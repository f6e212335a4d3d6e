// The picture area: verdict and About pictures, folder pictures in order and by chance, their
// placing and scaling, the folder list, failing pictures, the sounds and the JPEG decoder.

#include "app/errorreport.h"
#include "app/numlet.h"
#include "rewards/jpegimage.h"
#include "rewards/soundplayer.h"
#include "support/control.h"
#include "widgets/tlsdirtreecombo28.h"
#include "widgets/tscaledimage.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio> // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <jpeglib.h>

namespace {

// A picture whose width tells which file it came from.
void writePicture(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QVERIFY2(image.save(path, "JPG", 95), qPrintable(path));
}

// A CMYK JPEG as Adobe's programs write it: inks stored inverted, with the Adobe marker.
QByteArray cmykJpeg(int width, int height, const uchar ink[4])
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    QByteArray row;
    for (int x = 0; x < width; ++x)
        for (int i = 0; i < 4; ++i)
            row.append(char(255 - ink[i]));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

bool near(QRgb a, QColor b, int tolerance = 12)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance &&
           qAbs(qBlue(a) - b.blue()) <= tolerance;
}

// A main window on a fresh program folder, with its errors collected instead of boxed.
struct Window
{
    QTemporaryDir dir;
    TNumlet w{dir.path()};
    QStringList errors;

    Window()
    {
        ErrorReport::setReporter([this](const QString &text) { errors << text; });
    }
    ~Window() { ErrorReport::setReporter({}); }

    template <typename T = QWidget> T *get(const char *name) const { return control<T>(w, name); }
    TScaledImage *image() const { return get<TScaledImage>("ScaledImage1"); }
    QLabel *number() const { return get<QLabel>("Label3D18"); }
    QAbstractButton *button(const char *name) const { return get<QAbstractButton>(name); }
    void invoke(const char *method) { QVERIFY(QMetaObject::invokeMethod(&w, method)); }
    void verdict(bool right)
    {
        QVERIFY(QMetaObject::invokeMethod(&w, "ShowVerdictPicture", Q_ARG(bool, right)));
    }

    // A folder of pictures 10, 11, 12, ... pixels wide, chosen in DirTree.
    void folder(const QString &name, int pictures)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        for (int i = 0; i < pictures; ++i)
            writePicture(QStringLiteral("%1/p%2.jpg").arg(path).arg(i, 3, 10, QLatin1Char('0')),
                         10 + i, 8);
        choose(path);
    }
    void choose(const QString &path)
    {
        QVERIFY(get<TLsDirTreeCombo28>("DirTree")->setSelectedPath(path));
    }
    // The folder picture on screen, by its width; -1 for any other picture.
    int shownNumber() const
    {
        const int width = image()->picture().height() == 8 ? image()->picture().width() : 0;
        return width >= 10 ? width - 10 : -1;
    }
};

} // namespace

class RewardsTest : public QObject
{
    Q_OBJECT

private slots:
    void sequentialPicturesAfterStart();
    void randomPicturesStayInTheList();
    void nextPictureAfterFolderChange_data();
    void nextPictureAfterFolderChange();
    void folderPicturesFollowTheSwitch();
    void placing_data();
    void placing();
    void folderListing();
    void failingPictureKeepsThePrevious_data();
    void failingPictureKeepsThePrevious();
    void pictureNumberFollowsClicks();
    void decoder_data();
    void decoder();
    void soundsNeverBlock();
    void verdictSoundsAndPictures();
    void choosingTheSameFolderCountsAfresh();
    void panelPictures();
};

void RewardsTest::sequentialPicturesAfterStart()
{
    Window t;
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.folder("three", 3);
    t.invoke("StartPictures");
    QCOMPARE(t.image()->picture().size(), QSize(351, 180));
    QString seen;
    t.button("SB10")->click();
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(t.shownNumber(), t.number()->text().toInt());
        seen += t.number()->text();
        if (i < 4)
            t.invoke("NextPicture");
    }
    QCOMPARE(seen, QStringLiteral("12012"));
    QVERIFY(t.button("SB10")->isChecked());
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::randomPicturesStayInTheList()
{
    Window t;
    t.w.setRandSeed(12345);
    t.folder("seven", 7);
    t.button("SB10")->click();
    QSet<int> seen;
    for (int i = 0; i < 60; ++i) {
        const int n = t.number()->text().toInt();
        QVERIFY(n >= 0 && n < 7);
        QCOMPARE(t.shownNumber(), n);
        seen << n;
        t.invoke("NextPicture");
    }
    QCOMPARE(seen.size(), 7);
}

void RewardsTest::nextPictureAfterFolderChange_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("next");
    QTest::newRow("index past the new list") << 50 << 30 << 10 << 0;
    QTest::newRow("index on the new last") << 12 << 9 << 10 << 0;
    QTest::newRow("index inside the new list") << 3 << 1 << 5 << 2;
}

void RewardsTest::nextPictureAfterFolderChange()
{
    QFETCH(int, before);
    QFETCH(int, index);
    QFETCH(int, after);
    QFETCH(int, next);
    Window t;
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.folder("before", before);
    t.button("SB10")->click();
    while (t.number()->text().toInt() != index)
        t.invoke("NextPicture");
    const QImage shown = t.image()->picture();

    t.folder("after", after);
    QCOMPARE(t.get<QLabel>("Label3D19")->text(), QStringLiteral("Nalezeno %1 obrázků").arg(after));
    QCOMPARE(t.image()->picture(), shown); // a new folder changes nothing on screen
    t.invoke("NextPicture");
    QCOMPARE(t.number()->text(), QString::number(next));
    QCOMPARE(t.shownNumber(), next);
}

void RewardsTest::folderPicturesFollowTheSwitch()
{
    Window t;
    QAbstractButton *sb10 = t.button("SB10");
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.folder("empty", 0);
    QCOMPARE(t.get<QLabel>("Label3D19")->text(), QStringLiteral("Nalezeno 0 obrázků"));
    t.verdict(true);
    sb10->click(); // nothing to show: the About picture, and the button springs back up
    QVERIFY(!sb10->isChecked());
    QCOMPARE(t.image()->geometry(), QRect(0, 0, 351, 180));
    QCOMPARE(t.image()->picture().size(), QSize(351, 180));

    t.folder("two", 2);
    sb10->click();
    QVERIFY(sb10->isChecked());
    QCOMPARE(t.shownNumber(), 1);
    t.folder("empty", 0); // a folder without pictures switches them off
    QVERIFY(!sb10->isChecked());
    QCOMPARE(t.shownNumber(), 1);
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::placing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QSize>("picture"); // a folder picture; empty for none
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("right verdict") << "right" << QSize() << QRect(90, 3, 170, 175);
    QTest::newRow("wrong verdict") << "wrong" << QSize() << QRect(90, 3, 170, 175);
    QTest::newRow("About fills the area") << "right" << QSize(0, 0) << QRect(0, 0, 351, 180);
    QTest::newRow("wide after a verdict") << "right" << QSize(400, 100) << QRect(-175, 3, 700, 175);
    QTest::newRow("wide after About") << "about" << QSize(400, 100) << QRect(-185, 0, 720, 180);
    QTest::newRow("tall after a verdict") << "wrong" << QSize(100, 400) << QRect(153, 3, 44, 175);
    QTest::newRow("rounded width") << "about" << QSize(7, 11) << QRect(118, 0, 115, 180);
}

void RewardsTest::placing()
{
    QFETCH(QString, before);
    QFETCH(QSize, picture);
    QFETCH(QRect, geometry);
    Window t;
    if (before == QLatin1String("about"))
        t.invoke("ShowAboutPicture");
    else
        t.verdict(before == QLatin1String("right"));
    if (picture == QSize(0, 0)) {
        t.invoke("ShowAboutPicture");
    } else if (picture.isValid()) {
        const QString path = t.dir.filePath(QStringLiteral("one"));
        QDir().mkpath(path);
        writePicture(path + QStringLiteral("/one.jpg"), picture.width(), picture.height());
        t.choose(path);
        t.button("SB10")->click();
        QCOMPARE(t.image()->picture().size(), picture);
    }
    QCOMPARE(t.image()->geometry(), geometry);
    QVERIFY(t.image()->stretch());
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::folderListing()
{
    Window t;
    const QString path = t.dir.filePath(QStringLiteral("mixed"));
    QDir().mkpath(path);
    // Listed in this order: by name without regard to case, any case of the extension.
    const QStringList pictures = {".hidden.jpg", "a.jpg", "B.JPG", "c.Jpg"};
    for (int i = 0; i < pictures.size(); ++i)
        writePicture(path + QLatin1Char('/') + pictures[i], 10 + i, 8);
    for (const char *other : {"d.png", "e.jpeg", "f.jpg.txt", "jpg", "g.jp"})
        writePicture(path + QLatin1Char('/') + QLatin1String(other), 30, 8);
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.choose(path);
    QCOMPARE(t.get<QLabel>("Label3D19")->text(), QStringLiteral("Nalezeno 4 obrázků"));
    t.button("SB10")->click();
    QList<int> order;
    for (int i = 0; i < 4; ++i) {
        order << t.shownNumber();
        t.invoke("NextPicture");
    }
    QCOMPARE(order, QList<int>({1, 2, 3, 0}));
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::failingPictureKeepsThePrevious_data()
{
    QTest::addColumn<QString>("kind"); // what stands in the folder under the bad picture's name
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // %1: the bad picture's path
    QTest::newRow("gone") << "gone" << QByteArray() << "Cannot open file %1";
    QTest::newRow("a folder") << "folder" << QByteArray() << "Cannot open file %1";
    QTest::newRow("not a JPEG") << "file" << QByteArray("Hello")
                                << "Not a JPEG file: starts with 0x48 0x65";
    QTest::newRow("empty") << "file" << QByteArray() << "Empty input file";
    QTest::newRow("no frame") << "file" << QByteArray("\xFF\xD8\xFF\xD9", 4)
                              << "JPEG datastream contains no image";
}

void RewardsTest::failingPictureKeepsThePrevious()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    Window t;
    const QString path = t.dir.filePath(QStringLiteral("pics"));
    QDir().mkpath(path);
    writePicture(path + QStringLiteral("/a.jpg"), 10, 8);
    const QString bad = path + QStringLiteral("/b.jpg");
    if (kind == QLatin1String("folder")) {
        QDir().mkpath(bad);
    } else {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.choose(path);
    if (kind == QLatin1String("gone"))
        QVERIFY(QFile::remove(bad));

    t.verdict(true);
    const QImage before = t.image()->picture();
    const QRect placed = t.image()->geometry();
    t.button("SB10")->click(); // picture 1 is the bad one
    QCOMPARE(t.errors, QStringList(QString(error).replace(QLatin1String("%1"),
                                                          QDir::toNativeSeparators(bad))));
    QCOMPARE(t.image()->picture(), before);
    QCOMPARE(t.image()->geometry(), placed);

    t.invoke("NextPicture"); // the next one still shows
    QCOMPARE(t.shownNumber(), 0);
    QCOMPARE(t.errors.size(), 1);
}

void RewardsTest::pictureNumberFollowsClicks()
{
    Window t;
    QAbstractButton *box = t.button("BBox12");
    QVERIFY(t.number()->isHidden());
    box->click();
    QVERIFY(!t.number()->isHidden());
    box->click();
    QVERIFY(t.number()->isHidden());

    // Switching folder pictures off while the box is checked inverts the number once more.
    box->click();
    t.folder("two", 2);
    t.button("SB10")->click();
    QVERIFY(!t.number()->isHidden());
    t.button("SB10")->click();
    QVERIFY(t.number()->isHidden());
    QVERIFY(box->isChecked());
}

void RewardsTest::decoder_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    const auto qtJpeg = [](QImage image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 100);
        return bytes;
    };
    QImage colour(33, 17, QImage::Format_RGB32);
    colour.fill(QColor(200, 40, 60));
    QTest::newRow("colour") << qtJpeg(colour) << QSize(33, 17) << QColor(200, 40, 60);
    QImage gray(20, 30, QImage::Format_Grayscale8);
    gray.fill(QColor(90, 90, 90));
    const QByteArray grayJpeg = qtJpeg(gray);
    QVERIFY(grayJpeg.contains(QByteArray("\xFF\xC0\x00\x0B", 4))); // one component
    QTest::newRow("grayscale") << grayJpeg << QSize(20, 30) << QColor(90, 90, 90);
    const uchar red[4] = {0, 255, 255, 0};
    QTest::newRow("Adobe CMYK") << cmykJpeg(16, 16, red) << QSize(16, 16) << QColor(255, 0, 0);
}

void RewardsTest::decoder()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    const QImage image = JpegImage::decode(jpeg);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QVERIFY2(near(image.pixel(size.width() / 2, size.height() / 2), colour),
             qPrintable(QColor(image.pixel(0, 0)).name()));
}

void RewardsTest::soundsNeverBlock()
{
    SoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    for (const char *name : {"ano", "NE", "Go", "Ano"})
        QVERIFY(player.play(QLatin1String(name)));
    QVERIFY(!player.play(QStringLiteral("Dobra")));
    player.stop();

    Window t;
    t.button("SB8")->setChecked(true);
    for (bool right : {true, false, true})
        t.verdict(right);
    QCoreApplication::processEvents();
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(t.image()->geometry(), QRect(90, 3, 170, 175));
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::verdictSoundsAndPictures()
{
    Window t;
    const auto builtIn = [](const char *name) {
        return JpegImage::load(QStringLiteral(":/pictures/%1.jpg").arg(QLatin1String(name)));
    };
    // With the sound switch up nothing is played.
    t.verdict(true);
    QVERIFY(!t.w.findChild<SoundPlayer *>());
    QCOMPARE(t.image()->picture(), builtIn("Dobra"));

    t.button("SB8")->setChecked(true);
    t.verdict(false);
    auto *player = t.w.findChild<SoundPlayer *>();
    QVERIFY(player);
    QCOMPARE(player->lastPlayed(), QStringLiteral("Ne"));
    QCOMPARE(t.image()->picture(), builtIn("Spatna"));
    t.verdict(true);
    QCOMPARE(player->lastPlayed(), QStringLiteral("Ano"));
    QCOMPARE(t.image()->picture(), builtIn("Dobra"));
    QVERIFY(t.errors.isEmpty());
}

void RewardsTest::choosingTheSameFolderCountsAfresh()
{
    Window t;
    t.folder("growing", 2);
    QCOMPARE(t.get<QLabel>("Label3D19")->text(), QStringLiteral("Nalezeno 2 obrázků"));
    const QString path = t.dir.filePath(QStringLiteral("growing"));
    writePicture(path + QStringLiteral("/p002.jpg"), 12, 8);
    t.choose(path);
    QCOMPARE(t.get<QLabel>("Label3D19")->text(), QStringLiteral("Nalezeno 3 obrázků"));
    // The new picture takes its turn.
    t.get<QAbstractButton>("BBox11")->setChecked(true);
    t.button("SB10")->click();
    QList<int> order;
    for (int i = 0; i < 3; ++i) {
        order << t.shownNumber();
        t.invoke("NextPicture");
    }
    QCOMPARE(order, QList<int>({1, 2, 0}));
}

// Pictures of the area for looking at: /tmp/numlet-panel9-{Dobra,Spatna,About}.png.
void RewardsTest::panelPictures()
{
    Window t;
    t.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.w));
    QWidget *panel = t.get("Panel9");
    // Each picture drawn one to one where the control stands.
    const auto shoot = [&](const char *name) {
        const QImage shot = panel->grab().toImage();
        QVERIFY(shot.save(QStringLiteral("/tmp/numlet-panel9-%1.png").arg(QLatin1String(name))));
        QCOMPARE(shot.size(), QSize(351, 180));
        const QImage picture = t.image()->picture();
        const QPoint at = t.image()->pos();
        QCOMPARE(t.image()->size(), picture.size());
        for (const QPoint p : {QPoint(5, 5), picture.rect().center(), QPoint(150, 160)})
            QVERIFY(near(shot.pixel(at + p), picture.pixel(p), 2));
    };
    t.verdict(true);
    shoot("Dobra");
    t.verdict(false);
    shoot("Spatna");
    t.invoke("ShowAboutPicture");
    shoot("About");
    QVERIFY(t.errors.isEmpty());
}

QTEST_MAIN(RewardsTest)
#include "tst_rewards.moc"
