#include "app/errorreport.h"

#include "app/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include <optional>

namespace ErrorReport {

static Reporter &currentReporter()
{
    static Reporter reporter;
    return reporter;
}

// The texts of the open batch; empty while none is open.
static std::optional<QStringList> gathered;

Batch::Batch() : outermost(!gathered)
{
    if (outermost)
        gathered.emplace();
}

Batch::~Batch()
{
    if (!outermost)
        return;
    QStringList texts = std::move(*gathered);
    gathered.reset();
    texts.removeDuplicates();
    if (!texts.isEmpty())
        report(texts.join(QLatin1Char('\n')));
}

void setReporter(Reporter reporter)
{
    currentReporter() = std::move(reporter);
}

void report(const QString &text)
{
    if (gathered) {
        gathered->append(text);
        return;
    }
    if (currentReporter()) {
        currentReporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, Startup::applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace ErrorReport
