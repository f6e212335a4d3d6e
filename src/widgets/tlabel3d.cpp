#include "widgets/tlabel3d.h"

#include <QPainter>
#include <QStyle>

namespace {
// The highlight and shadow copies sit one pixel off each way.
constexpr int Relief = 1;
} // namespace

TLabel3D::TLabel3D(QWidget *parent) : QLabel(parent) {}

// Room for the highlight and the shadow on either side.
QSize TLabel3D::sizeHint() const
{
    return QLabel::sizeHint() + QSize(2 * Relief, 2 * Relief);
}

QSize TLabel3D::minimumSizeHint() const
{
    return QLabel::minimumSizeHint() + QSize(2 * Relief, 2 * Relief);
}

void TLabel3D::paintEvent(QPaintEvent *event)
{
    // Pictures and movies keep QLabel's own painting.
    if (text().isEmpty() || !pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }

    QPainter painter(this);
    drawFrame(&painter);

    const int m = margin();
    QRect area = contentsRect().adjusted(m, m, -m, -m);
    if (indent() > 0) {
        const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
        if (a & Qt::AlignLeft)
            area.setLeft(area.left() + indent());
        else if (a & Qt::AlignRight)
            area.setRight(area.right() - indent());
        if (a & Qt::AlignTop)
            area.setTop(area.top() + indent());
        else if (a & Qt::AlignBottom)
            area.setBottom(area.bottom() - indent());
    }

    const int flags =
        int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextSingleLine;
    const QString caption = text();

    // The edges take their shades from the face the caption stands on, so it reads as raised on
    // any face: lighter than it above-left, darker below-right.
    const QColor face = palette().color(backgroundRole());
    painter.setFont(font());
    painter.setPen(face.darker(150));
    painter.drawText(area.translated(Relief, Relief), flags, caption);
    painter.setPen(face.lighter(150));
    painter.drawText(area.translated(-Relief, -Relief), flags, caption);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, caption);
}
