// The class window on the worksheet page: a variant for every pupil written to a folder (the
// first one the worksheet its seed generates, each pupil's own, the same again from the same
// seed, existing files asked about once), and a folder of returned sheets corrected together,
// each file ending byte for byte as Compute on it alone leaves it.

#include "config/cp1250.h"
#include "support/pdftext.h"
#include "textfile/textfile.h"
#include "worksheet/classbatch.h"
#include "worksheet/numlet_classwindow.h"
#include "worksheetwindow.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTimer>

#include <functional>

namespace {

const QDateTime Checked(QDate(2026, 3, 2), QTime(8, 5, 9));

struct ClassWindowTest_ : WorksheetWindow
{
    ClassWindowTest_()
    {
        Platform::setDateTimeSource([] { return Checked; });
        get<QSlider>("TrackBar1")->setValue(5);
    }
    TClassWindow *open()
    {
        button("SpeedButton16")->click();
        auto *window = w.findChild<TClassWindow *>();
        if (!window)
            qFatal("no class window");
        return window;
    }
    static void type(TClassWindow *c, const char *edit, const QString &text)
    {
        c->findChild<QLineEdit *>(edit)->setText(text);
    }
    static void press(TClassWindow *c, const char *name)
    {
        c->findChild<QPushButton *>(name)->click();
    }
    // Presses the button and runs the action on the print preview it opens, then closes it.
    static bool withPreview(TClassWindow *c, const char *button,
                            const std::function<void(QPrintPreviewDialog *)> &action)
    {
        bool previewed = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            poll.stop();
            previewed = true;
            action(preview);
            preview->reject();
        });
        poll.start(20);
        press(c, button);
        return previewed;
    }
};

QStringList fileLines(const QString &path)
{
    return ReadTextFile(path);
}

} // namespace

class ClassWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void variantForEveryPupil()
    {
        // The worksheet that seed 12345 generates in a window that has shown nothing yet.
        QStringList single;
        {
            ClassWindowTest_ t;
            t.w.setRandSeed(12345);
            t.button("SpeedButton3")->click();
            single = t.lines();
        }
        QCOMPARE(single.size(), 5);

        ClassWindowTest_ t;
        t.get<QComboBox>("ComboBox7")->addItems({"Anna", "", "Bob"});
        TClassWindow *c = t.open();
        QDir(t.folder).mkdir("class");
        const QString folder = QDir(t.folder).filePath("class");
        t.type(c, "SeedEdit", "12345");
        t.type(c, "VariantsFolder", folder);
        t.press(c, "MakeButton");
        QCOMPARE(t.errors, QStringList());
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"Anna.nlx", "Bob.nlx"}));
        const QStringList anna = fileLines(QDir(folder).filePath("Anna.nlx"));
        const QStringList bob = fileLines(QDir(folder).filePath("Bob.nlx"));
        QCOMPARE(anna, QStringList{"Žák: Anna"} + single);
        QCOMPARE(bob.first(), "Žák: Bob");
        QCOMPARE(bob.size(), 6);
        QVERIFY(bob.mid(1) != single);

        // Existing files are asked about once; "Ne" writes nothing.
        const QByteArray before = t.fileAt(QDir(folder).filePath("Bob.nlx"));
        t.answerYes = false;
        t.type(c, "SeedEdit", "99");
        t.press(c, "MakeButton");
        QCOMPARE(t.questions.size(), 1);
        QVERIFY(t.questions[0].contains("Anna.nlx, Bob.nlx"));
        QCOMPARE(t.fileAt(QDir(folder).filePath("Bob.nlx")), before);
        // The same seed gives the same sheets again.
        t.answerYes = true;
        t.type(c, "SeedEdit", "12345");
        t.press(c, "MakeButton");
        QCOMPARE(t.fileAt(QDir(folder).filePath("Bob.nlx")), before);
        c->close();
    }

    // Every returned sheet ends as Compute on it alone leaves it, byte for byte.
    void folderCorrectedAsEachAlone()
    {
        QTemporaryDir returned, alone;
        const QList<std::pair<QString, QByteArray>> files = {
            {"Anna.nlx", cp1250("Žák: Anna\r\n7*8=56\r\n10/4=2,5\r\n9-3=5\r\n6+1=\r\n")},
            {"Bob.nlx", "5+5=10\n3*3=8\n12/5="},
            {"Cyril.nlx", "Žák: Cyril\r\n4*4=16\r\n"},
        };
        for (const auto &[name, bytes] : files)
            for (const QTemporaryDir *dir : {&returned, &alone}) {
                QFile f(dir->filePath(name));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(bytes);
            }
        for (const auto &[name, bytes] : files) {
            ClassWindowTest_ t;
            t.choice = alone.filePath(name);
            t.button("SpeedButton13")->click();
            t.button("SpeedButton10")->click();
            t.button("SpeedButton11")->click();
            QCOMPARE(t.errors, QStringList());
        }

        ClassWindowTest_ t;
        TClassWindow *c = t.open();
        t.type(c, "CorrectFolder", returned.path());
        t.press(c, "CorrectButton");
        for (const auto &[name, bytes] : files)
            QCOMPARE(t.fileAt(returned.filePath(name)), t.fileAt(alone.filePath(name)));

        const QList<ClassRow> rows = c->tableRows();
        QStringList table;
        for (const ClassRow &r : rows)
            table << QStringLiteral("%1 %2/%3/%4 %5")
                         .arg(r.pupil)
                         .arg(r.correct)
                         .arg(r.wrong)
                         .arg(r.unsolved)
                         .arg(r.rate);
        QCOMPARE(table, (QStringList{"Anna 2/1/1 50", "Bob 1/1/1 33.3", "Cyril 1/0/0 100"}));
        const auto *mistakes = c->findChild<QListWidget *>("Mistakes");
        QCOMPARE(mistakes->item(0)->text(),
                 QStringLiteral("odčítání, do 10: 100,0 % chybně (1 z 1)"));
        QCOMPARE(mistakes->count(), 2); // 9-3 and 3*3; 12/5 is unsolved, not wrong
        const auto *bars = static_cast<QBarSeries *>(
            c->findChild<QChartView *>("ClassChart")->chart()->series().first());
        QCOMPARE(bars->barSets().first()->count(), 3);
        QCOMPARE(bars->barSets().first()->at(1), 33.3);

        // A second run reads the sheets, corrected already, and changes nothing.
        const QByteArray anna = t.fileAt(returned.filePath("Anna.nlx"));
        t.press(c, "CorrectButton");
        QCOMPARE(t.fileAt(returned.filePath("Anna.nlx")), anna);
        QCOMPARE(c->tableRows().first().status, ClassRow::Status::AlreadyCorrected);

        t.choice = returned.filePath("class");
        t.press(c, "ExportButton");
        QVERIFY(t.fileAt(returned.filePath("class.csv")).startsWith("Žák,Soubor,"));

        // The table prints with what the class gets wrong.
        QVERIFY(t.withPreview(c, "PrintTableButton", [&](QPrintPreviewDialog *preview) {
            t.choice = returned.filePath("class.pdf");
            preview->findChild<QAbstractButton *>("SavePdfButton")->click();
        }));
        const QString printed = pdfText(returned.filePath("class.pdf")).join(QString());
        for (const char *text : {"Anna", "Bob", "Cyril", "33,3 %", "odčítání, do 10"})
            QVERIFY2(printed.contains(QString::fromUtf8(text)), text);
        c->close();
    }

    // All variants in one PDF, each from a page of its own, its key after it or all keys at the
    // end.
    void variantsPrintInOneGo()
    {
        ClassWindowTest_ t;
        t.get<QComboBox>("ComboBox7")->addItems({"Anna", "Bob"});
        TClassWindow *c = t.open();
        t.type(c, "SeedEdit", "7");
        const QString after = t.dir.filePath("after.pdf"), atEnd = t.dir.filePath("end.pdf");
        QVERIFY(t.withPreview(c, "PrintVariantsButton", [&](QPrintPreviewDialog *preview) {
            auto *save = preview->findChild<QAbstractButton *>("SavePdfButton");
            t.choice = after;
            save->click();
            preview->findChild<QComboBox *>("KeyOrderBox")->setCurrentIndex(1);
            t.choice = atEnd;
            save->click();
        }));
        QCOMPARE(t.errors, QStringList());
        const auto order = [](const QStringList &pages) {
            QStringList out;
            for (const QString &page : pages)
                out << (page.contains(QStringLiteral("Klíč správných výsledků")) ? "key "
                                                                                 : "sheet ") +
                           QString(page.contains("Anna")  ? "Anna"
                                   : page.contains("Bob") ? "Bob"
                                                          : "?");
            return out;
        };
        QCOMPARE(order(pdfText(after)),
                 (QStringList{"sheet Anna", "key Anna", "sheet Bob", "key Bob"}));
        QCOMPARE(order(pdfText(atEnd)),
                 (QStringList{"sheet Anna", "sheet Bob", "key Anna", "key Bob"}));
        c->close();
    }
};

QTEST_MAIN(ClassWindowTest)
#include "tst_classwindow.moc"
