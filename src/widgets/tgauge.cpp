#include "widgets/tgauge.h"

#include <QAccessible>
#include <qdrawutil.h>
#include <QPainter>

TGauge::TGauge(QWidget *parent) : QWidget(parent) {}

void TGauge::setMinimum(int minimum)
{
    m_minimum = minimum;
    m_maximum = qMax(m_maximum, minimum);
    clampValue();
    update();
}

void TGauge::setMaximum(int maximum)
{
    m_maximum = maximum;
    m_minimum = qMin(m_minimum, maximum);
    clampValue();
    update();
}

void TGauge::setValue(int value)
{
    value = qBound(m_minimum, value, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void TGauge::setBarColor(const QColor &color)
{
    if (color == m_barColor)
        return;
    m_barColor = color;
    update();
}

void TGauge::setBackColor(const QColor &color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

QSize TGauge::sizeHint() const
{
    return QSize(150, 20);
}

void TGauge::clampValue()
{
    m_value = qBound(m_minimum, m_value, m_maximum);
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);

    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, m_backColor);

    const qint64 span = qint64(m_maximum) - m_minimum;
    if (span <= 0 || inside.width() <= 0)
        return;
    const qint64 filled = inside.width() * (qint64(m_value) - m_minimum) / span;
    if (filled > 0)
        painter.fillRect(QRect(inside.left(), inside.top(), int(filled), inside.height()),
                         m_barColor);
}
