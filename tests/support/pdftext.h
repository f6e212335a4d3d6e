#pragma once

// PDF files read back with poppler's pdfinfo and pdftotext (poppler-utils).

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline QString tool(const char *name)
{
    const QString path = QStandardPaths::findExecutable(QLatin1String(name));
    if (path.isEmpty())
        qWarning("%s (poppler-utils) is not installed", name);
    return path;
}

inline int pdfPages(const QString &pdf)
{
    QProcess info;
    info.start(tool("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of each page, in reading layout.
inline QStringList pdfText(const QString &pdf)
{
    QProcess text;
    text.start(tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(60000))
        return {};
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}
