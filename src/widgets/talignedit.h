#pragma once

#include <QLineEdit>

// A line edit whose text is right-aligned unless the form says otherwise.
class TAlignEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TAlignEdit(QWidget *parent = nullptr);
};
