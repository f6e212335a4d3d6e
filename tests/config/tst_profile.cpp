// The profile file: what a read finds, integers, quotes and blanks, the first match without regard
// to case, writes in place byte for byte, line ends, encodings and garbled files.

#include "config/profile.h"
#include "cp1250.h"

#include <QTest>

#include <string>
#include <string_view>

namespace {

QByteArray utf16le(std::u16string_view text)
{
    QByteArray out("\xFF\xFE", 2);
    for (char16_t c : text)
        out += char(c & 0xff), out += char(c >> 8);
    return out;
}

// A value as a test compares it; "<missing>" when the read finds no key.
QString found(const std::optional<QString> &value)
{
    return value.value_or(QStringLiteral("<missing>"));
}

} // namespace

class ProfileTest : public QObject
{
    Q_OBJECT

private slots:
    void readTrimsBlanksDropsQuotesAndIgnoresCase()
    {
        const ProfileFile f = ProfileFile::fromBytes(cp1250("; Numlet\r\n"
                                                            "Cesta=before any section\r\n"
                                                            "[ form ]\r\n"
                                                            "  CESTA =  \"C:\\Obrázky\" \r\n"
                                                            "\tfont\t=\t'Arial'\r\n"
                                                            "Body = 'x\"\r\n"
                                                            "Prázdný=\r\n"
                                                            "Quote=\"\r\n"
                                                            "a=b=c\r\n"
                                                            "; Hranice=5\r\n"
                                                            "Priklad\r\n"
                                                            "[Tlac]\r\n"
                                                            "Sb3=1\r\n"));
        QCOMPARE(found(f.value(u"Form", u"Cesta")), QStringLiteral("C:\\Obrázky"));
        QCOMPARE(found(f.value(u"FORM", u"font")), QStringLiteral("Arial"));
        QCOMPARE(found(f.value(u"Form", u"Body")), QStringLiteral("'x\"")); // quotes must pair
        QCOMPARE(found(f.value(u"Form", u"PRÁZDNÝ")), QStringLiteral(""));
        QCOMPARE(found(f.value(u"Form", u"Quote")), QStringLiteral("\""));
        QCOMPARE(found(f.value(u"Form", u"a")), QStringLiteral("b=c"));
        // A comment, a line without "=", a key of another section: not there.
        QCOMPARE(found(f.value(u"Form", u"Hranice")), QStringLiteral("<missing>"));
        QCOMPARE(found(f.value(u"Form", u"Priklad")), QStringLiteral("<missing>"));
        QCOMPARE(found(f.value(u"Form", u"Sb3")), QStringLiteral("<missing>"));
        QCOMPARE(found(f.value(u"Setup", u"B7")), QStringLiteral("<missing>"));
        QCOMPARE(f.readString(u"Form", u"Priklad", QStringLiteral("dflt")), QStringLiteral("dflt"));
        QCOMPARE(f.readString(u"Form", u"Prázdný", QStringLiteral("dflt")), QStringLiteral(""));
        QCOMPARE(f.readBool(u"tlac", u"sb3", false), true);
    }

    void firstSectionAndFirstKeyWin()
    {
        const ProfileFile f = ProfileFile::fromBytes("[setup]\r\nB7=0\r\nb7=1\r\n"
                                                     "[SETUP]\r\nB7=1\r\nB8=0\r\n");
        QCOMPARE(f.readBool(u"Setup", u"B7", true), false);
        QCOMPARE(f.readBool(u"Setup", u"B8", true), true); // the second [Setup] is never read
        QCOMPARE(f.sections().size(), 1);
        QCOMPARE(f.sections().front().name, QStringLiteral("setup"));
        QCOMPARE(f.sections().front().keys,
                 (QList<std::pair<QString, QString>>{{QStringLiteral("B7"), QStringLiteral("0")}}));
    }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -777 stands for "not an integer"
        const int none = -777;
        QTest::newRow("decimal") << "1000" << 1000;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("minus") << "-12" << -12;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("dollar") << "$ff" << 255;
        QTest::newRow("0x") << "0x3A98" << 15000;
        QTest::newRow("0X") << "0X10" << 16;
        QTest::newRow("minus hex") << "-$10" << -16;
        QTest::newRow("32 hex bits") << "$FFFFFFFF" << -1;
        QTest::newRow("hex top bit") << "0x80000000" << int(0x80000000u);
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("too large") << "2147483648" << none;
        QTest::newRow("too small") << "-2147483649" << none;
        QTest::newRow("33 hex bits") << "$100000000" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("sign only") << "-" << none;
        QTest::newRow("dollar only") << "$" << none;
        QTest::newRow("0x only") << "0x" << none;
        QTest::newRow("trailing letter") << "12a" << none;
        QTest::newRow("inner blank") << "1 2" << none;
        QTest::newRow("decimal point") << "1.5" << none;
        QTest::newRow("hex digit in decimal") << "1f" << none;
        QTest::newRow("x prefix") << "x10" << none;
        QTest::newRow("sign after prefix") << "0x-1" << none;
        QTest::newRow("double sign") << "--1" << none;
        QTest::newRow("arabic digit") << QString(QChar(0x0663)) << none;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF11)) << none;
    }

    void integers()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(ParseProfileInteger(text).value_or(-777), expected);
    }

    void integerAndBooleanKeysFallBackToTheirDefault()
    {
        const ProfileFile f = ProfileFile::fromBytes("[Rozsah]\r\nSe1= $20 \r\nSe2=abc\r\n"
                                                     "Se3=\"12\"\r\nBr1=2\r\nBr2=-1\r\nBr3=0x0\r\n"
                                                     "Br4=ano\r\nBr5=\r\n");
        QCOMPARE(f.readInteger(u"Rozsah", u"Se1", 10), 32);
        QCOMPARE(f.readInteger(u"Rozsah", u"Se2", 10), 10);
        QCOMPARE(f.readInteger(u"Rozsah", u"Se3", 10), 12);
        QCOMPARE(f.readInteger(u"Rozsah", u"Se4", 10), 10);
        QCOMPARE(f.readBool(u"Rozsah", u"Br1", false), true);
        QCOMPARE(f.readBool(u"Rozsah", u"Br2", false), true);
        QCOMPARE(f.readBool(u"Rozsah", u"Br3", true), false);
        QCOMPARE(f.readBool(u"Rozsah", u"Br4", true), true);
        QCOMPARE(f.readBool(u"Rozsah", u"Br4", false), false);
        QCOMPARE(f.readBool(u"Rozsah", u"Br5", true), true);
    }

    void stringsAreReadUpTo2047Characters()
    {
        const QByteArray longValue(3000, 'a');
        const ProfileFile f = ProfileFile::fromBytes("[Form]\r\nCesta=" + longValue + "\r\n");
        QCOMPARE(f.readString(u"Form", u"Cesta", {}), QString(2047, u'a'));
        QCOMPARE(f.sections().front().keys.front().second.size(), 2047);
        // A character outside the basic plane is never cut in half.
        const QString wide = QString(2046, u'b') + QString::fromUtf8("\U0001F600");
        const ProfileFile g =
            ProfileFile::fromBytes("\xEF\xBB\xBF[Form]\r\nCesta=" + wide.toUtf8() + "\r\n");
        QCOMPARE(g.readString(u"Form", u"Cesta", {}), QString(2046, u'b'));
    }

    void writesInPlaceAndKeepsEverythingElse()
    {
        ProfileFile f = ProfileFile::fromBytes(cp1250("; Nastavení\r\n"
                                                      "[Form]\r\n"
                                                      "  cesta = C:\\x ; poznámka\r\n"
                                                      "Priklad=5\r\n"
                                                      "nesmysl bez rovnítka\r\n"
                                                      "; k Cizí\r\n"
                                                      "\r\n"
                                                      "[Cizí]  \r\n"
                                                      "klíč   =  hodnota\r\n"
                                                      "[Setup]\r\n"));
        f.writeString(u"FORM", u"Cesta", QStringLiteral("D:\\Obrázky"));
        f.writeInteger(u"Form", u"Hranice", 1000);
        f.writeBool(u"Tlac", u"Sb3", true);
        f.writeBool(u"Setup", u"B7", false);
        f.writeString(u"Tlac", u"Sb6", QStringLiteral("0"));
        QCOMPARE(f.toBytes(), cp1250("; Nastavení\r\n"
                                     "[Form]\r\n"
                                     "cesta=D:\\Obrázky\r\n"
                                     "Priklad=5\r\n"
                                     "nesmysl bez rovnítka\r\n"
                                     "Hranice=1000\r\n"
                                     "; k Cizí\r\n"
                                     "\r\n"
                                     "[Cizí]  \r\n"
                                     "klíč   =  hodnota\r\n"
                                     "[Setup]\r\n"
                                     "B7=0\r\n"
                                     "\r\n"
                                     "[Tlac]\r\n"
                                     "Sb3=1\r\n"
                                     "Sb6=0\r\n"));
    }

    void fileFromNothingHasOneSectionPerNameInFirstWriteOrder()
    {
        ProfileFile f;
        f.writeString(u"Form", u"Body", QStringLiteral("12"));
        f.writeBool(u"Tlac", u"Sb3", false);
        f.writeString(u"Form", u"Font", QStringLiteral("Arial"));
        f.writeInteger(u"form", u"body", -3);
        QCOMPARE(f.toBytes(), QByteArray("[Form]\r\nBody=-3\r\nFont=Arial\r\n"
                                         "\r\n"
                                         "[Tlac]\r\nSb3=0\r\n"));
        QCOMPARE(ProfileFile().toBytes(), QByteArray());
    }

    void writtenValuesReadBackAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringLiteral("Palatino Linotype")
                               << QByteArray("Font=Palatino Linotype");
        QTest::newRow("empty") << QString() << QByteArray("Font=");
        QTest::newRow("leading blank") << QStringLiteral(" a") << QByteArray("Font=\" a\"");
        QTest::newRow("trailing tab") << QStringLiteral("a\t") << QByteArray("Font=\"a\t\"");
        QTest::newRow("quoted") << QStringLiteral("\"x\"") << QByteArray("Font=\"\"x\"\"");
        QTest::newRow("single quoted") << QStringLiteral("'x'") << QByteArray("Font=\"'x'\"");
        QTest::newRow("one quote") << QStringLiteral("\"") << QByteArray("Font=\"");
        QTest::newRow("unpaired") << QStringLiteral("\"x'") << QByteArray("Font=\"x'");
        QTest::newRow("equals and semicolon")
            << QStringLiteral("=;[x]") << QByteArray("Font==;[x]");
    }

    void writtenValuesReadBackAsWritten()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        ProfileFile f;
        f.writeString(u"Form", u"Font", value);
        QCOMPARE(f.toBytes(), "[Form]\r\n" + line + "\r\n");
        QCOMPARE(found(ProfileFile::fromBytes(f.toBytes()).value(u"Form", u"Font")), value);
    }

    void lineBreaksInAValueNeverStartANewLine()
    {
        ProfileFile f;
        f.writeString(u"Form", u"Cesta", QStringLiteral("/a\n[Tlac]\r\nSb3=1"));
        QCOMPARE(f.toBytes(), QByteArray("[Form]\r\nCesta=/a [Tlac]  Sb3=1\r\n"));
    }

    void everyLineEndReadsAndIsWrittenAsCrLf()
    {
        ProfileFile f = ProfileFile::fromBytes("[A]\nx=1\r[B]\r\n\ny=2");
        QCOMPARE(f.readInteger(u"A", u"x", 0), 1);
        QCOMPARE(f.readInteger(u"B", u"y", 0), 2);
        f.writeInteger(u"B", u"y", 3);
        QCOMPARE(f.toBytes(), QByteArray("[A]\r\nx=1\r\n[B]\r\n\r\ny=3\r\n"));
    }

    void encodings()
    {
        // Windows-1250 by default; a byte-order mark picks UTF-8 or UTF-16 and is kept.
        const ProfileFile plain = ProfileFile::fromBytes("[Form]\r\nCesta=C:\\\x8A\xE8\r\n");
        QCOMPARE(plain.encoding(), ProfileFile::Encoding::Windows1250);
        QCOMPARE(found(plain.value(u"Form", u"Cesta")), QStringLiteral("C:\\Šč"));

        const QByteArray utf8 = "\xEF\xBB\xBF[Form]\r\nCesta=C:\\\xC5\xA0\xC4\x8D\r\n";
        ProfileFile u = ProfileFile::fromBytes(utf8);
        QCOMPARE(u.encoding(), ProfileFile::Encoding::Utf8);
        QCOMPARE(found(u.value(u"form", u"cesta")), QStringLiteral("C:\\Šč"));
        QCOMPARE(u.toBytes(), utf8);

        const QByteArray utf16 = utf16le(u"[Form]\r\nFont=\u0161\r\n");
        ProfileFile w = ProfileFile::fromBytes(utf16);
        QCOMPARE(w.encoding(), ProfileFile::Encoding::Utf16LE);
        QCOMPARE(found(w.value(u"Form", u"Font")), QStringLiteral("š"));
        QCOMPARE(w.toBytes(), utf16);

        // Half a character reads as the replacement character, so any encoding can write it.
        std::u16string halves = u"[Form]\r\nFont=a";
        halves += char16_t(0xD800);
        halves += u"b";
        halves += char16_t(0xDC00);
        halves += u"\r\n";
        ProfileFile h = ProfileFile::fromBytes(utf16le(halves));
        QCOMPARE(found(h.value(u"Form", u"Font")), QStringLiteral("a\uFFFDb\uFFFD"));
        ProfileFile copy;
        copy.writeString(u"Form", u"Font", *h.value(u"Form", u"Font"));
        QCOMPARE(copy.toBytes(), QByteArray("\xEF\xBB\xBF[Form]\r\nFont=a\xEF\xBF\xBD"
                                            "b\xEF\xBF\xBD\r\n"));
    }

    void aCharacterBeyondWindows1250SwitchesToUtf8()
    {
        ProfileFile f = ProfileFile::fromBytes("[Form]\r\nFont=Arial\r\n");
        f.writeString(u"Form", u"Cesta", QStringLiteral("/home/ž/写真"));
        QCOMPARE(f.toBytes(), QByteArray("\xEF\xBB\xBF[Form]\r\nFont=Arial\r\nCesta=/home/"
                                         "\xC5\xBE/\xE5\x86\x99\xE7\x9C\x9F\r\n"));
        QCOMPARE(found(ProfileFile::fromBytes(f.toBytes()).value(u"Form", u"Cesta")),
                 QStringLiteral("/home/ž/写真"));
    }

    void garbledBytesSurviveAWrite()
    {
        // Every byte but the line ends, NUL and the undefined Windows-1250 codes included.
        QByteArray garbage;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                garbage += char(b);
        }
        const QByteArray huge(4 * 1024 * 1024, '\xFF');
        const QByteArray original = "[Form]\r\n" + garbage + "\r\n" + huge + "=" + huge +
                                    "\r\nbez rovnitka\r\n\x1A[\r\n]\r\n";
        ProfileFile f = ProfileFile::fromBytes(original);
        QCOMPARE(f.readInteger(u"Form", u"Priklad", 100), 100);
        f.writeInteger(u"Form", u"Priklad", 7);
        const QByteArray expected = "[Form]\r\n" + garbage + "\r\n" + huge + "=" + huge +
                                    "\r\nbez rovnitka\r\n\x1A[\r\n]\r\nPriklad=7\r\n";
        QCOMPARE(f.toBytes(), expected);
    }
};

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"
