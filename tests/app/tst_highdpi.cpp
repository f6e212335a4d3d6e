// The window on a screen of twice the density (QT_SCALE_FACTOR=2, set by the test's
// environment): the same layout in device-independent pixels, with the glyphs, the image list
// and the pictures taken from their drawings at twice the size.

#include "drill/drillwindow.h"
#include "widgets/timagelist.h"

#include <QToolButton>

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesAndGlyphsAreSharp()
    {
        DrillWindow t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        QCOMPARE(t.w.devicePixelRatioF(), 2.0);
        QCOMPARE(t.w.size(), QSize(853, 541));
        // The About picture fills its panel from 702 x 360 pixels.
        QTRY_VERIFY(!t.get<TScaledImage>("ScaledImage1")->picture().isNull());
        const QImage about = t.get<TScaledImage>("ScaledImage1")->picture();
        QCOMPARE(about.size(), QSize(702, 360));
        QCOMPARE(about.devicePixelRatio(), 2.0);
        // A verdict picture keeps its place: 170 x 175 on the screen.
        t.answer("4+8", "12");
        QCOMPARE(t.get<TScaledImage>("ScaledImage1")->size(), VerdictPicture);
        QCOMPARE(t.picture(), VerdictPicture * 2);
        QCOMPARE(t.w.ImageList1()->pixmap(0).devicePixelRatio(), 2.0);
        QCOMPARE(t.w.ImageList1()->pixmap(0).size(), QSize(32, 32));
        QVERIFY(
            t.get<QToolButton>("SpeedButton9")->icon().availableSizes().contains(QSize(48, 48)));
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
