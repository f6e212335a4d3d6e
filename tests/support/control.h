#pragma once

// A control of a window by its form name. A name that is not on the form ends the test at once:
// the test itself is wrong then, not the program.

#include <QObject>
#include <QtGlobal>

template <typename T = QObject> T *control(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
