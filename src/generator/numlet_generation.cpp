// The example generator in the window: gathers the parameters from the controls, lets the engine
// compose a candidate and shows it.

#include "app/comboboxchange.h"
#include "app/decimalseparator.h"
#include "app/errorreport.h"
#include "app/numlet.h"
#include "generator/numlet_framepacer.h"
#include "generator/parameters.h"
#include "generator/templates.h"
#include "ui_numlet.h"

GenerationParams TNumlet::readGenerationParams() const
{
    GenerationParams p;
    const TSpinEdit *lowers[5] = {ui->SpinEdit5, ui->SpinEdit6, ui->SpinEdit7, ui->SpinEdit8,
                                  ui->SpinEdit9};
    const TSpinEdit *uppers[5] = {ui->SpinEdit1, ui->SpinEdit2, ui->SpinEdit3, ui->SpinEdit4,
                                  ui->SpinEdit10};
    const QCheckBox *locks[5] = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4,
                                 ui->CheckBox5};
    const QToolButton *whole[5] = {ui->S1, ui->S2, ui->S3, ui->S4, ui->S5};
    const QComboBox *slotBoxes[4] = {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4};
    for (int k = 0; k < 5; ++k) {
        p.lower[k] = lowers[k]->value();
        p.upper[k] = uppers[k]->value();
        p.locked[k] = locks[k]->isChecked();
        p.noDecimals[k] = whole[k]->isChecked();
    }
    for (int k = 0; k < 4; ++k)
        p.slotRandom[k] = slotBoxes[k]->currentText() == QLatin1String("~");
    p.decimals = ui->BBox2->isChecked();
    p.hundredths = ui->BBox1->isChecked();
    p.filterZero = ui->SB6->isChecked();
    p.addSubOnly = ui->BBox5->isChecked();
    p.powers = ui->BBox18->isChecked();
    p.logicRules = ui->BBox14->isChecked();
    p.exponentRange = ui->BBox16->isChecked();
    p.exponent = ui->SpinEdit11->value();
    p.randomTemplate = ui->BBox6->isChecked();
    p.templateCount = ui->SpinEdit12->value();
    return p;
}

void TNumlet::ChooseOperators()
{
    ::ChooseOperators(readGenerationParams(), generation, random);
}

QToolButton *TNumlet::templateButton(int number) const
{
    // Without "Blokovat zpomalující akce " every candidate presses a button: no search by name.
    static QToolButton *Ui::TNumlet::*const buttons[TemplateCount] = {
        &Ui::TNumlet::Speed_1,  &Ui::TNumlet::Speed_2,  &Ui::TNumlet::Speed_3,
        &Ui::TNumlet::Speed_4,  &Ui::TNumlet::Speed_5,  &Ui::TNumlet::Speed_6,
        &Ui::TNumlet::Speed_7,  &Ui::TNumlet::Speed_8,  &Ui::TNumlet::Speed_9,
        &Ui::TNumlet::Speed_10, &Ui::TNumlet::Speed_11, &Ui::TNumlet::Speed_12,
        &Ui::TNumlet::Speed_13, &Ui::TNumlet::Speed_14};
    return (*ui).*buttons[number - 1];
}

// The template buttons form one group in which at most one is down and all may be up.
void TNumlet::pressTemplateButton(int number)
{
    for (int i = 1; i <= TemplateCount; ++i)
        templateButton(i)->setChecked(i == number);
}

QColor TNumlet::templateColour(const FormulaTemplate &t, const QPalette &palette)
{
    switch (t.colour) {
    case FormulaTemplate::Colour::WindowText:
        return palette.color(QPalette::WindowText);
    case FormulaTemplate::Colour::ActiveCaption:
        return QColor(0x00, 0x54, 0xE3); // the system's active-caption colour
    case FormulaTemplate::Colour::Highlight:
        return palette.color(QPalette::Highlight);
    case FormulaTemplate::Colour::Fixed:
        break;
    }
    return QColor::fromRgb(t.rgb);
}

// Sets the text colour in every colour group. Resolving and spreading a palette costs more than
// composing the candidate, and most candidates keep the colour, so an equal one is left alone.
static void setExampleColour(QWidget *label, const QColor &colour)
{
    const QPalette &current = label->palette();
    bool same = true;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        same = same && current.isBrushSet(group, QPalette::WindowText) &&
               current.color(group, QPalette::WindowText) == colour;
    if (same)
        return;
    QPalette p = current;
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

void TNumlet::GenerateExample()
{
    const std::string text =
        GenerateCandidate(readGenerationParams(), generation, random, DecimalSeparator());

    QColor colour = palette().color(QPalette::WindowText);
    ui->LabelF1->setText(QString::fromStdString(text));
    if (ui->BBox17->isChecked())
        colour = templateColour(TemplateAt(generation.templateIndex), palette());
    setExampleColour(ui->LabelF1, colour);
    setExampleColour(ui->Label3, colour);
    if (!ui->BBox7->isChecked())
        pressTemplateButton(generation.templateIndex == 0 ? 1 : generation.templateIndex);
}

void TNumlet::operatorSlotChange(int slot)
{
    const QComboBox *slotBoxes[4] = {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4};
    const QString text = slotBoxes[slot]->currentText();
    if (const auto op = SlotOperator(text.toStdString()))
        generation.operators[slot] = *op;
    ChooseOperators();
    NextExample();
    ui->Edit2->setFocus();
}

void TNumlet::ComboBox1Change()
{
    operatorSlotChange(0);
}
void TNumlet::ComboBox2Change()
{
    operatorSlotChange(1);
}
void TNumlet::ComboBox3Change()
{
    operatorSlotChange(2);
}
void TNumlet::ComboBox4Change()
{
    operatorSlotChange(3);
}

void TNumlet::Speed_Click(int number)
{
    if (!templateButton(number)->isChecked())
        return; // the click raised the button
    pressTemplateButton(number);
    generation.templateIndex = number;
    NextExample();
    ui->Edit2->setFocus();
}

void TNumlet::connectGenerationHandlers()
{
    framePacer = new FramePacer(this);
    // The acceptance evaluator is never shown: it gets every candidate's text, but no layout of
    // it, which would cost a third of a hidden cycle.
    ui->EditExp2->setEchoMode(QLineEdit::NoEcho);
    QComboBox *slotBoxes[4] = {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4};
    void (TNumlet::*handlers[4])() = {&TNumlet::ComboBox1Change, &TNumlet::ComboBox2Change,
                                      &TNumlet::ComboBox3Change, &TNumlet::ComboBox4Change};
    for (int k = 0; k < 4; ++k) {
        // The user's changes only: typing into the slot, or another entry from its list.
        ComboBoxChange::install(slotBoxes[k],
                                [this, handler = handlers[k]] { (this->*handler)(); });
    }
    for (int i = 1; i <= TemplateCount; ++i)
        connect(templateButton(i), &QToolButton::clicked, this,
                [this, i] { ErrorReport::guarded([this, i] { Speed_Click(i); }); });
    connectParameterHandlers();
    connectTemplateHandlers();
}
