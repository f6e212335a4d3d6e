// Practice-mode handlers of the answer panel.

#include "app/numlet.h"
#include "ui_numlet.h"

void TNumlet::SpeedButton9Click()
{
    NextExample();
    ui->Edit2->setFocus();
}
