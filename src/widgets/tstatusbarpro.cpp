#include "widgets/tstatusbarpro.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {
// Gap between neighbouring panels and the text's distance from the panel frame.
constexpr int PanelGap = 2;
constexpr int TextPadding = 3;
} // namespace

TStatusBarPro::TStatusBarPro(QWidget *parent) : QWidget(parent) {}

void TStatusBarPro::setPanelWidths(const QList<int> &widths)
{
    m_panels.resize(widths.size());
    for (int i = 0; i < widths.size(); ++i)
        m_panels[i].width = qMax(0, widths[i]);
    m_pressed = -1;
    update();
    updateGeometry();
}

QRect TStatusBarPro::panelRect(int index) const
{
    if (!valid(index))
        return {};
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += m_panels[i].width;
    return QRect(left, 0, m_panels[index].width, height());
}

void TStatusBarPro::setPanelText(int index, const QString &text)
{
    // Called at every idle moment: an unchanged text must cost nothing.
    if (!valid(index) || m_panels[index].text == text)
        return;
    m_panels[index].text = text;
    updatePanel(index);
}

QString TStatusBarPro::panelText(int index) const
{
    return valid(index) ? m_panels[index].text : QString();
}

void TStatusBarPro::setPanelFont(int index, const QFont &font)
{
    if (!valid(index))
        return;
    m_panels[index].font = font;
    m_panels[index].ownFont = true;
    updatePanel(index);
}

QFont TStatusBarPro::panelFont(int index) const
{
    return valid(index) && m_panels[index].ownFont ? m_panels[index].font : font();
}

void TStatusBarPro::setPanelColor(int index, const QColor &color)
{
    if (!valid(index) || m_panels[index].color == color)
        return;
    m_panels[index].color = color;
    updatePanel(index);
}

QColor TStatusBarPro::panelColor(int index) const
{
    if (valid(index) && m_panels[index].color.isValid())
        return m_panels[index].color;
    return palette().color(foregroundRole());
}

void TStatusBarPro::setPanelAlignment(int index, Qt::Alignment alignment)
{
    if (!valid(index) || m_panels[index].alignment == alignment)
        return;
    m_panels[index].alignment = alignment;
    updatePanel(index);
}

Qt::Alignment TStatusBarPro::panelAlignment(int index) const
{
    return valid(index) ? m_panels[index].alignment : Qt::AlignLeft | Qt::AlignVCenter;
}

void TStatusBarPro::setPanelImage(int index, const QPixmap &image)
{
    if (!valid(index))
        return;
    m_panels[index].image = image;
    updatePanel(index);
}

QSize TStatusBarPro::sizeHint() const
{
    int w = 0;
    for (const Panel &p : m_panels)
        w += p.width;
    return QSize(qMax(w, 100), fontMetrics().height() + 2 * TextPadding + 2);
}

void TStatusBarPro::setClickablePanel(int index)
{
    m_clickable = valid(index) ? index : -1;
    setFocusPolicy(m_clickable >= 0 ? Qt::TabFocus : Qt::NoFocus);
    update();
}

void TStatusBarPro::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_clickable >= 0 &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit panelClicked(m_clickable);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TStatusBarPro::focusInEvent(QFocusEvent *event)
{
    updatePanel(m_clickable);
    QWidget::focusInEvent(event);
}

void TStatusBarPro::focusOutEvent(QFocusEvent *event)
{
    updatePanel(m_clickable);
    QWidget::focusOutEvent(event);
}

int TStatusBarPro::panelAt(const QPoint &pos) const
{
    for (int i = 0; i < m_panels.size(); ++i)
        if (panelRect(i).contains(pos))
            return i;
    return -1;
}

void TStatusBarPro::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = panelAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void TStatusBarPro::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed >= 0 && panelAt(event->position().toPoint()) == pressed)
        emit panelClicked(pressed);
    QWidget::mouseReleaseEvent(event);
}

void TStatusBarPro::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (int i = 0; i < m_panels.size(); ++i) {
        QRect frame = panelRect(i);
        if (!event->rect().intersects(frame))
            continue;
        if (i < m_panels.size() - 1)
            frame.setRight(frame.right() - PanelGap);
        if (frame.width() <= 0)
            continue;
        qDrawShadePanel(&painter, frame, palette(), true, 1);

        const Panel &panel = m_panels[i];
        QRect inside = frame.adjusted(TextPadding, 1, -TextPadding, -1);
        painter.setClipRect(frame.adjusted(1, 1, -1, -1));
        if (!panel.image.isNull()) {
            const QSize size = panel.image.deviceIndependentSize().toSize();
            const QRect at = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter,
                                                 size, inside);
            painter.drawPixmap(at, panel.image);
            inside.setLeft(at.right() + 1 + TextPadding);
        }
        if (!panel.text.isEmpty() && inside.width() > 0) {
            const QFont f = panelFont(i);
            painter.setFont(f);
            painter.setPen(panelColor(i));
            const QString shown =
                QFontMetrics(f).elidedText(panel.text, Qt::ElideRight, inside.width());
            painter.drawText(inside, int(panel.alignment) | Qt::TextSingleLine, shown);
        }
        painter.setClipping(false);
        if (i == m_clickable && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = frame.adjusted(2, 2, -2, -2);
            focus.backgroundColor = palette().color(QPalette::Window);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}
