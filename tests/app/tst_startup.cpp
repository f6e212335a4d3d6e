// What the program sets up before its main window: the application, the error box's title, the
// splash window and the wait that keeps the interface alive while the splash stays.

#include "app/errorreport.h"
#include "app/platform.h"
#include "app/splashform.h"
#include "app/startup.h"
#include "widgets/tcoolform.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <ctime>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Startup::setUpApplication(); }

    void applicationKeepsItsNameOutOfCaptions()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Numlet"));
        // No display name of its own: Qt then gives the application name, which a platform plugin
        // never appends to a caption ending with it ("Numlet").
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Numlet"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        // The Wayland app id, by which the desktop finds the menu entry's name and icon.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cz.numlet.Numlet"));
    }

    // The buttons of every message box (the overwrite question's "Ano"/"Ne") and the dialogs.
    void qtsOwnTextsAreCzech()
    {
        if (!Startup::installQtTranslation())
            QSKIP("Qt's Czech catalogue (qt6-translations-l10n) is not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ano"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Ne"));
    }

    void errorBoxIsTitledWithTheProgramTitle()
    {
        QString title, text;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        closer.start();
        ErrorReport::report(QStringLiteral("Cannot open file C:\\x.nlx"));
        QCOMPARE(title, QStringLiteral("Numlet 2.13"));
        QCOMPARE(text, QStringLiteral("Cannot open file C:\\x.nlx"));
    }

    // An operation that fails in several places says so once, every reason in the one box.
    void reportsOfABatchShareOneBox()
    {
        QStringList shown;
        ErrorReport::setReporter([&](const QString &text) { shown << text; });
        {
            const ErrorReport::Batch outer;
            ErrorReport::report(QStringLiteral("Cannot create file a"));
            {
                const ErrorReport::Batch inner;
                ErrorReport::report(QStringLiteral("Cannot create file b"));
            }
            ErrorReport::report(QStringLiteral("Cannot create file a"));
            QCOMPARE(shown, QStringList());
        }
        {
            const ErrorReport::Batch quiet;
        }
        ErrorReport::report(QStringLiteral("later"));
        ErrorReport::setReporter({});
        QCOMPARE(shown, (QStringList{"Cannot create file a\nCannot create file b", "later"}));
    }

    void splashIsTheShapedPicture()
    {
        TSplashForm splash;
        QCOMPARE(splash.size(), QSize(256, 255));
        QCOMPARE(splash.windowType(), Qt::SplashScreen);
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(Qt::white));

        const QImage mask(QStringLiteral(":/splash/splash_mask.png"));
        QCOMPARE(mask.size(), QSize(256, 255));
        const QRegion outline = TCoolForm::regionFromMask(mask);
        QCOMPARE(splash.mask(), outline);
        QVERIFY(!outline.isEmpty() && outline != QRegion(splash.rect()));

        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((splash.geometry().center() - screen.center()).manhattanLength() <= 1);
        // The picture fills the window one to one.
        const QImage picture =
            QImage(QStringLiteral(":/splash/splash.png")).convertToFormat(QImage::Format_RGB32);
        const QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), picture.size());
        int compared = 0;
        for (int y = 0; y < picture.height(); y += 7)
            for (int x = 0; x < picture.width(); x += 7)
                if (outline.contains(QPoint(x, y))) {
                    QCOMPARE(shown.pixel(x, y), picture.pixel(x, y));
                    ++compared;
                }
        QVERIFY(compared > 500);
    }

    // The splash's wait: longer than its time, ended soon after, and events keep running in it
    // without a core kept busy.
    void waitKeepsEventsRunning()
    {
        const std::int64_t start = Platform::tickCount();
        QList<std::int64_t> ran;
        const auto note = [&] { ran << Platform::tickCount() - start; };
        QMetaObject::invokeMethod(this, note, Qt::QueuedConnection);
        QTimer::singleShot(400, this, note);
        QTimer::singleShot(1000, this, note);
        QTimer::singleShot(5000, this, note); // after the wait
        const std::clock_t cpu = std::clock();

        Startup::waitProcessingEvents(Startup::SplashMilliseconds);

        const std::int64_t waited = Platform::tickCount() - start;
        const double busy = double(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC;
        QVERIFY2(waited > 1350, qPrintable(QString::number(waited)));
        QVERIFY2(waited < 1350 + 1000, qPrintable(QString::number(waited)));
        QCOMPARE(ran.size(), 3);
        QVERIFY(ran[0] < 400);
        QVERIFY(ran[1] >= 400 && ran[2] >= 1000 && ran[2] <= 1350);
        // A sleeping wait costs well under a millisecond of processor time; a spinning one takes
        // most of a core, or a good share of it on a loaded machine.
        QVERIFY2(busy < 1350 / 10, qPrintable(QString::number(busy)));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
