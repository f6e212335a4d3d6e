#include "drill/numlet_overview.h"

#include "drill/overview.h"

#include "app/decimalseparator.h"
#include "app/errorreport.h"
#include "app/filedialog.h"
#include "drill/examineefile.h"
#include "textfile/textfile.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

// The runs of the table, sorted in place so that the export follows what is shown.
class HistoryTableModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRuns(QList<HistoryRun> list)
    {
        beginResetModel();
        runs = std::move(list);
        endResetModel();
    }
    const QList<HistoryRun> &allRuns() const { return runs; }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(runs.size());
    }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : OverviewColumn::Count;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < OverviewColumn::Count)
            return OverviewHeader(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= runs.size())
            return {};
        if (role == Qt::TextAlignmentRole)
            return int((OverviewTextColumn(index.column()) ? Qt::AlignLeft : Qt::AlignRight) |
                       Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        return OverviewCell(runs[index.row()], index.column(), locale, format, separator);
    }
    void sort(int column, Qt::SortOrder order) override
    {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        SortOverview(runs, column, order == Qt::AscendingOrder);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    QList<HistoryRun> runs;
    QLocale locale;
    QString format = OverviewDateTimeFormat(locale);
    char separator = DecimalSeparator();
};

QString TOverview::AllPupils()
{
    return tr("Vše");
}

TOverview::TOverview(QList<HistoryRun> runs, const QStringList &pupils, const QString &current,
                     int damaged, const QString &exportFolder, QWidget *parent)
    : QDialog(parent), allRuns(std::move(runs)), damagedLines(damaged)
{
    setObjectName(QStringLiteral("Prehled"));
    setWindowTitle(tr("Přehled"));
    if (parent)
        setFont(parent->font());
    // Smaller on a small or dense screen, where the whole window must still fit.
    QSize size(1000, 660);
    if (const QScreen *shown = parent ? parent->screen() : screen())
        size = size.boundedTo(shown->availableGeometry().size() * 0.95);
    resize(size);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(tr("Žák, jehož výsledky se zobrazí"));
    ComboBox1->addItem(AllPupils());
    for (const QString &name : pupils)
        ComboBox1->addItem(ShownPupilName(name), name);
    ComboBox1->setMaxVisibleItems(20);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setToolTip(tr("Co graf ukazuje u všech žáků"));
    ComboBox2->addItems({tr("Úspěšnost"), tr("Body")});

    ExportButton = new QPushButton(tr("Export do CSV…"), this);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ExportButton->setToolTip(tr("Uloží tabulku do souboru CSV"));
    auto *close = new QPushButton(tr("Zavřít"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    model = new HistoryTableModel(this);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setModel(model);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setAlternatingRowColors(true);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->horizontalHeader()->setHighlightSections(false);
    Table->horizontalHeader()->setStretchLastSection(true);
    // Sizes from the header texts: measuring 10,000 rows would cost more than the whole load.
    for (int c = 0; c < OverviewColumn::Count; ++c)
        Table->setColumnWidth(
            c, std::max(Table->fontMetrics().horizontalAdvance(OverviewHeader(c)) + 18,
                        c == OverviewColumn::Started ? 120 : 48));

    ChartView = new QChartView(new QChart, this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->chart()->setFont(font());
    ChartView->chart()->legend()->setFont(font());
    ChartView->chart()->setTitleFont(font());
    ChartView->chart()->setMargins(QMargins(4, 4, 4, 4));

    auto *top = new QHBoxLayout;
    auto *pupilLabel = new QLabel(tr("Žák :"), this);
    pupilLabel->setBuddy(ComboBox1);
    auto *measureLabel = new QLabel(tr("Graf všech žáků :"), this);
    measureLabel->setBuddy(ComboBox2);
    top->addWidget(pupilLabel);
    top->addWidget(ComboBox1, 1);
    top->addSpacing(12);
    top->addWidget(measureLabel);
    top->addWidget(ComboBox2);
    top->addStretch(1);
    top->addWidget(ExportButton);
    top->addWidget(close);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(Table);
    split->addWidget(ChartView);
    split->setChildrenCollapsible(false);
    split->setSizes({260, 340});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Summary);
    layout->addWidget(split, 1);

    SaveDialog1 = new TFileDialog(TFileDialog::Kind::Save, QStringLiteral("SaveDialog1"), this);
    SaveDialog1->Filter = tr("Soubor CSV(*.csv)|*.csv");
    SaveDialog1->DefaultExt = QStringLiteral("csv");
    SaveDialog1->InitialDir = exportFolder;

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { showPupil(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { showChart(); });
    connect(ExportButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { exportTable(); }); });

    // Clicking a header sorts; the table starts with the newest run.
    Table->horizontalHeader()->setSortIndicator(OverviewColumn::Started, Qt::DescendingOrder);
    Table->setSortingEnabled(true);
    const int at = current.isEmpty() ? -1 : ComboBox1->findData(current);
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentIndex(at < 0 ? 0 : at);
    }
    showPupil();
}

TOverview::~TOverview() = default;

void TOverview::choosePupil(const QString &name)
{
    const int at = name == AllPupils() ? 0 : ComboBox1->findData(name);
    if (at >= 0)
        ComboBox1->setCurrentIndex(at);
}

QString TOverview::pupil() const
{
    return ComboBox1->currentIndex() <= 0 ? AllPupils() : ComboBox1->currentData().toString();
}

QList<HistoryRun> TOverview::tableRuns() const
{
    return model->allRuns();
}

void TOverview::showPupil()
{
    const bool everyone = ComboBox1->currentIndex() <= 0;
    const QString name = pupil();
    QList<HistoryRun> runs = RunsOfPupil(allRuns, everyone ? nullptr : &name);
    Summary->setText(OverviewSummary(runs, everyone, damagedLines, QLocale(), DecimalSeparator()));
    model->setRuns(std::move(runs));
    const QHeaderView *header = Table->horizontalHeader();
    model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    Table->setColumnHidden(OverviewColumn::Name, !everyone);
    ComboBox2->setEnabled(everyone);
    showChart();
}

void TOverview::showChart()
{
    QChart *chart = ChartView->chart();
    chart->removeAllSeries();
    const QList<QAbstractAxis *> axes = chart->axes();
    for (QAbstractAxis *axis : axes) {
        chart->removeAxis(axis);
        delete axis;
    }

    const bool everyone = ComboBox1->currentIndex() <= 0;
    QStringList pupils;
    for (int i = 1; i < ComboBox1->count(); ++i)
        pupils << ComboBox1->itemData(i).toString();
    const OverviewChart plan = ChartOf(model->allRuns(), everyone, ComboBox2->currentIndex() == 1,
                                       pupils, pupil(), QLocale(), QDateTime::currentDateTime());

    auto *x = new QDateTimeAxis;
    x->setTitleText(tr("Datum"));
    chart->addAxis(x, Qt::AlignBottom);
    QValueAxis *rateAxis = nullptr, *pointsAxis = nullptr;
    if (plan.rateAxis) {
        rateAxis = new QValueAxis;
        rateAxis->setRange(0, 100);
        rateAxis->setLabelFormat(QStringLiteral("%d"));
        rateAxis->setTitleText(tr("Úspěšnost (%)"));
        chart->addAxis(rateAxis, Qt::AlignLeft);
    }
    if (plan.pointsAxis) {
        pointsAxis = new QValueAxis;
        pointsAxis->setLabelFormat(QStringLiteral("%d"));
        pointsAxis->setTitleText(tr("Body"));
        chart->addAxis(pointsAxis, plan.pointsAxisLeft ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (const OverviewSeries &values : plan.series) {
        auto *series = new QLineSeries;
        series->setName(values.name);
        series->setPointsVisible(values.pointsVisible);
        series->replace(values.points);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(values.onPointsAxis ? pointsAxis : rateAxis);
    }
    chart->setTitle(plan.title);
    if (pointsAxis) {
        pointsAxis->setRange(plan.pointsLow, plan.pointsHigh);
        pointsAxis->applyNiceNumbers();
    }
    x->setRange(plan.from, plan.to);
    x->setFormat(plan.timeFormat);
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart->legend()->setVisible(plan.legend);
}

void TOverview::exportTable()
{
    const QString name = pupil();
    const QString proposed = tr("Přehled %1").arg(name);
    SaveDialog1->FileName =
        (IsPlainFileName(proposed) ? proposed : tr("Přehled")) + QStringLiteral(".csv");
    if (!SaveDialog1->Execute(this))
        return;
    WriteFileBytes(SaveDialog1->FileName, HistoryFileBytes(model->allRuns()));
}
