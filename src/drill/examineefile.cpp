#include "drill/examineefile.h"

#include <QCoreApplication>
#include <QDir>

#include <stdexcept>

namespace {

[[noreturn]] void cannotCreate(const QString &path)
{
    throw std::runtime_error(
        QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path)).toStdString());
}

bool isDeviceName(const QString &name)
{
    // Windows opens the device for these, whatever the extension.
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(base))
        return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}

} // namespace

bool IsPlainFileName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1String("..")) || isDeviceName(name))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c))
            return false;
    }
    return true;
}

QString ExamineeFilePath(const QString &programFolder, const QString &name)
{
    const QString path = programFolder + name + QStringLiteral(".nlx");
    if (!IsPlainFileName(name))
        cannotCreate(path);
    return path;
}

QString OverwriteQuestion(const QString &path)
{
    return QCoreApplication::translate("Drill", "Soubor %1 již existuje. Přepsat?")
        .arg(QDir::toNativeSeparators(path));
}
