#include "widgets/tcolumnlistbox.h"

#include "widgets/timagelist.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStyleOptionFocusRect>

namespace {
constexpr int ImageRole = Qt::UserRole + 1;

Qt::Alignment completed(Qt::Alignment a)
{
    if (!(a & Qt::AlignHorizontal_Mask))
        a |= Qt::AlignLeft;
    if (!(a & Qt::AlignVertical_Mask))
        a |= Qt::AlignVCenter;
    return a;
}
} // namespace

// Draws the cells from the owner's column table, so the table applies to every row at once.
class TColumnListBox::Delegate : public QStyledItemDelegate
{
public:
    explicit Delegate(TColumnListBox *owner) : QStyledItemDelegate(owner), m_owner(owner) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), RowHeight);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const int c = index.column();
        if (c < 0 || c >= m_owner->m_columns.size()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const Column &column = m_owner->m_columns[c];
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.displayAlignment = completed(column.alignment);
        if (column.color.isValid()) {
            opt.palette.setColor(QPalette::Text, column.color);
            opt.palette.setColor(QPalette::WindowText, column.color);
        }
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();

        if (column.kind == Column::Kind::Text) {
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
            return;
        }

        // Image cells: the item background, then the picture at its natural size.
        opt.text.clear();
        opt.features &= ~QStyleOptionViewItem::HasDisplay;
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
        if (!m_owner->m_images)
            return;
        const QPixmap pixmap =
            m_owner->m_images->pixmap(index.siblingAtColumn(0).data(ImageRole).toInt());
        if (pixmap.isNull())
            return;
        const QRect at = QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                             pixmap.deviceIndependentSize().toSize(), opt.rect);
        painter->drawPixmap(at, pixmap);
    }

private:
    TColumnListBox *m_owner;
};

TColumnListBox::TColumnListBox(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(RowHeight, RowHeight));
    setIndentation(0);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setMinimumSectionSize(0); // narrow image columns
    setItemDelegate(new Delegate(this));
}

void TColumnListBox::setColumns(const QList<Column> &columns)
{
    m_columns = columns;
    setColumnCount(qMax(1, int(columns.size())));
    for (int i = 0; i < columns.size(); ++i)
        header()->resizeSection(i, columns[i].width);
    viewport()->update();
}

void TColumnListBox::setImageList(const TImageList *images)
{
    m_images = images;
    viewport()->update();
}

int TColumnListBox::addRow(const QStringList &texts, int imageIndex)
{
    auto *item = new QTreeWidgetItem;
    int next = 0;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].kind == Column::Kind::Text && next < texts.size())
            item->setText(c, texts[next++]);
    }
    item->setData(0, ImageRole, imageIndex);
    addTopLevelItem(item);
    return topLevelItemCount() - 1;
}

QString TColumnListBox::cellText(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    if (!item || column < 0 || column >= m_columns.size() ||
        m_columns[column].kind != Column::Kind::Text)
        return {};
    return item->text(column);
}

int TColumnListBox::rowImage(int row) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->data(0, ImageRole).toInt() : -1;
}

void TColumnListBox::paintEvent(QPaintEvent *event)
{
    QTreeWidget::paintEvent(event);
    if (!hasFocus() || currentItem())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    focus.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void TColumnListBox::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    viewport()->update();
}

void TColumnListBox::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}
