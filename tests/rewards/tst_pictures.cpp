// The reward pictures' engine: the folder's picture list and the choice of the next picture.

#include "rewards/pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void sequentialWrapsAtTheEnd()
    {
        RandomGenerator random(0);
        QCOMPARE(NextPictureIndex(0, 3, true, random), 1);
        QCOMPARE(NextPictureIndex(1, 3, true, random), 2);
        QCOMPARE(NextPictureIndex(2, 3, true, random), 0);
        QCOMPARE(NextPictureIndex(0, 1, true, random), 0);
        // An index left from a longer list starts again at 0.
        QCOMPARE(NextPictureIndex(30, 10, true, random), 0);
        QCOMPARE(NextPictureIndex(9, 10, true, random), 0);
        QCOMPARE(random.seed(), 0u); // the order draws nothing
    }

    void randomDrawsFromTheWholeList()
    {
        // Random(7) from seed 0: seeds 1, 134775814, 3698175007, 870078620, 1172187917 give
        // 0, 0, 6, 1, 1 (the upper half of seed * 7); the current picture may come again.
        RandomGenerator random(0);
        QList<int> drawn;
        int index = 0;
        for (int i = 0; i < 5; ++i)
            drawn << (index = NextPictureIndex(index, 7, false, random));
        QCOMPARE(drawn, (QList<int>{0, 0, 6, 1, 1}));
    }

    void folderListing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Every kind of entry named *.JPG counts, folders and hidden ones too, when its name has
        // an extension after the last point.
        for (const char *name : {"b.JPG", "a.jpg", "A.JPG", "C.Jpg", ".hidden.jpg", ".jpg",
                                 "x.jpg.txt", "e.jpeg", "jpg", "d.png"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.jpg")));

        // By name without regard to case, a tie broken by case.
        const QStringList names = {".hidden.jpg", ".jpg",  "A.JPG",  "a.jpg",
                                   "b.JPG",       "C.Jpg", "sub.jpg"};
        QStringList expected;
        for (const QString &name : names)
            expected << QDir::toNativeSeparators(dir.path() + QLatin1Char('/') + name);
        QCOMPARE(ListFolderPictures(dir.path()), expected);
        // A trailing separator is not doubled.
        QCOMPARE(ListFolderPictures(dir.path() + QLatin1Char('/')), expected);

        QTemporaryDir empty;
        QCOMPARE(ListFolderPictures(empty.path()), QStringList());
        QCOMPARE(ListFolderPictures(empty.filePath(QStringLiteral("missing"))), QStringList());
    }
};

QTEST_APPLESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
