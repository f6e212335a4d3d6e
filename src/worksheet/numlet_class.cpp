// The whole class: the worksheet toolbar's button opens the class window, which makes the
// variants through the window's own generation.

#include "app/decimalseparator.h"
#include "app/numlet.h"
#include "app/platform.h"
#include "ui_numlet.h"
#include "worksheet/numlet_classwindow.h"

#include <QToolButton>

void TNumlet::SpeedButton16Click()
{
    TClassWindow::Setup setup;
    for (int i = 0; i < ui->ComboBox7->count(); ++i)
        setup.names << ui->ComboBox7->itemText(i);
    setup.folder = programFolder;
    setup.sep = DecimalSeparator();
    setup.fullPrecision = ui->SB19->isChecked();
    setup.examples = ui->TrackBar1->value();
    setup.seed = std::uint32_t(Platform::currentDateTime().toMSecsSinceEpoch());
    setup.generate = [this](std::uint32_t seed) { return GenerateVariant(seed); };
    setup.stopGeneration = [this] { drill.stopRequest = -1; };
    auto *window = new TClassWindow(setup, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The program's own sequence goes on afterwards as if no variant had been drawn.
    connect(window, &QDialog::finished, this,
            [this, seed = random.seed()] { random.setSeed(seed); });
    window->open();
}
