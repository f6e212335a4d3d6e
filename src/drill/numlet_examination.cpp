// Examination runs: Start and Stop, the examinee's name, saving the log, and the status-bar Stop
// that ends long worksheet operations.

#include "app/asker.h"
#include "app/comboboxchange.h"
#include "app/eventhook.h"
#include "app/numlet.h"
#include "drill/examineefile.h"
#include "drill/examlog.h"
#include "textfile/textfile.h"
#include "ui_numlet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

void TNumlet::connectExaminationHandlers()
{
    bindHandler(ui->SpeedButton6, &QToolButton::clicked, &TNumlet::SpeedButton6Click);
    bindHandler(ui->SpeedButton5, &QToolButton::clicked, &TNumlet::SpeedButton5Click);
    bindHandler(ui->SpeedButton1, &QToolButton::clicked, &TNumlet::SpeedButton1Click);
    bindHandler(ui->SpeedButton12, &QToolButton::clicked, &TNumlet::SpeedButton12Click);
    bindHandler(ui->SpeedButton15, &QToolButton::clicked, &TNumlet::SpeedButton15Click);
    // The name changes by typing or by choosing from the list.
    ComboBoxChange::install(ui->ComboBox7, [this] { ComboBox7Change(); });

    // From the answer field the Tab key reaches Start, Stop, the log and overview buttons on the
    // results page (numlet_keyboard.cpp); Enter presses a focused button as Space does.
    for (QToolButton *button :
         {ui->SpeedButton6, ui->SpeedButton5, ui->SpeedButton1, ui->SpeedButton15}) {
        EventHook::installFilter(button, QEvent::KeyPress, [button](QEvent *event) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
            button->click();
            return true;
        });
    }
}

void TNumlet::SpeedButton6Click()
{
    // A second Start restarts without a Stop: the run so far still counts.
    RecordRun();
    drill.RightCount = 0;
    drill.WrongCount = 0;
    drill.UnansweredCount = 0;
    drill.AnswerTicks = 0;
    drill.figuresBehind = false;
    ui->Label1->clear();
    for (QLabel *label : {ui->Label3D7, ui->Label3D8, ui->Label3D9, ui->Label3D10, ui->Label3D12})
        label->setText(QStringLiteral("0"));
    ui->Label3D14->setText(QStringLiteral("0:00:00"));
    drill.ElapsedSeconds = 0;
    ui->Label3D15->setText(QStringLiteral("0"));
    ui->ListBox1->clearRows();
    if (ui->SB1->isChecked()) {
        ui->SB1->setChecked(false);
        SB1Click();
    }
    ui->SpeedButton6->setEnabled(false);
    ui->SpeedButton7->setChecked(false);
    SpeedButton7Click();
    ui->SpeedButton7->setEnabled(false);
    ui->Panel7->setEnabled(false);
    // The overview is modal; the timers of a run must not judge behind it.
    ui->SpeedButton15->setEnabled(false);
    if (ui->SB10->isChecked())
        ShowPicture();
    BeginRunRecord();
    drill.RunStartTime = QTime::currentTime();
    enableTimer(Timer1);
    drill.RunActive = true;
    if (AnswerLimit() > 0)
        enableTimer(Timer3);
    NextExample();
    ui->Label3D7->setText(QString::number(ExampleCount()));
    ui->Edit2->clear();
    ui->Edit2->setFocus();
}

void TNumlet::SpeedButton5Click()
{
    // Before the counters go: the run so far goes into the history.
    RecordRun();
    if (drill.RunActive)
        announceRunEnd();
    Timer1->stop();
    Timer3->stop();
    drill.RunActive = false;
    drill.RightCount = 0;
    drill.WrongCount = 0;
    drill.UnansweredCount = 0;
    ui->Panel7->setEnabled(true);
    ui->SpeedButton15->setEnabled(true);
    if (!ui->SpeedButton6->isEnabled())
        ShowAboutPicture();
    ui->SpeedButton6->setEnabled(!ui->ComboBox7->currentText().isEmpty());
    ui->SpeedButton7->setEnabled(true);
}

void TNumlet::SpeedButton1Click()
{
    const QString name = ui->ComboBox7->currentText();
    // An empty log writes nothing, so it never replaces a file with an empty one.
    if (name.isEmpty() || ui->ListBox1->rowCount() == 0)
        return;
    const QString path = ExamineeFilePath(programFolder, name);
    // The pupil's worksheet has the same name.
    if (QFileInfo::exists(path) && !Asker::ask(OverwriteQuestion(path)))
        return;
    QStringList rows;
    for (int row = 0; row < ui->ListBox1->rowCount(); ++row)
        rows << ui->ListBox1->cellText(row, 2);
    WriteFileBytes(path, LogFileBytes(rows));
}

void TNumlet::SpeedButton12Click()
{
    drill.stopRequest = -1;
    QCoreApplication::processEvents();
    ui->BBox6->setChecked(false);
    ui->BBox19->setChecked(false);
    generation.templateIndex = 0;
    ui->Edit2->resize(126, ui->Edit2->height());
    ui->Edit2->setVisible(true);
    ui->Edit2->setFocus();
    ui->PageControl1->setEnabled(true);
    ui->Panel7->setEnabled(true);
    ui->Label3D25->clear();
    ui->Gauge1->setValue(0);
    ui->Gauge2->setValue(0);
    ui->LabelF1->setVisible(true);
    ui->Label3->setVisible(true);
    ui->Panel3->setEnabled(true);
}

void TNumlet::ComboBox7Change()
{
    const bool named = !ui->ComboBox7->currentText().isEmpty();
    ui->SpeedButton1->setEnabled(named);
    ui->SpeedButton6->setEnabled(named);
}
