#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The item lists of the operator slots. Each list may come from a file of its name ("Lx", "Ly",
// "Lz") in the program folder; without one the built-in list of that name serves, so a fresh
// installation works.

// The built-in list: Lx "+ - * / ~", Ly "+ - ~", Lz "+ - * / ^ ~"; empty for another name.
QStringList BuiltInItemList(const QString &name);

// The items of a list file's bytes, one per line (CR LF, LF or CR; the last line end may be
// missing); blank lines hold no item. Windows-1250 or UTF-8 text, as any text file is read.
QStringList ItemsFromBytes(const QByteArray &bytes);

// The list of that name: the file's items when the file is there, readable and not empty, else
// the built-in list.
QStringList LoadItemList(const QString &programFolder, const QString &name);
