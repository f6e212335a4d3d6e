// Practice-mode handlers of the answer panel.

#include "app/numlet.h"
#include "ui_numlet.h"

void TNumlet::connectDrillHandlers()
{
    bindHandler(ui->SpeedButton9, &QToolButton::clicked, &TNumlet::SpeedButton9Click);
}

void TNumlet::SpeedButton9Click()
{
    NextExample();
    ui->Edit2->setFocus();
}
