// The printed worksheet through the real painter and window: PDF files written by QPdfWriter and
// read back with poppler's pdfinfo and pdftotext (the header, every example on the sheet, every
// result in the key, the planned page count), the print button on the worksheet toolbar, and
// the preview with its key switch and its PDF save.

#include "app/errorreport.h"
#include "app/filedialog.h"
#include "app/numlet.h"
#include "support/control.h"
#include "worksheet/pageplan.h"
#include "worksheet/sheetprinter.h"
#include "worksheet/trailer.h"

#include "support/pdftext.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>

#include <QPageLayout>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

QPageLayout a4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

// "12) 7*8 =" on the sheet; with a result, "12) 7*8 = 56,00" in the key.
QRegularExpression entry(int number, const QString &expression, const QString &result = {})
{
    QString pattern = QStringLiteral("(?<![0-9])%1\\)\\s*%2\\s*=")
                          .arg(number)
                          .arg(QRegularExpression::escape(expression));
    if (!result.isEmpty())
        pattern += QStringLiteral("\\s*") + QRegularExpression::escape(result);
    return QRegularExpression(pattern);
}

// A computed sheet as a pupil's check leaves it: 150 examples of every operator, a title, and
// the trailer.
QStringList computedSheet(QStringList &expressions, QStringList &results)
{
    QStringList lines{QStringLiteral("Opakování: všechny operace")};
    const char ops[] = {'+', '-', '*', '/'};
    for (int i = 0; i < 150; ++i) {
        const int a = 10 + i % 37, b = 2 + i % 9;
        const QString e = QStringLiteral("%1%2%3").arg(a).arg(QLatin1Char(ops[i % 4])).arg(b);
        // Cents, division rounded half up as the mask does.
        const int cents = i % 4 == 0   ? (a + b) * 100
                          : i % 4 == 1 ? (a - b) * 100
                          : i % 4 == 2 ? a * b * 100
                                       : (200 * a + b) / (2 * b);
        const QString r =
            QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
        expressions << e;
        results << r;
        // Right, wrong or unanswered in turn.
        const QString answer = i % 3 == 0 ? r : i % 3 == 1 ? QStringLiteral("-1") : QString();
        lines << e + QLatin1Char('=') + answer + QStringLiteral("[ ") + r + QStringLiteral(" ]");
    }
    lines << TrailerItem(QStringLiteral("3. 6. 2024 9:15:00"), QStringLiteral("50"),
                         QStringLiteral("50"), QStringLiteral("50"));
    return lines;
}

struct Window
{
    QTemporaryDir dir;
    TNumlet w{dir.path()};
    QStringList errors;

    Window()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        ErrorReport::setReporter([this](const QString &text) { errors << text; });
    }
    ~Window()
    {
        ErrorReport::setReporter({});
        TFileDialog::setChooser({});
    }
    template <typename T = QWidget> T *get(const char *name) const { return control<T>(w, name); }
    void setLines(const QStringList &lines)
    {
        get<QListWidget>("EBox1")->clear();
        get<QListWidget>("EBox1")->addItems(lines);
    }
    // Clicks the print button and runs the action on the preview once it is up; the action
    // must close it.
    void withPreview(const std::function<void(QPrintPreviewDialog *)> &action)
    {
        bool ran = false;
        auto *poll = new QTimer(&w);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            poll->stop();
            ran = true;
            action(preview);
            if (preview->isVisible())
                preview->reject();
        });
        poll->start(20);
        get<QAbstractButton>("SpeedButton14")->click();
        delete poll;
        QVERIFY(ran);
    }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfHoldsHeaderExamplesAndKey();
    void pdfOfLetterLandscape();
    void unwritablePdf();
    void printButtonBesideExport();
    void previewSavesSheetAndKey();
    void titleAndResultsFollowTheWindow();
    void emptyWorksheetPrintsNothing();
};

void TestPrinting::initTestCase()
{
    QVERIFY2(!tool("pdftotext").isEmpty() && !tool("pdfinfo").isEmpty(),
             "the PDF tests read their files with poppler-utils");
}

void TestPrinting::pdfHoldsHeaderExamplesAndKey()
{
    QTemporaryDir dir;
    QStringList expressions, results;
    const QStringList lines = computedSheet(expressions, results);
    PrintOptions options;
    options.name = QStringLiteral("Anna");
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    const PagePlan plan = SheetPrinter::writePdf(path, a4(), lines, options);

    QVERIFY(QFile::exists(path));
    QVERIFY(plan.sheetPages >= 2);
    QVERIFY(plan.keyPages >= 1);
    QCOMPARE(pdfPages(path), plan.sheetPages + plan.keyPages);
    const QStringList pages = pdfText(path);
    QCOMPARE(pages.size(), plan.sheetPages + plan.keyPages);
    const QString sheet = pages.mid(0, plan.sheetPages).join(QLatin1Char('\n'));
    const QString key = pages.mid(plan.sheetPages).join(QLatin1Char('\n'));

    for (const char *header : {"Anna", "Jméno:", "Třída:", "Datum:"})
        QVERIFY2(pages[0].contains(QString::fromUtf8(header)), header);
    QVERIFY(!pages[1].contains(QStringLiteral("Jméno:")));
    QVERIFY(sheet.contains(QStringLiteral("Opakování: všechny operace")));
    for (int i = 0; i < plan.sheetPages; ++i)
        QVERIFY(
            pages[i].contains(QStringLiteral("strana %1 / %2").arg(i + 1).arg(plan.sheetPages)));
    QVERIFY(key.contains(QStringLiteral("Klíč správných výsledků")));
    QVERIFY(key.contains(QStringLiteral("Správně : 50")));
    QVERIFY(key.contains(QStringLiteral("klíč – strana 1 / %1").arg(plan.keyPages)));

    for (int i = 0; i < expressions.size(); ++i) {
        QVERIFY2(entry(i + 1, expressions[i]).match(sheet).hasMatch(), qPrintable(expressions[i]));
        QVERIFY2(entry(i + 1, expressions[i], results[i]).match(key).hasMatch(),
                 qPrintable(expressions[i] + QLatin1Char('=') + results[i]));
        // The sheet is blank: no result follows an example there.
        QVERIFY2(!entry(i + 1, expressions[i], results[i]).match(sheet).hasMatch(),
                 qPrintable(expressions[i]));
    }
    // Verdicts beside the pupil's answers.
    QCOMPARE(key.count(QStringLiteral("správně")), 50);
    QCOMPARE(key.count(QStringLiteral("nevyřešeno")), 50);
    QCOMPARE(key.count(QStringLiteral("chyba")), 50);
}

void TestPrinting::pdfOfLetterLandscape()
{
    // The painter follows the page it is given: a wider, lower page gives another plan, and the
    // file has exactly its pages.
    QTemporaryDir dir;
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("%1+%2=").arg(100 + i).arg(i);
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    PrintOptions options;
    options.withKey = false;
    const QString path = dir.filePath(QStringLiteral("letter.pdf"));
    const PagePlan plan = SheetPrinter::writePdf(path, letter, lines, options);
    const PagePlan portrait =
        SheetPrinter::writePdf(dir.filePath(QStringLiteral("a4.pdf")), a4(), lines, options);
    QCOMPARE(plan.keyPages, 0);
    QVERIFY(plan.sheetPages != portrait.sheetPages);
    QCOMPARE(pdfPages(path), plan.sheetPages);
    const QString text = pdfText(path).join(QLatin1Char('\n'));
    QVERIFY(entry(300, QStringLiteral("399+299")).match(text).hasMatch());
    QVERIFY(!text.contains(QStringLiteral("Klíč")));
}

void TestPrinting::unwritablePdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chybi/list.pdf"));
    try {
        SheetPrinter::writePdf(path, a4(), {QStringLiteral("1+1=")}, PrintOptions());
        QFAIL("no error");
    } catch (const std::exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Cannot create file ") + path);
    }
    QVERIFY(!QFile::exists(path));
}

void TestPrinting::printButtonBesideExport()
{
    Window win;
    auto *print = win.get<QToolButton>("SpeedButton14");
    auto *exportButton = win.get<QToolButton>("SpeedButton4");
    QWidget *toolbar = win.get("Panel3");
    QCOMPARE(print->parentWidget(), toolbar);
    QCOMPARE(print->statusTip(), QStringLiteral("Tisk a PDF pracovního listu"));
    QVERIFY(!print->icon().isNull());
    QCOMPARE(print->x(), exportButton->x());
    QCOMPARE(print->y(), exportButton->geometry().bottom() + 1 + 4);
    QCOMPARE(print->size(), exportButton->size());
    // Nothing on the toolbar overlaps, and all stays inside it.
    const QList<QWidget *> children = toolbar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *a : children) {
        QVERIFY(toolbar->rect().contains(a->geometry()));
        for (QWidget *b : children)
            if (a != b && !a->inherits("QComboBox") && !b->inherits("QComboBox"))
                QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName()));
    }

    // Enabled exactly when the export is: with the toolbar, and with the export button alone.
    QVERIFY(print->isEnabled() && exportButton->isEnabled());
    toolbar->setEnabled(false);
    QVERIFY(!print->isEnabled() && !exportButton->isEnabled());
    toolbar->setEnabled(true);
    QVERIFY(print->isEnabled());
    exportButton->setEnabled(false);
    QVERIFY(!print->isEnabled());
    toolbar->setEnabled(false);
    toolbar->setEnabled(true);
    QVERIFY(!print->isEnabled());
    exportButton->setEnabled(true);
    QVERIFY(print->isEnabled());
}

void TestPrinting::previewSavesSheetAndKey()
{
    Window win;
    QStringList expressions, results;
    win.setLines(computedSheet(expressions, results));
    win.get<QComboBox>("ComboBox7")->setEditText(QStringLiteral("Anna"));

    QStringList proposed;
    QString target;
    TFileDialog::setChooser([&](const TFileDialog &d) {
        proposed << d.InitialDir + d.FileName << d.Filter;
        return target;
    });
    const QString withKey = win.dir.filePath(QStringLiteral("s klicem.pdf"));
    const QString sheetOnly = win.dir.filePath(QStringLiteral("bez klice"));
    int previewKeyOff = 0, previewKeyOn = 0;
    win.withPreview([&](QPrintPreviewDialog *preview) {
        QCOMPARE(preview->printer()->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(preview->printer()->pageLayout().orientation(), QPageLayout::Portrait);
        auto *box = preview->findChild<QCheckBox *>(QStringLiteral("PrintKeyBox"));
        auto *save = preview->findChild<QAbstractButton *>(QStringLiteral("SavePdfButton"));
        QVERIFY(box && save);
        QCOMPARE(box->text(), QStringLiteral("Přiložit klíč správných výsledků"));
        QCOMPARE(save->text(), QStringLiteral("Uložit jako PDF"));
        QVERIFY(box->isChecked());
        QVERIFY(box->isVisible() && save->isVisible());

        target = withKey;
        save->click();
        box->click(); // the key off
        target = sheetOnly;
        save->click();
        target = QString(); // a cancelled dialog writes nothing
        save->click();
        target = win.dir.filePath(QStringLiteral("chybi/x.pdf"));
        save->click();
        previewKeyOff = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        box->click();
        previewKeyOn = preview->findChild<QPrintPreviewWidget *>()->pageCount();
    });
    QCOMPARE(proposed.value(0), win.dir.path() + QStringLiteral("/Anna.pdf"));
    QCOMPARE(proposed.value(1), QStringLiteral("PDF|*.pdf"));
    QCOMPARE(win.errors, QStringList{QStringLiteral("Cannot create file ") +
                                     win.dir.filePath(QStringLiteral("chybi/x.pdf"))});

    QStringList all = pdfText(withKey);
    QStringList alone = pdfText(sheetOnly + QStringLiteral(".pdf"));
    QVERIFY(all.size() > alone.size());
    QCOMPARE(pdfPages(withKey), int(all.size()));
    QVERIFY(all[0].contains(QStringLiteral("Anna")));
    QVERIFY(all.last().contains(QStringLiteral("klíč – strana")));
    QVERIFY(!alone.join(QString()).contains(QStringLiteral("Klíč")));
    QCOMPARE(all.mid(0, alone.size()), alone);
    // The preview shows the pages the files have.
    QCOMPARE(previewKeyOff, int(alone.size()));
    QCOMPARE(previewKeyOn, int(all.size()));
}

void TestPrinting::titleAndResultsFollowTheWindow()
{
    Window win;
    win.setLines({QStringLiteral("10/3="), QStringLiteral("7*8=")});
    win.get<QComboBox>("ComboBox7")->setEditText(QStringLiteral("Bob"));
    const QString pdf = win.dir.filePath(QStringLiteral("out.pdf"));
    QString proposedPdf;
    TFileDialog::setChooser([&](const TFileDialog &d) {
        if (d.objectName() == QLatin1String("SaveDialog1"))
            return win.dir.filePath(QStringLiteral("Listy 3.A.nlx"));
        proposedPdf = d.FileName;
        return pdf;
    });
    // Saved as a worksheet file, the sheet takes the file's name; full values with the toggle.
    win.get<QAbstractButton>("SpeedButton11")->click();
    win.get<QAbstractButton>("SB19")->setChecked(true);
    win.withPreview([](QPrintPreviewDialog *preview) {
        preview->findChild<QAbstractButton *>(QStringLiteral("SavePdfButton"))->click();
    });
    QCOMPARE(proposedPdf, QStringLiteral("Listy 3.A.pdf"));
    const QStringList pages = pdfText(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("Listy 3.A")));
    QVERIFY(!pages.join(QString()).contains(QStringLiteral("Bob")));
    QVERIFY(entry(1, QStringLiteral("10/3"), QStringLiteral("3,33333333333333"))
                .match(pages[1])
                .hasMatch());
    QVERIFY(entry(2, QStringLiteral("7*8"), QStringLiteral("56")).match(pages[1]).hasMatch());
    QVERIFY(win.errors.isEmpty());
}

void TestPrinting::emptyWorksheetPrintsNothing()
{
    Window win;
    bool opened = false;
    QTimer::singleShot(200, &win.w, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    win.get<QAbstractButton>("SpeedButton14")->click();
    QTest::qWait(300);
    QVERIFY(!opened);
    QVERIFY(win.errors.isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
