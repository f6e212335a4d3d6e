#pragma once

#include <QColor>
#include <QWidget>

// A painted progress bar. A position outside the range is clamped into it, where QProgressBar
// would ignore it.
class TGauge : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(QColor barColor READ barColor WRITE setBarColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    explicit TGauge(QWidget *parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    QColor barColor() const { return m_barColor; }
    QColor backColor() const { return m_backColor; }

    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setValue(int value);
    void setBarColor(const QColor &color);
    void setBackColor(const QColor &color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void clampValue();

    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    QColor m_barColor{0, 255, 0};
    QColor m_backColor{0, 0, 0};
};
