// The main window as a user first meets it: every control in place with its start state, the
// status-bar hooks and the window-wide handlers.

#include "app/errorreport.h"
#include "app/filedialog.h"
#include "app/memorytext.h"
#include "app/numlet.h"
#include "app/startup.h"
#include "widgets/tgauge.h"
#include "widgets/tspinedit.h"
#include "widgets/tstatusbarpro.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <climits>

namespace {

constexpr int Any = INT_MIN; // "don't check" for numbers and tri-states
const char *const AnyText = "\x01";

struct ControlRow
{
    const char *name;
    const char *family; // a Qt or program class the control must inherit
    const char *text;   // caption, text or current item
    const char *hint;
    int enabled = Any;
    int visible = Any;
    int checked = Any;
    int value = Any;
    int minimum = Any;
    int maximum = Any;
};

// clang-format off
const ControlRow controls[] = {
    // Example panel
    {"Panel1", "QFrame", AnyText, "", 1, 1},
    {"LabelF1", "TLabelF", AnyText, "", 1, 1},
    {"Label3", "QLabel", "=", "", 1, 1},
    {"Edit2", "TAlignEdit", "", "", 1, 1},
    {"Label3D25", "TLabelF", "", "", 1, 1},
    {"Label1", "QLabel", "", "", 1, 1},
    {"Label11", "QLabel", "", "", 1, 1},
    {"Gauge1", "TGauge", AnyText, "Průběh generování příkladu", 1, 1, Any, 0, 0, 100},
    {"Gauge2", "TGauge", AnyText, "", 1, 1, Any, 0, 0, 100},
    {"Label14", "QLabel", AnyText, "", 1, 1},
    {"Label8", "QLabel", "0", "Vložený výsledek / Počet cyklů", 1, 1},
    {"Label10", "QLabel", "0:00:00.000", "Počet příkladů / Výsledné časy / Rozklad", 1, 1},
    {"Label3D1", "TLabel3D", "0", "Správný výsledek", 1, 1},
    {"EditExp2", "TEditExp", "", "", Any, 0},
    // Parameters panel: operand rows
    {"Panel7", "QFrame", AnyText, "", 1, 1},
    {"Label2", "QLabel", "Rozsah [ 1 ] čísla : ", "", 1, 1},
    {"Label4", "QLabel", "Rozsah [ 2 ] čísla : ", "", 1, 1},
    {"Label5", "QLabel", "Rozsah [ 3 ] čísla : ", "", 1, 1},
    {"Label6", "QLabel", "Rozsah [ 4 ] čísla : ", "", 1, 1},
    {"Label7", "QLabel", "Rozsah [ 5 ] čísla :", "", 1, 1},
    {"SpinEdit1", "TSpinEdit", AnyText, "", 1, 1, Any, 10, 0, 5000},
    {"SpinEdit2", "TSpinEdit", AnyText, "", 1, 1, Any, 10, 0, 5000},
    {"SpinEdit3", "TSpinEdit", AnyText, "", 0, 1, Any, 10, 0, 5000},
    {"SpinEdit4", "TSpinEdit", AnyText, "", 0, 1, Any, 10, 0, 5000},
    {"SpinEdit10", "TSpinEdit", AnyText, "", 0, 1, Any, 10, 0, 5000},
    {"SpinEdit5", "TSpinEdit", AnyText, "", 1, 1, Any, 0, -5000, 8},
    {"SpinEdit6", "TSpinEdit", AnyText, "", 1, 1, Any, 0, -5000, 8},
    {"SpinEdit7", "TSpinEdit", AnyText, "", 0, 1, Any, 0, -5000, 8},
    {"SpinEdit8", "TSpinEdit", AnyText, "", 0, 1, Any, 0, -5000, 8},
    {"SpinEdit9", "TSpinEdit", AnyText, "", 0, 1, Any, 0, -5000, 8},
    {"CheckBox1", "QCheckBox", AnyText, "Zamkne horní hodnotu čísla", 1, 1, 0},
    {"CheckBox2", "QCheckBox", AnyText, "Zamkne horní hodnotu čísla", 1, 1, 0},
    {"CheckBox3", "QCheckBox", AnyText, "Zamkne horní hodnotu čísla", 0, 1, 0},
    {"CheckBox4", "QCheckBox", AnyText, "Zamkne horní hodnotu čísla", 0, 1, 0},
    {"CheckBox5", "QCheckBox", AnyText, "Zamkne horní hodnotu čísla", 0, 1, 0},
    {"S1", "QToolButton", "1", "Zakázat řadě vygenerovat desetinnou část", 1, 1, 0},
    {"S2", "QToolButton", "2", "Zakázat řadě vygenerovat desetinnou část", 1, 1, 0},
    {"S3", "QToolButton", "3", "Zakázat řadě vygenerovat desetinnou část", 1, 1, 0},
    {"S4", "QToolButton", "4", "Zakázat řadě vygenerovat desetinnou část", 1, 1, 0},
    {"S5", "QToolButton", "5", "Zakázat řadě vygenerovat desetinnou část", 1, 1, 0},
    // Operator slots and result options
    {"Label9", "QLabel", " 1. op :", "", 1, 1},
    {"Label12", "QLabel", "2. op :           3. op :            4. op :", "", 1, 1},
    {"ComboBox1", "QComboBox", "+", "Operátor", 1, 1},
    {"ComboBox2", "QComboBox", "-", "Operátor", 0, 1},
    {"ComboBox3", "QComboBox", "*", "Operátor", 0, 1},
    {"ComboBox4", "QComboBox", "/", "Operátor", 0, 1},
    {"BBox2", "TBitCheckBox", "Desetinná čísla", "Desetiny", 1, 1, 0},
    {"BBox1", "TBitCheckBox", "", "Setiny", 1, 1, 0},
    {"BBox3", "TBitCheckBox", "Jen kladné výsledky", "", 1, 1, 0},
    {"BBox21", "TBitCheckBox", "", "Jen záporné výsledky", 1, 1, 0},
    {"BBox4", "TBitCheckBox", "Výsledek beze zbytku", "", 1, 1, 1},
    {"BBox5", "TBitCheckBox", "Pouze sčítání a odčítání", "", 1, 1, 0},
    {"TrackBar1", "QSlider", AnyText, "Vybráno : 100 příkladů", 1, 1, Any, 100, 1, 5000},
    // Formula templates
    {"Panel5", "QFrame", AnyText, "Nabídka vzorců", 0, 1},
    {"Speed_1", "QToolButton", "5 + 9 = 14", "", 0, 1, 1},
    {"Speed_2", "QToolButton", "8 * 3 - 2 = 22", "", 0, 1, 0},
    {"Speed_3", "QToolButton", "(8 * 2) + 4 = 20", "", 0, 1, 0},
    {"Speed_4", "QToolButton", "8 + 4 - 6 * 3 = -6", "", 0, 1, 0},
    {"Speed_5", "QToolButton", "(8 : 2 + 4) - 2 = 6", "", 0, 1, 0},
    {"Speed_6", "QToolButton", "(1 * (5 - 2)) + 4 = 7", "", 0, 1, 0},
    {"Speed_7", "QToolButton", "(6 + 2) : (4 - 2) = 4", "", 0, 1, 0},
    {"Speed_8", "QToolButton", "8 * (3 - 2) + 4 = 12", "", 0, 1, 0},
    {"Speed_9", "QToolButton", "(2 + (1 + 9) - 6) + 1 = 7", "", 0, 1, 0},
    {"Speed_10", "QToolButton", "(8 * 1) / 2 + (4 + 3) = 11", "", 0, 1, 0},
    {"Speed_11", "QToolButton", "((6 / 4) + 9) * (8 - 4) = 42", "", 0, 1, 0},
    {"Speed_12", "QToolButton", " ((5 + 10) * 7 / 7) - 8 = 7", "", 0, 1, 0},
    {"Speed_13", "QToolButton", "5 ^ 2 = 25", "", 0, 1, 0},
    {"Speed_14", "QToolButton", "Sqrt 64 = 8", "", 0, 1, 0},
    {"BBox6", "TBitCheckBox", "Náhodný výběr z       vzorců", "", 0, 1, 0},
    {"SText1", "QLabel", "0", "Počet vzorců ke generování [ max. 13 ]", 1, 1},
    {"SpeedButton9", "QToolButton", "", "Vygenerovat další příklad", 1, 1},
    {"SB1", "QToolButton", "", "Nastavení", 1, 1, 0},
    // Tab control
    {"PageControl1", "QTabWidget", AnyText, "", 1, 1, Any, 0},
    // Results page: statistics, log and buttons
    {"Panel4", "QFrame", AnyText, "", 1, 1},
    {"Label3D3", "TLabel3D", "Celkový počet příkladů :", "", 1, 1},
    {"Label3D4", "TLabel3D", "Počet správných odpovědí :", "", 1, 1},
    {"Label3D5", "TLabel3D", "Počet chybných odpovědí :", "", 1, 1},
    {"Label3D11", "TLabel3D", "Zbývá zodpovědět :", "", 1, 1},
    {"Label3D6", "TLabel3D", "Úspěšnost :", "", 1, 1},
    {"Label3D2", "TLabel3D", "Čas úkolu :", "", 1, 1},
    {"Label3D13", "TLabel3D", "Body :", "", 1, 1},
    {"Label3D7", "TLabel3D", "0", "", 1, 1},
    {"Label3D8", "TLabel3D", "0", "", 1, 1},
    {"Label3D9", "TLabel3D", "0", "", 1, 1},
    {"Label3D10", "TLabel3D", "0", "", 1, 1},
    {"Label3D12", "TLabel3D", "0", "", 1, 1},
    {"Label3D14", "TLabel3D", "0:00:00", "", 1, 1},
    {"Label3D15", "TLabel3D", "0", "", 1, 1},
    {"Label3D16", "TLabel3D", "0", "", 1, 1},
    {"ListBox1", "TColumnListBox", AnyText, "Výpis příkladů", 1, 1},
    {"SpeedButton5", "QToolButton", "Stop", "Přerušení  zkoušení", 1, 1},
    {"SpeedButton1", "QToolButton", "", "Uloží výpis příkladů do souboru", 1, 1},
    {"SpeedButton6", "QToolButton", "Start", "Zahájení zkoušení", 0, 1},
    // Info panel, settings toolbar and settings panel
    {"Panel10", "QFrame", AnyText, "", 1, 1},
    {"Label3D17", "TLabel3D", "Numlet v. 2.15", "", 1, 1},
    {"ListBox2", "QListWidget", AnyText, "", 1, 1},
    {"Panel8", "QFrame", AnyText, "", 1, 0},
    {"SB10", "QToolButton", "", "Povolit zobrazování vlastních obrázků", 1, 1, 0},
    {"SB8", "QToolButton", "", "Zvuková signalizace", 1, 1, 0},
    {"SB9", "QToolButton", "", "Zobrazovat výsledky", 1, 1, 0},
    {"SB11", "QToolButton", "", "Zapisovat všechny příklady", 1, 1, 0},
    {"SB14", "QToolButton", "", "Limitovaná odpověď", 1, 1, 0},
    {"SB6", "QToolButton", "", "Odfiltrovat \"0\" ze zadání", 1, 1, 0},
    {"SB16", "QToolButton", "", "Domácí stránka programu", 1, 1, 0},
    {"SB19", "QToolButton", "", "Formát zobrazení výsledků", 1, 1, 0},
    {"SB3", "QToolButton", "", "Zpřístupnit vzorce", 1, 1, 0},
    {"DirTree", "TLsDirTreeCombo28", AnyText, AnyText, 1, 1},
    {"Label3D19", "TLabel3D", "", "", 1, 1},
    {"TrackBar2", "TSlideBar", AnyText, "Hranice generovacího procesu: 1000", 1, 1, Any, 1000, 100, 5000},
    {"SpinEdit13", "TSpinEdit", AnyText, "Délka prodlevy na odpověd", 1, 1, Any, 10, 1, 99},
    {"Label13", "QLabel", "Písmo panelu :", "", 1, 1},
    {"ComboBox5", "QComboBox", "Arial", "Písma", 1, 1},
    {"Label15", "QLabel", "Exponent :", "", 1, 1},
    {"SpinEdit11", "TSpinEdit", AnyText, "Hodnota exponentu", 1, 1, Any, 3, 1, 25},
    {"Panel13", "QFrame", AnyText, "", 1, 0},
    {"Label17", "QLabel", "Filtr výsledků : ", "", 1, 1},
    {"ComboBox6", "QComboBox", "=", "Akce filtru", 1, 1},
    {"Edit1", "TAlignEdit", "0", "Hodnota filtru", 1, 1},
    {"Label16", "QLabel", "Vzorce :", "", 1, 1},
    {"SpinEdit12", "TSpinEdit", AnyText, "Počet vzorců ke generování [ max. 13 ]", 1, 1, Any, 0, 0, 14},
    {"BBox7", "TBitCheckBox", "Blokovat zpomalující akce ", "", 1, 1, 1},
    {"BBox8", "TBitCheckBox", "Formátovat příklady pro tisk", "", 1, 1, 1},
    {"BBox9", "TBitCheckBox", "Zobrazovat info. o průběhu", "", 1, 1, 0},
    {"BBox10", "TBitCheckBox", "Ukládat aktuální konfiguraci", "", 1, 1, 1},
    {"BBox11", "TBitCheckBox", "Postupný výběr obrázků", "", 1, 1, 0},
    {"BBox12", "TBitCheckBox", "Zobrazovat čísla obrázků", "", 1, 1, 0},
    {"BBox14", "TBitCheckBox", "Zapojit logická omezení", "", 1, 1, 1},
    {"BBox15", "TBitCheckBox", "Mazat generované příklady", "", 1, 1, 1},
    {"BBox16", "TBitCheckBox", "Exponent z daného rozsahu", "", 1, 1, 0},
    {"BBox17", "TBitCheckBox", "Barevná syntaxe vzorců", "", 1, 1, 0},
    {"BBox18", "TBitCheckBox", "Rozšíření vzorců o mocniny", "", 1, 1, 0},
    {"BBox19", "TBitCheckBox", "Filtr výsledků dle zadání", "", 1, 1, 0},
    {"BBox20", "TBitCheckBox", "Počítat v reálném čase", "", 1, 1, 0},
    // Picture area
    {"Panel9", "QFrame", AnyText, "", 1, 1},
    {"ScaledImage1", "TScaledImage", AnyText, "", 1, 1},
    {"Label3D18", "TLabel3D", AnyText, "", 1, 0},
    // Worksheet page
    {"TabSheet1", "QWidget", AnyText, "", Any, Any},
    {"TabSheet2", "QWidget", AnyText, "", Any, Any},
    {"Panel16", "QFrame", AnyText, "", 1, 1},
    {"EBox1", "QListWidget", AnyText, "", 1, 1},
    {"Panel15", "QFrame", AnyText, "", 1, 1},
    {"Label3D20", "TLabel3D", "-", "", 1, 1},
    {"Label3D21", "TLabel3D", "-", "", 1, 1},
    {"Label3D22", "TLabel3D", "-", "", 1, 1},
    {"Label3D23", "TLabel3D", "-", "", 1, 1},
    {"Label3D24", "TLabel3D", "-", "", 1, 1},
    {"Label19", "QLabel", "Jméno :", "", 1, 1},
    {"Label20", "QLabel", "Správně :", "", 1, 1},
    {"Label21", "QLabel", "Nevyřešeno :", "", 1, 1},
    {"Label22", "QLabel", "Chyby :", "", 1, 1},
    {"Label23", "QLabel", "Zkontrolováno : ", "", 1, 1},
    {"Panel3", "QFrame", AnyText, "", 1, 1},
    {"SpeedButton3", "QToolButton", "", "Vygeneruje nové příklady", 1, 1},
    {"SpeedButton10", "QToolButton", "", "Vypočítá uvedené příklady", 1, 1},
    {"SpeedButton2", "QToolButton", "", "Smaže všechny příklady", 1, 1},
    {"SpeedButton13", "QToolButton", "", "Otevře soubor s příklady", 1, 1},
    {"SpeedButton11", "QToolButton", "", "Uloží příklady do souboru", 1, 1},
    {"SpeedButton4", "QToolButton", "", "Vyexportuje příklady", 1, 1},
    {"Label18", "QLabel", "Jméno :", "", 1, 1},
    {"ComboBox7", "QComboBox", "", "Jméno zkoušeného/souboru", 1, 1},
    // Status bar
    {"StatusBarPro1", "TStatusBarPro", AnyText, "", 1, 1},
    {"SpeedButton12", "QToolButton", "", "Stop", 1, 1},
    {"EditExp1", "TEditExp", "", "", 0, 1},
    {"SpeedButton7", "QToolButton", "", "Kalkulačka", 1, 1, 0},
};
// clang-format on

QString textOf(const QWidget *w)
{
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    const QVariant text = w->property("text");
    return text.isValid() ? text.toString() : QString();
}

int numberOf(const QWidget *w, const char *name)
{
    const QVariant v = w->property(name);
    return v.isValid() ? v.toInt() : Any;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The window as the program shows it: its style and font faces.
    void initTestCase() { Startup::setUpApplication(); }
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        window = std::make_unique<TNumlet>(folder->path());
        reported.clear();
        ErrorReport::setReporter([this](const QString &text) { reported << text; });
    }
    void cleanup()
    {
        window.reset();
        ErrorReport::setReporter({});
    }

    void controlsStartAsDesigned_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(controls)); ++i)
            QTest::newRow(controls[i].name) << i;
    }
    void controlsStartAsDesigned()
    {
        QFETCH(int, row);
        const ControlRow &c = controls[row];
        auto *w = window->findChild<QWidget *>(QLatin1String(c.name));
        QVERIFY2(w, c.name);
        QVERIFY2(w->inherits(c.family), w->metaObject()->className());
        if (QLatin1String(c.text) != QLatin1String(AnyText))
            QCOMPARE(textOf(w), QString::fromUtf8(c.text));
        if (QLatin1String(c.hint) != QLatin1String(AnyText))
            QCOMPARE(w->statusTip(), QString::fromUtf8(c.hint));
        if (c.enabled != Any)
            QCOMPARE(w->isEnabled(), bool(c.enabled));
        if (c.visible != Any)
            QCOMPARE(!w->isHidden(), bool(c.visible));
        if (c.checked != Any) {
            auto *button = qobject_cast<QAbstractButton *>(w);
            QVERIFY(button);
            QCOMPARE(button->isChecked(), bool(c.checked));
        }
        if (c.value != Any) {
            const char *current = w->inherits("QTabWidget") ? "currentIndex" : "value";
            QCOMPARE(numberOf(w, current), c.value);
        }
        if (auto *spin = qobject_cast<TSpinEdit *>(w)) {
            if (c.minimum != Any)
                QCOMPARE(spin->minValue(), c.minimum);
            if (c.maximum != Any)
                QCOMPARE(spin->maxValue(), c.maximum);
        } else {
            if (c.minimum != Any)
                QCOMPARE(numberOf(w, "minimum"), c.minimum);
            if (c.maximum != Any)
                QCOMPARE(numberOf(w, "maximum"), c.maximum);
        }
    }

    void windowFrameAndFonts()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Numlet"));
        QCOMPARE(window->size(), QSize(853, 541));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->font().family(), QStringLiteral("MS Sans Serif"));

        auto *example = window->findChild<QLabel *>("LabelF1");
        QCOMPARE(example->font().family(), QStringLiteral("Palatino Linotype"));
        QVERIFY(example->font().bold());
        QCOMPARE(QFontInfo(example->font()).pixelSize(), 64);
        QVERIFY(example->alignment() & Qt::AlignRight);
        QCOMPARE(window->findChild<QLineEdit *>("Edit2")->width(), 126);
        QVERIFY(window->findChild<QLineEdit *>("Edit2")->alignment() & Qt::AlignRight);
        QCOMPARE(window->findChild<QLabel *>("Label3D1")->font().pointSize(), 16);
        QCOMPARE(window->findChild<QWidget *>("Panel1")->height(), 160);
        QCOMPARE(window->findChild<QWidget *>("Panel9")->size(), QSize(351, 180));
        QCOMPARE(window->findChild<QWidget *>("EditExp1")->width(), 0);
        QCOMPARE(window->findChild<QWidget *>("EditExp2")->width(), 0);
        const QFont calculator = window->findChild<QWidget *>("EditExp1")->font();
        QCOMPARE(calculator.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(calculator.pixelSize(), 13);

        QCOMPARE(window->findChild<QComboBox *>("ComboBox1")->lineEdit()->maxLength(), 1);

        auto *gauge1 = window->findChild<TGauge *>("Gauge1");
        QCOMPARE(gauge1->barColor(), QColor(255, 0, 0));
        QCOMPARE(gauge1->backColor(), QColor(0, 0, 0));
        QCOMPARE(window->findChild<TGauge *>("Gauge2")->barColor(), QColor(0, 255, 0));

        auto *tabs = window->findChild<QTabWidget *>("PageControl1");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral(" Výsledky "));
        QCOMPARE(tabs->tabText(1), QStringLiteral("   Příklady "));
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("TabSheet2"));

        auto *bar = window->findChild<TStatusBarPro *>("StatusBarPro1");
        QCOMPARE(bar->panelCount(), 5);
        const int widths[] = {249, 224, 26, 328, 25};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(bar->panelRect(i).width(), widths[i]);
        QCOMPARE(bar->panelText(3), QStringLiteral(" Velmorsoft"));
        QVERIFY(bar->panelFont(0).bold());

        for (const char *name : {"Timer1", "Timer2", "Timer3"}) {
            auto *timer = window->findChild<QTimer *>(name);
            QVERIFY2(timer, name);
            QCOMPARE(timer->interval(), 1000);
            QVERIFY(!timer->isActive());
        }
        QCOMPARE(window->ProgramFolder(), folder->path() + QLatin1Char('/'));
    }

    void dialogsKeepTheirFiltersAndFolder()
    {
        auto *open = window->findChild<TFileDialog *>("OpenDialog1");
        auto *save = window->findChild<TFileDialog *>("SaveDialog1");
        QVERIFY(open && save);
        QCOMPARE(TFileDialog::qtFilter(open->Filter),
                 QStringLiteral("NumletFile(*.nlx) (*.nlx);;TextFile(*.txt) (*.txt)"));
        QCOMPARE(open->InitialDir, window->ProgramFolder());
        QCOMPARE(save->DefaultExt, QStringLiteral("nlx"));
        // The default extension is added to a chosen name without one.
        TFileDialog::setChooser([](const TFileDialog &) { return QStringLiteral("/tmp/Anna"); });
        QVERIFY(save->Execute(window.get()));
        QCOMPARE(save->FileName, QStringLiteral("/tmp/Anna.nlx"));
        TFileDialog::setChooser([](const TFileDialog &) { return QString(); });
        QVERIFY(!open->Execute(window.get()));
        TFileDialog::setChooser({});
    }

    void featureListHoldsItsNineteenLines()
    {
        auto *list = window->findChild<QListWidget *>("ListBox2");
        QCOMPARE(list->count(), 19);
        QCOMPARE(list->item(0)->text(), QStringLiteral("-  Sčítání"));
        QCOMPARE(list->item(15)->text(),
                 QStringLiteral("-  Generování příkladů pro externí využití s možností "));
        QCOMPARE(list->item(18)->text(), QStringLiteral("-  Výrazová kalkulačka"));
        QCOMPARE(list->frameShape(), QFrame::NoFrame);
        QVERIFY(list->selectionMode() != QAbstractItemView::SingleSelection);
    }

    void featureListShowsWholeRows()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = window->findChild<QListWidget *>("ListBox2");
        const int row = list->sizeHintForRow(0);
        QVERIFY(row > 0);
        // In its place, as high as the design's room allows in whole rows.
        QCOMPARE(list->pos(), QPoint(6, 28));
        QVERIFY(list->height() <= 121 && list->height() > 121 - row);
        const int shown = list->viewport()->height();
        QCOMPARE(shown % row, 0);
        int whole = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QRect r = list->visualItemRect(list->item(i));
            if (r.top() < shown) {
                QVERIFY2(r.bottom() < shown, qPrintable(list->item(i)->text()));
                ++whole;
            }
        }
        QCOMPARE(whole, shown / row);
    }

    void equalsSignHasRoomAtEveryFontSize()
    {
        auto *example = window->findChild<QLabel *>("LabelF1");
        auto *sign = window->findChild<QLabel *>("Label3");
        QList<int> sizes;
        // An example of each length band the display fits to.
        for (int length : {3, 20, 28, 35, 45, 55}) {
            example->setText(QString(length, QLatin1Char('1')));
            QVERIFY(QMetaObject::invokeMethod(window.get(), "Pismo"));
            sizes << sign->font().pointSize();
            const QFontMetrics metrics(sign->font());
            const QRect room = sign->contentsRect();
            QVERIFY2(metrics.horizontalAdvance(QLatin1Char('=')) <= room.width(),
                     qPrintable(QString::number(sizes.last())));
            QVERIFY(metrics.height() <= room.height());
        }
        QCOMPARE(sizes, QList<int>({50, 30, 25, 25, 15, 11}));
        // The room is not taken from its neighbours.
        QVERIFY(sign->geometry().left() > example->geometry().right());
        QVERIFY(sign->geometry().right() <
                window->findChild<QWidget *>("Edit2")->geometry().left());
    }

    // The captions stand on the window's face, where their light edge shows: lighter pixels lie
    // up-left of the text, darker ones down-right.
    void captionsStandRaisedOnTheWindowFace()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QImage shot = window->grab().toImage();
        const int face = qGray(window->palette().color(QPalette::Window).rgb());
        for (const char *name : {"Label3D3", "Label3D17"}) {
            auto *label = window->findChild<QWidget *>(name);
            const QRect area(label->mapTo(window.get(), QPoint(0, 0)), label->size());
            int onFace = 0;
            QPointF light, edge, ink; // sums of positions
            int lights = 0, edges = 0, inks = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int level = qGray(shot.pixel(x, y));
                    onFace += level == face;
                    if (level >= face + 10) {
                        light += QPointF(x, y);
                        ++lights;
                    } else if (level <= face - 10) {
                        ink += QPointF(x, y);
                        ++inks;
                        if (level >= face - 100) {
                            edge += QPointF(x, y);
                            ++edges;
                        }
                    }
                }
            QVERIFY2(onFace > area.width() * area.height() / 2, name);
            QVERIFY2(lights > 0 && inks > 0 && edges > 0, name);
            light /= lights;
            ink /= inks;
            edge /= edges;
            QVERIFY2(light.x() < ink.x() && light.y() < ink.y(), name);
            QVERIFY2(edge.x() > ink.x() && edge.y() > ink.y(), name);
        }
    }

    // Every run of the release hooks deselects the focused row; the spy selects it again at once,
    // so each run of a hook counts.
    void featureListHooksRunOncePerEvent()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = window->findChild<QListWidget *>("ListBox2");
        int runs = 0;
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                [&](const QItemSelection &, const QItemSelection &deselected) {
                    if (!deselected.contains(list->currentIndex()))
                        return;
                    ++runs;
                    list->currentItem()->setSelected(true);
                });
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, third);
        QVERIFY(list->item(2)->isSelected());
        runs = 0;
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(runs, 1);

        list->setFocus();
        QTest::keyPress(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 3);
        runs = 0;
        QTest::keyRelease(list, Qt::Key_Down);
        QCOMPARE(runs, 1);
    }

    // Each example the operator slot's handler asks for takes one candidate when no result
    // constraint is on, so the candidates counted are the handler's runs.
    void operatorSlotRunsOncePerUserChange()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->findChild<QAbstractButton *>("BBox4")->setChecked(false);
        QCoreApplication::processEvents(); // the first example
        auto *slot = window->findChild<QComboBox *>("ComboBox1");
        QLineEdit *edit = slot->lineEdit();
        int counted = window->CandidateCounter();
        const auto runs = [&] {
            QCoreApplication::processEvents();
            const int n = window->CandidateCounter() - counted;
            counted = window->CandidateCounter();
            return n;
        };
        const auto choose = [&](int index) {
            slot->showPopup();
            slot->view()->setCurrentIndex(slot->model()->index(index, 0));
            QTest::keyClick(slot->view(), Qt::Key_Return);
        };
        QCOMPARE(runs(), 0);

        slot->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "*");
        QCOMPARE(runs(), 1);
        QCOMPARE(slot->currentText(), QStringLiteral("*"));
        slot->setFocus();
        QTest::keyClick(edit, Qt::Key_Return); // no change of text
        QCOMPARE(runs(), 0);
        window->findChild<QWidget *>("Edit2")->setFocus();
        QCOMPARE(runs(), 0);

        choose(3);
        QCOMPARE(runs(), 1);
        QCOMPARE(slot->currentText(), QStringLiteral("/"));
        choose(3); // the entry already shown
        QCOMPARE(runs(), 0);
        slot->setFocus();
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(runs(), 1);
        QCOMPARE(slot->currentText(), QStringLiteral("~"));

        // Any typed character is a change; Enter then adds nothing to the list.
        edit->selectAll();
        QTest::keyClicks(edit, "7");
        QCOMPARE(runs(), 1);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(runs(), 0);
        QCOMPARE(slot->count(), 5);

        // Text the program sets is no change of the user's.
        slot->setCurrentIndex(0);
        QCOMPARE(runs(), 0);
        slot->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(runs(), 0);
        choose(0);
        QCOMPARE(runs(), 0);
        choose(1);
        QCOMPARE(runs(), 1);
        QCOMPARE(slot->currentText(), QStringLiteral("-"));
    }

    void typingAddsNoItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("operator slot") << "ComboBox1"
                                       << "^";
        QTest::newRow("filter action") << "ComboBox6"
                                       << "<=";
        QTest::newRow("examinee name") << "ComboBox7"
                                       << "Anna";
    }
    void typingAddsNoItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *box = window->findChild<QComboBox *>(name);
        QVERIFY(box->isEditable());
        QStringList before;
        for (int i = 0; i < box->count(); ++i)
            before << box->itemText(i);
        box->setEnabled(true);
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        window->findChild<QWidget *>("Edit2")->setFocus();
        QStringList after;
        for (int i = 0; i < box->count(); ++i)
            after << box->itemText(i);
        QCOMPARE(after, before);
        for (QComboBox *other : window->findChildren<QComboBox *>())
            if (other->isEditable())
                QCOMPARE(other->insertPolicy(), QComboBox::NoInsert);
    }

    void onlyThreeControlsPopUpTooltips()
    {
        QStringList withTooltips;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->toolTip().isEmpty())
                withTooltips << w->objectName();
        withTooltips.sort();
        QCOMPARE(withTooltips, (QStringList{"DirTree", "SpeedButton1"}));
    }

    void memoryDisplayText_data()
    {
        QTest::addColumn<qulonglong>("totalKb");
        QTest::addColumn<qulonglong>("availableKb");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("quarter free") << 524288ull << 131072ull << ","
                                      << "Fyz. paměť: 524288/131072kB - 25%";
        QTest::newRow("six digits stay fixed") << 999999ull << 333333ull << ","
                                               << "Fyz. paměť: 999999/333333kB - 33%";
        // Past six integer digits the figure turns to six significant digits with an exponent;
        // these sizes need 64-bit reading (16 GiB and more would wrap in 32 bits).
        QTest::newRow("16 GiB, comma") << 16777216ull << 4194304ull << ","
                                       << "Fyz. paměť: 1,67772E7/4,1943E6kB - 25%";
        QTest::newRow("16 GiB, point") << 16777216ull << 8388608ull << "."
                                       << "Fyz. paměť: 1.67772E7/8.38861E6kB - 50%";
        QTest::newRow("round mantissa") << 10000000ull << 5000000ull << ","
                                        << "Fyz. paměť: 1E7/5E6kB - 50%";
        QTest::newRow("24 GiB") << 25165824ull << 25165ull << ","
                                << "Fyz. paměť: 2,51658E7/25165kB - 0%";
    }
    void memoryDisplayText()
    {
        QFETCH(qulonglong, totalKb);
        QFETCH(qulonglong, availableKb);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(MemoryDisplayText(totalKb * 1024, availableKb * 1024, separator.at(0)), expected);
    }

    void idleHookShowsMemory()
    {
        auto *bar = window->findChild<TStatusBarPro *>("StatusBarPro1");
        // The hook runs when the event loop goes idle and waits, which qWait() never does.
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(bar->panelText(1).startsWith(QStringLiteral("Fyz. paměť: ")));
        QVERIFY(bar->panelText(1).endsWith(QLatin1Char('%')));
    }

    void hintHookShowsNearestHint()
    {
        auto *bar = window->findChild<TStatusBarPro *>("StatusBarPro1");
        const auto enter = [](const char *name, QWidget *root) {
            QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(root->findChild<QWidget *>(name), &event);
        };
        const auto leave = [](const char *name, QWidget *root) {
            QEvent event(QEvent::Leave);
            QApplication::sendEvent(root->findChild<QWidget *>(name), &event);
        };
        enter("BBox1", window.get());
        QCOMPARE(bar->panelText(0), QStringLiteral("Setiny"));
        // No hint of its own: the template panel's hint.
        enter("Speed_3", window.get());
        QCOMPARE(bar->panelText(0), QStringLiteral("Nabídka vzorců"));
        enter("SpeedButton9", window.get());
        QCOMPARE(bar->panelText(0), QStringLiteral("Vygenerovat další příklad"));
        // Back on a container without any hint up its chain.
        leave("SpeedButton9", window.get());
        QCOMPARE(bar->panelText(0), QString());
        // Qt's own status-tip handling never writes over the panels.
        QStatusTipEvent tip(QStringLiteral("other"));
        QApplication::sendEvent(window.get(), &tip);
        QCOMPARE(bar->panelText(0), QString());
    }

    void settingsSwitchFromWorksheetPageAndBack()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *tabs = window->findChild<QTabWidget *>("PageControl1");
        auto *sb1 = window->findChild<QAbstractButton *>("SB1");
        auto *panel8 = window->findChild<QWidget *>("Panel8");
        auto *panel10 = window->findChild<QWidget *>("Panel10");
        auto *panel13 = window->findChild<QWidget *>("Panel13");
        tabs->setCurrentIndex(1);

        sb1->click();
        QVERIFY(sb1->isChecked());
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(panel8->isVisible());
        QVERIFY(!panel10->isVisible());
        QVERIFY(panel13->isVisible());
        QCOMPARE(window->focusWidget(), window->findChild<QWidget *>("Edit2"));

        sb1->click();
        QVERIFY(!sb1->isChecked());
        QVERIFY(!panel8->isVisible());
        QVERIFY(panel10->isVisible());
        QVERIFY(!panel13->isVisible());
    }

    void tabChangeFocusesAnswerField()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *tabs = window->findChild<QTabWidget *>("PageControl1");
        auto *edit2 = window->findChild<QWidget *>("Edit2");
        window->findChild<QWidget *>("ComboBox7")->setFocus();
        QTabBar *bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), edit2);
        window->findChild<QWidget *>("EBox1")->setFocus();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(QApplication::focusWidget(), edit2);
    }

    void featureListKeepsNoSelection()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = window->findChild<QListWidget *>("ListBox2");
        const QRect third = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
        QVERIFY(list->selectedItems().isEmpty());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->selectedItems().isEmpty());
        QTest::keyClick(list, Qt::Key_End);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void escapedErrorIsReportedWithItsText()
    {
        ErrorReport::guarded([] { throw std::runtime_error("Cannot open file C:\\x.nlx"); });
        QCOMPARE(reported, QStringList{QStringLiteral("Cannot open file C:\\x.nlx")});
        // The window stays usable: a handler runs normally afterwards.
        window->findChild<QAbstractButton *>("SB1")->click();
        QVERIFY(window->findChild<QWidget *>("Panel13")->isVisibleTo(window.get()));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<TNumlet> window;
    QStringList reported;
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
