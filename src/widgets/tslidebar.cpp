#include "widgets/tslidebar.h"

TSlideBar::TSlideBar(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}
