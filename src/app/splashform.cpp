#include "app/splashform.h"

#include "widgets/tcoolform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(256, 255);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("SplashImage"));
    picture->setGeometry(0, 0, 256, 255);
    picture->setPixmap(QPixmap(QStringLiteral(":/splash/splash.png")));

    TCoolForm::apply(this, QImage(QStringLiteral(":/splash/splash_mask.png")));

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
