#include "widgets/tcolumnlistbox.h"
#include "widgets/tcoolform.h"
#include "widgets/tgauge.h"
#include "widgets/timagelist.h"
#include "widgets/tlabel3d.h"
#include "widgets/tlsdirtreecombo28.h"
#include "widgets/tscaledimage.h"
#include "widgets/tspinedit.h"
#include "widgets/tstatusbarpro.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

// Records the paint events a widget receives.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *w) { w->installEventFilter(this); }
    int count = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++count;
            painted += static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }
};

int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TstWidgets : public QObject
{
    Q_OBJECT

private slots:
    void gaugeClampsPosition_data();
    void gaugeClampsPosition();
    void gaugeBarIsProportional();

    void scaledImageGeometry_data();
    void scaledImageGeometry();
    void scaledImageClientFollowsParent();
    void scaledImagePainting_data();
    void scaledImagePainting();

    void columnListBoxRows();

    void statusBarPanelsAndClicks();
    void statusBarRepaintsOnlyChangedText();

    void spinEditLimitsApplyFromNextEdit_data();
    void spinEditLimitsApplyFromNextEdit();
    void spinEditStartsFromFormRange();
    void spinEditValueOr();

    void dirComboAcceptsExistingFoldersOnly();
    void dirComboPopupChoosesFolder();

    void coolFormRegion_data();
    void coolFormRegion();

    void label3DHasRelief_data();
    void label3DHasRelief();
};

void TstWidgets::gaugeClampsPosition_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("laterMinimum");
    QTest::addColumn<int>("laterMaximum");
    QTest::addColumn<int>("expected");

    QTest::newRow("inside") << 0 << 100 << 40 << 0 << 100 << 40;
    QTest::newRow("beyond maximum") << 0 << 100 << 150 << 0 << 100 << 100;
    QTest::newRow("below minimum") << 0 << 100 << -5 << 0 << 100 << 0;
    QTest::newRow("maximum lowered below value") << 0 << 100 << 80 << 0 << 50 << 50;
    QTest::newRow("maximum raised keeps value") << 0 << 10 << 8 << 0 << 50 << 8;
    QTest::newRow("minimum raised above value") << 0 << 100 << 20 << 30 << 100 << 30;
}

void TstWidgets::gaugeClampsPosition()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, laterMinimum);
    QFETCH(int, laterMaximum);
    QFETCH(int, expected);

    TGauge gauge;
    gauge.setMinimum(minimum);
    gauge.setMaximum(maximum);
    gauge.setValue(value);
    gauge.setMinimum(laterMinimum);
    gauge.setMaximum(laterMaximum);
    QCOMPARE(gauge.value(), expected);
}

void TstWidgets::gaugeBarIsProportional()
{
    TGauge gauge;
    gauge.resize(102, 12); // a 100 px wide inside
    gauge.setMaximum(200);
    gauge.setValue(60);
    gauge.setBarColor(Qt::red);
    gauge.setBackColor(Qt::blue);
    const QImage image = gauge.grab().toImage();
    const QRect row(1, 6, 100, 1);
    QCOMPARE(countPixels(image, row, qRgb(255, 0, 0)), 30);
    QCOMPARE(countPixels(image, row, qRgb(0, 0, 255)), 70);
}

void TstWidgets::scaledImageGeometry_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QRect>("start");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("auto-size takes the picture size")
        << QSize(400, 100) << QRect(10, 20, 170, 175) << true << QRect(10, 20, 400, 100);
    QTest::newRow("wide picture keeps the height")
        << QSize(400, 100) << QRect(10, 20, 170, 175) << false << QRect(10, 20, 700, 175);
    QTest::newRow("tall picture narrows, rounded")
        << QSize(100, 400) << QRect(0, 0, 170, 175) << false << QRect(0, 0, 44, 175);
    QTest::newRow("half pixel rounds up")
        << QSize(3, 2) << QRect(0, 0, 1, 5) << false << QRect(0, 0, 8, 5);
    QTest::newRow("negative left stays")
        << QSize(400, 100) << QRect(-175, 0, 170, 175) << false << QRect(-175, 0, 700, 175);
}

void TstWidgets::scaledImageGeometry()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QRect, start);
    QFETCH(bool, autoSize);
    QFETCH(QRect, expected);

    QWidget parent;
    parent.resize(300, 300);
    auto *image = new TScaledImage(&parent);
    image->setGeometry(start);
    image->setAutoSize(autoSize);
    image->setPicture(solid(pictureSize, Qt::red));
    QCOMPARE(image->geometry(), expected);
}

void TstWidgets::scaledImageClientFollowsParent()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *image = new TScaledImage(&parent);
    image->setGeometry(5, 5, 10, 10);
    image->setAlign(TScaledImage::Align::Client);
    QCOMPARE(image->geometry(), QRect(0, 0, 300, 200));

    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    parent.resize(500, 120);
    QCOMPARE(image->geometry(), QRect(0, 0, 500, 120));

    image->setAutoSize(true);
    image->setPicture(solid(QSize(400, 100), Qt::red));
    QCOMPARE(image->geometry(), QRect(0, 0, 500, 120));

    image->setAlign(TScaledImage::Align::None);
    parent.resize(600, 130);
    QCOMPARE(image->geometry(), QRect(0, 0, 500, 120));
}

void TstWidgets::scaledImagePainting_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QList<QPoint>>("covered");
    QTest::addColumn<QList<QPoint>>("bare");

    QTest::newRow("natural size at top-left")
        << false << false << QList<QPoint>{{0, 0}, {9, 9}} << QList<QPoint>{{10, 10}, {20, 20}};
    QTest::newRow("natural size centred")
        << false << true << QList<QPoint>{{15, 15}, {24, 24}} << QList<QPoint>{{5, 5}, {25, 25}};
    QTest::newRow("stretched") << true << false << QList<QPoint>{{0, 0}, {20, 20}, {39, 39}}
                               << QList<QPoint>{};
    QTest::newRow("stretch wins over centre")
        << true << true << QList<QPoint>{{0, 0}, {39, 39}} << QList<QPoint>{};
}

void TstWidgets::scaledImagePainting()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QList<QPoint>, covered);
    QFETCH(QList<QPoint>, bare);

    TScaledImage image;
    image.setAutoSize(true);
    image.setPicture(solid(QSize(10, 10), Qt::red));
    image.setAutoSize(false);
    image.resize(40, 40);
    image.setStretch(stretch);
    image.setCenter(center);
    const QImage shot = image.grab().toImage();
    for (const QPoint &p : covered)
        QVERIFY2(shot.pixel(p) == qRgb(255, 0, 0),
                 qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint &p : bare)
        QVERIFY2(shot.pixel(p) != qRgb(255, 0, 0),
                 qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
}

void TstWidgets::columnListBoxRows()
{
    using Column = TColumnListBox::Column;
    TImageList images;
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    QPixmap green(16, 16);
    green.fill(Qt::green);
    images.add(blue);
    images.add(green);

    TColumnListBox list;
    list.setColumns({{Column::Kind::Image, 20, Qt::AlignCenter, QColor()},
                     {Column::Kind::Text, 60, Qt::AlignLeft, QColor()},
                     {Column::Kind::Text, 90, Qt::AlignRight, QColor(Qt::red)}});
    list.setImageList(&images);
    list.resize(200, 100);

    QCOMPARE(list.addRow({"12:00", "3 + 4 = 7"}, 1), 0);
    QCOMPARE(list.addRow({"12:01"}, 0), 1);
    QCOMPARE(list.rowCount(), 2);

    QCOMPARE(list.cellText(0, 0), QString());
    QCOMPARE(list.cellText(0, 1), QString("12:00"));
    QCOMPARE(list.cellText(0, 2), QString("3 + 4 = 7"));
    QCOMPARE(list.cellText(1, 2), QString());
    QCOMPARE(list.cellText(2, 1), QString());
    QCOMPARE(list.cellText(0, 3), QString());
    QCOMPARE(list.rowImage(0), 1);
    QCOMPARE(list.rowImage(1), 0);
    QCOMPARE(list.rowImage(2), -1);

    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect first = list.visualItemRect(list.topLevelItem(0));
    const QRect second = list.visualItemRect(list.topLevelItem(1));
    QCOMPARE(first.height(), 16);
    QCOMPARE(second.top(), first.top() + 16);
    QCOMPARE(list.columnWidth(0), 20);
    QCOMPARE(list.columnWidth(2), 90);

    // The image at natural size in the centred image column, the red text right-aligned.
    const QImage shot = list.viewport()->grab().toImage();
    QCOMPARE(countPixels(shot, QRect(0, first.top(), 20, 16), qRgb(0, 255, 0)), 16 * 16);
    QCOMPARE(countPixels(shot, QRect(0, second.top(), 20, 16), qRgb(0, 0, 255)), 16 * 16);
    int rightmostRed = -1;
    for (int x = 80; x < 170; ++x)
        for (int y = first.top(); y <= first.bottom(); ++y)
            if (QColor(shot.pixel(x, y)).red() > 200 && QColor(shot.pixel(x, y)).green() < 80)
                rightmostRed = x;
    QVERIFY2(rightmostRed > 150, qPrintable(QString::number(rightmostRed)));

    list.clearRows();
    QCOMPARE(list.rowCount(), 0);
}

void TstWidgets::statusBarPanelsAndClicks()
{
    TStatusBarPro bar;
    bar.resize(400, 20);
    bar.setPanelWidths({100, 50, 80, 60, 40});
    QCOMPARE(bar.panelCount(), 5);
    QCOMPARE(bar.panelRect(1), QRect(100, 0, 50, 20));
    QCOMPARE(bar.panelRect(3), QRect(230, 0, 60, 20));
    QCOMPARE(bar.panelRect(4), QRect(290, 0, 40, 20));
    QCOMPARE(bar.panelRect(5), QRect());

    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy clicked(&bar, &TStatusBarPro::panelClicked);

    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.panelRect(3).center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 3);

    // Released over another panel, or with the other button: no click.
    QTest::mousePress(&bar, Qt::LeftButton, {}, bar.panelRect(1).center());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.panelRect(2).center());
    QTest::mouseClick(&bar, Qt::RightButton, {}, bar.panelRect(0).center());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(380, 10)); // past the last panel
    QCOMPARE(clicked.count(), 1);
}

void TstWidgets::statusBarRepaintsOnlyChangedText()
{
    TStatusBarPro bar;
    bar.resize(400, 20);
    bar.setPanelWidths({100, 100, 100, 100});
    bar.setPanelText(1, "12 345 kB");
    QCOMPARE(bar.panelText(1), QString("12 345 kB"));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::qWait(20);

    PaintRecorder recorder(&bar);
    bar.setPanelText(1, QString("12 345") + " kB");
    QTest::qWait(50);
    QCOMPARE(recorder.count, 0);

    bar.setPanelText(1, "12 346 kB");
    QTRY_VERIFY(recorder.count > 0);
    QVERIFY(bar.panelRect(1).contains(recorder.painted.boundingRect()));
}

void TstWidgets::spinEditLimitsApplyFromNextEdit_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("changes");

    QTest::newRow("max lowered, step up") << 50 << 0 << 10 << "up" << 10 << 1;
    QTest::newRow("max lowered, step down") << 50 << 0 << 10 << "down" << 10 << 1;
    QTest::newRow("min raised, step down") << 5 << 20 << 100 << "down" << 20 << 1;
    QTest::newRow("min raised, step up") << 5 << 20 << 100 << "up" << 20 << 1;
    QTest::newRow("max raised, step past the old one") << 100 << 0 << 200 << "up" << 101 << 1;
    QTest::newRow("max lowered, code sets beyond") << 50 << 0 << 10 << "set 70" << 10 << 1;
    QTest::newRow("max lowered, code sets inside") << 50 << 0 << 10 << "set 7" << 7 << 1;
    QTest::newRow("min raised, typed value pulled back on Enter")
        << 5 << 20 << 100 << "type 7" << 20 << 2;
    QTest::newRow("typed value inside") << 50 << 0 << 10 << "type 8" << 8 << 1;
    QTest::newRow("Enter on an unchanged value") << 50 << 0 << 100 << "enter" << 50 << 0;
    QTest::newRow("Enter pulls a held value into the limits")
        << 50 << 0 << 10 << "enter" << 10 << 1;
}

void TstWidgets::spinEditLimitsApplyFromNextEdit()
{
    QFETCH(int, value);
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(QString, edit);
    QFETCH(int, expected);
    QFETCH(int, changes);

    TSpinEdit spin;
    spin.setMinimum(0);
    spin.setMaximum(100);
    spin.setValue(value);
    QSignalSpy changed(&spin, &QSpinBox::valueChanged);

    spin.setMinValue(minValue);
    spin.setMaxValue(maxValue);
    QCOMPARE(spin.value(), value);
    QCOMPARE(spin.text(), QString::number(value));
    QCOMPARE(spin.minValue(), minValue);
    QCOMPARE(spin.maxValue(), maxValue);
    QCOMPARE(changed.count(), 0);

    if (edit == "up")
        QTest::keyClick(&spin, Qt::Key_Up);
    else if (edit == "down")
        QTest::keyClick(&spin, Qt::Key_Down);
    else if (edit.startsWith("set "))
        spin.setValue(edit.mid(4).toInt());
    else if (edit.startsWith("type ")) {
        spin.selectAll();
        QTest::keyClicks(&spin, edit.mid(5));
        QTest::keyClick(&spin, Qt::Key_Enter);
    } else if (edit == "enter")
        QTest::keyClick(&spin, Qt::Key_Enter);
    QCOMPARE(spin.value(), expected);
    QCOMPARE(changed.count(), changes);
    if (changes > 0)
        QCOMPARE(changed.last().at(0).toInt(), expected);

    // Inside the limits again, the next steps respect them.
    spin.setValue(maxValue);
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.value(), maxValue);
    spin.setValue(minValue);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.value(), minValue);
}

void TstWidgets::spinEditStartsFromFormRange()
{
    TSpinEdit spin;
    spin.setMinimum(3); // what the form sets
    spin.setMaximum(9);
    spin.setValue(7);
    QCOMPARE(spin.minValue(), 3);
    QCOMPARE(spin.maxValue(), 9);
    spin.setValue(12);
    QCOMPARE(spin.value(), 9);

    spin.setMaxValue(5);
    QCOMPARE(spin.minValue(), 3);
    QCOMPARE(spin.maxValue(), 5);
    QCOMPARE(spin.value(), 9);
    spin.setValue(1);
    QCOMPARE(spin.value(), 3);
}

void TstWidgets::spinEditValueOr()
{
    TSpinEdit spin;
    spin.setRange(0, 999);
    spin.setValue(42);
    QCOMPARE(spin.valueOr(-1), 42);

    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Backspace);
    QCOMPARE(spin.text(), QString());
    QCOMPARE(spin.value(), 42);
    QCOMPARE(spin.valueOr(-1), -1);
}

void TstWidgets::dirComboAcceptsExistingFoldersOnly()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString folder = QDir::cleanPath(tmp.path());
    QFile file(folder + "/note.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    TLsDirTreeCombo28 combo;
    QSignalSpy changed(&combo, &TLsDirTreeCombo28::pathChanged);

    QVERIFY(combo.setSelectedPath(folder));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), folder);
    QCOMPARE(combo.selectedPath(), folder);
    QCOMPARE(combo.currentText(), QDir::toNativeSeparators(folder));

    // The same folder again is a choice too (its pictures may have changed), under its clean name.
    QVERIFY(combo.setSelectedPath(folder + "/./"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), folder);
    QVERIFY(!combo.setSelectedPath(folder + "/missing"));
    QVERIFY(!combo.setSelectedPath(folder + "/note.txt"));
    QVERIFY(!combo.setSelectedPath(QString()));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(combo.selectedPath(), folder);
    QCOMPARE(combo.count(), 1);

    // Nothing has looked at the disk yet.
    QVERIFY(!combo.findChild<QFileSystemModel *>());
}

void TstWidgets::dirComboPopupChoosesFolder()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString folder = QDir::cleanPath(tmp.path());
    QVERIFY(QDir(folder).mkpath("a/deep"));
    QVERIFY(QDir(folder).mkpath("b"));

    TLsDirTreeCombo28 combo;
    combo.resize(200, 24);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QVERIFY(combo.setSelectedPath(folder + "/a/deep"));
    QSignalSpy changed(&combo, &TLsDirTreeCombo28::pathChanged);

    combo.showPopup();
    auto *model = combo.findChild<QFileSystemModel *>();
    auto *view = combo.findChild<QTreeView *>();
    QVERIFY(model && view);
    QVERIFY(view->isVisible());
    QCOMPARE(model->filePath(view->currentIndex()), folder + "/a/deep");
    QVERIFY(view->isExpanded(model->index(folder + "/a")));

    // Escape closes without choosing.
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->isVisible());
    QCOMPARE(changed.count(), 0);

    combo.showPopup();
    view->setCurrentIndex(model->index(folder + "/b"));
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->isVisible());
    QCOMPARE(combo.selectedPath(), folder + "/b");
    QCOMPARE(changed.count(), 1);

    // Choosing the folder already selected reports it once more, and once only.
    combo.showPopup();
    QCOMPARE(model->filePath(view->currentIndex()), folder + "/b");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->currentIndex()).center());
    QVERIFY(!view->isVisible());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), folder + "/b");
}

void TstWidgets::coolFormRegion_data()
{
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("empty") << QStringList{"....", "...."};
    QTest::newRow("full") << QStringList{"###", "###"};
    QTest::newRow("single pixel") << QStringList{"....", "..#.", "...."};
    QTest::newRow("two runs in a row") << QStringList{"#..##.#"};
    QTest::newRow("shape with repeated rows")
        << QStringList{"..##..", ".####.", ".####.", "#....#", "#....#", "......"};
}

void TstWidgets::coolFormRegion()
{
    QFETCH(QStringList, rows);

    QImage mask(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            mask.setPixel(x, y, rows[y][x] == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));

    const QRegion region = TCoolForm::regionFromMask(mask);
    for (int y = -1; y <= mask.height(); ++y)
        for (int x = -1; x <= mask.width(); ++x) {
            const bool inside = mask.valid(x, y) && mask.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(region.contains(QPoint(x, y)) == inside,
                     qPrintable(QString("%1,%2").arg(x).arg(y)));
        }

    QWidget window;
    window.resize(mask.size());
    TCoolForm::apply(&window, mask);
    QCOMPARE(window.mask(), region);
}

void TstWidgets::label3DHasRelief_data()
{
    QTest::addColumn<QColor>("face");
    QTest::newRow("classic grey") << QColor(192, 192, 192);
    QTest::newRow("light grey") << QColor(239, 239, 239);
    QTest::newRow("dark") << QColor(60, 60, 64);
}

void TstWidgets::label3DHasRelief()
{
    QFETCH(QColor, face);
    TLabel3D label;
    QFont font = label.font();
    font.setPixelSize(28);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias); // exact colours to look for
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::WindowText, Qt::blue);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.setAlignment(Qt::AlignCenter);
    label.setCaption("Hlh");
    label.resize(120, 50);

    // Raised on its face: a visibly lighter edge above-left of the text, a darker one below-right.
    const QImage shot = label.grab().toImage();
    const int faceLevel = qGray(face.rgb());
    QRect light, dark, text;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if ((p & 0xffffff) == 0x0000ff)
                text |= QRect(x, y, 1, 1);
            else if (qGray(p) >= faceLevel + 12)
                light |= QRect(x, y, 1, 1);
            else if (qGray(p) <= faceLevel - 12)
                dark |= QRect(x, y, 1, 1);
        }
    QVERIFY(!light.isEmpty() && !dark.isEmpty() && !text.isEmpty());
    QCOMPARE(light.topLeft(), text.topLeft() - QPoint(1, 1));
    QCOMPARE(dark.bottomRight(), text.bottomRight() + QPoint(1, 1));
    // Centred.
    QVERIFY(qAbs(text.center().x() - 60) <= 2);
    QVERIFY(qAbs(text.center().y() - 25) <= 3);
}

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
