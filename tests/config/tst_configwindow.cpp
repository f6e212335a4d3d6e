// The settings in the real window: what the first activation reads into the controls and runs,
// what the close writes, and what neither may do to the user's files when something goes wrong.

#include "../config/cp1250.h"
#include "support/control.h"
#include "support/filesizelimit.h"

#include "app/errorreport.h"
#include "app/numlet.h"
#include "widgets/tgauge.h"
#include "widgets/tlsdirtreecombo28.h"
#include "widgets/tspinedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The file a window with the form's values writes: every key in the table's order, "Font" in
// the first section, the chooser without a folder.
const QByteArray DesignFile =
    "[Form]\r\nCesta=\r\nPriklad=100\r\nHranice=1000\r\nBody=0\r\n"
    "Font=Arial\r\n\r\n"
    "[Tlac]\r\nSb3=0\r\nSb6=0\r\nSb8=0\r\nSb9=0\r\nSb10=0\r\nSb11=0\r\n"
    "Sb19=0\r\n\r\n"
    "[Rozsah]\r\nSe1=10\r\nSe2=10\r\nSe3=10\r\nSe4=10\r\nSe5=0\r\nSe6=0\r\n"
    "Se7=0\r\nSe8=0\r\nSe9=0\r\nSe10=10\r\nBr1=0\r\nBr2=0\r\nBr3=0\r\n"
    "Br4=0\r\nBr5=0\r\n\r\n"
    "[Setup]\r\nB7=1\r\nB8=1\r\nB9=0\r\nB11=0\r\nB14=1\r\nB16=0\r\n\r\n"
    "[Vzorec]\r\nDes1=0\r\nDes2=0\r\nDes3=0\r\nDes4=0\r\nDes5=0\r\n"
    "Oper1=+\r\nOper2=-\r\nOper3=*\r\nOper4=/\r\nMax=0\r\n";

} // namespace

class ConfigWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QStringList errors;

    QString folder() const { return dir->path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return folder() + name; }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray file(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    // A window on the temporary program folder, first activated as the window system would.
    std::unique_ptr<TNumlet> start(const QString &programFolder = QString())
    {
        auto w = std::make_unique<TNumlet>(programFolder.isEmpty() ? folder() : programFolder);
        w->setRandSeed(0);
        [&] { QVERIFY(QMetaObject::invokeMethod(w.get(), "FormActivate")); }();
        return w;
    }
    template <typename T = QWidget> static T *get(const TNumlet &w, const char *name)
    {
        return control<T>(w, name);
    }
    static bool down(const TNumlet &w, const char *name)
    {
        return get<QAbstractButton>(w, name)->isChecked();
    }
    static void setDown(TNumlet &w, const char *name, bool on)
    {
        if (down(w, name) != on)
            get<QAbstractButton>(w, name)->click();
    }
    static int value(const TNumlet &w, const char *name)
    {
        if (auto *spin = w.findChild<QSpinBox *>(QLatin1String(name)))
            return spin->value();
        return get<QSlider>(w, name)->value();
    }
    static QString text(const TNumlet &w, const char *name)
    {
        if (auto *box = w.findChild<QComboBox *>(QLatin1String(name)))
            return box->currentText();
        return get<QLabel>(w, name)->text();
    }
    static QString family(const TNumlet &w, const char *name)
    {
        return get(w, name)->font().family();
    }
    static QString line(const QByteArray &bytes, const QByteArray &key)
    {
        for (const QByteArray &l : bytes.split('\n')) {
            if (l.startsWith(key + '='))
                return QString::fromLatin1(l.trimmed());
        }
        return QString();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        errors.clear();
        ErrorReport::setReporter([this](const QString &text) { errors << text; });
    }
    void cleanup()
    {
        ErrorReport::setReporter({});
        dir.reset();
    }

    // The table's defaults stand in for the keys that are missing.
    void fileWithOnlySetupTakesTheTableDefaults()
    {
        writeFile("Numlex.ini", "[Setup]\r\n");
        const auto w = start();
        for (const char *box :
             {"BBox7", "BBox8", "BBox9", "BBox11", "BBox14", "BBox16", "SB8", "SB9", "BBox10"})
            QVERIFY2(down(*w, box), box);
        for (const char *off : {"SB3", "SB6", "SB10", "SB11", "SB19", "S1", "CheckBox1"})
            QVERIFY2(!down(*w, off), off);
        QCOMPARE(text(*w, "ComboBox5"), QStringLiteral("Palatino Linotype"));
        for (const char *control : {"LabelF1", "Label3", "Edit2"})
            QCOMPARE(family(*w, control), QStringLiteral("Palatino Linotype"));
        QCOMPARE(value(*w, "TrackBar2"), 1000); // 15000 is no limit the slider takes
        QCOMPARE(value(*w, "TrackBar1"), 100);
        QCOMPARE(value(*w, "SpinEdit10"), 0); // the table's default, not the form's 10
        QCOMPARE(text(*w, "Label3D16"), QStringLiteral("0"));
        QCOMPARE(text(*w, "ComboBox1"), QStringLiteral("+"));
        QCOMPARE(text(*w, "ComboBox4"), QStringLiteral("/"));
        QVERIFY(!text(*w, "LabelF1").isEmpty());
        QCOMPARE(errors, QStringList());
    }

    void withoutAFileTheFormsValuesStay()
    {
        const auto w = start();
        for (const char *off : {"BBox9", "BBox11", "BBox16", "SB8", "SB9"})
            QVERIFY2(!down(*w, off), off);
        for (const char *on : {"BBox7", "BBox8", "BBox14", "BBox10"})
            QVERIFY2(down(*w, on), on);
        QCOMPARE(value(*w, "TrackBar2"), 1000);
        QCOMPARE(get<TGauge>(*w, "Gauge1")->maximum(), 1000);
        QCOMPARE(text(*w, "ComboBox5"), QStringLiteral("Arial"));
        QCOMPARE(family(*w, "LabelF1"), QStringLiteral("Arial"));
        QCOMPARE(get<QTabWidget>(*w, "PageControl1")->currentIndex(), 0);
        QVERIFY(!text(*w, "LabelF1").isEmpty());
        QCOMPARE(errors, QStringList());

        // The font box lists every installed font without its own text changing.
        auto *fonts = get<QComboBox>(*w, "ComboBox5");
        QStringList items;
        for (int i = 0; i < fonts->count(); ++i)
            items << fonts->itemText(i);
        QVERIFY(items.contains(QStringLiteral("Arial")));
        QVERIFY(items.size() > 1);
        for (const QString &family : QFontDatabase::families()) {
            const QString name = QString(family).section(QStringLiteral(" ["), 0, 0);
            QVERIFY2(items.contains(name), qPrintable(family));
        }
    }

    void generationLimitTakesOnlyTheSlidersRange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("limit");
        QTest::newRow("missing: the default 15000") << QByteArray() << 1000;
        QTest::newRow("15000") << QByteArray("15000") << 1000;
        QTest::newRow("below") << QByteArray("99") << 1000;
        QTest::newRow("above") << QByteArray("5001") << 1000;
        QTest::newRow("lowest") << QByteArray("100") << 100;
        QTest::newRow("highest") << QByteArray("5000") << 5000;
        QTest::newRow("hexadecimal") << QByteArray("$9C4") << 2500;
        QTest::newRow("no number") << QByteArray("2500x") << 1000;
    }
    void generationLimitTakesOnlyTheSlidersRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, limit);
        writeFile("Numlex.ini",
                  "[Form]\r\n" + (stored.isNull() ? "" : "Hranice=" + stored + "\r\n"));
        const auto w = start();
        QCOMPARE(value(*w, "TrackBar2"), limit);
        QCOMPARE(get<TGauge>(*w, "Gauge1")->maximum(), limit);
        QCOMPARE(get(*w, "TrackBar2")->statusTip(),
                 QStringLiteral("Hranice generovacího procesu: %1").arg(limit));
    }

    void bestPointsReadAsAnInteger_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("not an integer") << QByteArray("12a") << QStringLiteral("0");
        QTest::newRow("hexadecimal") << QByteArray("$10") << QStringLiteral("16");
        QTest::newRow("negative") << QByteArray(" -40 ") << QStringLiteral("-40");
    }
    void bestPointsReadAsAnInteger()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        writeFile("Numlex.ini", "[Form]\r\nBody=" + stored + "\r\n");
        QCOMPARE(text(*start(), "Label3D16"), shown);
    }

    // Each bound is limited by the bounds applied before it: uppers of rows 1 to 4 come before
    // their lowers, row 5's lower before its upper.
    void operandBoundsComeBackAsTheOrderOfTheLoadAllows_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QList<int>>("bounds"); // SpinEdit1, SpinEdit2, SpinEdit5, SpinEdit9, 10
        QTest::newRow("row 5 lower after a raised upper: 9")
            << QByteArray("Se1=20\r\nSe9=15\r\nSe10=12\r\n") << QList<int>{20, 10, 0, 9, 12};
        QTest::newRow("row 5 lower, no upper changed: the form's 8")
            << QByteArray("Se9=15\r\nSe10=12\r\n") << QList<int>{10, 10, 0, 8, 12};
        QTest::newRow("row 5 upper missing: 0, above the lower bound")
            << QByteArray("Se9=15\r\n") << QList<int>{10, 10, 0, 8, 9};
        QTest::newRow("row 1 lower below its upper")
            << QByteArray("Se1=20\r\nSe5=30\r\nSe10=10\r\n") << QList<int>{20, 10, 19, 0, 10};
        QTest::newRow("rows 1 and 2 reach 10000 after a first upper")
            << QByteArray("Se1=12000\r\nSe2=12000\r\nSe10=10\r\n")
            << QList<int>{5000, 10000, 0, 0, 10};
    }
    void operandBoundsComeBackAsTheOrderOfTheLoadAllows()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QList<int>, bounds);
        writeFile("Numlex.ini", "[Rozsah]\r\n" + stored);
        const auto w = start();
        QCOMPARE((QList<int>{value(*w, "SpinEdit1"), value(*w, "SpinEdit2"), value(*w, "SpinEdit5"),
                             value(*w, "SpinEdit9"), value(*w, "SpinEdit10")}),
                 bounds);
    }

    void closeWritesEveryKeyFromTheControls()
    {
        auto w = start();
        QVERIFY(w->close());
        QCOMPARE(file("Numlex.ini"), DesignFile);
        QCOMPARE(file("Jmena.txt"), QByteArray());
        QCOMPARE(errors, QStringList());
    }

    void caretSlotIsStoredAsTilde()
    {
        auto w = start();
        get<QComboBox>(*w, "ComboBox1")->setEditText(QStringLiteral("^"));
        get<QComboBox>(*w, "ComboBox3")->setEditText(QStringLiteral("^"));
        w->close();
        const QByteArray bytes = file("Numlex.ini");
        QCOMPARE(line(bytes, "Oper1"), QStringLiteral("Oper1=~"));
        QCOMPARE(line(bytes, "Oper2"), QStringLiteral("Oper2=-"));
        QCOMPARE(line(bytes, "Oper3"), QStringLiteral("Oper3=~"));
        const auto next = start();
        QCOMPARE(text(*next, "ComboBox1"), QStringLiteral("~"));
        QCOMPARE(text(*next, "ComboBox3"), QStringLiteral("~"));
    }

    void uncheckedSaveSwitchLeavesTheFileAsItWas()
    {
        const QByteArray original = "; mine\r\n[setup]\r\n  b7 = 0 \r\n[Other]\r\nx=1";
        writeFile("Numlex.ini", original);
        auto w = start();
        QVERIFY(!down(*w, "BBox7"));
        setDown(*w, "SB6", true);
        get<QAbstractButton>(*w, "BBox10")->click();
        QVERIFY(!down(*w, "BBox10"));
        w->close();
        QCOMPARE(file("Numlex.ini"), original);
        const auto next = start();
        QVERIFY(down(*next, "BBox10"));
        QVERIFY(!down(*next, "SB6"));
    }

    void namesListIsWrittenAtEveryClose_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::newRow("settings saved") << true;
        QTest::newRow("settings not saved") << false;
    }
    void namesListIsWrittenAtEveryClose()
    {
        QFETCH(bool, saving);
        writeFile("Jmena.txt", cp1250("Anna\r\nBára\r\n"));
        auto w = start();
        auto *names = get<QComboBox>(*w, "ComboBox7");
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->currentText(), QString());
        names->addItem(QStringLiteral("Žofie"));
        if (!saving)
            get<QAbstractButton>(*w, "BBox10")->click();
        w->close();
        QCOMPARE(file("Jmena.txt"), cp1250("Anna\r\nBára\r\nŽofie\r\n"));
        QCOMPARE(QFile::exists(path("Numlex.ini")), saving);
    }

    void pictureFolderIsChosenOnlyWhenItExists_data()
    {
        QTest::addColumn<QString>("stored"); // "@" stands for the program folder
        QTest::addColumn<bool>("chosen");
        QTest::newRow("existing folder") << QStringLiteral("@obrazky") << true;
        QTest::newRow("folder that is gone") << QStringLiteral("@gone") << false;
        QTest::newRow("one character") << QStringLiteral("/") << false;
        QTest::newRow("default") << QString() << false;
    }
    void pictureFolderIsChosenOnlyWhenItExists()
    {
        QFETCH(QString, stored);
        QFETCH(bool, chosen);
        QVERIFY(QDir(folder()).mkdir("obrazky"));
        for (const char *name : {"obrazky/a.JPG", "obrazky/b.jpg"})
            writeFile(name, "not shown at start");
        stored.replace(QLatin1Char('@'), folder());
        QByteArray ini = "[Tlac]\r\nSb10=1\r\n[Form]\r\n";
        if (!stored.isNull())
            ini += "Cesta=" + stored.toUtf8() + "\r\n";
        writeFile("Numlex.ini", ini);
        auto w = start();
        auto *tree = get<TLsDirTreeCombo28>(*w, "DirTree");
        QCOMPARE(tree->selectedPath(), chosen ? folder() + "obrazky" : QString());
        QCOMPARE(text(*w, "Label3D19"), chosen ? QStringLiteral("Nalezeno 2 obrázků") : QString());
        // Own pictures stay on only with pictures to show.
        QCOMPARE(down(*w, "SB10"), chosen);
        QCOMPARE(errors, QStringList());
        // The chooser's folder is stored, not the one read.
        w->close();
        QCOMPARE(line(file("Numlex.ini"), "Cesta"),
                 "Cesta=" + QDir::toNativeSeparators(tree->selectedPath()));
    }

    // Every stored control away from its form value, closed, and a new window on the same folder.
    void everyStoredSettingSurvivesARestart()
    {
        QVERIFY(QDir(folder()).mkdir("pictures"));
        writeFile("pictures/a.jpg", "");
        auto w = start();
        auto *fonts = get<QComboBox>(*w, "ComboBox5");
        const int fontIndex = fonts->findText(QStringLiteral("DejaVu Serif")) >= 0
                                  ? fonts->findText(QStringLiteral("DejaVu Serif"))
                                  : fonts->count() - 1;
        const QString font = fonts->itemText(fontIndex);
        QVERIFY(font != QStringLiteral("Arial"));
        fonts->setCurrentIndex(fontIndex);
        emit fonts->activated(fontIndex);
        QCOMPARE(family(*w, "LabelF1"), font);

        get<TLsDirTreeCombo28>(*w, "DirTree")->setSelectedPath(folder() + "pictures");
        get<QSlider>(*w, "TrackBar1")->setValue(250);
        get<QSlider>(*w, "TrackBar2")->setValue(2500);
        get<QLabel>(*w, "Label3D16")->setText(QStringLiteral("120"));
        for (const char *button :
             {"SB3", "SB6", "SB8", "SB9", "SB11", "SB19", "S1", "S2", "S3", "S4", "S5", "CheckBox1",
              "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "BBox9", "BBox11", "BBox16"})
            setDown(*w, button, true);
        get<QAbstractButton>(*w, "SB10")->setChecked(true); // a click would show the picture
        for (const char *box : {"BBox7", "BBox8", "BBox14"})
            setDown(*w, box, false);
        const char *const bounds[] = {"SpinEdit1",  "SpinEdit2", "SpinEdit3", "SpinEdit4",
                                      "SpinEdit10", "SpinEdit5", "SpinEdit6", "SpinEdit7",
                                      "SpinEdit8",  "SpinEdit9"};
        const int boundValues[] = {20, 30, 40, 50, 60, 1, 2, 3, 4, 5};
        for (int i = 0; i < 10; ++i)
            get<TSpinEdit>(*w, bounds[i])->setValue(boundValues[i]);
        get<TSpinEdit>(*w, "SpinEdit12")->setValue(7);
        const char *const slotBoxes[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"};
        const QStringList operators = {"-", "*", "~", "+"};
        for (int i = 0; i < 4; ++i)
            get<QComboBox>(*w, slotBoxes[i])->setEditText(operators[i]);
        w->close();
        QCOMPARE(errors, QStringList());

        const auto next = start();
        QCOMPARE(get<TLsDirTreeCombo28>(*next, "DirTree")->selectedPath(), folder() + "pictures");
        QCOMPARE(value(*next, "TrackBar1"), 250);
        QCOMPARE(value(*next, "TrackBar2"), 2500);
        QCOMPARE(text(*next, "Label3D16"), QStringLiteral("120"));
        for (const char *button :
             {"SB3",       "SB6",       "SB8",       "SB9",   "SB10",   "SB11",      "SB19",
              "S1",        "S2",        "S3",        "S4",    "S5",     "CheckBox1", "CheckBox2",
              "CheckBox3", "CheckBox4", "CheckBox5", "BBox9", "BBox11", "BBox16"})
            QVERIFY2(down(*next, button), button);
        for (const char *box : {"BBox7", "BBox8", "BBox14"})
            QVERIFY2(!down(*next, box), box);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(value(*next, bounds[i]), boundValues[i]);
        QCOMPARE(value(*next, "SpinEdit12"), 7);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(text(*next, slotBoxes[i]), operators[i]);
        QCOMPARE(text(*next, "ComboBox5"), font);

        // The handlers that derive state from the controls ran; the buttons' own did not.
        QCOMPARE(family(*next, "LabelF1"), font);
        QCOMPARE(get<TGauge>(*next, "Gauge2")->maximum(), 250);
        QCOMPARE(text(*next, "SText1"), QStringLiteral("7"));
        QVERIFY(get(*next, "SpinEdit3")->isEnabled());
        QVERIFY(get(*next, "ComboBox4")->isEnabled());
        QCOMPARE(text(*next, "Label3D19"), QStringLiteral("Nalezeno 1 obrázků"));
        QVERIFY(down(*next, "BBox4")); // S1 and S2 uncheck it only when clicked
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+-\\d+$"))
                     .match(text(*next, "LabelF1"))
                     .hasMatch(),
                 qPrintable(text(*next, "LabelF1")));
        QCOMPARE(errors, QStringList());
    }

    void saveKeepsForeignSectionsCommentsAndSpacing()
    {
        writeFile("Numlex.ini", cp1250("; Nastavení Numletu\r\n"
                                       "[Jiné]\r\n"
                                       "klíč = hodnota ; poznámka\r\n"
                                       "\r\n"
                                       "[setup]\r\n"
                                       "  b7 = 0  \r\n"
                                       "; konec\r\n"));
        start()->close();
        QCOMPARE(file("Numlex.ini"),
                 cp1250("; Nastavení Numletu\r\n"
                        "[Jiné]\r\n"
                        "klíč = hodnota ; poznámka\r\n"
                        "\r\n"
                        "[setup]\r\n"
                        "b7=0\r\nB8=1\r\nB9=1\r\nB11=1\r\nB14=1\r\nB16=1\r\n"
                        "; konec\r\n"
                        "\r\n"
                        "[Form]\r\nCesta=\r\nPriklad=100\r\nHranice=1000\r\nBody=0\r\n"
                        "Font=Palatino Linotype\r\n"
                        "\r\n"
                        "[Tlac]\r\nSb3=0\r\nSb6=0\r\nSb8=1\r\nSb9=1\r\nSb10=0\r\nSb11=0\r\n"
                        "Sb19=0\r\n"
                        "\r\n"
                        "[Rozsah]\r\nSe1=10\r\nSe2=10\r\nSe3=10\r\nSe4=10\r\nSe5=0\r\nSe6=0\r\n"
                        "Se7=0\r\nSe8=0\r\nSe9=0\r\nSe10=0\r\nBr1=0\r\nBr2=0\r\nBr3=0\r\nBr4=0\r\n"
                        "Br5=0\r\n"
                        "\r\n"
                        "[Vzorec]\r\nDes1=0\r\nDes2=0\r\nDes3=0\r\nDes4=0\r\nDes5=0\r\n"
                        "Oper1=+\r\nOper2=-\r\nOper3=*\r\nOper4=/\r\nMax=0\r\n"));
    }

    void garbledFileNeverStopsTheStart_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray binary;
        quint32 seed = 12345;
        for (int i = 0; i < 8192; ++i) {
            seed = seed * 134775813u + 1;
            binary += char(seed >> 24);
        }
        QTest::newRow("binary") << binary;
        QTest::newRow("binary after sections")
            << QByteArray("[Form]\r\nFont=") + binary + "\r\n[Vzorec]\r\nOper2=" + binary;
        QTest::newRow("huge lines") << QByteArray("[Form]\r\nFont=") + QByteArray(3'000'000, 'x') +
                                           "\r\n[Vzorec]\r\nOper2=" + QByteArray(100'000, '(') +
                                           "\r\nOper1=" + QByteArray(5000, '^');
        QTest::newRow("keys without =")
            << QByteArray("[Setup]\r\nB7\r\nB8 0\r\n[Rozsah\r\nSe1=20\r\n=5\r\n[]\r\n=\r\n[");
        QTest::newRow("NUL bytes")
            << QByteArray("[Form]\r\nBody=1\0 2\r\nCesta=/tmp\0x\r\nFont=\0\r\n", 40);
        QTest::newRow("half a UTF-16 file") << QByteArray("\xFF\xFE[\0S\0e\0t\0u\0p\0]", 15);
        QTest::newRow("line ends only") << QByteArray("\r\r\n\n\r\n\r");
    }
    void garbledFileNeverStopsTheStart()
    {
        QFETCH(QByteArray, bytes);
        writeFile("Numlex.ini", bytes);
        auto w = start();
        QVERIFY(!text(*w, "LabelF1").isEmpty());
        bool points = false;
        text(*w, "Label3D16").toInt(&points);
        QVERIFY(points);
        QVERIFY(value(*w, "TrackBar2") >= 100 && value(*w, "TrackBar2") <= 5000);
        w->close();
        QCOMPARE(errors, QStringList());
        // What the close wrote starts the next window with the same values.
        const QString font = text(*w, "ComboBox5");
        const auto next = start();
        QCOMPARE(text(*next, "ComboBox5"), font);
        QCOMPARE(text(*next, "ComboBox2"), text(*w, "ComboBox2"));
        QCOMPARE(errors, QStringList());
    }

    void unwritableFolderStillCloses_data()
    {
        QTest::addColumn<bool>("folderGone");
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << false; // a file-size limit stands in, and works for root
#endif
        QTest::newRow("folder gone") << true;
    }
    void unwritableFolderStillCloses()
    {
        QFETCH(bool, folderGone);
        const QString program = folder() + "program/";
        QVERIFY(QDir(folder()).mkdir("program"));
        writeFile("program/Numlex.ini", "[Setup]\r\nB7=0\r\n");
        writeFile("program/Jmena.txt", "Anna\r\n");
        auto w = start(program);
        get<QComboBox>(*w, "ComboBox7")->addItem(QStringLiteral("Bob"));
        setDown(*w, "SB6", true);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        bool closed = false;
        if (folderGone) {
            QVERIFY(QDir(program).removeRecursively());
            closed = w->close();
        } else {
#ifdef Q_OS_UNIX
            const FileSizeLimit limit(4);
            QVERIFY(limit.active);
            closed = w->close();
#endif
        }
        QVERIFY(closed);
        QVERIFY(!w->isVisible());
        // One box names both files; the files are as they were, and nothing else is there.
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains("Jmena.txt") && errors[0].contains("Numlex.ini"),
                 qPrintable(errors[0]));
        QVERIFY(errors[0].startsWith("Cannot create file "));
        if (folderGone) {
            QVERIFY(!QFileInfo::exists(program));
        } else {
            QCOMPARE(file("program/Numlex.ini"), QByteArray("[Setup]\r\nB7=0\r\n"));
            QCOMPARE(file("program/Jmena.txt"), QByteArray("Anna\r\n"));
            QCOMPARE(
                QDir(program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                (QStringList{"Jmena.txt", "Numlex.ini"}));
        }
    }

    // The process ends when its window closes: a worksheet still being generated stops.
    void closingDuringAWorksheetEndsItAndTheProgram_data()
    {
        QTest::addColumn<bool>("computing");
        QTest::newRow("generating") << false;
        QTest::newRow("computing") << true;
    }
    void closingDuringAWorksheetEndsItAndTheProgram()
    {
        QFETCH(bool, computing);
        auto w = start();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        get<QSlider>(*w, "TrackBar1")->setValue(5000);
        auto *list = get<QListWidget>(*w, "EBox1");
        if (computing)
            list->addItems(QStringList(5000, QStringLiteral("2+2=4")));
        TGauge *gauge = get<TGauge>(*w, "Gauge2");
        const auto done = [&] { return computing ? gauge->value() : list->count(); };
        QTimer closer;
        closer.setInterval(0);
        connect(&closer, &QTimer::timeout, w.get(), [&] {
            if (done() >= 3) {
                closer.stop();
                w->close();
            }
        });
        QTimer::singleShot(0, w.get(), [&] {
            closer.start();
            get<QAbstractButton>(*w, computing ? "SpeedButton10" : "SpeedButton3")->click();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(60000);
        QCOMPARE(QApplication::exec(), 0); // the last window closed
        QVERIFY(!w->isVisible());
        if (computing) {
            QCOMPARE(list->count(), 5000); // no trailer: the computation did not finish
            QVERIFY2(list->item(10)->text() == QStringLiteral("2+2=4"),
                     qPrintable(list->item(10)->text()));
        } else {
            QVERIFY2(list->count() < 10, qPrintable(QString::number(list->count())));
        }
        QCOMPARE(file("Jmena.txt"), QByteArray());
        QVERIFY(QFile::exists(path("Numlex.ini")));
    }

    void closeStopsTheRunAndStoresTheBestPoints()
    {
        auto w = start();
        QLineEdit *name = get<QComboBox>(*w, "ComboBox7")->lineEdit();
        QTest::keyClicks(name, QStringLiteral("Anna"));
        get<QAbstractButton>(*w, "SpeedButton6")->click();
        QVERIFY(w->Drill().RunActive);
        get<QLabel>(*w, "Label3D16")->setText(QStringLiteral("35"));
        w->close();
        QVERIFY(!w->Drill().RunActive);
        QVERIFY(get(*w, "Panel7")->isEnabled());
        QCOMPARE(line(file("Numlex.ini"), "Body"), QStringLiteral("Body=35"));
    }

    void startRunsOncePerRun()
    {
        writeFile("Numlex.ini", "[Tlac]\r\nSb8=1\r\n");
        TNumlet w(folder());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(down(w, "SB8")); // the first show starts it
        setDown(w, "SB8", false);
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(QMetaObject::invokeMethod(&w, "FormActivate"));
        QVERIFY(!down(w, "SB8"));
    }

    // A window closed before its start read nothing, so it writes nothing over the user's files,
    // and it does not start afterwards.
    void closeBeforeTheStartLeavesTheFilesAlone()
    {
        writeFile("Numlex.ini", "[Tlac]\r\nSb8=1\r\n");
        writeFile("Jmena.txt", "Anna\r\n");
        TNumlet w(folder());
        w.close();
        QVERIFY(QMetaObject::invokeMethod(&w, "FormActivate"));
        QVERIFY(!down(w, "SB8"));
        QCOMPARE(file("Numlex.ini"), QByteArray("[Tlac]\r\nSb8=1\r\n"));
        QCOMPARE(file("Jmena.txt"), QByteArray("Anna\r\n"));
    }

    // "Blokovat zpomalující akce " is off only while the first example is made.
    void closeDuringTheFirstExampleStoresBlockingAsTheUserLeftIt()
    {
        writeFile("Numlex.ini", "[Setup]\r\nB7=1\r\n");
        TNumlet w(folder());
        QTimer closer;
        closer.setInterval(0);
        bool closedDuringIt = false;
        connect(&closer, &QTimer::timeout, &w, [&] {
            if (!down(w, "BBox7")) {
                closer.stop();
                closedDuringIt = true;
                w.close();
            }
        });
        closer.start();
        QVERIFY(QMetaObject::invokeMethod(&w, "FormActivate"));
        QVERIFY(closedDuringIt);
        QVERIFY(down(w, "BBox7"));
        QCOMPARE(line(file("Numlex.ini"), "B7"), QStringLiteral("B7=1"));
    }

    void choosingAPanelFontSetsTheExampleFont()
    {
        auto w = start();
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *fonts = get<QComboBox>(*w, "ComboBox5");
        const int index = fonts->findText(QStringLiteral("DejaVu Sans")) >= 0
                              ? fonts->findText(QStringLiteral("DejaVu Sans"))
                              : 0;
        const QString font = fonts->itemText(index);
        // Set by the program: nothing follows.
        fonts->setCurrentIndex(index);
        QCOMPARE(family(*w, "LabelF1"), QStringLiteral("Arial"));
        fonts->setFocus();
        emit fonts->activated(index); // the user's choice
        for (const char *control : {"LabelF1", "Label3", "Edit2"})
            QCOMPARE(family(*w, control), font);
        QVERIFY(get(*w, "Edit2")->hasFocus());
    }
};

QTEST_MAIN(ConfigWindowTest)
#include "tst_configwindow.moc"
