#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

class TImageList;

// The examination log: rows of cells in fixed columns, each text column with its own alignment
// and colour, image columns showing one picture of an image list. Rows are exactly 16 px high.
class TColumnListBox : public QTreeWidget
{
    Q_OBJECT

public:
    struct Column
    {
        enum class Kind { Text, Image };
        Kind kind = Kind::Text;
        int width = 0;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QColor color; // invalid: the palette's text colour
    };

    static constexpr int RowHeight = 16;

    explicit TColumnListBox(QWidget *parent = nullptr);

    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return m_columns; }
    // Not owned; must outlive the list or be reset to null.
    void setImageList(const TImageList *images);
    const TImageList *imageList() const { return m_images; }

    // The texts fill the text columns in order; the image columns show image imageIndex.
    int addRow(const QStringList &texts, int imageIndex);
    int rowCount() const { return topLevelItemCount(); }
    // Empty for an image column or a cell outside the list.
    QString cellText(int row, int column) const;
    // -1 for a row outside the list.
    int rowImage(int row) const;
    void clearRows() { clear(); }

protected:
    // An empty log has no row to show the focus on: the frame shows it then.
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    class Delegate;

    QList<Column> m_columns;
    const TImageList *m_images = nullptr;
};
