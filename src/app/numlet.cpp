#include "app/numlet.h"

#include "app/decimalseparator.h"
#include "app/errorreport.h"
#include "app/eventhook.h"
#include "app/filedialog.h"
#include "app/memorytext.h"
#include "app/platform.h"
#include "ui_numlet.h"
#include "widgets/accessibility.h"
#include "widgets/timagelist.h"

#include <QAbstractEventDispatcher>
#include <QDateTime>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace {
// Outward links of the program.
const char *const MailAddress = "mailto:numlet@numlet.cz";
const char *const HomePage = "https://www.numlet.cz/";
} // namespace

TNumlet::TNumlet(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TNumlet>()), imageList1(std::make_unique<TImageList>())
{
    Accessibility::install(this);
    ui->setupUi(this);
    programFolder = folder;
    setupDesign();
    setupAccessibility();
    FormCreate();
    connectHandlers();
}

TNumlet::~TNumlet()
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

// Design-time properties that the form file cannot hold.
void TNumlet::setupDesign()
{
    setFixedSize(853, 541);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    for (int i = 0; i < 3; ++i)
        imageList1->add(QIcon(QStringLiteral(":/images/imagelist_%1.png").arg(i))
                            .pixmap(QSize(16, 16), devicePixelRatioF()));

    const auto makeTimer = [this](const char *name) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(1000);
        return timer;
    };
    Timer1 = makeTimer("Timer1");
    Timer2 = makeTimer("Timer2");
    Timer3 = makeTimer("Timer3");

    // Worksheet files: the open dialog also offers text files.
    OpenDialog1 = new TFileDialog(TFileDialog::Kind::Open, QStringLiteral("OpenDialog1"), this);
    OpenDialog1->Filter = QStringLiteral("NumletFile(*.nlx)|*.nlx|TextFile(*.txt)|*.txt");
    SaveDialog1 = new TFileDialog(TFileDialog::Kind::Save, QStringLiteral("SaveDialog1"), this);
    SaveDialog1->Filter = QStringLiteral("NumletFile(*.nlx)|*.nlx");
    SaveDialog1->DefaultExt = QStringLiteral("nlx");

    // Status bar: hint, memory display, Stop, the e-mail link under the calculator, its switch.
    TStatusBarPro *bar = ui->StatusBarPro1;
    bar->setPanelWidths({249, 224, 26, 328, 25});
    QFont hintFont(QStringLiteral("Tahoma"));
    hintFont.setPointSize(8);
    QFont boldHint = hintFont;
    boldHint.setBold(true);
    bar->setPanelFont(0, boldHint);
    bar->setPanelColor(0, Qt::black);
    bar->setPanelFont(1, hintFont);
    bar->setPanelColor(1, QColor(0, 0, 128));
    bar->setPanelAlignment(1, Qt::AlignCenter);
    QFont linkFont = font();
    linkFont.setBold(true);
    bar->setPanelFont(3, linkFont);
    bar->setPanelText(3, QStringLiteral(" Velmorsoft"));
    bar->setPanelImage(3, imageList1->pixmap(2));
    bar->setClickablePanel(3); // the e-mail link, for the keyboard too
    const QRect calculator = bar->panelRect(3);
    ui->EditExp1->setGeometry(calculator.left() + 2,
                              calculator.top() + (calculator.height() - 18) / 2, 0, 18);
    const auto centreOver = [bar](QWidget *button, int panel) {
        const QRect r = bar->panelRect(panel);
        button->move(r.center() - button->rect().center());
    };
    centreOver(ui->SpeedButton12, 2);
    centreOver(ui->SpeedButton7, 4);
    ui->EditExp1->setMask(QStringLiteral("0.00"));
    QFont calculatorFont = ui->EditExp1->font();
    calculatorFont.setPixelSize(13);
    ui->EditExp1->setFont(calculatorFont);
    QPalette face = ui->EditExp1->palette();
    face.setColor(QPalette::Base, palette().color(QPalette::Button));
    ui->EditExp1->setPalette(face);

    // The log's columns: row number, verdict image, example with the answer.
    ui->ListBox1->setColumns({
        {TColumnListBox::Column::Kind::Text, 28, Qt::AlignRight | Qt::AlignVCenter,
         QColor(128, 0, 0)},
        {TColumnListBox::Column::Kind::Image, 20, Qt::AlignLeft | Qt::AlignVCenter, QColor()},
        {TColumnListBox::Column::Kind::Text, 200, Qt::AlignLeft | Qt::AlignVCenter, QColor()},
    });
    ui->ListBox1->setImageList(imageList1.get());

    // The feature list shows whole rows only, from the same top.
    QListWidget *features = ui->ListBox2;
    if (const int row = features->sizeHintForRow(0); row > 0) {
        const int frame = 2 * features->frameWidth();
        features->resize(features->width(), (features->height() - frame) / row * row + frame);
    }

    // Only these three controls pop up their hint as a tooltip.
    // (Label3D20 takes its tooltip with the worksheet file's name.)
    ui->ComboBox1->lineEdit()->setMaxLength(1);
    ui->EditExp2->hide();
    ui->Edit2->setFocus();
}

void TNumlet::FormCreate()
{
    rewards.PictureList.clear();
    if (!programFolder.endsWith(QLatin1Char('/')))
        programFolder += QLatin1Char('/');
    OpenDialog1->InitialDir = programFolder;
    SaveDialog1->InitialDir = programFolder;
    ui->SpinEdit12->setMaxValue(14);
    ui->SpinEdit12->setEnabled(true);
    ui->Panel3->setEnabled(true);
    generation.operators[0] = '+';
    generation.operators[1] = '-';
    generation.operators[2] = '*';
    generation.operators[3] = '/';
    drill.RightCount = 0;
    drill.WrongCount = 0;
    rewards.PictureIndex = 0;
    drill.AnswerTicks = 0;
    generation.templateIndex = 1;
    drill.stopRequest = 0;
    drill.RunActive = false;

    // The seed: the UTC time of day in milliseconds.
    const QTime now = QDateTime::currentDateTimeUtc().time();
    random.setSeed(
        std::uint32_t(((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000 + now.msec()));

    // Hint hook and idle hook.
    qApp->installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TNumlet::updateMemoryDisplay);
}

// Each subsystem connects its own controls.
void TNumlet::connectHandlers()
{
    connectWindowHandlers();
    connectCalculatorHandlers();
    connectGenerationHandlers();
    connectDrillHandlers();
    connectRewardHandlers();
    connectWorksheetHandlers();
    connectConfigHandlers();
    connectPrintingHandlers();
    connectKeyboardHandlers();
}

void TNumlet::connectWindowHandlers()
{
    // Code changes the page with the tab control's signals blocked, so this is the user's change.
    bindHandler(ui->PageControl1, &QTabWidget::currentChanged, &TNumlet::PageControl1Change);
    bindHandler(ui->SB1, &QToolButton::clicked, &TNumlet::SB1Click);
    bindHandler(ui->SB16, &QToolButton::clicked, &TNumlet::SB16Click);
    connect(ui->StatusBarPro1, &TStatusBarPro::panelClicked, this, [this](int panel) {
        if (panel == 3)
            ErrorReport::guarded([this] { StatusBarPro1Panels3Click(); });
    });
    EventHook::install(ui->ListBox2->viewport(), QEvent::MouseButtonRelease,
                       [this](QEvent *) { ListBox2MouseUp(); });
    EventHook::install(ui->ListBox2, QEvent::KeyRelease, [this](QEvent *) { ListBox2KeyUp(); });
}

// The window's first activation. Without a window manager activation may never come, so the
// first show triggers it too, once the show has been processed.
void TNumlet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!config.started)
        QMetaObject::invokeMethod(
            this, [this] { ErrorReport::guarded([this] { FormActivate(); }); },
            Qt::QueuedConnection);
}

bool TNumlet::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !config.started)
        ErrorReport::guarded([this] { FormActivate(); });
    // Hints go to status panel 0 through the hint hook only.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QWidget::event(event);
}

// The nearest hint up the parent chain: the control's own, else its containers'.
QString TNumlet::nearestHint(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->statusTip().isEmpty())
            return widget->statusTip();
        if (widget->isWindow())
            break;
    }
    return QString();
}

// The hint hook, on the whole application: status panel 0 follows the mouse.
bool TNumlet::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this)
            showKeyboardHint(static_cast<QWidget *>(watched), static_cast<QFocusEvent *>(event));
        break;
    case QEvent::Enter:
        if (watched->isWidgetType())
            showHint(nearestHint(static_cast<QWidget *>(watched)));
        break;
    case QEvent::Leave:
        // Leaving a control returns the mouse to its container (a sibling's Enter follows).
        if (watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            showHint(widget->isWindow() ? QString() : nearestHint(widget->parentWidget()));
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TNumlet::showHint(const QString &hint)
{
    if (hint == currentHint)
        return;
    currentHint = hint;
    ui->StatusBarPro1->setPanelText(0, hint);
}

void TNumlet::updateMemoryDisplay()
{
    const auto status = Platform::memoryStatus();
    if (!status)
        return;
    ui->StatusBarPro1->setPanelText(1, MemoryDisplayText(status->totalBytes, status->availableBytes,
                                                         QLatin1Char(DecimalSeparator())));
}

void TNumlet::PageControl1Change()
{
    ui->Edit2->setFocus();
}

void TNumlet::SB1Click()
{
    setActivePage(0);
    const bool down = ui->SB1->isChecked();
    ui->Panel8->setVisible(down);
    ui->Panel10->setVisible(!down);
    ui->Panel13->setVisible(down);
    ui->Panel13->raise();
    SpeedButton7Click();
    ui->Edit2->setFocus();
}

void TNumlet::setActivePage(int index)
{
    const QSignalBlocker quiet(ui->PageControl1);
    ui->PageControl1->setCurrentIndex(index);
}

void TNumlet::ListBox2MouseUp()
{
    if (QListWidgetItem *item = ui->ListBox2->currentItem())
        item->setSelected(false);
}

void TNumlet::ListBox2KeyUp()
{
    ListBox2MouseUp();
}

void TNumlet::StatusBarPro1Panels3Click()
{
    Platform::shellOpenUrl(QLatin1String(MailAddress));
}

void TNumlet::SB16Click()
{
    Platform::shellOpenUrl(QLatin1String(HomePage));
}
