#include "drill/runclock.h"

QString LongTimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) {
            out += c;
            continue;
        }
        // A zone field and the blanks in front of it.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
    }
    return out.trimmed();
}

QString RunClockText(QTime now, QTime start, const QLocale &locale)
{
    // addMSecs wraps around midnight: a start later in the day than now is yesterday's.
    const QTime elapsed = QTime(0, 0).addMSecs(start.msecsTo(now));
    return locale.toString(elapsed, LongTimeFormatWithoutZone(locale));
}
