#pragma once

#include <QLabel>

// A flat label (the example display, the busy caption): plain QLabel behaviour.
class TLabelF : public QLabel
{
    Q_OBJECT

public:
    explicit TLabelF(QWidget *parent = nullptr);
};
