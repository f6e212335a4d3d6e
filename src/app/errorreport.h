#pragma once

// The application's default error box. Every handler runs through guarded(), so an error that
// escapes it is shown with its own text and the window stays usable. Tests replace the reporter to
// read the text instead of facing a modal box.

#include <exception>
#include <functional>
#include <QString>

namespace ErrorReport {

using Reporter = std::function<void(const QString &text)>;

// An empty reporter restores the default message box.
void setReporter(Reporter reporter);
void report(const QString &text);

// While one lives, reports are gathered instead of shown; when the outermost one ends, they are
// shown together in one box (each text once). An operation that may fail in several places, such
// as the close writing its files, so says everything at once.
class Batch
{
public:
    Batch();
    ~Batch();
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

private:
    bool outermost;
};

template <typename F> void guarded(F &&handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QStringLiteral("Unknown error"));
    }
}

} // namespace ErrorReport
