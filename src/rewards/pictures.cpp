#include "rewards/pictures.h"

#include <QDir>

#include <algorithm>

namespace {

// The folder with its trailing separator, never doubled. An empty folder is the root: of the
// current drive on Windows, of the file system elsewhere.
QString folderPrefix(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QLatin1Char('/');
}

// By name without regard to case, ties broken by case, so the order never depends on the disk.
bool byName(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

QStringList ListFolderPictures(const QString &folder)
{
    const QString prefix = folderPrefix(folder);
    // Every kind of entry, hidden ones too. Name filters match without regard to case on every
    // platform, so "a.jpg" counts as well as "A.JPG".
    QStringList names = QDir(prefix).entryList(
        {QStringLiteral("*.JPG")},
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end(), byName);
    QStringList pictures;
    for (const QString &name : names) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && dot < name.size() - 1)
            pictures.append(QDir::toNativeSeparators(prefix + name));
    }
    return pictures;
}

int NextPictureIndex(int current, qsizetype count, bool sequential, RandomGenerator &random)
{
    if (sequential)
        return current >= count - 1 ? 0 : current + 1;
    return int(random.next(std::uint32_t(count)));
}
