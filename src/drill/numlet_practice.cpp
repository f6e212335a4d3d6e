// Answers and verdicts: the answer field's filter and Enter, judging, the verdict on screen, the
// counters, the points and the three timers.

#include "app/decimalseparator.h"
#include "app/eventhook.h"
#include "app/numlet.h"
#include "drill/runclock.h"
#include "drill/verdict.h"
#include "editexp/numbertext.h"
#include "ui_numlet.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

const QColor RightColour(0, 255, 0);
const QColor WrongColour(255, 0, 0);

// The character that a key press types into an edit; null for keys that type none (navigation,
// Tab, Delete, Escape) and for shortcuts such as copy and paste. Enter types '\r' whatever the
// platform puts into the event.
QChar typedCharacter(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return QChar(u'\r');
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return QChar();
    const QString text = event->text();
    if (text.size() != 1)
        return QChar();
    const QChar c = text.at(0);
    return c == QChar(u'\b') || c.isPrint() ? c : QChar();
}

void setPointSize(QWidget *widget, int points)
{
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

} // namespace

void TNumlet::connectDrillHandlers()
{
    bindHandler(ui->SpeedButton9, &QToolButton::clicked, &TNumlet::SpeedButton9Click);
    bindHandler(ui->Edit2, &QLineEdit::textChanged, &TNumlet::Edit2Change);
    bindHandler(ui->SB14, &QToolButton::clicked, &TNumlet::SB14Click);
    bindHandler(Timer1, &QTimer::timeout, &TNumlet::Timer1Timer);
    bindHandler(Timer2, &QTimer::timeout, &TNumlet::Timer2Timer);
    bindHandler(Timer3, &QTimer::timeout, &TNumlet::Timer3Timer);
    // The answer field sees a key first as a key down, then as a typed character. Enter is no
    // accepted character, so it never goes on to the window (or to a default button).
    EventHook::installFilter(ui->Edit2, QEvent::KeyPress, [this](QEvent *event) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Edit2KeyDown(key->key());
        const QChar c = typedCharacter(key);
        return !c.isNull() && !Edit2KeyPress(c);
    });
    // The filter value takes the same characters.
    EventHook::installFilter(ui->Edit1, QEvent::KeyPress, [this](QEvent *event) {
        const QChar c = typedCharacter(static_cast<QKeyEvent *>(event));
        return !c.isNull() && !Edit2KeyPress(c);
    });
    connectExaminationHandlers();
}

bool TNumlet::Edit2KeyPress(QChar key)
{
    return IsAnswerCharacter(key.unicode());
}

void TNumlet::Edit2KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // Whatever fails on the way ends the Enter silently; the pupil just types on.
    try {
        Vypocet();
        enableTimer(Timer2);
        drill.AnswerTicks = 0;
    } catch (...) {
    }
}

void TNumlet::Edit2Change()
{
    Pismo();
    ui->Label8->setText(ui->Edit2->text());
    ui->Edit2->update();
}

void TNumlet::Vypocet()
{
    PrepareEvaluationText();
    drill.AnswerText =
        QString::fromStdString(TypedAnswer(ui->Edit2->text().toStdString(), DecimalSeparator()));
    // A failure on the way (an unreadable number, nothing judged for the rate, an unreadable
    // filter value in the next example) ends judging without a message.
    try {
        judge();
    } catch (...) {
    }
    ui->Label8->setText(QStringLiteral("0"));
    ui->Label10->setText(QString::number(ExampleCount()));
}

void TNumlet::judge()
{
    // Also in practice mode: the counters reach N there as well.
    if (RunIsOver(drill.RightCount, drill.WrongCount, ExampleCount(), AnswerLimit(),
                  drill.AnswerTicks)) {
        SpeedButton5Click();
        return;
    }
    TEditExp *evaluator = ui->EditExp1;
    evaluator->setText(QString::fromStdString(generation.evaluationText));
    evaluator->setMask(QStringLiteral("0.00"));
    const QString result = evaluator->ResultText();
    if (!evaluator->HasError()) {
        if (IsUnanswered(ui->Edit2->text().toStdString())) {
            CountUnanswered();
            return;
        }
        switch (Judge(result.toStdString(), drill.AnswerText.toStdString(), DecimalSeparator())) {
        case Verdict::Unreadable:
            return;
        case Verdict::Right:
            RozhodAno();
            if (ui->SB11->isChecked())
                AddLogRow(true);
            ++drill.RightCount;
            ui->Label3D8->setText(QString::number(drill.RightCount));
            break;
        case Verdict::Wrong:
            RozhodNe();
            AddLogRow(false);
            ++drill.WrongCount;
            ui->Label3D9->setText(QString::number(drill.WrongCount));
            break;
        }
    }
    ui->StatusBarPro1->setPanelText(0, evaluator->ErrorText());
    if (ui->SB9->isChecked()) {
        if (ui->SB19->isChecked()) {
            const QString full =
                QString::fromStdString(FormatGeneral(evaluator->Value(), DecimalSeparator()));
            ui->Label3D1->setText(full);
            if (full.size() > 14)
                setPointSize(ui->Label3D1, 12);
        } else {
            ui->Label3D1->setText(result);
        }
    }
    announceVerdict();
    NextExample();
    if (ShowFigures())
        ui->Edit2->clear();
}

void TNumlet::RozhodAno()
{
    ShowVerdictPicture(true);
    setTextColour(ui->Label1, {QPalette::WindowText}, RightColour);
    ui->Label1->setText(tr("To je správné řešení !!!"));
}

void TNumlet::RozhodNe()
{
    ShowVerdictPicture(false);
    setTextColour(ui->Label1, {QPalette::WindowText}, WrongColour);
    ui->Label1->setText(tr("To je špatné řešení !!!"));
}

void TNumlet::CountUnanswered()
{
    RozhodNe();
    if (ui->Edit2->text() == QLatin1String("-"))
        drill.AnswerText.clear();
    AddLogRow(false);
    ++drill.WrongCount;
    ++drill.UnansweredCount;
    ui->Label3D9->setText(QString::number(drill.WrongCount));
    // The remaining count, rate and points wait for the next judged answer or the run's end.
    drill.figuresBehind = true;
    ShowAboutPicture();
    ui->Label1->clear();
    ui->Label3D1->setText(QStringLiteral("0"));
    setPointSize(ui->Label3D1, 16);
    Timer2->stop();
    ui->Edit2->clear();
    SpeedButton9Click();
}

void TNumlet::AddLogRow(bool right)
{
    const QString row = QString::number(drill.RightCount + drill.WrongCount);
    const QString text = QString::fromStdString(
        LogRowText(ui->LabelF1->text().toStdString(), drill.AnswerText.toStdString()));
    ui->ListBox1->addRow({row, text}, right ? 0 : 1);
    ui->ListBox1->scrollToBottom();
}

// The remaining count, the success rate and, during a run, the points. False when a step fails:
// nothing judged yet, or best points that are not a number.
bool TNumlet::ShowFigures()
{
    drill.figuresBehind = false;
    ui->Label3D10->setText(QString::number(ExampleCount() - drill.RightCount - drill.WrongCount));
    const auto rate = SuccessRateText(drill.RightCount, drill.WrongCount, DecimalSeparator());
    if (!rate)
        return false;
    ui->Label3D12->setText(QString::fromStdString(*rate));
    return !drill.RunActive || UpdatePoints();
}

bool TNumlet::UpdatePoints()
{
    const long long points =
        Points(drill.RightCount, drill.WrongCount, drill.ElapsedSeconds, ui->BBox6->isChecked());
    const QString text = QString::number(points);
    ui->Label3D15->setText(text);
    switch (CompareBest(ui->Label3D16->text().toStdString(), points)) {
    case BestPoints::Replace:
        ui->Label3D16->setText(text);
        return true;
    case BestPoints::Keep:
        return true;
    case BestPoints::Unreadable:
        break;
    }
    return false;
}

// Starting a timer that runs already keeps its interval, so a verdict never stays longer.
void TNumlet::enableTimer(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}

int TNumlet::ExampleCount() const
{
    return ui->TrackBar1->value();
}

int TNumlet::AnswerLimit() const
{
    return ui->SpinEdit13->valueOr(1);
}

void TNumlet::Timer1Timer()
{
    ui->Label3D14->setText(RunClockText(QTime::currentTime(), drill.RunStartTime, QLocale()));
    ++drill.ElapsedSeconds;
}

void TNumlet::Timer2Timer()
{
    // Stopped first: a folder picture that fails to load must not fail again every second.
    Timer2->stop();
    ui->Label1->clear();
    ui->Label3D1->setText(QStringLiteral("0"));
    setPointSize(ui->Label3D1, 16);
    if (ui->SB10->isChecked())
        NextPicture();
    else
        ShowAboutPicture();
}

void TNumlet::Timer3Timer()
{
    ++drill.AnswerTicks;
    if (drill.AnswerTicks < AnswerLimit())
        return;
    Vypocet();
    enableTimer(Timer2);
    // The example made inside judging is replaced at once.
    NextExample();
}

void TNumlet::SB14Click()
{
    ui->SpinEdit13->setEnabled(!ui->SpinEdit13->isEnabled());
}

void TNumlet::SpeedButton9Click()
{
    NextExample();
    ui->Edit2->setFocus();
}
