#include "editexp/teditexp.h"

#include "editexp/evaluator.h"
#include "editexp/numbertext.h"

#include <QLocale>
#include <QTableWidget>

TEditExp::TEditExp(QWidget *parent) : QLineEdit(parent) {}

void TEditExp::substituteVariables()
{
    if (!varGrid || varGrid->columnCount() <= 2 || varGrid->rowCount() <= 1)
        return;
    const auto cell = [this](int row, int column) {
        const QTableWidgetItem *item = varGrid->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 1; row < varGrid->rowCount(); ++row) {
        const QString name = cell(row, 1);
        if (name.isEmpty())
            break;
        const QString key = QLatin1Char('[') + name.toUpper() + QLatin1Char(']');
        const QString replacement = cell(row, 2);
        // A replacement that contains its own key would never finish; replace it once instead.
        if (replacement.contains(key, Qt::CaseSensitive)) {
            working.replace(key, replacement);
            continue;
        }
        for (qsizetype at = working.indexOf(key); at >= 0; at = working.indexOf(key))
            working.replace(at, key.size(), replacement);
    }
}

void TEditExp::evaluate()
{
    working = text();
    for (QChar &c : working)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    if (useVar)
        substituteVariables();
    const QByteArray bytes = working.toUtf8();
    const EvalResult result = Evaluate(std::string_view(bytes.constData(), size_t(bytes.size())));
    lastCode = result.code;
    lastValue = result.code == 0 ? result.value : 0.0;
}

double TEditExp::Value()
{
    evaluate();
    return lastValue;
}

QString TEditExp::ResultText()
{
    evaluate();
    const char separator = QLocale().decimalPoint().at(0).toLatin1();
    return QString::fromStdString(
        FormatMask(lastValue, mask.toStdString(), separator ? separator : '.'));
}

QString TEditExp::ErrorText() const
{
    return QString::fromLatin1(EvalErrorText(lastCode));
}
