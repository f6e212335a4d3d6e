#pragma once

#include <QByteArray>
#include <QStringList>

// The examination log file: the text of every row (example "=" answer), without leading and
// trailing blanks and control characters, one line each, in list order.
QByteArray LogFileBytes(const QStringList &rowTexts);
