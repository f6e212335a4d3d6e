// The calculator field on the status bar: TEditExp instance EditExp1 and its switch SpeedButton7.

#include "app/errorreport.h"
#include "app/numlet.h"
#include "editexp/numbertext.h"
#include "ui_numlet.h"

#include <QKeyEvent>
#include <QLocale>

void TNumlet::SpeedButton7Click()
{
    TEditExp *field = ui->EditExp1;
    QPalette colours = field->palette();
    if (ui->SpeedButton7->isChecked()) {
        field->resize(324, field->height());
        field->setEnabled(true);
        colours.setColor(QPalette::Base, Qt::white);
        field->setPalette(colours);
        field->clear();
        field->setFocus();
    } else {
        field->resize(0, field->height());
        colours.setColor(QPalette::Base, palette().color(QPalette::Button));
        field->setPalette(colours);
        field->setEnabled(false);
    }
}

void TNumlet::EditExp1KeyDown(int key)
{
    TEditExp *field = ui->EditExp1;
    QString copy = field->text();
    copy.replace(QLatin1Char(','), QLatin1Char('.'));
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    field->setText(copy);
    const double value = field->Value();
    if (field->HasError())
        return;
    const char separator = QLocale().decimalPoint().at(0).toLatin1();
    field->setText(QString::fromStdString(FormatGeneral(value, separator ? separator : '.')));
}
