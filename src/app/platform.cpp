#include "app/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QWidget>

#include <memory>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Platform {

namespace {
std::function<std::int64_t()> &tickSource()
{
    static std::function<std::int64_t()> source;
    return source;
}
std::function<QDateTime()> &dateTimeSource()
{
    static std::function<QDateTime()> source;
    return source;
}
std::function<bool(const QString &)> &textEditor()
{
    static std::function<bool(const QString &)> editor;
    return editor;
}
} // namespace

#ifndef Q_OS_WIN
// A folder that only this user can reach: a real directory (not a link) owned by the user, with
// no access for anyone else. With repair, a folder of the user's that others may enter is closed
// to them; the check and the change go through one descriptor, so nothing can be swapped between.
static QString privateFolderProblem(const QString &folder, bool repair)
{
    struct stat status;
    if (::lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISLNK(status.st_mode))
        return QCoreApplication::translate("Platform", "%1 je odkaz").arg(folder);
    // No link is followed here either, should one replace the folder meanwhile.
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOTDIR || errno == ELOOP)
            return QCoreApplication::translate("Platform", "%1 není složka").arg(folder);
        return QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    }
    QString problem;
    if (::fstat(fd, &status) != 0)
        problem =
            QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    else if (status.st_uid != geteuid())
        problem = QCoreApplication::translate("Platform", "%1 patří jinému uživateli").arg(folder);
    else if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0 && (!repair || ::fchmod(fd, 0700) != 0))
        problem = QCoreApplication::translate("Platform", "%1 je přístupná i jiným uživatelům")
                      .arg(folder);
    ::close(fd);
    return problem;
}
#endif

QString lockFolder(const QString &fallbackBase, QString *problem)
{
#ifdef Q_OS_WIN
    Q_UNUSED(fallbackBase);
    Q_UNUSED(problem);
    return {};
#else
    // The session's runtime folder, when it has one of its own. Qt's runtime location is not
    // asked: without XDG_RUNTIME_DIR it falls back to a folder under TMPDIR, which differs from
    // one start to the next.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) &&
        privateFolderProblem(runtime, false).isEmpty())
        return runtime;
    const QString folder = QStringLiteral("%1/numlet-%2").arg(fallbackBase).arg(geteuid());
    // An existing folder is taken only when it passes the same check: another user could have
    // made it first, or left a link there.
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    QString why = privateFolderProblem(folder, true);
    if (why.isEmpty())
        return folder;
    if (problem)
        *problem = why;
    return {};
#endif
}

bool acquireSingleInstance(const QString &name)
{
#ifdef Q_OS_WIN
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!mutex)
        return true;
    // An abandoned mutex (its owner died) or a failed wait lets this instance start.
    return WaitForSingleObject(mutex, 0) != WAIT_TIMEOUT;
#else
    // An advisory lock on a file in a folder that no other user can write to; the kernel releases
    // the lock when the holder exits or is killed, so a crashed instance never blocks the next
    // start.
    QString problem;
    const QString folder = lockFolder(QStringLiteral("/tmp"), &problem);
    if (folder.isEmpty()) {
        // Better a second copy than none at all, but the user learns why nothing kept it out.
        const QString text =
            QCoreApplication::translate("Platform", "Bez ochrany proti druhému spuštění: %1")
                .arg(problem);
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return true;
    }
    const QString path = folder + QLatin1Char('/') + name + QLatin1String(".lock");
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;
    struct stat status;
    if (::fstat(fd, &status) != 0 || status.st_uid != geteuid()) {
        ::close(fd);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true; // fd stays open for the life of the process
    const bool heldByOther = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByOther;
#endif
}

#ifndef Q_OS_WIN
static std::uint64_t meminfoKb(const char *text, const char *key)
{
    const char *at = std::strstr(text, key);
    if (!at)
        return 0;
    at += std::strlen(key);
    while (*at == ' ' || *at == ':' || *at == '\t')
        ++at;
    std::uint64_t value = 0;
    while (*at >= '0' && *at <= '9')
        value = value * 10 + std::uint64_t(*at++ - '0');
    return value;
}
#endif

std::optional<MemoryStatus> memoryStatus()
{
#ifdef Q_OS_WIN
    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return std::nullopt;
    return MemoryStatus{status.ullTotalPhys, status.ullAvailPhys};
#else
    // Called at every idle moment: one read of a small kernel file, no allocation.
    const int fd = ::open("/proc/meminfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (n <= 0)
        return std::nullopt;
    buffer[n] = '\0';
    const std::uint64_t total = meminfoKb(buffer, "MemTotal");
    std::uint64_t available = meminfoKb(buffer, "MemAvailable");
    if (!std::strstr(buffer, "MemAvailable"))
        available = meminfoKb(buffer, "MemFree");
    if (total == 0)
        return std::nullopt;
    return MemoryStatus{total * 1024, available * 1024};
#endif
}

static QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The real test: permission bits and attributes do not tell whether a file may be created there.
static bool takesFiles(const QString &folder)
{
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".numlet-XXXXXX"));
    return probe.open();
}

QString programFolder(const QString &executableFolder, const QString &userDataFolder)
{
    // Root may write into /usr/bin, and ~/.local/bin is the user's own; neither is a portable copy.
    const bool installed = QFileInfo::exists(
        QDir(executableFolder)
            .filePath(QStringLiteral("../share/applications/" NUMLET_APP_ID ".desktop")));
    if (userDataFolder.isEmpty() || (!installed && takesFiles(executableFolder)))
        return withSlash(executableFolder);
    QDir().mkpath(userDataFolder); // a failure shows when the first file is written
    return withSlash(userDataFolder);
}

QString programFolder()
{
    return programFolder(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::int64_t tickCount()
{
    if (tickSource())
        return tickSource()();
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

QDateTime currentDateTime()
{
    return dateTimeSource() ? dateTimeSource()() : QDateTime::currentDateTime();
}

#ifndef Q_OS_WIN
// The signal handler may only write a byte; the event loop reads it and does the rest.
static int terminationPipe[2] = {-1, -1};

static void signalArrived(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(terminationPipe[1], &byte, 1);
}
#endif

void onTerminationRequest(std::function<void()> handler)
{
    auto once = std::make_shared<std::function<void()>>(std::move(handler));
    const auto run = [once] {
        if (!*once)
            return;
        const auto handle = std::exchange(*once, {});
        handle();
    };
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [run](QSessionManager &) { run(); });
#endif
#ifndef Q_OS_WIN
    if (terminationPipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [notifier, run] {
        unsigned char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(terminationPipe[0], &byte, 1);
        notifier->setEnabled(false);
        run();
    });
    struct sigaction action = {};
    action.sa_handler = signalArrived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND; // the second signal takes its default course
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
#endif
}

void shellOpenUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

bool openInTextEditor(const QString &path)
{
    if (textEditor())
        return textEditor()(path);
        // The program and its argument go to the system as they are: no shell parses the path.
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad"), {QDir::toNativeSeparators(path)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void flashTaskBar(QWidget *window)
{
    QApplication::alert(window, 1000);
}

void setTickSource(std::function<std::int64_t()> source)
{
    tickSource() = std::move(source);
}

void setDateTimeSource(std::function<QDateTime()> source)
{
    dateTimeSource() = std::move(source);
}

void setTextEditor(std::function<bool(const QString &path)> editor)
{
    textEditor() = std::move(editor);
}

} // namespace Platform
