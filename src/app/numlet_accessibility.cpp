// What a screen reader hears of the window: a name for every control, the hint as its
// description, captions for the labels that show a value, the example in words, and the
// verdicts and a run's end announced where they appear.

#include "app/numlet.h"
#include "editexp/spokenexample.h"
#include "ui_numlet.h"
#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

void TNumlet::setupAccessibility()
{
    Ui::TNumlet &f = *ui;
    QWidget *const lower[] = {f.SpinEdit5, f.SpinEdit6, f.SpinEdit7, f.SpinEdit8, f.SpinEdit9};
    QWidget *const upper[] = {f.SpinEdit1, f.SpinEdit2, f.SpinEdit3, f.SpinEdit4, f.SpinEdit10};
    QWidget *const locks[] = {f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4, f.CheckBox5};
    QWidget *const whole[] = {f.S1, f.S2, f.S3, f.S4, f.S5};
    QWidget *const operatorSlots[] = {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4};
    for (int i = 0; i < 5; ++i) {
        lower[i]->setAccessibleName(tr("Dolní mez %1. čísla").arg(i + 1));
        upper[i]->setAccessibleName(tr("Horní mez %1. čísla").arg(i + 1));
        locks[i]->setAccessibleName(tr("Zamknout horní mez %1. čísla").arg(i + 1));
        whole[i]->setAccessibleName(tr("Bez desetinné části %1. čísla").arg(i + 1));
        if (i < 4)
            operatorSlots[i]->setAccessibleName(tr("%1. operátor").arg(i + 1));
    }
    for (int n = 1; n <= 14; ++n)
        templateButton(n)->setAccessibleName(
            tr("Vzorec %1: %2").arg(n).arg(templateButton(n)->text().trimmed()));

    const std::pair<QWidget *, QString> names[] = {
        // The example panel.
        {f.Edit2, tr("Odpověď")},
        {f.Gauge1, tr("Průběh generování příkladu")},
        {f.Gauge2, tr("Průběh zkoušení")},
        {f.EditExp2, tr("Kontrolní výpočet")},
        // The parameters.
        {f.TrackBar1, tr("Počet příkladů zkoušení")},
        {f.BBox1, tr("Setiny")},
        {f.BBox21, tr("Jen záporné výsledky")},
        {f.BBox6, tr("Náhodný výběr vzorců")},
        {f.SpeedButton9, tr("Další příklad")},
        {f.SB1, tr("Nastavení")},
        // The results page.
        {f.ListBox1, tr("Výpis příkladů")},
        {f.SpeedButton1, tr("Uložit výpis příkladů")},
        {f.SpeedButton15, tr("Přehled výsledků žáka")},
        {f.ListBox2, tr("Vlastnosti programu")},
        {f.SB10, tr("Vlastní obrázky")},
        {f.SB8, tr("Zvuková signalizace")},
        {f.SB9, tr("Zobrazovat výsledky")},
        {f.SB11, tr("Zapisovat všechny příklady")},
        {f.SB14, tr("Limitovaná odpověď")},
        {f.SB6, tr("Odfiltrovat nuly ze zadání")},
        {f.SB16, tr("Domácí stránka programu")},
        {f.SB19, tr("Formát zobrazení výsledků")},
        {f.SB3, tr("Zpřístupnit vzorce")},
        {f.DirTree, tr("Složka s obrázky")},
        {f.TrackBar2, tr("Hranice generovacího procesu")},
        {f.SpinEdit13, tr("Délka prodlevy na odpověď")},
        {f.ComboBox5, tr("Písmo panelu")},
        {f.SpinEdit11, tr("Exponent")},
        {f.ScaledImage1, tr("Obrázek")},
        {f.ComboBox6, tr("Akce filtru výsledků")},
        {f.Edit1, tr("Hodnota filtru výsledků")},
        {f.SpinEdit12, tr("Počet vzorců ke generování")},
        {f.ComboBox8, tr("Jazyk")},
        // The worksheet page.
        {f.EBox1, tr("Pracovní list")},
        {f.SpeedButton3, tr("Vygenerovat příklady")},
        {f.SpeedButton10, tr("Vypočítat příklady")},
        {f.SpeedButton2, tr("Smazat příklady")},
        {f.SpeedButton13, tr("Otevřít soubor s příklady")},
        {f.SpeedButton11, tr("Uložit příklady do souboru")},
        {f.SpeedButton4, tr("Exportovat příklady")},
        {f.SpeedButton14, tr("Tisk a PDF pracovního listu")},
        {f.SpeedButton16, tr("Celá třída")},
        {f.ComboBox7, tr("Jméno žáka")},
        // The status bar.
        {f.StatusBarPro1, tr("Stavový řádek")},
        {f.SpeedButton12, tr("Zastavit")},
        {f.EditExp1, tr("Výraz kalkulačky")},
        {f.SpeedButton7, tr("Kalkulačka")},
    };
    for (const auto &[control, name] : names)
        control->setAccessibleName(name);
    // A combo box's typing field and list are parts of it, named after it.
    for (QComboBox *box : findChildren<QComboBox *>()) {
        if (QLineEdit *edit = box->lineEdit())
            edit->setAccessibleName(box->accessibleName());
        box->view()->setAccessibleName(tr("%1: nabídka").arg(box->accessibleName()));
    }

    // Labels that show a value say what it is.
    const std::pair<QWidget *, QString> captions[] = {
        {f.LabelF1, tr("Příklad")},
        {f.Label8, tr("Vložený výsledek")},
        {f.Label10, tr("Počet příkladů a časy")},
        {f.Label11, tr("Údaje o příkladu")},
        {f.Label3D1, tr("Správný výsledek")},
        {f.Label3D7, tr("Celkový počet příkladů")},
        {f.Label3D8, tr("Počet správných odpovědí")},
        {f.Label3D9, tr("Počet chybných odpovědí")},
        {f.Label3D10, tr("Zbývá zodpovědět")},
        {f.Label3D12, tr("Úspěšnost")},
        {f.Label3D14, tr("Čas úkolu")},
        {f.Label3D16, tr("Nejlepší body")},
        {f.Label3D15, tr("Body")},
        {f.SText1, tr("Počet vzorců")},
        {f.Label3D18, tr("Číslo obrázku")},
        {f.Label3D20, tr("Jméno")},
        {f.Label3D24, tr("Zkontrolováno")},
        {f.Label3D23, tr("Správně")},
        {f.Label3D22, tr("Nevyřešeno")},
        {f.Label3D21, tr("Chyby")},
    };
    for (const auto &[label, caption] : captions)
        Accessibility::setCaption(label, caption);

    // The hints, as the status bar shows them, describe the controls.
    for (QWidget *control : findChildren<QWidget *>())
        if (!control->statusTip().isEmpty() && control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(control->statusTip());
}

// The example as shown, and in words for the answer field, which keeps the focus from one
// example to the next.
void TNumlet::describeExample()
{
    // Called for every example of a worksheet too: the words are looked up once.
    if (!spokenWords) {
        auto words = std::make_shared<SpokenWords>();
        words->plus = tr("plus").toStdString();
        words->minus = tr("mínus").toStdString();
        words->times = tr("krát").toStdString();
        words->dividedBy = tr("děleno").toStdString();
        words->power = tr("na").toStdString();
        words->squareRoot = tr("odmocnina z").toStdString();
        words->openBracket = tr("levá závorka").toStdString();
        words->closeBracket = tr("pravá závorka").toStdString();
        words->equals = tr("je").toStdString();
        spokenWords = std::move(words);
    }
    const QString spoken =
        QString::fromStdString(SpokenExample(ui->LabelF1->text().toStdString(), *spokenWords));
    ui->LabelF1->setAccessibleDescription(spoken);
    ui->Edit2->setAccessibleDescription(spoken);
}

void TNumlet::announceVerdict()
{
    QString text = ui->Label1->text();
    if (text.isEmpty())
        return;
    if (ui->SB9->isChecked() && ui->Label3D1->text() != QLatin1String("0"))
        text += QLatin1Char(' ') + tr("Správný výsledek je %1.").arg(ui->Label3D1->text());
    Accessibility::announce(ui->Label1, text);
}

void TNumlet::announceRunEnd()
{
    Accessibility::announce(ui->Label1,
                            tr("Konec zkoušení. Správně %1, chybně %2, úspěšnost %3, body %4.")
                                .arg(ui->Label3D8->text(), ui->Label3D9->text(),
                                     ui->Label3D12->text(), ui->Label3D15->text()));
}
