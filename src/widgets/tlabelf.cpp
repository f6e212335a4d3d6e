#include "widgets/tlabelf.h"

TLabelF::TLabelF(QWidget *parent) : QLabel(parent) {}
