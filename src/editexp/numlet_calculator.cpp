// The calculator field on the status bar: TEditExp instance EditExp1 and its switch SpeedButton7.

#include "app/decimalseparator.h"
#include "app/eventhook.h"
#include "app/numlet.h"
#include "editexp/numbertext.h"
#include "ui_numlet.h"

#include <QKeyEvent>

void TNumlet::connectCalculatorHandlers()
{
    bindHandler(ui->SpeedButton7, &QToolButton::clicked, &TNumlet::SpeedButton7Click);
    EventHook::install(ui->EditExp1, QEvent::KeyPress, [this](QEvent *event) {
        EditExp1KeyDown(static_cast<QKeyEvent *>(event)->key());
    });
}

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
    field->setText(QString::fromStdString(FormatGeneral(value, DecimalSeparator())));
}
