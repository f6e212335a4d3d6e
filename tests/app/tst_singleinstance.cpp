// The single-instance rule with real processes of the program.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

    QProcess *start()
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", lockFolder.path()); // keeps the lock away from a running copy
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(NUMLET_EXECUTABLE), {});
        process->waitForStarted();
        return process;
    }
    static void stop(QProcess *process)
    {
        process->kill();
        process->waitForFinished();
    }

private slots:
    void cleanup()
    {
        for (QProcess *process : findChildren<QProcess *>())
            stop(process);
    }
    void secondStartIsRefusedAndLockOfKilledProcessDoesNotBlock()
    {
        QVERIFY(lockFolder.isValid());
        QProcess *first = start();
        QVERIFY(first->state() == QProcess::Running);
        QTest::qWait(500); // the first has taken the lock before its splash

        // The refused start says why on standard error too (its message box would wait forever).
        QProcess *second = start();
        QByteArray said;
        for (int i = 0; i < 100 && !said.contains("Aplikace na pozadí"); ++i) {
            second->waitForReadyRead(100);
            said += second->readAllStandardError();
        }
        QVERIFY2(said.contains("Aplikace na pozadí"), said.constData());
        stop(second);
        QCOMPARE(first->state(), QProcess::Running);

        // A process killed while holding the lock leaves nothing that blocks the next start.
        ::kill(pid_t(first->processId()), SIGKILL);
        first->waitForFinished();
        QProcess *third = start();
        QByteArray errors;
        for (int i = 0; i < 25 && third->state() == QProcess::Running; ++i) {
            third->waitForReadyRead(100);
            errors += third->readAllStandardError();
        }
        QVERIFY2(!errors.contains("Aplikace na pozadí"), errors.constData());
        QCOMPARE(third->state(), QProcess::Running);
        stop(third);
    }

private:
    QTemporaryDir lockFolder;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
