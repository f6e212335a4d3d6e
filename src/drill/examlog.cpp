#include "drill/examlog.h"

#include "textfile/textfile.h"

// Blanks and control characters, as a text's ends are trimmed for files.
static bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

QByteArray LogFileBytes(const QStringList &rowTexts)
{
    QStringList lines;
    lines.reserve(rowTexts.size());
    for (const QString &text : rowTexts) {
        qsizetype from = 0;
        qsizetype to = text.size();
        while (from < to && isTrimmed(text.at(from)))
            ++from;
        while (to > from && isTrimmed(text.at(to - 1)))
            --to;
        lines << text.mid(from, to - from);
    }
    return EncodeTextLines(lines);
}
