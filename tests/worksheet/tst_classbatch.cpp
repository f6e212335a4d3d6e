// A class at once, without a window: the variants' plan and seeds, a folder of returned sheets
// corrected file by file (filled in, empty, corrected before, unreadable, not a number,
// Windows-1250 and UTF-8, any line ends, a disk that is full), the groups the class got wrong
// and the class table's CSV bytes.

#include "config/cp1250.h"
#include "support/filesizelimit.h"
#include "worksheet/classbatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString When = QStringLiteral("2.3.2026 8:05:09");
const auto stamp = [] { return When; };

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The trailer as a file holds it: a blank line, the date, the three counts, the marker ("©" is
// 0xA9 in Windows-1250).
QByteArray trailer(const char *correct, const char *unsolved, const char *wrong)
{
    return " \r\n" + When.toLatin1() + "\r\n" + correct + "\r\n" + unsolved + "\r\n" + wrong +
           "\r\nVelmorsoft \xA9 2006\r\n";
}

} // namespace

class ClassBatchTest : public QObject
{
    Q_OBJECT

private slots:
    void variantsPlan()
    {
        VariantPlan plan =
            PlanVariants({"Anna", "", "Bára", "Anna", "Cyril/3.B", " Dan "}, 0, "Varianta %1");
        QStringList files;
        for (const VariantFile &v : plan.files)
            files << v.pupil + "|" + v.file;
        QCOMPARE(files,
                 (QStringList{"Anna|Anna.nlx", QStringLiteral("Bára|Bára.nlx"), "Dan|Dan.nlx"}));
        QCOMPARE(plan.refused, QStringList{"Cyril/3.B"});
        // Without names, numbered ones, as wide as their count.
        plan = PlanVariants({"", " "}, 12, "Varianta %1");
        QCOMPARE(plan.files.size(), 12);
        QCOMPARE(plan.files[0].file, QStringLiteral("Varianta 01.nlx"));
        QCOMPARE(plan.files[11].file, QStringLiteral("Varianta 12.nlx"));
        QVERIFY(plan.files[0].pupil.isEmpty());

        // The first variant is the seed's own worksheet; the others each their own.
        QCOMPARE(VariantSeed(12345, 0), 12345u);
        QSet<std::uint32_t> seeds;
        for (int i = 0; i < 40; ++i)
            seeds.insert(VariantSeed(12345, i));
        QCOMPARE(seeds.size(), 40);
        QCOMPARE(VariantSeed(12345, 7), VariantSeed(12345, 7));

        QCOMPARE(PupilHeading("Anna"), QStringLiteral("Žák: Anna"));
        QCOMPARE(HeadingPupil(QStringLiteral("  žák:   Anna Nová ")), QString("Anna Nová"));
        QCOMPARE(HeadingPupil(QStringLiteral("Žák: ")), QString(""));
        QCOMPARE(HeadingPupil(QStringLiteral("Žák: 2+2=")), std::nullopt);
        QCOMPARE(HeadingPupil("7*8="), std::nullopt);
    }

    // Counts by hand from each file's lines.
    void folderOfReturnedSheets()
    {
        QTemporaryDir dir;
        const auto at = [&dir](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
        // Windows-1250, CR LF, a heading: 2 right, 1 wrong, 1 unsolved.
        writeAll(at("anna.nlx"), cp1250("Žák: Anna Nováková\r\n7*8=56\r\n10/4=2,5\r\n9-3=5\r\n"
                                        "6+1= \r\n"));
        // UTF-8 with a byte-order mark, LF, no last line end, upper-case suffix, no heading.
        writeAll(at("Bára.NLX"), "\xEF\xBB\xBF"
                                 "5+5=10\n3*3=9\n12/5=2,4");
        // Corrected before: read, not written.
        const QByteArray cyril = "1+1=2[ 2,00 ]\r\n2+2=5[ 4,00 ]\r\n" +
                                 QByteArray(" \r\n1.1.2026 9:00:00\r\n1\r\n-\r\n1\r\n"
                                            "Velmorsoft \xA9 2006\r\n");
        writeAll(at("cyril.nlx"), cyril);
        writeAll(at("dan.nlx"), "4+4=osm\r\n1+1=2\r\n");
        writeAll(at("empty.nlx"), "");
        QVERIFY(QFile::link(at("gone"), at("eva.nlx"))); // leads nowhere: cannot be read
        writeAll(at("notes.txt"), "1+1=\r\n");

        QCOMPARE(WorksheetFilesIn(dir.path()),
                 (QStringList{"anna.nlx", QStringLiteral("Bára.NLX"), "cyril.nlx", "dan.nlx",
                              "empty.nlx", "eva.nlx"}));
        QList<ClassRow> rows;
        for (const QString &file : WorksheetFilesIn(dir.path()))
            rows << *CorrectSheetFile(dir.filePath(file), ',', false, stamp);

        using S = ClassRow::Status;
        QCOMPARE(rows[0].pupil, QStringLiteral("Anna Nováková"));
        QCOMPARE(rows[0].status, S::Corrected);
        QCOMPARE((QList<int>{rows[0].correct, rows[0].wrong, rows[0].unsolved}),
                 (QList<int>{2, 1, 1}));
        QCOMPARE(rows[0].rate, 50.0);
        QCOMPARE(rows[0].checked, When);
        QCOMPARE(readAll(at("anna.nlx")),
                 cp1250("Žák: Anna Nováková\r\n7*8=56[ 56,00 ]\r\n10/4=2,5[ 2,50 ]\r\n"
                        "9-3=5[ 6,00 ]\r\n6+1= [ 7,00 ]\r\n") +
                     trailer("2", "1", "1"));

        QCOMPARE(rows[1].pupil, QStringLiteral("Bára"));
        QCOMPARE(rows[1].correct, 3);
        QCOMPARE(rows[1].rate, 100.0);
        // The program's own format on writing; a count that never rose stays "-".
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Bára.NLX"))),
                 "5+5=10[ 10,00 ]\r\n3*3=9[ 9,00 ]\r\n12/5=2,4[ 2,40 ]\r\n" +
                     trailer("3", "-", "-"));

        QCOMPARE(rows[2].status, S::AlreadyCorrected);
        QCOMPARE((QList<int>{rows[2].correct, rows[2].wrong, rows[2].unsolved}),
                 (QList<int>{1, 1, 0}));
        QCOMPARE(rows[2].checked, QStringLiteral("1.1.2026 9:00:00"));
        QCOMPARE(readAll(at("cyril.nlx")), cyril);

        QCOMPARE(rows[3].status, S::Failed);
        QCOMPARE(rows[3].reason, QStringLiteral("'osm' is not a valid floating point value"));
        QCOMPARE(readAll(at("dan.nlx")), QByteArray("4+4=osm\r\n1+1=2\r\n"));

        QCOMPARE(rows[4].status, S::Empty);
        QCOMPARE(readAll(at("empty.nlx")), QByteArray());

        QCOMPARE(rows[5].status, S::Failed);
        QVERIFY(rows[5].reason.startsWith(QLatin1String("Cannot open file")));

        // What the class got wrong: 9-3, the one small subtraction, and 2+2 of the four small
        // additions (6+1 unsolved, 5+5, 1+1, 2+2); no product, no quotient.
        const QList<GroupMistakes> mistakes = ClassMistakes(rows);
        QCOMPARE(mistakes.size(), 2);
        QCOMPARE(mistakes[0].group, (ExampleGroup{ExampleKind::Subtraction, OperandSize::UpTo10}));
        QCOMPARE((std::pair(mistakes[0].examples, mistakes[0].wrong)), std::pair(1, 1));
        QCOMPARE(mistakes[0].rate, 100.0);
        QCOMPARE(mistakes[1].group, (ExampleGroup{ExampleKind::Addition, OperandSize::UpTo10}));
        QCOMPARE((std::pair(mistakes[1].examples, mistakes[1].wrong)), std::pair(4, 1));

        QCOMPARE(
            ClassTableCsv(rows.mid(0, 1) + rows.mid(3, 1)),
            QStringLiteral("Žák,Soubor,Správně,Chybně,Nevyřešeno,Úspěšnost,Zkontrolováno,Stav\r\n"
                           "Anna Nováková,anna.nlx,2,1,1,50.0,2.3.2026 8:05:09,opraveno\r\n"
                           "dan,dan.nlx,0,0,0,0.0,,nelze opravit: 'osm' is not a valid "
                           "floating point value\r\n")
                .toUtf8());
    }

    // Neither a full disk nor a Stop leaves half a file.
    void failedWriteAndStopLeaveTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.nlx");
        const QByteArray filled = "1+1=2\r\n2+2=4\r\n3+3=6\r\n";
        writeAll(path, filled);
        {
            const FileSizeLimit full(20);
            const auto row = CorrectSheetFile(path, ',', false, stamp);
            QCOMPARE(row->status, ClassRow::Status::Failed);
            QVERIFY(row->reason.startsWith(QLatin1String("Cannot create file")));
        }
        QCOMPARE(readAll(path), filled);
        int lines = 0;
        QCOMPARE(CorrectSheetFile(path, ',', false, stamp, [&] { return ++lines == 2; }),
                 std::nullopt);
        QCOMPARE(readAll(path), filled);
    }

    void groups_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        using K = ExampleKind;
        using Z = OperandSize;
        QTest::newRow("product") << "7*8" << int(K::Multiplication) << int(Z::UpTo10);
        QTest::newRow("whole quotient") << "56/8" << int(K::WholeDivision) << int(Z::UpTo100);
        QTest::newRow("remainder") << "10/4" << int(K::DivisionRemainder) << int(Z::UpTo10);
        QTest::newRow("signs are no operations")
            << "-3+-2.5" << int(K::Addition) << int(Z::Decimal);
        QTest::newRow("subtraction of a negative")
            << "12--3" << int(K::Subtraction) << int(Z::UpTo100);
        QTest::newRow("brackets") << "(4*8)-2" << int(K::Compound) << int(Z::UpTo10);
        QTest::newRow("two operations") << "2+3*4" << int(K::Compound) << int(Z::UpTo10);
        QTest::newRow("power") << "5^3" << int(K::Power) << int(Z::UpTo10);
        QTest::newRow("root") << "Sqrt 64" << int(K::Root) << int(Z::UpTo100);
        QTest::newRow("thousands") << "1500-3" << int(K::Subtraction) << int(Z::Above1000);
        QTest::newRow("exponent") << "1E15+1" << int(K::Addition) << int(Z::Above1000);
        QTest::newRow("a thousand") << "1000+1" << int(K::Addition) << int(Z::UpTo1000);
    }
    void groups()
    {
        QFETCH(QString, expression);
        QFETCH(int, kind);
        QFETCH(int, size);
        const ExampleGroup g = GroupOf(expression);
        QCOMPARE(int(g.kind), kind);
        QCOMPARE(int(g.size), size);
    }
};

QTEST_GUILESS_MAIN(ClassBatchTest)
#include "tst_classbatch.moc"
