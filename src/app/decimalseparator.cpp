#include "app/decimalseparator.h"

#include <QLocale>

char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c ? c : '.';
}
