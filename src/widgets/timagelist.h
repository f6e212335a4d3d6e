#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// A list of equally sized pixmaps, addressed by index.
class TImageList
{
public:
    void add(const QPixmap &pixmap) { m_pixmaps.append(pixmap); }
    int count() const { return int(m_pixmaps.size()); }
    // A null pixmap or icon for an index outside the list.
    QPixmap pixmap(int index) const;
    QIcon icon(int index) const;

private:
    QList<QPixmap> m_pixmaps;
};
