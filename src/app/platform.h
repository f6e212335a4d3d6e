#pragma once

// Every operating-system call of the program lives behind these few functions, so the rest of the
// code stays portable.

#include <cstdint>
#include <functional>
#include <optional>
#include <QDateTime>
#include <QString>

class QWidget;

namespace Platform {

// Single-instance rule: returns true when this process may run. The lock is held until the
// process ends; a lock left by a process that died does not count.
bool acquireSingleInstance(const QString &name);
// Where the lock file lives on Unix: the session's runtime folder (XDG_RUNTIME_DIR) when it is
// the user's own, otherwise "<fallbackBase>/numlet-<uid>", made with mode 0700 and used only
// when it is a folder of the user's that no one else can reach. Empty, with the reason in
// problem, when neither will do. The base is "/tmp" for the program; tests pass their own.
QString lockFolder(const QString &fallbackBase, QString *problem = nullptr);

struct MemoryStatus
{
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;
};
// Physical memory of the machine; nullopt when it cannot be read.
std::optional<MemoryStatus> memoryStatus();

// The folder of the program's files (settings, names list, examination logs), ending in '/'. A
// portable copy keeps them beside the executable; an installed program (its desktop entry under
// ../share beside the executable) or one whose folder takes no files keeps them in the user's
// data folder, which is created when missing.
QString programFolder(const QString &executableFolder, const QString &userDataFolder);
// The same for this process: its executable's folder and the application's data location.
QString programFolder();

// Calls the handler from the event loop when the system asks the program to end: SIGTERM (the
// session ending, a shutdown, `kill`), SIGHUP (the terminal gone) or SIGINT (Ctrl+C), and the
// desktop session's request to save its data. The handler runs once; a second signal ends the
// process at once, as if none were handled. Does nothing on Windows, where the session's end
// reaches the window as a close.
void onTerminationRequest(std::function<void()> handler);

// Milliseconds since an arbitrary fixed point, for measuring intervals.
std::int64_t tickCount();
// The local date and time now.
QDateTime currentDateTime();

// Asks the desktop to open a link (mailto: or a web address). Failures have no visible effect.
void shellOpenUrl(const QString &url);
// Opens a text file in the system's plain-text editor; false when no editor could be started.
bool openInTextEditor(const QString &path);
// Draws attention to the window's task-bar entry once.
void flashTaskBar(QWidget *window);

// Tests replace the clocks and the editor, so that they can make time pass, fix a date and see
// which file would be opened without launching anything. An empty function restores the system's.
void setTickSource(std::function<std::int64_t()> source);
void setDateTimeSource(std::function<QDateTime()> source);
void setTextEditor(std::function<bool(const QString &path)> editor);

} // namespace Platform
