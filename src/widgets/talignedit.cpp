#include "widgets/talignedit.h"

TAlignEdit::TAlignEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
