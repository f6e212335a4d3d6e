#include "generator/itemlists.h"

#include "textfile/textfile.h"

#include <QDir>
#include <QFile>

QStringList BuiltInItemList(const QString &name)
{
    if (name == QLatin1String("Lx"))
        return {"+", "-", "*", "/", "~"};
    if (name == QLatin1String("Ly"))
        return {"+", "-", "~"};
    if (name == QLatin1String("Lz"))
        return {"+", "-", "*", "/", "^", "~"};
    return {};
}

QStringList ItemsFromBytes(const QByteArray &bytes)
{
    QStringList items = DecodeTextLines(bytes);
    items.removeAll(QString());
    return items;
}

QStringList LoadItemList(const QString &programFolder, const QString &name)
{
    QFile file(QDir(programFolder).filePath(name));
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList items = ItemsFromBytes(file.readAll());
        if (!items.isEmpty())
            return items;
    }
    return BuiltInItemList(name);
}
