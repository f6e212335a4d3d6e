#pragma once

#include <QWidget>

// The start-up picture: borderless, always on top, white, centred, shaped by its region mask.
class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashForm(QWidget *parent = nullptr);
};
