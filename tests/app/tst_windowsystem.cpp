// The real program on a real X server (Xvfb): what the window system shows of it. The offscreen
// platform composes no captions, so only a real server shows what a platform plugin adds to them.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class WindowSystemTest : public QObject
{
    Q_OBJECT

    struct Window
    {
        QString id;
        QSize size;
    };

    QString run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(tool, arguments);
        process.waitForFinished(5000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_RUNTIME_DIR", runtime.path()); // away from a copy the user is running
        env.insert("TMPDIR", runtime.path());
        return env;
    }
    // The server's top-level windows, as xwininfo lists them.
    QList<Window> windows()
    {
        static const QRegularExpression line(
            QStringLiteral(R"(^\s*(0x[0-9a-f]+) .*\s(\d+)x(\d+)\+)"),
            QRegularExpression::MultilineOption);
        QList<Window> found;
        const QString listing = run(xwininfo, {"-root", "-children"});
        for (auto m = line.globalMatch(listing); m.hasNext();) {
            const auto match = m.next();
            found.append(
                {match.captured(1), {match.captured(2).toInt(), match.captured(3).toInt()}});
        }
        return found;
    }
    QString property(const QString &id, const char *name)
    {
        return run(xprop, {"-id", id, "-notype", QLatin1String(name)}).trimmed();
    }

private slots:
    void initTestCase()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
        xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
        if (xvfb.isEmpty() || xwininfo.isEmpty() || xprop.isEmpty())
            QSKIP("needs Xvfb, xwininfo and xprop (packages xvfb, x11-utils)");
        QVERIFY(runtime.isValid());
        // The server writes the display number it chose once it is ready. Without -noreset it
        // starts afresh whenever its last client leaves, and a program connecting just then (as
        // one of the window listings ends) is turned away.
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                            "-noreset"});
        QVERIFY(server.waitForStarted());
        QByteArray number;
        while (!number.contains('\n') && server.waitForReadyRead(10000))
            number += server.readAllStandardOutput();
        QVERIFY2(number.contains('\n'), server.readAllStandardError().constData());
        display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }
    void cleanupTestCase()
    {
        server.terminate();
        server.waitForFinished();
    }

    // The splash comes first and stays its time; the main window's caption is "Numlet" alone.
    void startShowsSplashThenTheCaptionedWindow()
    {
        QProcess program;
        program.setProcessEnvironment(environment());
        program.start(QStringLiteral(NUMLET_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        qint64 splashSeen = -1, mainSeen = -1;
        QString mainId;
        while (mainSeen < 0 && clock.elapsed() < 30000 && program.state() == QProcess::Running) {
            for (const Window &w : windows()) {
                if (w.size == QSize(256, 255) && splashSeen < 0)
                    splashSeen = clock.elapsed();
                if (w.size == QSize(853, 541)) {
                    mainSeen = clock.elapsed();
                    mainId = w.id;
                }
            }
            QTest::qWait(20);
        }
        const QString netName = mainId.isEmpty() ? QString() : property(mainId, "_NET_WM_NAME");
        const QString name = mainId.isEmpty() ? QString() : property(mainId, "WM_NAME");
        program.kill();
        program.waitForFinished();

        QVERIFY2(splashSeen >= 0 && mainSeen >= 0, program.readAllStandardError().constData());
        // Seen at most one listing late, so the splash may look up to one listing shorter.
        QVERIFY2(mainSeen - splashSeen >= 1350 - 200,
                 qPrintable(QString::number(mainSeen - splashSeen)));
        QCOMPARE(netName, QStringLiteral("_NET_WM_NAME = \"Numlet\""));
        QCOMPARE(name, QStringLiteral("WM_NAME = \"Numlet\""));
    }

private:
    QProcess server;
    QString display, xwininfo, xprop;
    QTemporaryDir runtime;
};

QTEST_GUILESS_MAIN(WindowSystemTest)
#include "tst_windowsystem.moc"
