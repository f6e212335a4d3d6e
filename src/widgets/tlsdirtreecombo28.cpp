#include "widgets/tlsdirtreecombo28.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int PopupHeight = 300;
constexpr int PopupMinWidth = 250;
constexpr int RevealDelayMs = 20;
} // namespace

TLsDirTreeCombo28::TLsDirTreeCombo28(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

bool TLsDirTreeCombo28::setSelectedPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isDir())
        return false;
    m_path = QDir::cleanPath(info.absoluteFilePath());
    const QString shown = QDir::toNativeSeparators(m_path);
    if (count() == 0)
        addItem(shown);
    else
        setItemText(0, shown);
    setCurrentIndex(0);
    emit pathChanged(m_path);
    return true;
}

void TLsDirTreeCombo28::createPopup()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::StyledPanel);
    m_popup->installEventFilter(this);

    m_model = new QFileSystemModel(m_popup);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
#ifdef Q_OS_WIN
    m_model->setRootPath(QString()); // the drives
#else
    m_model->setRootPath(QDir::rootPath());
#endif

    m_view = new QTreeView(m_popup);
    m_view->setModel(m_model);
    m_view->setHeaderHidden(true);
    for (int c = 1; c < m_model->columnCount(); ++c)
        m_view->hideColumn(c);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_view->header()->setStretchLastSection(false);
    m_view->installEventFilter(this);

    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // Enter emits activated; a click on a folder (not on its expand arrow) emits clicked.
    connect(m_view, &QAbstractItemView::activated, this, &TLsDirTreeCombo28::choose);
    connect(m_view, &QAbstractItemView::clicked, this, &TLsDirTreeCombo28::choose);
    // Folders fill in asynchronously: the selection's ancestors and the rows above it settle
    // only once they are read and sorted, so keep revealing it until the user takes over.
    m_revealTimer = new QTimer(m_popup);
    m_revealTimer->setSingleShot(true);
    m_revealTimer->setInterval(RevealDelayMs);
    connect(m_revealTimer, &QTimer::timeout, this, &TLsDirTreeCombo28::revealSelection);
    const auto settle = [this] {
        if (m_following && m_popup->isVisible())
            m_revealTimer->start();
    };
    connect(m_model, &QFileSystemModel::directoryLoaded, this, settle);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, settle);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, settle);
    m_view->viewport()->installEventFilter(this);
}

void TLsDirTreeCombo28::showPopup()
{
    if (!m_popup)
        createPopup();

    const QRect screen = this->screen()->availableGeometry();
    QRect g(mapToGlobal(QPoint(0, height())), QSize(qMax(width(), PopupMinWidth), PopupHeight));
    if (g.bottom() > screen.bottom())
        g.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
    if (g.right() > screen.right())
        g.moveRight(screen.right());
    if (g.left() < screen.left())
        g.moveLeft(screen.left());
    if (g.top() < screen.top())
        g.moveTop(screen.top());
    m_popup->setGeometry(g);
    m_popup->show();
    m_view->setFocus();
    m_following = true;
    revealSelection();
}

void TLsDirTreeCombo28::revealSelection()
{
    const QModelIndex index = m_path.isEmpty() ? QModelIndex() : m_model->index(m_path);
    if (!index.isValid())
        return;
    // scrollTo() expands every folder above the selection.
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TLsDirTreeCombo28::hidePopup()
{
    if (!m_popup)
        return;
    m_following = false;
    m_revealTimer->stop();
    m_popup->hide();
}

void TLsDirTreeCombo28::choose(const QModelIndex &index)
{
    // Where a single click also activates, the click's second signal finds the popup closed.
    if (!index.isValid() || !m_popup->isVisible())
        return;
    const QString path = m_model->filePath(index);
    hidePopup();
    setSelectedPath(path);
}

bool TLsDirTreeCombo28::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_view) // the popup is still being built
        return QComboBox::eventFilter(watched, event);

    if (watched == m_view && event->type() == QEvent::KeyPress) {
        m_following = false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape || (key->key() == Qt::Key_F4 && !key->modifiers()) ||
            (key->key() == Qt::Key_Up && key->modifiers() & Qt::AltModifier)) {
            hidePopup();
            return true;
        }
    } else if (watched == m_view->viewport() &&
               (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel)) {
        m_following = false;
    } else if (watched == m_popup && event->type() == QEvent::MouseButtonPress) {
        // A press on the combo itself only closes the popup; replayed, it would reopen it.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint local = mapFromGlobal(mouse->globalPosition().toPoint());
        m_popup->setAttribute(Qt::WA_NoMouseReplay, rect().contains(local));
    }
    return QComboBox::eventFilter(watched, event);
}
