#include "app/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
TFileDialog::Chooser &chooser()
{
    static TFileDialog::Chooser current;
    return current;
}
} // namespace

TFileDialog::TFileDialog(Kind kind, const QString &name, QObject *parent)
    : QObject(parent), dialogKind(kind)
{
    setObjectName(name);
}

void TFileDialog::setChooser(Chooser replacement)
{
    chooser() = std::move(replacement);
}

QString TFileDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") +
                       QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                       QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

bool TFileDialog::Execute(QWidget *owner)
{
    QString chosen;
    if (chooser()) {
        chosen = chooser()(*this);
    } else {
        const QString start =
            QFileInfo(InitialDir + QLatin1Char('/') + FileName).absoluteFilePath();
        switch (dialogKind) {
        case Kind::Open:
            chosen = QFileDialog::getOpenFileName(owner, QString(), start, qtFilter(Filter));
            break;
        case Kind::Save:
            chosen = QFileDialog::getSaveFileName(owner, QString(), start, qtFilter(Filter));
            break;
        case Kind::Folder:
            chosen = QFileDialog::getExistingDirectory(owner, QString(), start);
            break;
        }
    }
    if (chosen.isEmpty())
        return false;
    if (dialogKind != Kind::Folder && !DefaultExt.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += QLatin1Char('.') + DefaultExt;
    FileName = chosen;
    return true;
}
