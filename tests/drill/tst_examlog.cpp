// The examinee's files without a window: the file-name rule, the log file's bytes, writing, the
// run clock.

#include "drill/examineefile.h"
#include "drill/examlog.h"
#include "drill/runclock.h"
#include "textfile/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

class ExamLogTest : public QObject
{
    Q_OBJECT

    static QString errorOf(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const std::runtime_error &error) {
            return QString::fromUtf8(error.what());
        }
        return QString();
    }

private slots:
    void logBytes()
    {
        QCOMPARE(LogFileBytes({"12+7=19", "5-3="}), QByteArray("12+7=19\r\n5-3=\r\n"));
        // One row is written too.
        QCOMPARE(LogFileBytes({"9/3=4"}), QByteArray("9/3=4\r\n"));
        QCOMPARE(LogFileBytes({}), QByteArray());
        // Blanks and control characters go at both ends, not inside.
        QCOMPARE(LogFileBytes({QStringLiteral(" \t2 * 3=6 \x01")}), QByteArray("2 * 3=6\r\n"));
        // Windows-1250: Č C8, í ED, ž 9E, š 9A, ř F8.
        QCOMPARE(LogFileBytes({QStringLiteral("Číslo ž=š ř")}),
                 QByteArray("\xC8\xEDslo \x9E=\x9A \xF8\r\n"));
    }

    void plainFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("Anna") << "Anna" << true;
        QTest::newRow("with blanks and accents") << "Anna Nováková" << true;
        QTest::newRow("apostrophe and dot") << "O'Brien.ml" << true;
        QTest::newRow("COM alone") << "COM" << true;
        QTest::newRow("LPT10") << "LPT10" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("up and out") << "../evil" << false;
        QTest::newRow("dots inside") << "a..b" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("drive") << "C:x" << false;
        QTest::newRow("star") << "a*b" << false;
        QTest::newRow("question") << "a?b" << false;
        QTest::newRow("quote") << "a\"b" << false;
        QTest::newRow("angle") << "a<b" << false;
        QTest::newRow("pipe") << "a|b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("device") << "CON" << false;
        QTest::newRow("device lower case") << "nul" << false;
        QTest::newRow("device with extension") << "aux.txt" << false;
        QTest::newRow("COM1") << "com1" << false;
        QTest::newRow("LPT9") << "LPT9" << false;
    }
    void plainFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(IsPlainFileName(name), plain);
    }

    void examineePath()
    {
        QCOMPARE(ExamineeFilePath("/opt/numlet/", "Anna"), QStringLiteral("/opt/numlet/Anna.nlx"));
        QCOMPARE(errorOf([] { ExamineeFilePath("/opt/numlet/", "../evil"); }),
                 QDir::toNativeSeparators("Cannot create file /opt/numlet/../evil.nlx"));
        QCOMPARE(OverwriteQuestion("/opt/numlet/Anna.nlx"),
                 QDir::toNativeSeparators("Soubor /opt/numlet/Anna.nlx již existuje. Přepsat?"));
    }

    void writingReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Anna.nlx");
        WriteFileBytes(path, "a long first version\r\n");
        WriteFileBytes(path, "2\r\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("2\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Anna.nlx"});

        const QString nowhere = dir.filePath("missing/Anna.nlx");
        QCOMPARE(errorOf([&] { WriteFileBytes(nowhere, "x"); }),
                 QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(nowhere));
    }

    void runClock_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("czech");
        QTest::addColumn<QString>("british");
        QTest::newRow("at start") << QTime(10, 0) << QTime(10, 0) << "0:00:00"
                                  << "00:00:00";
        QTest::newRow("part seconds are cut")
            << QTime(9, 58, 59, 500) << QTime(10, 0, 0, 499) << "0:01:00"
            << "00:01:00";
        QTest::newRow("an hour and more") << QTime(8, 0) << QTime(9, 2, 3) << "1:02:03"
                                          << "01:02:03";
        QTest::newRow("across midnight") << QTime(23, 59, 55) << QTime(0, 0, 5) << "0:00:10"
                                         << "00:00:10";
        QTest::newRow("almost a day") << QTime(0, 0, 1) << QTime(0, 0, 0) << "23:59:59"
                                      << "23:59:59";
    }
    void runClock()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, now);
        QFETCH(QString, czech);
        QFETCH(QString, british);
        QCOMPARE(RunClockText(now, start, QLocale(QLocale::Czech, QLocale::Czechia)), czech);
        QCOMPARE(RunClockText(now, start, QLocale(QLocale::English, QLocale::UnitedKingdom)),
                 british);
    }

    void longTimeFormatLosesOnlyTheZone()
    {
        QCOMPARE(LongTimeFormatWithoutZone(QLocale(QLocale::Czech, QLocale::Czechia)),
                 QStringLiteral("H:mm:ss"));
        QCOMPARE(LongTimeFormatWithoutZone(QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("h:mm:ss AP"));
    }
};

QTEST_APPLESS_MAIN(ExamLogTest)
#include "tst_examlog.moc"
