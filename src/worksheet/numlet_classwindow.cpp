#include "worksheet/numlet_classwindow.h"

#include "app/asker.h"
#include "app/errorreport.h"
#include "app/filedialog.h"
#include "app/platform.h"
#include "textfile/textfile.h"
#include "worksheet/numlet_printpreview.h"
#include "worksheet/trailer.h"
#include "worksheet/worksheetfile.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTabWidget>
#include <QTextDocument>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { Pupil, Correct, Wrong, Unsolved, Rate, Checked, File, State, ColumnCount };

QString rateText(double rate)
{
    return QLocale().toString(rate, 'f', 1) + QStringLiteral(" %");
}

QString kindText(ExampleKind kind)
{
    switch (kind) {
    case ExampleKind::Addition:
        return TClassWindow::tr("sčítání");
    case ExampleKind::Subtraction:
        return TClassWindow::tr("odčítání");
    case ExampleKind::Multiplication:
        return TClassWindow::tr("násobení");
    case ExampleKind::WholeDivision:
        return TClassWindow::tr("dělení beze zbytku");
    case ExampleKind::DivisionRemainder:
        return TClassWindow::tr("dělení se zbytkem");
    case ExampleKind::Power:
        return TClassWindow::tr("mocniny");
    case ExampleKind::Root:
        return TClassWindow::tr("odmocniny");
    case ExampleKind::Compound:
        return TClassWindow::tr("příklady se závorkami a více operacemi");
    }
    return {};
}

QString sizeText(OperandSize size)
{
    switch (size) {
    case OperandSize::UpTo10:
        return TClassWindow::tr("do 10");
    case OperandSize::UpTo100:
        return TClassWindow::tr("do 100");
    case OperandSize::UpTo1000:
        return TClassWindow::tr("do 1000");
    case OperandSize::Above1000:
        return TClassWindow::tr("nad 1000");
    case OperandSize::Decimal:
        return TClassWindow::tr("desetinná čísla");
    }
    return {};
}

QString mistakeText(const GroupMistakes &m)
{
    return TClassWindow::tr("%1, %2: %3 chybně (%4 z %5)")
        .arg(kindText(m.group.kind), sizeText(m.group.size), rateText(m.rate))
        .arg(m.wrong)
        .arg(m.examples);
}

QString stateText(const ClassRow &row)
{
    switch (row.status) {
    case ClassRow::Status::Corrected:
        return TClassWindow::tr("opraveno");
    case ClassRow::Status::AlreadyCorrected:
        return TClassWindow::tr("opraveno dříve");
    case ClassRow::Status::Empty:
        return TClassWindow::tr("prázdný list");
    case ClassRow::Status::Failed:
        break;
    }
    return TClassWindow::tr("nelze opravit: %1").arg(row.reason);
}

QString header(int column)
{
    static const char *const texts[ColumnCount] = {
        QT_TRANSLATE_NOOP("TClassWindow", "Žák"),
        QT_TRANSLATE_NOOP("TClassWindow", "Správně"),
        QT_TRANSLATE_NOOP("TClassWindow", "Chybně"),
        QT_TRANSLATE_NOOP("TClassWindow", "Nevyřešeno"),
        QT_TRANSLATE_NOOP("TClassWindow", "Úspěšnost"),
        QT_TRANSLATE_NOOP("TClassWindow", "Zkontrolováno"),
        QT_TRANSLATE_NOOP("TClassWindow", "Soubor"),
        QT_TRANSLATE_NOOP("TClassWindow", "Stav")};
    return QCoreApplication::translate("TClassWindow", texts[column]);
}

QString cell(const ClassRow &row, int column)
{
    const bool counted = row.status != ClassRow::Status::Failed;
    switch (column) {
    case Pupil:
        return row.pupil;
    case Correct:
        return counted ? QString::number(row.correct) : QString();
    case Wrong:
        return counted ? QString::number(row.wrong) : QString();
    case Unsolved:
        return counted ? QString::number(row.unsolved) : QString();
    case Rate:
        return counted ? rateText(row.rate) : QString();
    case Checked:
        return row.checked;
    case File:
        return row.file;
    case State:
        return stateText(row);
    }
    return {};
}

} // namespace

// The rows of the class table, sorted in place so that export and print follow what is shown.
class ClassTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<ClassRow> list)
    {
        beginResetModel();
        rows = std::move(list);
        endResetModel();
    }
    const QList<ClassRow> &allRows() const { return rows; }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(rows.size());
    }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < ColumnCount)
            return header(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rows.size())
            return {};
        const ClassRow &row = rows[index.row()];
        if (role == Qt::TextAlignmentRole) {
            const bool number = index.column() >= Correct && index.column() <= Rate;
            return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        if (role == Qt::ForegroundRole && row.status == ClassRow::Status::Failed)
            return QColor(0xa3, 0x22, 0x22);
        if (role != Qt::DisplayRole)
            return {};
        return cell(row, index.column());
    }
    void sort(int column, Qt::SortOrder order) override
    {
        const auto key = [column](const ClassRow &r) -> double {
            switch (column) {
            case Correct:
                return r.correct;
            case Wrong:
                return r.wrong;
            case Unsolved:
                return r.unsolved;
            case Rate:
                return r.rate;
            default:
                return 0;
            }
        };
        const bool numeric = column >= Correct && column <= Rate;
        const auto less = [&](const ClassRow &a, const ClassRow &b) {
            if (numeric)
                return key(a) < key(b);
            return collator.compare(cell(a, column), cell(b, column)) < 0;
        };
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        if (order == Qt::AscendingOrder)
            std::stable_sort(rows.begin(), rows.end(), less);
        else
            std::stable_sort(rows.begin(), rows.end(),
                             [&less](const auto &a, const auto &b) { return less(b, a); });
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    QList<ClassRow> rows;
    QCollator collator{QLocale(QLocale::Czech, QLocale::Czechia)};
};

TClassWindow::TClassWindow(const Setup &s, QWidget *parent) : QDialog(parent), setup(s)
{
    setObjectName(QStringLiteral("CelaTrida"));
    setWindowTitle(tr("Celá třída"));
    if (parent)
        setFont(parent->font());
    // Smaller on a small or dense screen, where the whole window must still fit.
    QSize size(860, 620);
    if (const QScreen *shown = parent ? parent->screen() : screen())
        size = size.boundedTo(shown->availableGeometry().size() * 0.95);
    resize(size);

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addTab(makeVariantsPage(), tr("&Varianty pro žáky"));
    Pages->addTab(makeCorrectionPage(), tr("&Oprava složky"));

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setAccessibleName(tr("Průběh"));
    Progress->setTextVisible(true);
    Progress->setValue(0);
    StopButton = new QPushButton(tr("S&top"), this);
    StopButton->setObjectName(QStringLiteral("StopButton"));
    StopButton->setStatusTip(tr("Zastaví práci; hotové soubory zůstanou celé, ostatní beze změny"));
    StopButton->setEnabled(false);
    CloseButton = new QPushButton(tr("Zavřít"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    Hints = new QStatusBar(this);
    Hints->setObjectName(QStringLiteral("Hints"));
    Hints->setSizeGripEnabled(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Progress, 1);
    bottom->addWidget(StopButton);
    bottom->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(bottom);
    layout->addWidget(Hints);
    layout->setContentsMargins(8, 8, 8, 0);

    connect(StopButton, &QPushButton::clicked, this, [this] {
        stopRequested = true;
        if (setup.stopGeneration)
            setup.stopGeneration();
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget *w : findChildren<QWidget *>())
        if (!w->statusTip().isEmpty() && w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(w->statusTip());
}

TClassWindow::~TClassWindow() = default;

QWidget *TClassWindow::makeVariantsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("VariantsPage"));
    NamesChoice = new QRadioButton(page);
    NamesChoice->setObjectName(QStringLiteral("NamesChoice"));
    QStringList names;
    for (const QString &name : setup.names)
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    NamesChoice->setText(tr("Pro každé &jméno ze seznamu jmen (%1)").arg(names.size()));
    NamesChoice->setStatusTip(tr("Jeden list pro každé jméno ze seznamu jmen"));
    UnnamedChoice = new QRadioButton(tr("&Bez jmen, počet listů :"), page);
    UnnamedChoice->setObjectName(QStringLiteral("UnnamedChoice"));
    UnnamedChoice->setStatusTip(tr("Listy bez jmen; žák napíše své jméno za „Žák:“"));
    UnnamedCount = new QSpinBox(page);
    UnnamedCount->setObjectName(QStringLiteral("UnnamedCount"));
    UnnamedCount->setRange(1, 500);
    UnnamedCount->setValue(25);
    UnnamedCount->setAccessibleName(tr("Počet listů bez jmen"));
    UnnamedCount->setStatusTip(tr("Kolik listů bez jmen vytvořit"));
    if (names.isEmpty()) {
        NamesChoice->setEnabled(false);
        UnnamedChoice->setChecked(true);
    } else {
        NamesChoice->setChecked(true);
    }
    UnnamedCount->setEnabled(UnnamedChoice->isChecked());
    connect(UnnamedChoice, &QRadioButton::toggled, UnnamedCount, &QSpinBox::setEnabled);
    auto *namesList = new QListWidget(page);
    namesList->setObjectName(QStringLiteral("NamesList"));
    namesList->setAccessibleName(tr("Seznam jmen"));
    namesList->addItems(names);
    namesList->setSelectionMode(QAbstractItemView::NoSelection);
    namesList->setMaximumHeight(140);

    SeedEdit = new QLineEdit(QString::number(setup.seed), page);
    SeedEdit->setObjectName(QStringLiteral("SeedEdit"));
    SeedEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,10}")), SeedEdit));
    SeedEdit->setAccessibleName(tr("Semínko"));
    SeedEdit->setStatusTip(tr(
        "Stejné semínko se stejnými parametry dá stejné listy; ztracený list tak vznikne znovu"));
    auto *seedLabel = new QLabel(tr("&Semínko :"), page);
    seedLabel->setBuddy(SeedEdit);
    auto *newSeed = new QPushButton(tr("&Nové"), page);
    newSeed->setObjectName(QStringLiteral("NewSeedButton"));
    newSeed->setStatusTip(tr("Nové semínko podle hodin"));
    connect(newSeed, &QPushButton::clicked, this, [this] {
        SeedEdit->setText(
            QString::number(std::uint32_t(Platform::currentDateTime().toMSecsSinceEpoch())));
    });

    VariantsFolder = new QLineEdit(setup.folder, page);
    VariantsFolder->setObjectName(QStringLiteral("VariantsFolder"));
    VariantsFolder->setAccessibleName(tr("Složka pro listy"));
    VariantsFolder->setStatusTip(tr("Do této složky se uloží soubor pro každého žáka"));
    auto *folderLabel = new QLabel(tr("Slo&žka :"), page);
    folderLabel->setBuddy(VariantsFolder);
    auto *chooseButton = new QPushButton(tr("Vybrat…"), page);
    chooseButton->setObjectName(QStringLiteral("ChooseVariantsFolder"));
    chooseButton->setAccessibleName(tr("Vybrat složku pro listy"));
    connect(chooseButton, &QPushButton::clicked, this, [this] { chooseFolder(VariantsFolder); });

    MakeButton = new QPushButton(tr("&Uložit listy do složky"), page);
    MakeButton->setObjectName(QStringLiteral("MakeButton"));
    MakeButton->setStatusTip(tr("Vytvoří pro každého žáka vlastní list se svými příklady"));
    PrintVariantsButton = new QPushButton(tr("&Tisk a PDF všech listů…"), page);
    PrintVariantsButton->setObjectName(QStringLiteral("PrintVariantsButton"));
    PrintVariantsButton->setStatusTip(
        tr("Všechny listy v jednom náhledu a jednom PDF, každý od nové strany, s klíči"));
    connect(MakeButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { makeVariants(); }); });
    connect(PrintVariantsButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { printVariants(); }); });

    auto *who = new QGroupBox(tr("Pro koho"), page);
    auto *whoLayout = new QGridLayout(who);
    whoLayout->addWidget(NamesChoice, 0, 0, 1, 2);
    whoLayout->addWidget(namesList, 1, 0, 1, 2);
    whoLayout->addWidget(UnnamedChoice, 2, 0);
    whoLayout->addWidget(UnnamedCount, 2, 1, Qt::AlignLeft);

    auto *form = new QGridLayout;
    form->addWidget(new QLabel(tr("Příkladů na listu :"), page), 0, 0);
    form->addWidget(new QLabel(tr("%1 (podle zadaných parametrů)").arg(setup.examples), page), 0, 1,
                    1, 2);
    form->addWidget(seedLabel, 1, 0);
    form->addWidget(SeedEdit, 1, 1);
    form->addWidget(newSeed, 1, 2);
    form->addWidget(folderLabel, 2, 0);
    form->addWidget(VariantsFolder, 2, 1);
    form->addWidget(chooseButton, 2, 2);
    form->setColumnStretch(1, 1);

    auto *actions = new QHBoxLayout;
    actions->addWidget(MakeButton);
    actions->addWidget(PrintVariantsButton);
    actions->addStretch();

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(who);
    layout->addLayout(form);
    layout->addLayout(actions);
    layout->addStretch();
    return page;
}

QWidget *TClassWindow::makeCorrectionPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("CorrectionPage"));
    CorrectFolder = new QLineEdit(setup.folder, page);
    CorrectFolder->setObjectName(QStringLiteral("CorrectFolder"));
    CorrectFolder->setAccessibleName(tr("Složka s vrácenými listy"));
    CorrectFolder->setStatusTip(tr("Složka se soubory .nlx, které žáci vyplnili"));
    auto *folderLabel = new QLabel(tr("Slo&žka :"), page);
    folderLabel->setBuddy(CorrectFolder);
    auto *chooseButton = new QPushButton(tr("Vybrat…"), page);
    chooseButton->setObjectName(QStringLiteral("ChooseCorrectFolder"));
    chooseButton->setAccessibleName(tr("Vybrat složku s vrácenými listy"));
    connect(chooseButton, &QPushButton::clicked, this, [this] { chooseFolder(CorrectFolder); });
    CorrectButton = new QPushButton(tr("O&pravit složku"), page);
    CorrectButton->setObjectName(QStringLiteral("CorrectButton"));
    CorrectButton->setStatusTip(
        tr("Opraví každý list složky jako Vypočítat; opravené dříve jen přečte"));
    connect(CorrectButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { correctFolder(); }); });

    model = new ClassTableModel(this);
    ClassTable = new QTableView(page);
    ClassTable->setObjectName(QStringLiteral("ClassTable"));
    ClassTable->setAccessibleName(tr("Tabulka třídy"));
    ClassTable->setModel(model);
    ClassTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ClassTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ClassTable->setAlternatingRowColors(true);
    ClassTable->verticalHeader()->hide();
    ClassTable->horizontalHeader()->setStretchLastSection(true);
    ClassTable->setSortingEnabled(true);
    ClassTable->horizontalHeader()->setSortIndicator(Pupil, Qt::AscendingOrder);
    ClassTable->setWordWrap(false);
    ClassTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int wide[ColumnCount] = {150, 56, 56, 56, 70, 125, 120, 0};
    for (int c = 0; c < ColumnCount; ++c)
        ClassTable->setColumnWidth(
            c, std::max(fontMetrics().horizontalAdvance(header(c)) + 22, wide[c]));

    Mistakes = new QListWidget(page);
    Mistakes->setObjectName(QStringLiteral("Mistakes"));
    Mistakes->setAccessibleName(tr("Co třídě nejde"));
    auto *mistakesLabel = new QLabel(tr("Co třídě &nejde nejvíc :"), page);
    mistakesLabel->setBuddy(Mistakes);

    ClassChart = new QChartView(new QChart, page);
    ClassChart->setObjectName(QStringLiteral("ClassChart"));
    ClassChart->setAccessibleName(tr("Graf úspěšnosti žáků"));
    ClassChart->setRenderHint(QPainter::Antialiasing);
    ClassChart->chart()->setFont(font());
    ClassChart->chart()->setTitleFont(font());
    ClassChart->chart()->legend()->hide();
    ClassChart->chart()->setMargins(QMargins(4, 4, 4, 4));

    ExportButton = new QPushButton(tr("&Export do CSV…"), page);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ExportButton->setStatusTip(tr("Uloží tabulku třídy do souboru CSV"));
    PrintTableButton = new QPushButton(tr("T&isk a PDF tabulky…"), page);
    PrintTableButton->setObjectName(QStringLiteral("PrintTableButton"));
    PrintTableButton->setStatusTip(tr("Vytiskne tabulku třídy a co třídě nejde"));
    connect(ExportButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { exportTable(); }); });
    connect(PrintTableButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { printTable(); }); });
    ExportButton->setEnabled(false);
    PrintTableButton->setEnabled(false);

    auto *top = new QHBoxLayout;
    top->addWidget(folderLabel);
    top->addWidget(CorrectFolder, 1);
    top->addWidget(chooseButton);
    top->addWidget(CorrectButton);

    auto *lower = new QWidget(page);
    auto *mistakesBox = new QVBoxLayout;
    mistakesBox->addWidget(mistakesLabel);
    mistakesBox->addWidget(Mistakes, 1);
    auto *lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(mistakesBox, 2);
    lowerLayout->addWidget(ClassChart, 3);

    auto *split = new QSplitter(Qt::Vertical, page);
    split->addWidget(ClassTable);
    split->addWidget(lower);
    split->setChildrenCollapsible(false);
    split->setSizes({220, 240});

    auto *actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(ExportButton);
    actions->addWidget(PrintTableButton);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(actions);
    return page;
}

QList<ClassRow> TClassWindow::tableRows() const
{
    return model->allRows();
}

bool TClassWindow::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        Hints->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TClassWindow::reject()
{
    if (busy)
        return; // Stop first: a half-made class must not close unseen
    QDialog::reject();
}

void TClassWindow::chooseFolder(QLineEdit *edit)
{
    TFileDialog dialog(TFileDialog::Kind::Folder, QStringLiteral("FolderDialog"), this);
    dialog.InitialDir = edit->text();
    if (dialog.Execute(this))
        edit->setText(QDir::toNativeSeparators(dialog.FileName));
}

void TClassWindow::setBusy(bool on)
{
    busy = on;
    stopRequested = false;
    StopButton->setEnabled(on);
    const bool rows = model->rowCount({}) > 0;
    for (QPushButton *button : {MakeButton, PrintVariantsButton, CorrectButton, CloseButton})
        button->setEnabled(!on);
    ExportButton->setEnabled(!on && rows);
    PrintTableButton->setEnabled(!on && rows);
    Pages->tabBar()->setEnabled(!on);
    if (!on)
        Progress->setValue(0);
}

VariantPlan TClassWindow::plan() const
{
    return PlanVariants(NamesChoice->isChecked() ? setup.names : QStringList(),
                        UnnamedCount->value(), tr("Varianta %1"));
}

QString TClassWindow::variantTitle(const VariantFile &variant, int index) const
{
    return variant.pupil.isEmpty() ? tr("Varianta %1").arg(index + 1) : variant.pupil;
}

void TClassWindow::makeVariants()
{
    const VariantPlan planned = plan();
    if (!planned.refused.isEmpty())
        throw std::runtime_error(
            tr("Tato jména nejsou platné názvy souborů, žádný list nebyl uložen: %1")
                .arg(planned.refused.join(QStringLiteral(", ")))
                .toStdString());
    const QString folder = VariantsFolder->text();
    if (!QFileInfo(folder).isDir())
        throw std::runtime_error(tr("Složka %1 neexistuje.").arg(folder).toStdString());
    const QDir dir(folder);
    QStringList existing;
    for (const VariantFile &v : planned.files)
        if (QFileInfo::exists(dir.filePath(v.file)))
            existing << v.file;
    // Asked once for all; "Ne" writes nothing.
    if (!existing.isEmpty() && !Asker::ask(tr("Ve složce %1 už jsou soubory: %2. Přepsat je?")
                                               .arg(QDir::toNativeSeparators(folder),
                                                    existing.join(QStringLiteral(", ")))))
        return;
    const std::uint32_t seed = SeedEdit->text().toUInt();
    setBusy(true);
    Progress->setMaximum(int(planned.files.size()));
    QStringList failures;
    int written = 0;
    for (int i = 0; i < planned.files.size(); ++i) {
        const auto lines = setup.generate(VariantSeed(seed, i));
        if (!lines || stopRequested)
            break;
        const VariantFile &v = planned.files[i];
        try {
            WriteWorksheetFile(dir.filePath(v.file), QStringList{PupilHeading(v.pupil)} + *lines);
            ++written;
        } catch (const std::exception &error) {
            failures << QString::fromUtf8(error.what());
        }
        Progress->setValue(i + 1);
        QCoreApplication::processEvents();
        if (stopRequested)
            break;
    }
    setBusy(false);
    Hints->showMessage(tr("Uloženo listů: %1 z %2").arg(written).arg(planned.files.size()));
    if (!failures.isEmpty())
        ErrorReport::report(failures.join(QLatin1Char('\n')));
}

void TClassWindow::printVariants()
{
    const VariantPlan planned = plan();
    const std::uint32_t seed = SeedEdit->text().toUInt();
    QList<SheetPrinter::Sheet> sheets;
    setBusy(true);
    Progress->setMaximum(int(planned.files.size()));
    for (int i = 0; i < planned.files.size(); ++i) {
        const auto lines = setup.generate(VariantSeed(seed, i));
        if (!lines || stopRequested) {
            setBusy(false);
            return;
        }
        PrintOptions options;
        options.name = variantTitle(planned.files[i], i);
        options.sep = setup.sep;
        options.fullPrecision = setup.fullPrecision;
        sheets.append({*lines, options});
        Progress->setValue(i + 1);
        QCoreApplication::processEvents();
    }
    setBusy(false);
    if (sheets.isEmpty())
        return;
    ShowPrintPreview(
        this, {tr("Tisk listů celé třídy"), tr("Listy třídy"), VariantsFolder->text(), sheets});
}

void TClassWindow::correctFolder()
{
    const QString folder = CorrectFolder->text();
    if (!QFileInfo(folder).isDir())
        throw std::runtime_error(tr("Složka %1 neexistuje.").arg(folder).toStdString());
    const QStringList files = WorksheetFilesIn(folder);
    if (files.isEmpty()) {
        Hints->showMessage(tr("Ve složce není žádný list (.nlx)."));
        return;
    }
    setBusy(true);
    Progress->setMaximum(int(files.size()));
    const QDir dir(folder);
    QList<ClassRow> rows;
    int line = 0;
    const auto stamp = [] { return TrailerDateTime(Platform::currentDateTime(), QLocale()); };
    for (int i = 0; i < files.size() && !stopRequested; ++i) {
        // Stop is looked at between lines too; a file stopped in the middle stays untouched.
        const auto row =
            CorrectSheetFile(dir.filePath(files[i]), setup.sep, setup.fullPrecision, stamp, [&] {
                if (++line % 500 == 0)
                    QCoreApplication::processEvents();
                return stopRequested;
            });
        if (!row)
            break;
        rows.append(*row);
        Progress->setValue(i + 1);
        QCoreApplication::processEvents();
    }
    const bool stopped = stopRequested;
    showRows(rows);
    setBusy(false);
    const qsizetype failed = std::count_if(rows.begin(), rows.end(), [](const ClassRow &r) {
        return r.status == ClassRow::Status::Failed;
    });
    Hints->showMessage(
        (stopped ? tr("Zastaveno: opraveno listů %1 z %2.") : tr("Hotovo: listů %1 z %2."))
            .arg(rows.size())
            .arg(files.size()) +
        (failed ? QLatin1Char(' ') + tr("Nelze opravit: %1 (viz sloupec Stav).").arg(failed)
                : QString()));
}

void TClassWindow::showRows(const QList<ClassRow> &rows)
{
    model->setRows(rows);
    const QHeaderView *h = ClassTable->horizontalHeader();
    model->sort(h->sortIndicatorSection(), h->sortIndicatorOrder());

    Mistakes->clear();
    for (const GroupMistakes &m : ClassMistakes(rows))
        Mistakes->addItem(mistakeText(m));
    if (Mistakes->count() == 0)
        Mistakes->addItem(tr("Žádná chyba."));

    // The success rates as bars, the pupils along the bottom.
    QChart *chart = ClassChart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto *set = new QBarSet(tr("Úspěšnost"));
    QStringList pupils;
    for (const ClassRow &row : model->allRows()) {
        if (row.status == ClassRow::Status::Failed)
            continue;
        *set << row.rate;
        pupils << row.pupil;
    }
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(pupils);
    x->setLabelsFont(font());
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(tr("Úspěšnost (%)"));
    y->setLabelsFont(font());
    y->setTitleFont(font());
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->setTitle(tr("Úspěšnost žáků"));
}

void TClassWindow::exportTable()
{
    TFileDialog dialog(TFileDialog::Kind::Save, QStringLiteral("CsvDialog"), this);
    dialog.Filter = tr("Soubor CSV(*.csv)|*.csv");
    dialog.DefaultExt = QStringLiteral("csv");
    dialog.InitialDir = CorrectFolder->text();
    dialog.FileName = tr("Třída") + QStringLiteral(".csv");
    if (dialog.Execute(this))
        WriteFileBytes(dialog.FileName, ClassTableCsv(model->allRows()));
}

void TClassWindow::printTable()
{
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><tr>")
                       .arg(tr("Třída").toHtmlEscaped(), CorrectFolder->text().toHtmlEscaped());
    for (int c = 0; c < ColumnCount; ++c)
        html += QStringLiteral("<th>%1</th>").arg(header(c).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const ClassRow &row : model->allRows()) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < ColumnCount; ++c)
            html += QStringLiteral("<td>%1</td>").arg(cell(row, c).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html +=
        QStringLiteral("</table><h3>%1</h3><ul>").arg(tr("Co třídě nejde nejvíc").toHtmlEscaped());
    for (int i = 0; i < Mistakes->count(); ++i)
        html += QStringLiteral("<li>%1</li>").arg(Mistakes->item(i)->text().toHtmlEscaped());
    html += QStringLiteral("</ul>");
    QTextDocument document;
    document.setDefaultFont(font());
    document.setHtml(html);

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Třída"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("TablePreview"));
    preview.setWindowTitle(tr("Tisk tabulky třídy"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&document](QPrinter *target) { document.print(target); });
    auto *save = new QPushButton(tr("Uložit jako PDF"), &preview);
    save->setObjectName(QStringLiteral("SavePdfButton"));
    save->setAutoDefault(false);
    if (auto *layout = qobject_cast<QBoxLayout *>(preview.layout()))
        layout->insertWidget(0, save, 0, Qt::AlignLeft);
    connect(save, &QPushButton::clicked, &preview, [&] {
        ErrorReport::guarded([&] {
            TFileDialog dialog(TFileDialog::Kind::Save, QStringLiteral("PdfDialog"), &preview);
            dialog.Filter = QStringLiteral("PDF|*.pdf");
            dialog.DefaultExt = QStringLiteral("pdf");
            dialog.InitialDir = CorrectFolder->text();
            dialog.FileName = tr("Třída") + QStringLiteral(".pdf");
            if (!dialog.Execute(&preview))
                return;
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            {
                QPdfWriter writer(&pdf);
                writer.setTitle(tr("Třída"));
                writer.setCreator(QStringLiteral("Numlet"));
                document.print(&writer);
            }
            WriteFileBytes(dialog.FileName, pdf.data());
        });
    });
    preview.exec();
}
