#include "worksheet/trailer.h"

#include "textfile/textfile.h"

#include <QDateTime>
#include <QLocale>

QString TrailerMarker()
{
    return QStringLiteral("Velmorsoft © 2006");
}

QString LongTimeFormat(const QLocale &locale)
{
    // Drops the time-zone letters ("t") outside quoted literals.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            out += c;
    }
    return out.trimmed();
}

QString TrailerDateTime(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), LongTimeFormat(locale));
}

QString TrailerItem(const QString &dateTime, const QString &correct, const QString &unsolved,
                    const QString &wrong)
{
    return QStringList{QStringLiteral(" "), dateTime, correct, unsolved, wrong, TrailerMarker()}
        .join(QLatin1Char('\n'));
}

std::optional<TrailerLabels> ReadTrailer(const QStringList &items)
{
    // The last six file lines, from however many items they take.
    QStringList tail;
    for (qsizetype i = items.size() - 1; i >= 0 && tail.size() < 6; --i)
        tail = FileLines({items[i]}) + tail;
    if (tail.isEmpty() || tail.last().trimmed() != TrailerMarker())
        return std::nullopt;
    const auto fromEnd = [&tail](qsizetype k) {
        return tail.size() >= k ? tail[tail.size() - k].trimmed() : QStringLiteral("-");
    };
    return TrailerLabels{fromEnd(4), fromEnd(3), fromEnd(2), fromEnd(5)};
}
