#pragma once

#include <QComboBox>

class QFileSystemModel;
class QFrame;
class QModelIndex;
class QTimer;
class QTreeView;

// A drop-down folder tree. The combo shows the selected folder; its popup is a tree of folders
// from the file-system root (the drives on Windows). The file-system model is created when the
// popup first opens, so start-up never scans the disk.
class TLsDirTreeCombo28 : public QComboBox
{
    Q_OBJECT

public:
    explicit TLsDirTreeCombo28(QWidget *parent = nullptr);

    // Absolute, cleaned, with '/' separators (the combo shows native separators).
    QString selectedPath() const { return m_path; }
    // Accepts an existing folder only. Emits pathChanged() for every folder accepted, the one
    // already selected too: choosing it again reads its contents afresh.
    bool setSelectedPath(const QString &path);

    void showPopup() override;
    void hidePopup() override;

signals:
    void pathChanged(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPopup();
    void choose(const QModelIndex &index);
    void revealSelection();

    QString m_path;
    QFrame *m_popup = nullptr;
    QTreeView *m_view = nullptr;
    QFileSystemModel *m_model = nullptr;
    QTimer *m_revealTimer = nullptr;
    bool m_following = false; // the popup still tracks the selection as folders load
};
