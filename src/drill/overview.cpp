#include "drill/overview.h"

#include "app/decimalseparator.h"
#include "app/errorreport.h"
#include "app/filedialog.h"
#include "drill/examineefile.h"
#include "drill/runclock.h"
#include "editexp/numbertext.h"
#include "textfile/textfile.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QCollator>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column {
    Started,
    Name,
    Examples,
    Right,
    Wrong,
    Unanswered,
    Rate,
    Points,
    Time,
    Operators,
    Row1,
    Row2,
    Decimals,
    Templates,
    ColumnCount
};

const char *const Headers[ColumnCount] = {
    "Datum a čas", "Jméno",     "Příkladů",  "Správně", "Chybně", "Nezodpovězeno",   "Úspěšnost",
    "Body",        "Čas úkolu", "Operátory", "Řada 1",  "Řada 2", "Desetinná místa", "Vzorce"};

QString rateText(double rate)
{
    return QString::fromStdString(FormatMask(rate, "0.0", DecimalSeparator())) +
           QStringLiteral(" %");
}

QString rangeText(int lower, int upper)
{
    return lower == upper ? QString::number(upper)
                          : QStringLiteral("%1 až %2").arg(lower).arg(upper);
}

QString durationText(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString shownName(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("(bez jména)") : name;
}

QString dateTimeFormat()
{
    const QLocale locale;
    // Seconds too: two runs of one minute stay apart.
    return locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
           LongTimeFormatWithoutZone(locale);
}

} // namespace

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
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < ColumnCount)
            return QString::fromUtf8(Headers[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= runs.size())
            return {};
        const HistoryRun &run = runs[index.row()];
        const RunDifficulty &d = run.difficulty;
        if (role == Qt::TextAlignmentRole) {
            const bool text =
                index.column() == Name || index.column() == Operators || index.column() == Started;
            return int((text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole)
            return {};
        switch (Column(index.column())) {
        case Started:
            return QLocale().toString(run.started.toLocalTime(), format);
        case Name:
            return shownName(run.name);
        case Examples:
            return run.exampleCount;
        case Right:
            return run.right;
        case Wrong:
            return run.wrong;
        case Unanswered:
            return run.unanswered;
        case Rate:
            return rateText(run.rate);
        case Points:
            return run.points;
        case Time:
            return durationText(run.seconds);
        case Operators:
            return d.operators;
        case Row1:
            return rangeText(d.lower1, d.upper1);
        case Row2:
            return rangeText(d.lower2, d.upper2);
        case Decimals:
            return d.decimals;
        case Templates:
            return QString(d.templates).replace(QLatin1String(".."), QStringLiteral(" až "));
        case ColumnCount:
            break;
        }
        return {};
    }
    void sort(int column, Qt::SortOrder order) override
    {
        const auto less = [this, column](const HistoryRun &a, const HistoryRun &b) {
            const RunDifficulty &x = a.difficulty, &y = b.difficulty;
            switch (Column(column)) {
            case Started:
                return a.started < b.started;
            case Name:
                return collator.compare(a.name, b.name) < 0;
            case Examples:
                return a.exampleCount < b.exampleCount;
            case Right:
                return a.right < b.right;
            case Wrong:
                return a.wrong < b.wrong;
            case Unanswered:
                return a.unanswered < b.unanswered;
            case Rate:
                return a.rate < b.rate;
            case Points:
                return a.points < b.points;
            case Time:
                return a.seconds < b.seconds;
            case Operators:
                return x.operators < y.operators;
            case Row1:
                return std::pair(x.lower1, x.upper1) < std::pair(y.lower1, y.upper1);
            case Row2:
                return std::pair(x.lower2, x.upper2) < std::pair(y.lower2, y.upper2);
            case Decimals:
                return x.decimals < y.decimals;
            case Templates:
                return x.templates < y.templates;
            case ColumnCount:
                break;
            }
            return false;
        };
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        // Equal keys keep the newest first.
        std::stable_sort(runs.begin(), runs.end(), [](const HistoryRun &a, const HistoryRun &b) {
            return a.started > b.started;
        });
        if (order == Qt::AscendingOrder)
            std::stable_sort(runs.begin(), runs.end(), less);
        else
            std::stable_sort(runs.begin(), runs.end(),
                             [&less](const auto &a, const auto &b) { return less(b, a); });
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    QList<HistoryRun> runs;
    QCollator collator{QLocale(QLocale::Czech, QLocale::Czechia)};
    QString format = dateTimeFormat();
};

QString TOverview::AllPupils()
{
    return QStringLiteral("Vše");
}

TOverview::TOverview(QList<HistoryRun> runs, const QStringList &pupils, const QString &current,
                     int damaged, const QString &exportFolder, QWidget *parent)
    : QDialog(parent), allRuns(std::move(runs)), damagedLines(damaged)
{
    setObjectName(QStringLiteral("Prehled"));
    setWindowTitle(QStringLiteral("Přehled"));
    if (parent)
        setFont(parent->font());
    resize(1000, 660);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Žák, jehož výsledky se zobrazí"));
    ComboBox1->addItem(AllPupils());
    for (const QString &name : pupils)
        ComboBox1->addItem(shownName(name), name);
    ComboBox1->setMaxVisibleItems(20);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setToolTip(QStringLiteral("Co graf ukazuje u všech žáků"));
    ComboBox2->addItems({QStringLiteral("Úspěšnost"), QStringLiteral("Body")});

    ExportButton = new QPushButton(QStringLiteral("Export do CSV…"), this);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ExportButton->setToolTip(QStringLiteral("Uloží tabulku do souboru CSV"));
    auto *close = new QPushButton(QStringLiteral("Zavřít"), this);
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
    for (int c = 0; c < ColumnCount; ++c)
        Table->setColumnWidth(
            c, std::max(Table->fontMetrics().horizontalAdvance(QString::fromUtf8(Headers[c])) + 18,
                        c == Started ? 120 : 48));

    ChartView = new QChartView(new QChart, this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->chart()->setFont(font());
    ChartView->chart()->legend()->setFont(font());
    ChartView->chart()->setTitleFont(font());
    ChartView->chart()->setMargins(QMargins(4, 4, 4, 4));

    auto *top = new QHBoxLayout;
    auto *pupilLabel = new QLabel(QStringLiteral("Žák :"), this);
    pupilLabel->setBuddy(ComboBox1);
    auto *measureLabel = new QLabel(QStringLiteral("Graf všech žáků :"), this);
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
    SaveDialog1->Filter = QStringLiteral("Soubor CSV(*.csv)|*.csv");
    SaveDialog1->DefaultExt = QStringLiteral("csv");
    SaveDialog1->InitialDir = exportFolder;

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { showPupil(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { showChart(); });
    connect(ExportButton, &QPushButton::clicked, this,
            [this] { ErrorReport::guarded([this] { exportTable(); }); });

    // Clicking a header sorts; the table starts with the newest run.
    Table->horizontalHeader()->setSortIndicator(Started, Qt::DescendingOrder);
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
    QList<HistoryRun> runs;
    if (everyone) {
        runs = allRuns;
    } else {
        for (const HistoryRun &run : allRuns)
            if (run.name == name)
                runs.append(run);
    }
    Summary->setText(summaryText(runs, everyone));
    model->setRuns(std::move(runs));
    const QHeaderView *header = Table->horizontalHeader();
    model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    Table->setColumnHidden(Name, !everyone);
    ComboBox2->setEnabled(everyone);
    showChart();
}

// One pupil: the success rate on the left axis and the points on the right, one series each.
// Everyone: the chosen measure, one series per pupil.
void TOverview::showChart()
{
    QChart *chart = ChartView->chart();
    chart->removeAllSeries();
    const QList<QAbstractAxis *> axes = chart->axes();
    for (QAbstractAxis *axis : axes) {
        chart->removeAxis(axis);
        delete axis;
    }

    QList<HistoryRun> runs = model->allRuns();
    std::stable_sort(runs.begin(), runs.end(), [](const HistoryRun &a, const HistoryRun &b) {
        return a.started < b.started;
    });
    const bool everyone = ComboBox1->currentIndex() <= 0;
    const bool points = everyone && ComboBox2->currentIndex() == 1;

    auto *x = new QDateTimeAxis;
    x->setTitleText(QStringLiteral("Datum"));
    chart->addAxis(x, Qt::AlignBottom);
    QValueAxis *rateAxis = nullptr, *pointsAxis = nullptr;
    if (!points) {
        rateAxis = new QValueAxis;
        rateAxis->setRange(0, 100);
        rateAxis->setLabelFormat(QStringLiteral("%d"));
        rateAxis->setTitleText(QStringLiteral("Úspěšnost (%)"));
        chart->addAxis(rateAxis, Qt::AlignLeft);
    }
    if (points || !everyone) {
        pointsAxis = new QValueAxis;
        pointsAxis->setLabelFormat(QStringLiteral("%d"));
        pointsAxis->setTitleText(QStringLiteral("Body"));
        chart->addAxis(pointsAxis, points ? Qt::AlignLeft : Qt::AlignRight);
    }

    long long low = 0, high = 0;
    const auto addSeries = [&](const QString &title, QList<QPointF> values, QValueAxis *axis) {
        auto *series = new QLineSeries;
        series->setName(title);
        // A single run is a point, not a line.
        series->setPointsVisible(values.size() < 100);
        series->replace(values);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(axis);
    };
    const auto at = [](const HistoryRun &run) { return double(run.started.toMSecsSinceEpoch()); };
    for (const HistoryRun &run : runs) {
        low = std::min(low, run.points);
        high = std::max(high, run.points);
    }
    if (!everyone) {
        QList<QPointF> rates, scores;
        rates.reserve(runs.size());
        scores.reserve(runs.size());
        for (const HistoryRun &run : runs) {
            rates.append({at(run), run.rate});
            scores.append({at(run), double(run.points)});
        }
        addSeries(QStringLiteral("Úspěšnost"), std::move(rates), rateAxis);
        addSeries(QStringLiteral("Body"), std::move(scores), pointsAxis);
        chart->setTitle(QStringLiteral("Úspěšnost a body: %1").arg(shownName(pupil())));
    } else {
        QHash<QString, QList<QPointF>> byPupil;
        for (const HistoryRun &run : runs)
            byPupil[run.name].append({at(run), points ? double(run.points) : run.rate});
        for (int i = 1; i < ComboBox1->count(); ++i) {
            const QString name = ComboBox1->itemData(i).toString();
            if (byPupil.contains(name))
                addSeries(shownName(name), byPupil.take(name), points ? pointsAxis : rateAxis);
        }
        chart->setTitle(points ? QStringLiteral("Body všech žáků")
                               : QStringLiteral("Úspěšnost všech žáků"));
    }
    if (pointsAxis) {
        const long long pad = std::max<long long>(5, (high - low) / 10);
        pointsAxis->setRange(double(low - (low < 0 ? pad : 0)), double(high + pad));
        pointsAxis->applyNiceNumbers();
    }
    // A margin either side, so that a single run still has a time axis; the labels show the
    // time of day when the runs are close together.
    const QDateTime first = runs.isEmpty() ? QDateTime::currentDateTime() : runs.front().started;
    const QDateTime last = runs.isEmpty() ? first : runs.back().started;
    const qint64 span = first.secsTo(last);
    const qint64 margin = std::max<qint64>(span / 20, 5 * 60);
    x->setRange(first.toLocalTime().addSecs(-margin), last.toLocalTime().addSecs(margin));
    const QString date = QLocale().dateFormat(QLocale::ShortFormat);
    x->setFormat(span < 3 * 86400 ? date + QStringLiteral(" H:mm") : date);
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart->legend()->setVisible(!runs.isEmpty());
}

QString TOverview::summaryText(const QList<HistoryRun> &runs, bool everyone) const
{
    QString text;
    if (runs.isEmpty()) {
        text = QStringLiteral("Žádný zaznamenaný běh zkoušení.");
    } else {
        const PupilSummary s = Summarise(runs);
        const QLocale locale;
        text = QStringLiteral("Běhů: %1    Průměrná úspěšnost: %2    Nejlepší: %3")
                   .arg(s.runs)
                   .arg(rateText(s.meanRate), rateText(s.bestRate));
        // A trend across different pupils would mean nothing.
        if (everyone) {
            QSet<QString> names;
            for (const HistoryRun &run : runs)
                names.insert(run.name);
            return damagedNote(QStringLiteral("Žáků: %1    ").arg(names.size()) + text);
        }
        QString trend;
        switch (s.trend) {
        case Trend::Unknown:
            trend = QStringLiteral("zatím nelze určit");
            break;
        case Trend::Rising:
            trend = QStringLiteral("zlepšuje se");
            break;
        case Trend::Steady:
            trend = QStringLiteral("beze změny");
            break;
        case Trend::Falling:
            trend = QStringLiteral("zhoršuje se");
            break;
        }
        if (s.trend != Trend::Unknown)
            trend += QStringLiteral(" (%1%2 p. b. na běh)")
                         .arg(s.trendSlope > 0 ? QStringLiteral("+") : QString())
                         .arg(locale.toString(s.trendSlope, 'f', 1));
        text += QStringLiteral("    Trend posledních 5 běhů: ") + trend;
    }
    return damagedNote(text);
}

QString TOverview::damagedNote(const QString &text) const
{
    if (damagedLines <= 0)
        return text;
    return text + QStringLiteral("    (nečitelných řádků v historii: %1)").arg(damagedLines);
}

void TOverview::exportTable()
{
    const QString name = pupil();
    const QString proposed = QStringLiteral("Přehled %1").arg(name);
    SaveDialog1->FileName =
        (IsPlainFileName(proposed) ? proposed : QStringLiteral("Přehled")) + QStringLiteral(".csv");
    if (!SaveDialog1->Execute(this))
        return;
    WriteFileBytes(SaveDialog1->FileName, HistoryFileBytes(model->allRuns()));
}
