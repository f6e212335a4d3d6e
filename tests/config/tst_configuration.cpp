// The settings file: the keys' order, sections and defaults, the best points' rule, a save that
// keeps the rest of the file, round trips, and reads and writes that fail.

#include "config/configuration.h"
#include "cp1250.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The sections after [Form] as a file written from nothing holds them, every key at its default.
const char *const DefaultTlac = "[Tlac]\r\nSb3=0\r\nSb6=0\r\nSb8=1\r\nSb9=1\r\nSb10=0\r\nSb11=0\r\n"
                                "Sb19=0\r\n";
const char *const DefaultRozsah = "[Rozsah]\r\nSe1=10\r\nSe2=10\r\nSe3=10\r\nSe4=10\r\nSe5=0\r\n"
                                  "Se6=0\r\nSe7=0\r\nSe8=0\r\nSe9=0\r\nSe10=0\r\nBr1=0\r\nBr2=0\r\n"
                                  "Br3=0\r\nBr4=0\r\nBr5=0\r\n";
const char *const DefaultSetup = "[Setup]\r\nB7=1\r\nB8=1\r\nB9=1\r\nB11=1\r\nB14=1\r\nB16=1\r\n";
const char *const DefaultVzorec = "[Vzorec]\r\nDes1=0\r\nDes2=0\r\nDes3=0\r\nDes4=0\r\nDes5=0\r\n"
                                  "Oper1=+\r\nOper2=-\r\nOper3=*\r\nOper4=/\r\nMax=0\r\n";

ConfigValues defaults()
{
    ConfigValues values;
    for (std::size_t i = 0; i < ConfigKeys.size(); ++i)
        values[i] = DefaultConfigValue(ConfigKeys[i]);
    return values;
}

ConfigValue &at(ConfigValues &values, std::string_view section, std::string_view key)
{
    const std::size_t i = ConfigKeyIndex(section, key);
    Q_ASSERT(i < values.size());
    return values[i];
}

const ConfigValue &at(const ConfigValues &values, std::string_view section, std::string_view key)
{
    return at(const_cast<ConfigValues &>(values), section, key);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class ConfigurationTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return ConfigurationPath(dir.path() + u'/'); }

private slots:
    void init()
    {
        QFile::remove(path());
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void fileFromNothingHoldsEveryKeyInOrderWithItsDefault()
    {
        QCOMPARE(path(), dir.path() + QStringLiteral("/Numlex.ini"));
        QCOMPARE(WriteConfigurationFile(path(), defaults()), QString());
        // "Font" is the last key written but joins [Form], which the first key started.
        QCOMPARE(readFile(path()), QByteArray("[Form]\r\nCesta=C:\r\nPriklad=100\r\n"
                                              "Hranice=15000\r\nBody=0\r\n"
                                              "Font=Palatino Linotype\r\n\r\n") +
                                       DefaultTlac + "\r\n" + DefaultRozsah + "\r\n" +
                                       DefaultSetup + "\r\n" + DefaultVzorec);
    }

    void fileWithOnlySetupReadsTheDefaults()
    {
        writeFile(path(), "[Setup]\r\n");
        const ConfigurationLoad load = ReadConfigurationFile(path());
        QVERIFY(load.found);
        QCOMPARE(load.error, QString());
        for (const char *key : {"B7", "B8", "B9", "B11", "B14", "B16"})
            QCOMPARE(at(load.values, "Setup", key), ConfigValue(true));
        QCOMPARE(at(load.values, "Form", "Font"), ConfigValue(QStringLiteral("Palatino Linotype")));
        QCOMPARE(at(load.values, "Form", "Cesta"), ConfigValue(QStringLiteral("C:")));
        QCOMPARE(at(load.values, "Form", "Hranice"), ConfigValue(15000));
        QCOMPARE(at(load.values, "Tlac", "Sb8"), ConfigValue(true));
        QCOMPARE(at(load.values, "Tlac", "Sb10"), ConfigValue(false));
        QCOMPARE(at(load.values, "Rozsah", "Se4"), ConfigValue(10));
        QCOMPARE(at(load.values, "Rozsah", "Se5"), ConfigValue(0));
        QCOMPARE(at(load.values, "Vzorec", "Oper3"), ConfigValue(QStringLiteral("*")));
    }

    void noFileReadsNothing()
    {
        const ConfigurationLoad load = ReadConfigurationFile(path());
        QVERIFY(!load.found);
        QCOMPARE(load.error, QString());
        QVERIFY(!QFile::exists(path()));
    }

    void valuesAreReadAsData()
    {
        // The slider's range and the spin boxes' limits are the window's business.
        writeFile(path(), "[form]\r\nHRANICE=15000\r\nPriklad=$7FFFFFFF\r\n[Rozsah]\r\nSe9=12\r\n"
                          "Se1=-5\r\nBr3=7\r\n[Setup]\r\nB7=ne\r\nB8=0\r\n[Vzorec]\r\nOper1=^\r\n"
                          "Oper2=\r\n");
        const ConfigValues v = ReadConfigurationFile(path()).values;
        QCOMPARE(at(v, "Form", "Hranice"), ConfigValue(15000));
        QCOMPARE(at(v, "Form", "Priklad"), ConfigValue(2147483647));
        QCOMPARE(at(v, "Rozsah", "Se9"), ConfigValue(12));
        QCOMPARE(at(v, "Rozsah", "Se1"), ConfigValue(-5));
        QCOMPARE(at(v, "Rozsah", "Br3"), ConfigValue(true));
        QCOMPARE(at(v, "Setup", "B7"), ConfigValue(true)); // not an integer: the default
        QCOMPARE(at(v, "Setup", "B8"), ConfigValue(false));
        QCOMPARE(at(v, "Vzorec", "Oper1"), ConfigValue(QStringLiteral("^")));
        QCOMPARE(at(v, "Vzorec", "Oper2"), ConfigValue(QString()));
    }

    void bestPointsReadAsAnInteger_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << QByteArray("Body=25") << "25";
        QTest::newRow("negative") << QByteArray("Body=-3") << "-3";
        QTest::newRow("blanks") << QByteArray("Body=  7 ") << "7";
        QTest::newRow("hex") << QByteArray("Body=$10") << "16";
        QTest::newRow("text") << QByteArray("Body=abc") << "0";
        QTest::newRow("decimal") << QByteArray("Body=2,5") << "0";
        QTest::newRow("empty") << QByteArray("Body=") << "0";
        QTest::newRow("missing") << QByteArray("Font=Arial") << "0";
    }

    void bestPointsReadAsAnInteger()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        writeFile(path(), "[Form]\r\n" + line + "\r\n");
        QCOMPARE(at(ReadConfigurationFile(path()).values, "Form", "Body"), ConfigValue(expected));
    }

    void saveKeepsForeignSectionsCommentsAndSpacing()
    {
        writeFile(path(), cp1250("; Nastavení Numletu\r\n"
                                 "[form]\r\n"
                                 " cesta =C:\\Staré\r\n"
                                 "PRIKLAD= 25 \r\n"
                                 "Poznámka=ponechat\r\n"
                                 "\r\n"
                                 "[Můj oddíl]\r\n"
                                 "klíč = hodnota ; s mezerami\r\n"
                                 "\r\n"
                                 "[Setup]\r\n"
                                 "b7=0\r\n"
                                 "; konec\r\n"));
        ConfigValues values = defaults();
        at(values, "Form", "Cesta") = QStringLiteral("C:\\Obrázky\\Žáci");
        at(values, "Form", "Priklad") = 50;
        QCOMPARE(WriteConfigurationFile(path(), values), QString());
        QCOMPARE(readFile(path()), cp1250("; Nastavení Numletu\r\n"
                                          "[form]\r\n"
                                          "cesta=C:\\Obrázky\\Žáci\r\n"
                                          "PRIKLAD=50\r\n"
                                          "Poznámka=ponechat\r\n"
                                          "Hranice=15000\r\n"
                                          "Body=0\r\n"
                                          "Font=Palatino Linotype\r\n"
                                          "\r\n"
                                          "[Můj oddíl]\r\n"
                                          "klíč = hodnota ; s mezerami\r\n"
                                          "\r\n"
                                          "[Setup]\r\n"
                                          "b7=1\r\n"
                                          "B8=1\r\n"
                                          "B9=1\r\n"
                                          "B11=1\r\n"
                                          "B14=1\r\n"
                                          "B16=1\r\n"
                                          "; konec\r\n"
                                          "\r\n") +
                                       DefaultTlac + "\r\n" + DefaultRozsah + "\r\n" +
                                       DefaultVzorec);
    }

    void everyValueSurvivesARoundTrip()
    {
        ConfigValues values;
        for (std::size_t i = 0; i < ConfigKeys.size(); ++i) {
            const ConfigValue d = DefaultConfigValue(ConfigKeys[i]);
            if (const auto *b = std::get_if<bool>(&d))
                values[i] = !*b;
            else if (std::holds_alternative<int>(d))
                values[i] = int(i) * 1000 - 20000;
            else
                values[i] = QStringLiteral(" Šíp %1 ").arg(i); // blanks at both ends too
        }
        at(values, "Form", "Body") = QStringLiteral("-42");
        QCOMPARE(WriteConfigurationFile(path(), values), QString());
        const ConfigurationLoad load = ReadConfigurationFile(path());
        QVERIFY(load.found);
        QCOMPARE(load.values, values);
        QVERIFY(readFile(path()).contains(cp1250("Cesta=\" Šíp 0 \"\r\n")));
    }

    void aValueOfTheWrongTypeWritesTheDefault()
    {
        ConfigValues values = defaults();
        at(values, "Form", "Priklad") = QStringLiteral("300");
        at(values, "Tlac", "Sb8") = 0;
        QCOMPARE(WriteConfigurationFile(path(), values), QString());
        const QByteArray bytes = readFile(path());
        QVERIFY(bytes.contains("\r\nPriklad=100\r\n"));
        QVERIFY(bytes.contains("\r\nSb8=1\r\n"));
    }

    void anUnreadableFileIsNeitherReadNorOverwritten()
    {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Numlex.ini")));
        const ConfigurationLoad load = ReadConfigurationFile(path());
        QVERIFY(!load.found);
        QVERIFY2(load.error.startsWith(QStringLiteral("Cannot open file ") +
                                       QDir::toNativeSeparators(path()) + QStringLiteral(" (")),
                 qPrintable(load.error));
        QVERIFY(WriteConfigurationFile(path(), defaults()).startsWith("Cannot open file "));
        QVERIFY(QFileInfo(path()).isDir());
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("Numlex.ini")));
    }

    void aFailedWriteSaysWhyAndLeavesNothingBehind()
    {
        const QString missing = dir.path() + QStringLiteral("/gone/Numlex.ini");
        const QString error = WriteConfigurationFile(missing, defaults());
        QVERIFY2(error.startsWith(QStringLiteral("Cannot create file ") +
                                  QDir::toNativeSeparators(missing) + QStringLiteral(" (")),
                 qPrintable(error));
        QVERIFY(error.endsWith(u')'));
        QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/gone")));
    }

    void aWriteThatRunsOutOfRoomLeavesThePreviousFileWhole()
    {
#ifdef Q_OS_UNIX
        // A file-size limit stands in for a full disk, and works for root too.
        const QByteArray previous = "[Setup]\r\nB7=0\r\n";
        writeFile(path(), previous);
        QString error;
        {
            const FileSizeLimit limit(64);
            QVERIFY(limit.active);
            error = WriteConfigurationFile(path(), defaults());
        }
        QVERIFY2(error.startsWith(QStringLiteral("Cannot create file ")), qPrintable(error));
        QCOMPARE(readFile(path()), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QStringLiteral("Numlex.ini")});
#else
        QSKIP("needs a file-size limit");
#endif
    }
};

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "tst_configuration.moc"
