#include "textfile/csv.h"

QByteArray CsvField(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text.toUtf8();
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

QString SpreadsheetText(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r'");
    return !text.isEmpty() && formulaStarts.contains(text.front()) ? QLatin1Char('\'') + text
                                                                   : text;
}
