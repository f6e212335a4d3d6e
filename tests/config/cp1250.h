#pragma once

// Test files are written as UTF-8 literals and stored in Windows-1250, as the program stores them;
// the letters' codes come from the Windows-1250 chart.

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <iterator>
#include <utility>

inline QByteArray cp1250(const char *utf8)
{
    static const std::pair<char16_t, char> letters[] = {
        {u'á', '\xE1'}, {u'č', '\xE8'}, {u'é', '\xE9'}, {u'ě', '\xEC'},
        {u'í', '\xED'}, {u'ř', '\xF8'}, {u'Š', '\x8A'}, {u'š', '\x9A'},
        {u'ů', '\xF9'}, {u'ý', '\xFD'}, {u'Ž', '\x8E'}, {u'ž', '\x9E'},
    };
    QByteArray out;
    for (QChar c : QString::fromUtf8(utf8)) {
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            continue;
        }
        const auto *at = std::find_if(std::begin(letters), std::end(letters),
                                      [c](const auto &l) { return l.first == c.unicode(); });
        Q_ASSERT(at != std::end(letters));
        out += at->second;
    }
    return out;
}
