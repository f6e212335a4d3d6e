#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The locale's long time format without the time zone ("H:mm:ss" for Czech).
QString LongTimeFormatWithoutZone(const QLocale &locale);

// The run clock: the time since the start as a time of day, modulo one day, so a run across
// midnight counts on instead of going negative.
QString RunClockText(QTime now, QTime start, const QLocale &locale);
