#pragma once

#include "worksheet/classbatch.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QChartView;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QTableView;
class QTabWidget;
class ClassTableModel;

// The "Celá třída" window of the worksheet page. Its first page makes a worksheet variant for
// every pupil of the names list (or a number of unnamed ones) from the current parameters, one
// file each in a folder, and prints them all in one go; its second corrects every returned sheet
// of a folder at once and shows the class table, the examples the class got wrong most and a
// chart of the success rates, which export as CSV and print. What it decides is the engine's
// (worksheet/classbatch.h); the variants themselves come from the main window's generation.
class TClassWindow : public QDialog
{
    Q_OBJECT
public:
    struct Setup
    {
        QStringList names;          // the names list
        QString folder;             // where the folder dialogs start
        char sep = ',';             // the decimal separator
        bool fullPrecision = false; // "Formát zobrazení výsledků"
        int examples = 0;           // examples per sheet, as Generate makes them
        std::uint32_t seed = 0;     // proposed; the user may type another
        // One variant's lines from its seed; nullopt when Stop ended it.
        std::function<std::optional<QStringList>(std::uint32_t seed)> generate;
        std::function<void()> stopGeneration;
    };

    TClassWindow(const Setup &setup, QWidget *parent);
    ~TClassWindow() override;

    // The rows of the last correction, in the table's order.
    QList<ClassRow> tableRows() const;

protected:
    bool event(QEvent *event) override; // hints into the window's own status bar
    void reject() override;             // no close while work runs

private:
    QWidget *makeVariantsPage();
    QWidget *makeCorrectionPage();
    void chooseFolder(QLineEdit *edit);
    VariantPlan plan() const;
    void makeVariants();
    void printVariants();
    void correctFolder();
    void showRows(const QList<ClassRow> &rows);
    void exportTable();
    void printTable();
    void setBusy(bool busy);
    QString variantTitle(const VariantFile &variant, int index) const;

    Setup setup;
    bool busy = false;
    bool stopRequested = false;
    QTabWidget *Pages = nullptr;
    QRadioButton *NamesChoice = nullptr;
    QRadioButton *UnnamedChoice = nullptr;
    QSpinBox *UnnamedCount = nullptr;
    QLineEdit *SeedEdit = nullptr;
    QLineEdit *VariantsFolder = nullptr;
    QPushButton *MakeButton = nullptr;
    QPushButton *PrintVariantsButton = nullptr;
    QLineEdit *CorrectFolder = nullptr;
    QPushButton *CorrectButton = nullptr;
    QTableView *ClassTable = nullptr;
    ClassTableModel *model = nullptr;
    QListWidget *Mistakes = nullptr;
    QChartView *ClassChart = nullptr;
    QPushButton *ExportButton = nullptr;
    QPushButton *PrintTableButton = nullptr;
    QProgressBar *Progress = nullptr;
    QPushButton *StopButton = nullptr;
    QPushButton *CloseButton = nullptr;
    QStatusBar *Hints = nullptr;
};
