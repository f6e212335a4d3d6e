// Worksheet, export and names files byte for byte: Windows-1250 with CR LF, the other encodings
// and line ends read back to the same lines, the fallback to UTF-8 for characters Windows-1250
// cannot hold, and the error texts of files that cannot be read or written.

#include "support/filesizelimit.h"
#include "textfile/textfile.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The computed worksheet of the tests as its file holds it, worked out by hand: "é" is 0xE9,
// "©" 0xA9.
const QByteArray computedFile = "Jm\xE9no: Anna\r\n"
                                "7*8=56[ 56,00 ]\r\n"
                                "7*8= [ 56,00 ]\r\n"
                                "7*8=55[ 56,00 ]\r\n"
                                "10/4=2,5[ 2,50 ]\r\n"
                                " \r\n"
                                "01.02.24 9:05:03\r\n"
                                "2\r\n"
                                "1\r\n"
                                "1\r\n"
                                "Velmorsoft \xA9 2006\r\n";

const QStringList computedLines{"Jméno: Anna",
                                "7*8=56[ 56,00 ]",
                                "7*8= [ 56,00 ]",
                                "7*8=55[ 56,00 ]",
                                "10/4=2,5[ 2,50 ]",
                                " ",
                                "01.02.24 9:05:03",
                                "2",
                                "1",
                                "1",
                                "Velmorsoft © 2006"};

QString errorText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const FileError &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

class TestWorksheetFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savedWorksheet();
    void computedWorksheet();
    void otherEncodingsAndLineEnds_data();
    void otherEncodingsAndLineEnds();
    void lineEnds_data();
    void lineEnds();
    void unambiguousWrite_data();
    void unambiguousWrite();
    void namesList();
    void exportFile();
    void holdsAnswers();
    void unreadableAndUnwritable();
    void failedWriteKeepsPreviousFile();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path(const char *name) const { return dir->filePath(QString::fromUtf8(name)); }
};

void TestWorksheetFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestWorksheetFile::savedWorksheet()
{
    WriteWorksheetFile(path("Anna.nlx"), {"12+7=", "(3*4)-5=", "", "Příklady"});
    QCOMPARE(readBytes(path("Anna.nlx")),
             QByteArray("12+7=\r\n(3*4)-5=\r\n\r\nP\xF8\xEDklady\r\n"));

    // Every break inside an item, a final one too, makes a file line.
    WriteWorksheetFile(path("breaks.nlx"), {"a\r\nb\rc\n"});
    QCOMPARE(readBytes(path("breaks.nlx")), QByteArray("a\r\nb\r\nc\r\n\r\n"));

    WriteWorksheetFile(path("empty.nlx"), {});
    QCOMPARE(readBytes(path("empty.nlx")), QByteArray());
    const OpenedWorksheet empty = ReadWorksheetFile(path("empty.nlx"));
    QVERIFY(empty.lines.isEmpty());
    QVERIFY(!empty.trailer);
}

void TestWorksheetFile::computedWorksheet()
{
    // Computed as the window does it, the trailer from the label texts and a fixed date.
    QStringList lines{"Jméno: Anna", "7*8=56", "7*8= ", "7*8=55", "10/4=2,5"};
    const ComputeOutcome outcome = ComputeWorksheet(lines, ',', false);
    QVERIFY(outcome.finished);
    const QDateTime when(QDate(2024, 2, 1), QTime(9, 5, 3));
    lines.append(TrailerItem(TrailerDateTime(when, czech), QString::number(outcome.counts.correct),
                             QString::number(outcome.counts.unsolved),
                             QString::number(outcome.counts.wrong)));
    WriteWorksheetFile(path("Anna.nlx"), lines);
    QCOMPARE(readBytes(path("Anna.nlx")), computedFile);

    const OpenedWorksheet opened = ReadWorksheetFile(path("Anna.nlx"));
    QCOMPARE(opened.lines, computedLines);
    QVERIFY(opened.trailer);
    QCOMPARE(opened.trailer->correct, QStringLiteral("2"));
    QCOMPARE(opened.trailer->unsolved, QStringLiteral("1"));
    QCOMPARE(opened.trailer->wrong, QStringLiteral("1"));
    QCOMPARE(opened.trailer->checked, QStringLiteral("01.02.24 9:05:03"));
    QVERIFY(IsWorksheetComputed(opened.lines));

    // Saved again as opened, the file stays byte for byte the same.
    WriteWorksheetFile(path("again.nlx"), opened.lines);
    QCOMPARE(readBytes(path("again.nlx")), computedFile);
}

void TestWorksheetFile::otherEncodingsAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QString text = computedLines.join("\r\n") + "\r\n";
    QString lf = text;
    lf.replace("\r\n", "\n");
    QString cr = text;
    cr.replace("\r\n", "\r");
    const QByteArray bom("\xEF\xBB\xBF");

    QTest::newRow("Windows-1250, CR LF") << computedFile;
    QTest::newRow("Windows-1250, no final line end") << computedFile.chopped(2);
    QTest::newRow("Windows-1250, CR") << QByteArray(computedFile).replace("\r\n", "\r");
    QTest::newRow("Windows-1250, LF") << QByteArray(computedFile).replace("\r\n", "\n");
    QTest::newRow("UTF-8, LF") << lf.toUtf8();
    QTest::newRow("UTF-8, CR") << cr.toUtf8();
    QTest::newRow("UTF-8 with a mark, CR LF") << bom + text.toUtf8();
    QTest::newRow("UTF-8 with a mark, LF, no final line end") << bom + lf.toUtf8().chopped(1);
    QTest::newRow("UTF-16 with a mark") << QByteArray(
        QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text));
}

void TestWorksheetFile::otherEncodingsAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    writeBytes(path("pupil.nlx"), bytes);
    const OpenedWorksheet opened = ReadWorksheetFile(path("pupil.nlx"));
    QCOMPARE(opened.lines, computedLines);
    QVERIFY(opened.trailer);
    QCOMPARE(opened.trailer->checked, QStringLiteral("01.02.24 9:05:03"));

    // Saving gives the program's own format.
    WriteWorksheetFile(path("saved.nlx"), opened.lines);
    QCOMPARE(readBytes(path("saved.nlx")), computedFile);
}

void TestWorksheetFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("one line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("no line end") << QByteArray("a") << QStringList{"a"};
    QTest::newRow("empty line between") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("CR, CR LF, LF") << QByteArray("a\r\r\nb\nc") << QStringList{"a", "", "b", "c"};
    QTest::newRow("LF then CR") << QByteArray("a\n\r") << QStringList{"a", ""};
    QTest::newRow("trailing empty line") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    QTest::newRow("Windows-1250 letters")
        << QByteArray("\x8A\xE1rka \xF8\xED\x9A\x9E") << QStringList{"Šárka říšž"};
    QTest::newRow("UTF-8 letters")
        << QByteArray("\xC5\xA0\xC3\xA1rka \xC5\x99") << QStringList{"Šárka ř"};
    QTest::newRow("half a surrogate pair in UTF-16") << QByteArray("\xFF\xFE"
                                                                   "a\0\x3D\xD8\r\0\n\0",
                                                                   10)
                                                     << QStringList{"a\uFFFD"};
    QTest::newRow("cut UTF-8 reads as Windows-1250") << QByteArray("a\xC5") << QStringList{"aĹ"};
}

void TestWorksheetFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(DecodeTextLines(bytes), lines);
}

void TestWorksheetFile::unambiguousWrite_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("Czech") << QStringLiteral("Jiří") << QByteArray("Ji\xF8\xED\r\n");
    QTest::newRow("beyond Windows-1250") << QStringLiteral("Søren") << bom + "S\xC3\xB8ren\r\n";
    // Their Windows-1250 bytes would read back as UTF-8 or as a byte-order mark.
    QTest::newRow("reads as UTF-8") << QStringLiteral("Č©") << bom + "\xC4\x8C\xC2\xA9\r\n";
    QTest::newRow("looks like a mark") << QStringLiteral("˙ţ") << bom + "\xCB\x99\xC5\xA3\r\n";
}

void TestWorksheetFile::unambiguousWrite()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeTextLines({line}), bytes);
    QCOMPARE(DecodeTextLines(bytes), QStringList{line});
}

void TestWorksheetFile::namesList()
{
    const QString names = NamesFilePath(dir->path() + "/");
    QCOMPARE(names, dir->path() + "/Jmena.txt");
    QCOMPARE(ReadNamesFile(names), QStringList{}); // no file yet

    const QStringList czechNames{"Anna", "Jiří", "", "Šárka"};
    WriteNamesFile(names, czechNames);
    QCOMPARE(readBytes(names), QByteArray("Anna\r\nJi\xF8\xED\r\n\r\n\x8A\xE1rka\r\n"));
    QCOMPARE(ReadNamesFile(names), czechNames);

    // One name Windows-1250 cannot hold: the whole list goes out in UTF-8 with a mark.
    const QStringList mixed{"Anna", "Søren", "Łukasz"};
    WriteNamesFile(names, mixed);
    QCOMPARE(readBytes(names), QByteArray("\xEF\xBB\xBF"
                                          "Anna\r\nS\xC3\xB8ren\r\n\xC5\x81ukasz\r\n"));
    QCOMPARE(ReadNamesFile(names), mixed);
}

void TestWorksheetFile::exportFile()
{
    const QStringList sheet{"1+2=", "10+20+30=", "Příklady"};
    WriteExportFile(path("Priklad"), sheet, true);
    QCOMPARE(readBytes(path("Priklad")),
             QByteArray("     1+2=\r\n10+20+30=\r\n        P\xF8\xEDklady\r\n"));
    WriteExportFile(path("Priklad"), sheet, false);
    QCOMPARE(readBytes(path("Priklad")), QByteArray("1+2=\r\n10+20+30=\r\nP\xF8\xEDklady\r\n"));

    // An aligned export of a computed sheet still opens with its trailer.
    WriteExportFile(path("Priklad"), computedLines, true);
    const OpenedWorksheet opened = ReadWorksheetFile(path("Priklad"));
    QCOMPARE(opened.lines[1], QStringLiteral(" 7*8=56[ 56,00 ]"));
    QCOMPARE(opened.lines[4], QStringLiteral("10/4=2,5[ 2,50 ]"));
    QCOMPARE(opened.lines.last(), QStringLiteral("    Velmorsoft © 2006"));
    QVERIFY(opened.trailer);
    QCOMPARE(opened.trailer->checked, QStringLiteral("01.02.24 9:05:03"));
    QCOMPARE(opened.trailer->correct, QStringLiteral("2"));
}

void TestWorksheetFile::holdsAnswers()
{
    QVERIFY(!FileHoldsAnswers(path("missing.nlx")));
    WriteWorksheetFile(path("a.nlx"), {"Jméno", "1+2=", "3+4= "});
    QVERIFY(!FileHoldsAnswers(path("a.nlx")));
    WriteExportFile(path("a.nlx"), {"1+2=", "30+40="}, true);
    QVERIFY(!FileHoldsAnswers(path("a.nlx")));
    WriteWorksheetFile(path("a.nlx"), {"1+2=", "3+4=7"});
    QVERIFY(FileHoldsAnswers(path("a.nlx")));
    WriteWorksheetFile(path("a.nlx"), {"1+2= [ 3,00 ]"});
    QVERIFY(FileHoldsAnswers(path("a.nlx")));
    QVERIFY(!FileHoldsAnswers(dir->path())); // a folder holds no worksheet
}

void TestWorksheetFile::unreadableAndUnwritable()
{
    const QString missing = path("missing.nlx");
    QCOMPARE(errorText([&] { ReadWorksheetFile(missing); }),
             "Cannot open file " + QDir::toNativeSeparators(missing));
    QCOMPARE(errorText([&] { ReadWorksheetFile(dir->path()); }),
             "Cannot open file " + QDir::toNativeSeparators(dir->path()));

    const QString noFolder = path("no folder/Anna.nlx");
    QCOMPARE(errorText([&] { WriteWorksheetFile(noFolder, {"1+1="}); }),
             "Cannot create file " + QDir::toNativeSeparators(noFolder));
    QVERIFY(!QFile::exists(noFolder));
    QVERIFY(QDir().mkdir(path("Anna.nlx")));
    QCOMPARE(errorText([&] { WriteNamesFile(path("Anna.nlx"), {"Anna"}); }),
             "Cannot create file " + QDir::toNativeSeparators(path("Anna.nlx")));
    QVERIFY(QFileInfo(path("Anna.nlx")).isDir());
    QCOMPARE(errorText([&] { ReadNamesFile(path("Anna.nlx")); }),
             "Cannot open file " + QDir::toNativeSeparators(path("Anna.nlx")));
}

void TestWorksheetFile::failedWriteKeepsPreviousFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write fail part-way, even for a privileged user.
    WriteWorksheetFile(path("Anna.nlx"), {"1+1=2"});
    QStringList big;
    for (int i = 0; i < 1000; ++i)
        big.append(QStringLiteral("%1+%1=").arg(i));
    QString text;
    {
        const FileSizeLimit limit(512);
        QVERIFY(limit.active);
        text = errorText([&] { WriteWorksheetFile(path("Anna.nlx"), big); });
    }
    QCOMPARE(text, "Cannot create file " + QDir::toNativeSeparators(path("Anna.nlx")));
    QCOMPARE(readBytes(path("Anna.nlx")), QByteArray("1+1=2\r\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Anna.nlx"});
#else
    QSKIP("needs a file-size limit");
#endif
}

QTEST_GUILESS_MAIN(TestWorksheetFile)
#include "tst_worksheetfile.moc"
