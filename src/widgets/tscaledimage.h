#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

// The picture control. Its geometry may run outside the parent on purpose: a picture wider than
// the parent is cut off on both sides.
class TScaledImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Align align READ align WRITE setAlign)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool center READ center WRITE setCenter)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    enum class Align { None, Client };
    Q_ENUM(Align)

    explicit TScaledImage(QWidget *parent = nullptr);

    Align align() const { return m_align; }
    bool autoSize() const { return m_autoSize; }
    bool center() const { return m_center; }
    bool stretch() const { return m_stretch; }
    const QImage &picture() const { return m_picture; }

    // Client: fill the parent and follow its resizes.
    void setAlign(Align align);
    void setAutoSize(bool on);
    void setCenter(bool on);
    void setStretch(bool on);
    // Without auto-size the height stays and the width follows the picture's proportions.
    void setPicture(const QImage &picture);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void watchParent();
    void fitToParent();
    void fitToPicture();

    QImage m_picture;
    Align m_align = Align::None;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
    QPointer<QWidget> m_watched;
};
