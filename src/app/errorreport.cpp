#include "app/errorreport.h"

#include "app/startup.h"

#include <QApplication>
#include <QMessageBox>

namespace ErrorReport {

static Reporter &currentReporter()
{
    static Reporter reporter;
    return reporter;
}

void setReporter(Reporter reporter)
{
    currentReporter() = std::move(reporter);
}

void report(const QString &text)
{
    if (currentReporter()) {
        currentReporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, Startup::applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace ErrorReport
