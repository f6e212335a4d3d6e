// The single-instance rule with real processes of the program.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

    // A start in a session whose private runtime folder is the given one, with a temporary folder
    // of its own; both keep the test away from a copy the user is running.
    QProcess *start(const QTemporaryDir &runtime, const QTemporaryDir &temp)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("TMPDIR", temp.path());
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
    // True when the process ended with "Aplikace na pozadí" on standard error; false when it
    // still runs after the given time.
    static bool refused(QProcess *process, int waitMs)
    {
        QByteArray said;
        for (int i = 0; i < waitMs / 100 && process->state() == QProcess::Running; ++i) {
            process->waitForReadyRead(100);
            said += process->readAllStandardError();
            if (said.contains("Aplikace na pozadí"))
                return true;
        }
        return said.contains("Aplikace na pozadí");
    }
    static bool isPrivate(const QTemporaryDir &dir)
    {
        return QFile(dir.path()).permissions() ==
               (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                QFile::WriteUser | QFile::ExeUser);
    }

private slots:
    void initTestCase()
    {
        for (const QTemporaryDir *dir : {&runtime, &otherRuntime, &temp1, &temp2, &temp3})
            QVERIFY(dir->isValid());
        QVERIFY(isPrivate(runtime) && isPrivate(otherRuntime));
    }
    void cleanup()
    {
        for (QProcess *process : findChildren<QProcess *>())
            stop(process);
        qDeleteAll(findChildren<QProcess *>());
    }

    void secondStartIsRefusedAndLockOfKilledProcessDoesNotBlock()
    {
        QProcess *first = start(runtime, temp1);
        QVERIFY(first->state() == QProcess::Running);
        QTest::qWait(500); // the first has taken the lock before its splash

        // The refused start says why on standard error too (its message box would wait forever).
        // Another temporary folder is no way round the rule.
        QProcess *second = start(runtime, temp2);
        QVERIFY(refused(second, 10000));
        stop(second);
        QCOMPARE(first->state(), QProcess::Running);

        // Another session, with a runtime folder of its own, starts.
        QProcess *elsewhere = start(otherRuntime, temp1);
        QVERIFY(!refused(elsewhere, 2500));
        QCOMPARE(elsewhere->state(), QProcess::Running);
        stop(elsewhere);

        // A process killed while holding the lock leaves nothing that blocks the next start.
        ::kill(pid_t(first->processId()), SIGKILL);
        first->waitForFinished();
        QProcess *third = start(runtime, temp3);
        QVERIFY(!refused(third, 2500));
        QCOMPARE(third->state(), QProcess::Running);
    }

    // Anyone may create files in the shared temporary folder: a lock there keeps no one out.
    void lockInTheTemporaryFolderBlocksNothing()
    {
        const QString shared = QStringLiteral("%1/Numlet-%2.lock").arg(temp1.path()).arg(geteuid());
        const int fd = ::open(QFile::encodeName(shared).constData(), O_RDWR | O_CREAT, 0666);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        QProcess *process = start(otherRuntime, temp1);
        const bool wasRefused = refused(process, 2500);
        ::close(fd);
        QVERIFY(!wasRefused);
        QCOMPARE(process->state(), QProcess::Running);
    }

private:
    QTemporaryDir runtime, otherRuntime, temp1, temp2, temp3;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
