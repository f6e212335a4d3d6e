// The history of examination runs: what Start records of a run, the line that its end appends,
// and the overview window of the results tab.

#include "app/numlet.h"
#include "drill/history.h"
#include "drill/numlet_overview.h"
#include "ui_numlet.h"

void TNumlet::BeginRunRecord()
{
    HistoryRun &run = drill.startedRun;
    run = HistoryRun();
    run.started = QDateTime::currentDateTime();
    run.name = ui->ComboBox7->currentText();
    run.exampleCount = ExampleCount();
    run.difficulty =
        DifficultyOf(readGenerationParams(), generation.operators, generation.templateIndex);
}

// The running examination ends (Stop, its end-of-run check, a second Start): it goes into the
// history with its final figures, unless it judged nothing.
void TNumlet::RecordRun()
{
    if (!drill.RunActive)
        return;
    // A run that ends after an unanswered example shows the figures of all its examples.
    if (drill.figuresBehind)
        ShowFigures();
    // The points as the results tab shows them.
    const auto run =
        FinishedRun(drill.startedRun, drill.RightCount, drill.WrongCount, drill.UnansweredCount,
                    drill.ElapsedSeconds, ui->Label3D15->text().toLongLong());
    if (!run)
        return;
    // A history that cannot be written is reported, and the run still ends.
    ErrorReport::guarded(
        [&] { AppendHistoryRun(programFolder + QLatin1String(HistoryFileName), *run); });
}

void TNumlet::SpeedButton15Click()
{
    const HistoryContents history = ReadHistory(programFolder + QLatin1String(HistoryFileName));
    QStringList names;
    for (int i = 0; i < ui->ComboBox7->count(); ++i)
        names << ui->ComboBox7->itemText(i);
    auto *view = new TOverview(history.runs, PupilNames(names, history.runs),
                               ui->ComboBox7->currentText(), history.damaged, programFolder, this);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->open();
}
