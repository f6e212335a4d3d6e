#pragma once

#include <QSpinBox>

#include <optional>

// A spin box whose limits, when changed, apply from the next edit and never touch the current
// value. QSpinBox's own range is kept wide enough to hold the current value; the logical limits
// clamp the next step, the next typed value (when the edit is finished) and every setValue().
// Until setMinValue()/setMaxValue() are called the limits are QSpinBox's minimum and maximum,
// as set from the form.
class TSpinEdit : public QSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue USER true)
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)

public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    int minValue() const { return m_minValue.value_or(minimum()); }
    int maxValue() const { return m_maxValue.value_or(maximum()); }
    void setMinValue(int minValue);
    void setMaxValue(int maxValue);

    // The integer in the text as it stands, or fallback when the text is not a number.
    int valueOr(int fallback) const;

    void stepBy(int steps) override;

public slots:
    // Clamps into the logical limits (hides QSpinBox::setValue on purpose).
    void setValue(int value);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int bounded(qint64 value) const;
    void freezeLimits();
    void fitRange();

    std::optional<int> m_minValue;
    std::optional<int> m_maxValue;
};
