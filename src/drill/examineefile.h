#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files named after the examinee: the examination log and the pupil's worksheet share the name
// program folder + name + ".nlx".

// True when the name is a plain file name that stays in its folder: no path separator, no "..",
// no character that file names do not allow (Windows' rules, so files exchange between systems)
// and no device name such as CON or LPT1.
bool IsPlainFileName(const QString &name);

// The examinee's file in the program folder (which ends in a separator). Throws
// std::runtime_error "Cannot create file %s" for a name that is not a plain file name, so
// nothing is ever written outside the folder.
QString ExamineeFilePath(const QString &programFolder, const QString &name);

// The question before an existing file is replaced.
QString OverwriteQuestion(const QString &path);
