#include "widgets/timagelist.h"

QPixmap TImageList::pixmap(int index) const
{
    return index >= 0 && index < m_pixmaps.size() ? m_pixmaps[index] : QPixmap();
}

QIcon TImageList::icon(int index) const
{
    const QPixmap p = pixmap(index);
    return p.isNull() ? QIcon() : QIcon(p);
}
