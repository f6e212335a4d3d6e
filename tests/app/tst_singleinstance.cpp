// The single-instance rule with real processes of the program, and the folder that holds its lock
// when the session has no runtime folder.

#include "app/platform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

    // A start in a session whose private runtime folder is the given one, with a temporary folder
    // of its own; both keep the test away from a copy the user is running.
    // Without a runtime folder (nullptr), as after `su` or in a cron job.
    QProcess *start(const QTemporaryDir *runtime, const QTemporaryDir &temp)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (runtime)
            env.insert("XDG_RUNTIME_DIR", runtime->path());
        else
            env.remove("XDG_RUNTIME_DIR");
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
        QProcess *first = start(&runtime, temp1);
        QVERIFY(first->state() == QProcess::Running);
        QTest::qWait(500); // the first has taken the lock before its splash

        // The refused start says why on standard error too (its message box would wait forever).
        // Another temporary folder is no way round the rule.
        QProcess *second = start(&runtime, temp2);
        QVERIFY(refused(second, 10000));
        stop(second);
        QCOMPARE(first->state(), QProcess::Running);

        // Another session, with a runtime folder of its own, starts.
        QProcess *elsewhere = start(&otherRuntime, temp1);
        QVERIFY(!refused(elsewhere, 2500));
        QCOMPARE(elsewhere->state(), QProcess::Running);
        stop(elsewhere);

        // A process killed while holding the lock leaves nothing that blocks the next start.
        ::kill(pid_t(first->processId()), SIGKILL);
        first->waitForFinished();
        QProcess *third = start(&runtime, temp3);
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
        QProcess *process = start(&otherRuntime, temp1);
        const bool wasRefused = refused(process, 2500);
        ::close(fd);
        QVERIFY(!wasRefused);
        QCOMPARE(process->state(), QProcess::Running);
    }

    void withoutRuntimeFolderTheLockHoldsAcrossTemporaryFolders()
    {
        // The fallback is the machine's one folder of this user; a copy the user runs holds it.
        const QString lock = QStringLiteral("/tmp/numlet-%1/Numlet.lock").arg(geteuid());
        const int fd = ::open(QFile::encodeName(lock).constData(), O_RDWR);
        if (fd >= 0) {
            const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            if (held)
                QSKIP("a copy of the program without a runtime folder is running");
        }
        QProcess *first = start(nullptr, temp1);
        QTest::qWait(500);
        QVERIFY(!refused(first, 100));
        QProcess *second = start(nullptr, temp2);
        QVERIFY(refused(second, 10000));
        QCOMPARE(first->state(), QProcess::Running);
        QFileInfo folder(QFileInfo(lock).path());
        QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The fallback folder is trusted only when it is a folder of this user's that no one else
    // can enter; otherwise there is no lock rather than one another user controls.
    void fallbackFolderIsUsedOnlyWhenPrivate_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<bool>("used");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing: made") << "" << true << "";
        QTest::newRow("private") << "dir 0700" << true << "";
        QTest::newRow("open to others: closed") << "dir 0777" << true << "";
        QTest::newRow("a link to a private folder") << "link" << false << "je odkaz";
        QTest::newRow("a file") << "file" << false << "není složka";
        QTest::newRow("another user's") << "foreign" << false << "patří jinému uživateli";
    }
    void fallbackFolderIsUsedOnlyWhenPrivate()
    {
        QFETCH(QString, make);
        QFETCH(bool, used);
        QFETCH(QString, problem);
        QTemporaryDir base;
        const QString folder = QStringLiteral("%1/numlet-%2").arg(base.path()).arg(geteuid());
        const QByteArray path = QFile::encodeName(folder);
        if (make.startsWith("dir")) {
            QCOMPARE(::mkdir(path.constData(), 0700), 0);
            QCOMPARE(::chmod(path.constData(), make.endsWith("0777") ? 0777 : 0700), 0);
        } else if (make == "link") {
            QVERIFY(QFile::link(runtime.path(), folder));
        } else if (make == "file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (make == "foreign") {
            if (geteuid() != 0)
                QSKIP("only root can make a folder of another user's");
            QCOMPARE(::mkdir(path.constData(), 0700), 0);
            QCOMPARE(::chown(path.constData(), 65534, 65534), 0);
        }
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            if (saved.isNull())
                qunsetenv("XDG_RUNTIME_DIR");
            else
                qputenv("XDG_RUNTIME_DIR", saved);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        QString why;
        const QString got = Platform::lockFolder(base.path(), &why);
        QCOMPARE(got, used ? folder : QString());
        QVERIFY2(problem.isEmpty() ? why.isEmpty() : why.endsWith(problem), qPrintable(why));
        if (used) {
            struct stat status;
            QCOMPARE(::lstat(path.constData(), &status), 0);
            QCOMPARE(status.st_mode & 07777, mode_t(0700));
        }
        // A runtime folder of the session's own comes first.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QCOMPARE(Platform::lockFolder(base.path()), runtime.path());
    }

private:
    QTemporaryDir runtime, otherRuntime, temp1, temp2, temp3;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
