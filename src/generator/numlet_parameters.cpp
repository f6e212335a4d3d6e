// The generation parameters in the window: the handlers that keep the controls consistent with
// each other and regenerate the example where a change shapes its text.

#include "app/comboboxchange.h"
#include "app/numlet.h"
#include "generator/itemlists.h"
#include "generator/parameters.h"
#include "ui_numlet.h"

#include <QCoreApplication>
#include <QSignalBlocker>

namespace {

std::array<TSpinEdit *, OperandRows> upperBoxes(Ui::TNumlet *ui)
{
    return {ui->SpinEdit1, ui->SpinEdit2, ui->SpinEdit3, ui->SpinEdit4, ui->SpinEdit10};
}

std::array<TSpinEdit *, OperandRows> lowerBoxes(Ui::TNumlet *ui)
{
    return {ui->SpinEdit5, ui->SpinEdit6, ui->SpinEdit7, ui->SpinEdit8, ui->SpinEdit9};
}

RowValues valuesOf(const std::array<TSpinEdit *, OperandRows> &boxes)
{
    RowValues values{};
    for (int k = 0; k < OperandRows; ++k)
        values[k] = boxes[k]->value();
    return values;
}

std::array<QComboBox *, 4> slotBoxes(Ui::TNumlet *ui)
{
    return {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4};
}

} // namespace

void TNumlet::SpinEdit1Change()
{
    const UpperChangeLimits limits = LimitsAfterUpperChange(valuesOf(upperBoxes(ui.get())));
    for (int k = 0; k < OperandRows; ++k) {
        lowerBoxes(ui.get())[k]->setMaxValue(limits.lowerMax[k]);
        upperBoxes(ui.get())[k]->setMaxValue(limits.upperMax[k]);
    }
}

void TNumlet::SpinEdit5Change()
{
    const RowValues minima = UpperMinimaAfterLowerChange(valuesOf(lowerBoxes(ui.get())));
    for (int k = 0; k < OperandRows; ++k)
        upperBoxes(ui.get())[k]->setMinValue(minima[k]);
}

void TNumlet::S1Click()
{
    ui->BBox4->setChecked(false);
}

void TNumlet::setSlotsRandom()
{
    for (QComboBox *box : slotBoxes(ui.get()))
        box->setEditText(QStringLiteral("~"));
    for (char &op : generation.operators)
        op = '~';
}

// A new list for every slot; the slot keeps its text, which need not be one of the items.
void TNumlet::loadSlotLists(const QString &name)
{
    const QStringList items = LoadItemList(programFolder, name);
    for (QComboBox *box : slotBoxes(ui.get())) {
        const QSignalBlocker quiet(box);
        const QString text = box->currentText();
        box->clear();
        box->addItems(items);
        box->setEditText(text);
    }
}

void TNumlet::BBox5Click()
{
    const bool addSubOnly = ui->BBox5->isChecked();
    if (addSubOnly)
        setSlotsRandom();
    loadSlotLists(QLatin1String(SlotListName(addSubOnly, ui->BBox18->isChecked())));
    NextExample();
}

void TNumlet::BBox18Click()
{
    setSlotsRandom();
    const int count = TemplateCountForPowers(ui->BBox18->isChecked());
    ui->SpinEdit12->setMaxValue(count);
    ui->SpinEdit12->setValue(count);
    BBox5Click();
}

// The caption of BBox3 names the sign mode chosen last; BBox21 has none of its own.
void TNumlet::BBox3Click()
{
    ui->BBox21->setChecked(false);
    ui->BBox3->setText(tr("Jen kladné výsledky"));
}

void TNumlet::BBox21Click()
{
    ui->BBox3->setChecked(false);
    ui->BBox3->setText(tr("Jen záporné výsledky"));
}

void TNumlet::BBox2Click()
{
    NextExample();
}

void TNumlet::ComboBox6Change()
{
    QComboBox *box = ui->ComboBox6;
    const int item = box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item < 0)
        return;
    const auto look = FilterLookOf(box->itemText(item).toStdString());
    if (!look)
        return;
    const QColor colour =
        look->windowText ? palette().color(QPalette::WindowText) : QColor::fromRgb(look->rgb);
    setTextColour(box, {QPalette::Text, QPalette::ButtonText}, colour);
    setHint(box, QCoreApplication::translate("Parameters", look->hint));
}

void TNumlet::Edit1Change()
{
    if (!ui->Edit1->text().isEmpty())
        return;
    ui->Edit1->setText(QStringLiteral("0"));
    // The next key typed replaces the "0" instead of joining it.
    ui->Edit1->selectAll();
}

void TNumlet::TrackBar2Change()
{
    const int limit = ui->TrackBar2->value();
    ui->Gauge1->setMaximum(limit);
    setHint(ui->TrackBar2, tr("Hranice generovacího procesu: %1").arg(limit));
    ui->Edit2->setFocus();
}

void TNumlet::TrackBar1Change()
{
    const int count = ui->TrackBar1->value();
    ui->Gauge2->setMaximum(count);
    SpeedButton5Click(); // a new number of examples ends a running examination
    setHint(ui->TrackBar1, tr("Vybráno : %1 příkladů").arg(count));
}

// A disabled control keeps the style's greyed text.
void TNumlet::setTextColour(QWidget *control, std::initializer_list<QPalette::ColorRole> roles,
                            const QColor &colour)
{
    QPalette p = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : roles)
            p.setColor(group, role, colour);
    control->setPalette(p);
}

// A control under the mouse shows its new hint at once, as it would on entering it.
void TNumlet::setHint(QWidget *control, const QString &hint)
{
    control->setStatusTip(hint);
    if (control->underMouse())
        showHint(hint);
}

void TNumlet::connectParameterHandlers()
{
    for (TSpinEdit *box : upperBoxes(ui.get()))
        bindHandler(box, &QSpinBox::valueChanged, &TNumlet::SpinEdit1Change);
    for (TSpinEdit *box : lowerBoxes(ui.get()))
        bindHandler(box, &QSpinBox::valueChanged, &TNumlet::SpinEdit5Change);
    bindHandler(ui->S1, &QToolButton::clicked, &TNumlet::S1Click);
    bindHandler(ui->S2, &QToolButton::clicked, &TNumlet::S1Click);
    bindHandler(ui->BBox5, &QCheckBox::clicked, &TNumlet::BBox5Click);
    bindHandler(ui->BBox18, &QCheckBox::clicked, &TNumlet::BBox18Click);
    bindHandler(ui->BBox3, &QCheckBox::clicked, &TNumlet::BBox3Click);
    bindHandler(ui->BBox21, &QCheckBox::clicked, &TNumlet::BBox21Click);
    bindHandler(ui->BBox1, &QCheckBox::clicked, &TNumlet::BBox2Click);
    bindHandler(ui->BBox2, &QCheckBox::clicked, &TNumlet::BBox2Click);
    // The user's changes of the relation, and the two options that bring the filter into play.
    ComboBoxChange::install(ui->ComboBox6, [this] { ComboBox6Change(); });
    bindHandler(ui->BBox4, &QCheckBox::clicked, &TNumlet::ComboBox6Change);
    bindHandler(ui->BBox19, &QCheckBox::clicked, &TNumlet::ComboBox6Change);
    bindHandler(ui->Edit1, &QLineEdit::textChanged, &TNumlet::Edit1Change);
    bindHandler(ui->TrackBar2, &QSlider::valueChanged, &TNumlet::TrackBar2Change);
    bindHandler(ui->TrackBar1, &QSlider::valueChanged, &TNumlet::TrackBar1Change);
}
