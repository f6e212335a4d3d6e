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

struct MemoryStatus
{
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;
};
// Physical memory of the machine; nullopt when it cannot be read.
std::optional<MemoryStatus> memoryStatus();

// Milliseconds since an arbitrary fixed point, for measuring intervals.
std::int64_t tickCount();
// The local date and time now.
QDateTime currentDateTime();

// Asks the desktop to open a link (mailto: or a web address). Failures have no visible effect.
void shellOpenUrl(const QString &url);
// Opens a text file in the system's plain-text editor.
void openInTextEditor(const QString &path);
// Draws attention to the window's task-bar entry once.
void flashTaskBar(QWidget *window);

// Tests replace the clocks and the editor, so that they can make time pass, fix a date and see
// which file would be opened without launching anything. An empty function restores the system's.
void setTickSource(std::function<std::int64_t()> source);
void setDateTimeSource(std::function<QDateTime()> source);
void setTextEditor(std::function<void(const QString &path)> editor);

} // namespace Platform
