// The real program asked by the system to end: it closes as if the close button were pressed, so
// the settings and the names list are written, instead of dying with them unsaved.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TerminationTest : public QObject
{
    Q_OBJECT

    // A copy of the program in a folder of its own: a portable copy keeps its files beside it.
    struct Copy
    {
        QTemporaryDir folder;
        QTemporaryDir runtime;
        QProcess process;

        QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    };

    static void start(Copy &copy)
    {
        QVERIFY(QFile::copy(QStringLiteral(NUMLET_EXECUTABLE), copy.path("numlet")));
        // The start reads these settings; an operator slot showing "^" is stored as "~" only by
        // a close that ran its whole sequence.
        QFile ini(copy.path("Numlex.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Form]\r\nBody=37\r\n[Vzorec]\r\nOper3=^\r\n");
        ini.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", copy.runtime.path()); // away from a copy the user runs
        env.insert("TMPDIR", copy.runtime.path());
        copy.process.setProcessEnvironment(env);
        copy.process.start(copy.path("numlet"), {});
        QVERIFY(copy.process.waitForStarted(5000));
        // The splash stays 1.35 s; the window then reads its settings at its first activation.
        QTest::qWait(3500);
        QCOMPARE(copy.process.state(), QProcess::Running);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void signalClosesTheWindowAndKeepsTheSettings_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void signalClosesTheWindowAndKeepsTheSettings()
    {
        QFETCH(int, signal);
        Copy copy;
        start(copy);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(::kill(pid_t(copy.process.processId()), signal), 0);
        QVERIFY(copy.process.waitForFinished(10000));
        QCOMPARE(copy.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.process.exitCode(), 0);
        const QByteArray ini = contents(copy.path("Numlex.ini"));
        QVERIFY(ini.contains("\r\nBody=37\r\n"));
        QVERIFY(ini.contains("\r\nOper3=~\r\n"));
        QVERIFY(ini.contains("\r\nFont=Palatino Linotype\r\n"));
        QVERIFY(QFile::exists(copy.path("Jmena.txt")));
    }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "tst_termination.moc"
