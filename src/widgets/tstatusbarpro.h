#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QWidget>

// A classic status bar: sunken panels side by side at their given widths, no size grip.
// Other controls may sit over a panel by absolute geometry.
class TStatusBarPro : public QWidget
{
    Q_OBJECT

public:
    explicit TStatusBarPro(QWidget *parent = nullptr);

    // Panels already present keep their text, font, colour, alignment and image.
    void setPanelWidths(const QList<int> &widths);
    int panelCount() const { return int(m_panels.size()); }
    QRect panelRect(int index) const;

    void setPanelText(int index, const QString &text);
    QString panelText(int index) const;
    void setPanelFont(int index, const QFont &font);
    QFont panelFont(int index) const;
    void setPanelColor(int index, const QColor &color);
    QColor panelColor(int index) const;
    void setPanelAlignment(int index, Qt::Alignment alignment);
    Qt::Alignment panelAlignment(int index) const;
    // Drawn at the panel's left, the text after it.
    void setPanelImage(int index, const QPixmap &image);
    // The panel that the keyboard reaches: with one, the bar takes the focus by Tab, shows it
    // around that panel and reports Space or Enter as a click on it. -1 for none.
    void setClickablePanel(int index);
    int clickablePanel() const { return m_clickable; }

    QSize sizeHint() const override;

signals:
    void panelClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Panel
    {
        int width = 0;
        QString text;
        QFont font;
        bool ownFont = false;
        QColor color;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QPixmap image;
    };

    bool valid(int index) const { return index >= 0 && index < m_panels.size(); }
    int panelAt(const QPoint &pos) const;
    void updatePanel(int index) { update(panelRect(index)); }

    QList<Panel> m_panels;
    int m_pressed = -1;
    int m_clickable = -1;
};
