#include "widgets/tscaledimage.h"

#include <QEvent>
#include <QPainter>

TScaledImage::TScaledImage(QWidget *parent) : QWidget(parent) {}

void TScaledImage::setAlign(Align align)
{
    if (align == m_align)
        return;
    m_align = align;
    watchParent();
    if (m_align == Align::Client)
        fitToParent();
}

void TScaledImage::setAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    if (m_autoSize)
        fitToPicture();
}

void TScaledImage::setCenter(bool on)
{
    if (on == m_center)
        return;
    m_center = on;
    update();
}

void TScaledImage::setStretch(bool on)
{
    if (on == m_stretch)
        return;
    m_stretch = on;
    update();
}

void TScaledImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void TScaledImage::fitToPicture()
{
    if (m_align == Align::Client || m_picture.isNull())
        return;
    if (m_autoSize) {
        resize(m_picture.deviceIndependentSize().toSize());
        return;
    }
    const int h = height();
    const QSizeF size = m_picture.deviceIndependentSize();
    resize(qRound(size.width() * h / size.height()), h);
}

void TScaledImage::fitToParent()
{
    if (QWidget *p = parentWidget())
        setGeometry(p->rect());
}

// Only a client-aligned control listens to its parent.
void TScaledImage::watchParent()
{
    QWidget *wanted = m_align == Align::Client ? parentWidget() : nullptr;
    if (m_watched == wanted)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = wanted;
    if (m_watched)
        m_watched->installEventFilter(this);
}

bool TScaledImage::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) {
        watchParent();
        if (m_align == Align::Client)
            fitToParent();
    }
    return QWidget::event(event);
}

bool TScaledImage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched && event->type() == QEvent::Resize)
        fitToParent();
    return QWidget::eventFilter(watched, event);
}

void TScaledImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_picture);
        return;
    }
    QPoint at(0, 0);
    if (m_center)
        at = QPoint((width() - qRound(m_picture.deviceIndependentSize().width())) / 2,
                    (height() - qRound(m_picture.deviceIndependentSize().height())) / 2);
    painter.drawImage(at, m_picture);
}
