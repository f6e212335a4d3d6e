#pragma once

#include <QSlider>

// A horizontal slider; range, position and valueChanged are QSlider's.
class TSlideBar : public QSlider
{
    Q_OBJECT

public:
    explicit TSlideBar(QWidget *parent = nullptr);
};
