#pragma once

#include "drill/history.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class TFileDialog;
class HistoryTableModel;

// The "Přehled" window: a pupil's examination runs from the history as a table (newest first,
// sortable) and a chart of the success rate and the points over time; "Vše" shows everyone, one
// series per pupil. The table can be exported in the history's own format. What it shows is
// worked out by drill/overview.h.
class TOverview : public QDialog
{
    Q_OBJECT
public:
    static QString AllPupils(); // "Vše"

    // pupils: the names the chooser offers besides "Vše" (the names list and the history's);
    // current: the pupil shown first, "Vše" when empty or unknown; damaged: the lines of the
    // file that could not be read, mentioned so that nobody wonders about a missing run.
    TOverview(QList<HistoryRun> runs, const QStringList &pupils, const QString &current,
              int damaged, const QString &exportFolder, QWidget *parent);
    ~TOverview() override;

    void choosePupil(const QString &name);
    QString pupil() const; // the chosen name, or "Vše"
    // The runs in the table's order.
    QList<HistoryRun> tableRuns() const;

private:
    void showPupil();
    void showChart();
    void exportTable();

    QList<HistoryRun> allRuns;
    int damagedLines = 0;
    QComboBox *ComboBox1 = nullptr; // pupil
    QComboBox *ComboBox2 = nullptr; // the measure charted for everyone
    QLabel *Summary = nullptr;
    QTableView *Table = nullptr;
    HistoryTableModel *model = nullptr;
    QChartView *ChartView = nullptr;
    QPushButton *ExportButton = nullptr;
    TFileDialog *SaveDialog1 = nullptr;
};
