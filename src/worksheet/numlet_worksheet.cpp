// Worksheets in the window: clearing, generating, computing and exporting, with their progress,
// elapsed time and the status-bar Stop. The lines are the items of EBox1.

#include "app/asker.h"
#include "app/decimalseparator.h"
#include "app/numlet.h"
#include "app/platform.h"
#include "drill/examineefile.h"
#include "generator/numlet_framepacer.h"
#include "ui_numlet.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheetfile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QScopeGuard>

namespace {
const QColor RunningBar(0, 255, 255); // aqua while a computation runs
const QColor IdleBar(0, 255, 0);      // lime
} // namespace

void TNumlet::connectWorksheetHandlers()
{
    bindHandler(ui->SpeedButton2, &QToolButton::clicked, &TNumlet::SpeedButton2Click);
    bindHandler(ui->SpeedButton3, &QToolButton::clicked, &TNumlet::SpeedButton3Click);
    bindHandler(ui->SpeedButton10, &QToolButton::clicked, &TNumlet::SpeedButton10Click);
    bindHandler(ui->SpeedButton4, &QToolButton::clicked, &TNumlet::SpeedButton4Click);
    bindHandler(ui->SpeedButton11, &QToolButton::clicked, &TNumlet::SpeedButton11Click);
    bindHandler(ui->SpeedButton13, &QToolButton::clicked, &TNumlet::SpeedButton13Click);
    bindHandler(ui->BBox20, &QAbstractButton::clicked, &TNumlet::BBox20Click);
    bindHandler(ui->SpeedButton16, &QToolButton::clicked, &TNumlet::SpeedButton16Click);
}

QStringList TNumlet::worksheetItems() const
{
    QStringList items;
    items.reserve(ui->EBox1->count());
    for (int i = 0; i < ui->EBox1->count(); ++i)
        items.append(ui->EBox1->item(i)->text());
    return items;
}

// "Blokovat zpomalující akce ": the example display gives way to a caption while a long
// operation runs.
void TNumlet::showBusy(const QString &caption)
{
    if (!ui->BBox7->isChecked())
        return;
    ui->Label3D25->setText(caption);
    ui->LabelF1->hide();
    ui->Label3->hide();
    ui->Edit2->resize(0, ui->Edit2->height());
}

void TNumlet::endBusy()
{
    ui->Label3D25->clear();
    ui->LabelF1->show();
    ui->Label3->show();
    ui->Edit2->resize(126, ui->Edit2->height());
}

void TNumlet::SpeedButton2Click()
{
    ClearWorksheet();
}

void TNumlet::ClearWorksheet()
{
    ui->EBox1->clear();
    ui->Gauge1->setValue(0);
    ui->Gauge2->setValue(0);
    ui->Label8->setText(QStringLiteral("0"));
    ui->Label10->setText(QStringLiteral("0:00:00.000"));
    worksheet.fileName.clear();
    generation.candidateCounter = 0;
    for (QLabel *label :
         {ui->Label3D20, ui->Label3D21, ui->Label3D22, ui->Label3D23, ui->Label3D24})
        label->setText(QStringLiteral("-"));
    // No file is set, so no file name stays behind in the hint either.
    ui->Label3D20->setStatusTip(QString());
    ui->Label3D20->setToolTip(QString());
}

void TNumlet::ShowElapsed()
{
    ui->Label10->setText(ElapsedText(worksheet.endTick - worksheet.startTick, QLocale()));
}

void TNumlet::SpeedButton3Click()
{
    if (ui->BBox15->isChecked())
        ui->EBox1->clear();
    generateWorksheet(
        ui->EBox1->count(),
        [this](const QString &line) {
            ui->EBox1->addItem(line);
            return ui->EBox1->count();
        },
        true);
}

// A variant is the worksheet that Generate makes from its seed at the start, before any example:
// the same draws from the same state.
std::optional<QStringList> TNumlet::GenerateVariant(std::uint32_t seed)
{
    random.setSeed(seed);
    std::fill(std::begin(generation.operands), std::end(generation.operands), 0.0);
    std::fill(std::begin(generation.decimalParts), std::end(generation.decimalParts), 0.0);
    generation.operatorDraw = 0;
    QStringList lines;
    const bool finished = generateWorksheet(
        0,
        [&lines](const QString &line) {
            lines.append(line);
            return int(lines.size());
        },
        false);
    if (!finished)
        return std::nullopt;
    return lines;
}

bool TNumlet::generateWorksheet(int lines, const std::function<int(const QString &line)> &add,
                                bool signalEnd)
{
    worksheet.startTick = 0;
    worksheet.endTick = 0;
    // An examination run keeps its parameters locked after the worksheet is done.
    const bool parametersEnabled = ui->Panel7->isEnabled();
    ui->Panel7->setEnabled(false);
    ui->Panel3->setEnabled(false);
    drill.stopRequest = 0;
    const int count = ui->TrackBar1->value();
    ui->Gauge2->setMaximum(count);
    showBusy(tr("Sestavuji příklady dle zadaných parametrů..."));

    // However the loop ends (done, Stop, an error of the next-example cycle), the window comes
    // back whole.
    bool finished = false;
    const auto end = qScopeGuard([&] {
        if (ui->Gauge2->value() == ui->Gauge2->maximum())
            ui->Gauge2->setValue(0);
        ui->Gauge1->setValue(0);
        endBusy();
        ui->PageControl1->setEnabled(true);
        ui->Panel3->setEnabled(true);
        ui->Panel7->setEnabled(parametersEnabled);
        if (finished && signalEnd) {
            Platform::flashTaskBar(this);
            PlaySound(QStringLiteral("Go"));
        }
    });
    const FramePacer::Busy paced(framePacer);
    const auto stopped = [this] {
        QCoreApplication::processEvents();
        return drill.stopRequest != 0;
    };

    worksheet.startTick = Platform::tickCount();
    for (int i = 1; i <= count; ++i) {
        NextExample();
        ui->Gauge2->setValue(i);
        if (KeepsGeneratedExample(ui->Gauge1->value())) {
            lines = add(GeneratedLine(ui->LabelF1->text()));
            if (stopped())
                return false;
        }
        worksheet.endTick = Platform::tickCount();
        if (stopped())
            return false;
        if (ui->BBox9->isChecked()) {
            ShowElapsed();
            ui->Label8->setText(ProgressText(generation.candidateCounter, lines));
        }
    }
    finished = true;
    return true;
}

void TNumlet::SpeedButton10Click()
{
    if (ui->EBox1->count() == 0)
        return;
    worksheet.startTick = 0;
    worksheet.endTick = 0;
    drill.stopRequest = 0;
    QStringList lines = worksheetItems();
    if (IsWorksheetComputed(lines))
        return;
    TGauge *gauge = ui->Gauge2;
    gauge->setValue(0);
    gauge->setMaximum(int(lines.size()));
    gauge->setBarColor(RunningBar);
    // An examination run keeps the calculator locked after the computation.
    const bool calculatorEnabled = ui->SpeedButton7->isEnabled();
    ui->Panel3->setEnabled(false);
    ui->SpeedButton7->setEnabled(false);
    showBusy(tr("Počítám zadané příklady..."));

    // The end steps run also after Stop and after an answer that is not a number, so the
    // window is usable again and the lines computed so far keep their results.
    bool finished = false;
    const auto end = qScopeGuard([&] {
        worksheet.endTick = Platform::tickCount();
        if (ui->BBox9->isChecked())
            ShowElapsed();
        ui->Panel3->setEnabled(true);
        ui->SpeedButton7->setEnabled(calculatorEnabled);
        endBusy();
        if (gauge->value() == gauge->maximum() - 1)
            gauge->setValue(0);
        gauge->setBarColor(IdleBar);
        if (finished)
            Platform::flashTaskBar(this);
    });
    const FramePacer::Busy paced(framePacer);

    // The labels as they stand: a label without lines keeps its earlier text.
    const CountTexts texts{ui->Label3D23->text(), ui->Label3D22->text(), ui->Label3D21->text()};
    const auto countLabel = [this](LineState state) {
        return state == LineState::Correct    ? ui->Label3D23
               : state == LineState::Unsolved ? ui->Label3D22
                                              : ui->Label3D21;
    };
    const bool blocking = ui->BBox7->isChecked();
    ui->EditExp1->setMask(QStringLiteral("0.00"));
    worksheet.startTick = Platform::tickCount();
    const CorrectionOutcome outcome = CorrectWorksheet(
        lines, DecimalSeparator(), ui->SB19->isChecked(), texts,
        [] { return TrailerDateTime(Platform::currentDateTime(), QLocale()); },
        [&](qsizetype i, const LineResult &line, const WorksheetCounts &counts) {
            QListWidgetItem *item = ui->EBox1->item(int(i));
            if (!item)
                return false;
            if (line.state != LineState::NoEquals)
                ui->EditExp1->setText(line.evaluationText); // the open calculator shows it
            if (item->text() != line.computedLine)
                item->setText(line.computedLine);
            if (const int n = counts.count(line.state))
                countLabel(line.state)->setText(QString::number(n));
            gauge->setValue(int(i));
            QCoreApplication::processEvents();
            if (!blocking)
                QCoreApplication::processEvents();
            return drill.stopRequest == 0;
        });
    if (!outcome.compute.finished)
        return;
    ui->EBox1->addItem(lines.last()); // the trailer, with the counts the labels show
    finished = true;
}

void TNumlet::SpeedButton4Click()
{
    if (ui->EBox1->count() == 0)
        return;
    // The toolbar stays locked while messages run, so nothing changes the list under the export.
    ui->Panel3->setEnabled(false);
    showBusy(tr("Exportuji uvedené příklady..."));
    const auto end = qScopeGuard([this] {
        endBusy();
        ui->Panel3->setEnabled(true);
    });
    QCoreApplication::processEvents();

    worksheet.fileName = ExportTarget(worksheet.fileName);
    const QString target = worksheet.fileName;
    // After opening a pupil's file and generating anew, the export would replace the answers.
    if (FileHoldsAnswers(target) && !Asker::ask(OverwriteQuestion(target)))
        return;
    WriteExportFile(target, worksheetItems(), ui->BBox8->isChecked());
    // The file is written either way; without an editor the teacher still learns where it is.
    if (!Platform::openInTextEditor(target))
        ErrorReport::report(EditorFailure(target));
}
