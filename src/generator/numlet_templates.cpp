// The formula templates in the window: the formulas switch, the template count and the coloured
// template captions.

#include "app/numlet.h"
#include "generator/templates.h"
#include "ui_numlet.h"

void TNumlet::SB3Click()
{
    const bool open = ui->SB3->isChecked();
    // Rows 3 to 5 and slots 2 to 4 serve the templates only (S3 to S5 stay as they are).
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui->Panel5, ui->SpinEdit3, ui->SpinEdit4, ui->SpinEdit10, ui->SpinEdit7, ui->SpinEdit8,
             ui->SpinEdit9, ui->CheckBox3, ui->CheckBox4, ui->CheckBox5, ui->ComboBox2,
             ui->ComboBox3, ui->ComboBox4, ui->BBox6})
        control->setEnabled(open);
    if (!open) {
        ui->BBox6->setChecked(false);
        pressTemplateButton(1);
        generation.templateIndex = 0;
    }
    NextExample();
}

void TNumlet::SpinEdit12Change()
{
    ui->SText1->setText(ui->SpinEdit12->text());
}

// Template 1 keeps its caption's colour either way.
void TNumlet::BBox17Click()
{
    const bool coloured = ui->BBox17->isChecked();
    for (int i = 2; i <= TemplateCount; ++i) {
        setTextColour(templateButton(i), {QPalette::ButtonText},
                      coloured ? templateColour(TemplateAt(i), palette())
                               : palette().color(QPalette::WindowText));
    }
}

void TNumlet::connectTemplateHandlers()
{
    bindHandler(ui->SB3, &QToolButton::clicked, &TNumlet::SB3Click);
    bindHandler(ui->SpinEdit12, &QSpinBox::valueChanged, &TNumlet::SpinEdit12Change);
    bindHandler(ui->BBox17, &QCheckBox::clicked, &TNumlet::BBox17Click);
}
