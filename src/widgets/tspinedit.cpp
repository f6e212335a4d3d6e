#include "widgets/tspinedit.h"

#include <QKeyEvent>

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent)
{
    // Once a value has landed inside the limits, the range narrows to them again.
    connect(this, &QSpinBox::valueChanged, this, [this] { fitRange(); });
    // A typed value beyond the limits is pulled back when the edit is done.
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { setValue(value()); });
}

void TSpinEdit::setMinValue(int minValue)
{
    freezeLimits();
    m_minValue = minValue;
    fitRange();
}

void TSpinEdit::setMaxValue(int maxValue)
{
    freezeLimits();
    m_maxValue = maxValue;
    fitRange();
}

// The first logical limit takes the form's range as the other one, before the real range moves.
void TSpinEdit::freezeLimits()
{
    if (!m_minValue)
        m_minValue = minimum();
    if (!m_maxValue)
        m_maxValue = maximum();
}

int TSpinEdit::valueOr(int fallback) const
{
    bool ok = false;
    const QString text = cleanText();
    int n = locale().toInt(text, &ok);
    if (!ok)
        n = text.toInt(&ok);
    return ok ? n : fallback;
}

void TSpinEdit::setValue(int value)
{
    QSpinBox::setValue(bounded(value));
}

void TSpinEdit::stepBy(int steps)
{
    // Take in what is typed so far, as QAbstractSpinBox does before a step.
    interpretText();
    setValue(bounded(qint64(value()) + qint64(steps) * singleStep()));
    selectAll();
}

// QAbstractSpinBox re-emits valueChanged for an unchanged value on Enter; the handlers behind
// valueChanged must run on real changes only.
void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Enter && event->key() != Qt::Key_Return) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    interpretText();
    selectAll();
    event->ignore(); // a dialog's default button still sees Enter
    emit editingFinished();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    const int v = value();
    StepEnabled enabled = StepNone;
    if (bounded(qint64(v) + singleStep()) != v)
        enabled |= StepUpEnabled;
    if (bounded(qint64(v) - singleStep()) != v)
        enabled |= StepDownEnabled;
    return enabled;
}

int TSpinEdit::bounded(qint64 value) const
{
    const int lo = minValue();
    const int hi = maxValue();
    if (value < lo)
        return lo;
    if (value > hi)
        return hi;
    return int(value);
}

// The real range always holds the current value, so changing it never clamps or signals.
void TSpinEdit::fitRange()
{
    const int lo = minValue();
    const int hi = maxValue();
    const int v = value();
    const int realMin = qMin(qMin(lo, hi), v);
    const int realMax = qMax(qMax(lo, hi), v);
    // setRange() also stops a held arrow's auto-repeat, so only call it for a real change.
    if (realMin != minimum() || realMax != maximum())
        setRange(realMin, realMax);
}
