#pragma once

#include <QCheckBox>

// The option check box: a plain QCheckBox under the form's class name.
class TBitCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TBitCheckBox(QWidget *parent = nullptr);
};
