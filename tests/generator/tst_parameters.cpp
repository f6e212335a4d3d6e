// The rules behind the generation parameters: operand-row limits, operator slots, the slots'
// item lists (built in and from files) and the look of the result filter's relation.

#include "generator/itemlists.h"
#include "generator/parameters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ParametersTest : public QObject
{
    Q_OBJECT

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void upperChangeMovesTheLowerMaxima()
    {
        const UpperChangeLimits limits = LimitsAfterUpperChange({20, 10, 1, -4, 5000});
        QCOMPARE(limits.lowerMax, (RowValues{19, 9, 0, -5, 4999}));
        QCOMPARE(limits.upperMax, (RowValues{10000, 10000, 5000, 5000, 5000}));
    }

    void lowerChangeMovesTheUpperMinima()
    {
        QCOMPARE(UpperMinimaAfterLowerChange({-5, 0, 8, -5000, 3}),
                 (RowValues{-4, 1, 9, -4999, 4}));
    }

    void slotTextSetsAnOperatorOnlyWhenExactlyOne()
    {
        QCOMPARE(SlotOperator("+"), std::optional<char>('+'));
        QCOMPARE(SlotOperator("-"), std::optional<char>('-'));
        QCOMPARE(SlotOperator("*"), std::optional<char>('*'));
        QCOMPARE(SlotOperator("/"), std::optional<char>('/'));
        QCOMPARE(SlotOperator("^"), std::optional<char>('^'));
        for (const char *other : {"~", "", ":", "x", "+ ", " +", "++", "<>"})
            QVERIFY2(!SlotOperator(other), other);
    }

    void listForTheOperatorMode()
    {
        QCOMPARE(SlotListName(false, false), "Lx");
        QCOMPARE(SlotListName(false, true), "Lz");
        QCOMPARE(SlotListName(true, false), "Ly");
        QCOMPARE(SlotListName(true, true), "Ly"); // additions and subtractions win
        QCOMPARE(TemplateCountForPowers(true), 14);
        QCOMPARE(TemplateCountForPowers(false), 11);
    }

    void relationsOnlyHaveALook()
    {
        const auto equal = FilterLookOf("=");
        QVERIFY(equal && !equal->windowText);
        QCOMPARE(equal->rgb, 0x0080C0u);
        const auto different = FilterLookOf("<>");
        QVERIFY(different && !different->windowText);
        QCOMPARE(different->rgb, 0xFF0000u);
        QVERIFY(FilterLookOf("<")->windowText);
        QVERIFY(FilterLookOf(">")->windowText);
        for (const char *other : {"", "==", "><", " =", "<> ", "x"})
            QVERIFY2(!FilterLookOf(other), other);
    }

    void builtInLists()
    {
        QCOMPARE(BuiltInItemList("Lx"), (QStringList{"+", "-", "*", "/", "~"}));
        QCOMPARE(BuiltInItemList("Ly"), (QStringList{"+", "-", "~"}));
        QCOMPARE(BuiltInItemList("Lz"), (QStringList{"+", "-", "*", "/", "^", "~"}));
    }

    void itemsFromBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        const QStringList pm{"+", "-"};
        QTest::newRow("CR LF") << QByteArray("+\r\n-\r\n") << pm;
        QTest::newRow("LF") << QByteArray("+\n-\n") << pm;
        QTest::newRow("CR") << QByteArray("+\r-\r") << pm;
        QTest::newRow("no final line end") << QByteArray("+\r\n-") << pm;
        QTest::newRow("blank lines hold nothing") << QByteArray("\r\n+\r\n\r\n\n-\r\n\r\n") << pm;
        QTest::newRow("mixed ends")
            << QByteArray("+\n-\r*\r\n/") << QStringList{"+", "-", "*", "/"};
        QTest::newRow("empty") << QByteArray() << QStringList();
        // 0xE8 and 0x9E are "č" and "ž" in Windows-1250.
        QTest::newRow("Windows-1250") << QByteArray("\xE8\r\n\x9E\r\n") << QStringList{"č", "ž"};
        QTest::newRow("UTF-8 with a BOM")
            << QByteArray("\xEF\xBB\xBF+\r\n\xC4\x8D\r\n") << QStringList{"+", "č"};
        QTest::newRow("items keep their blanks") << QByteArray(" + \r\n") << QStringList{" + "};
    }
    void itemsFromBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, items);
        QCOMPARE(ItemsFromBytes(bytes), items);
    }

    void listsFromTheProgramFolder()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QDir dir(folder.path());
        // Without files every name has its built-in list.
        for (const char *name : {"Lx", "Ly", "Lz"})
            QCOMPARE(LoadItemList(folder.path(), name), BuiltInItemList(name));

        writeFile(dir.filePath("Ly"), "-\r\n+\r\n~");
        QCOMPARE(LoadItemList(folder.path(), "Ly"), (QStringList{"-", "+", "~"}));
        QCOMPARE(LoadItemList(folder.path() + "/", "Ly"), (QStringList{"-", "+", "~"}));
        QCOMPARE(LoadItemList(folder.path(), "Lx"), BuiltInItemList("Lx")); // the others stay

        // A file without items, or one that cannot be read, leaves the built-in list.
        writeFile(dir.filePath("Lz"), "\r\n\r\n");
        QCOMPARE(LoadItemList(folder.path(), "Lz"), BuiltInItemList("Lz"));
        QVERIFY(dir.mkdir("Lx"));
        QCOMPARE(LoadItemList(folder.path(), "Lx"), BuiltInItemList("Lx"));
    }
};

QTEST_APPLESS_MAIN(ParametersTest)
#include "tst_parameters.moc"
