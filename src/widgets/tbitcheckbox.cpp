#include "widgets/tbitcheckbox.h"

TBitCheckBox::TBitCheckBox(QWidget *parent) : QCheckBox(parent) {}
