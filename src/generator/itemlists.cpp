#include "generator/itemlists.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

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
    static const QByteArray bom("\xEF\xBB\xBF");
    QString text;
    if (bytes.startsWith(bom)) {
        text = QString::fromUtf8(bytes.mid(bom.size()));
    } else {
        QStringDecoder decode("windows-1250");
        text = decode(bytes);
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd, Qt::SkipEmptyParts);
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
