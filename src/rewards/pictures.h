#pragma once

#include "generator/random.h"

#include <QString>
#include <QStringList>

// The state of the reward pictures, kept by the main window.
struct RewardState
{
    int PictureIndex = 0;    // position in PictureList of the folder picture shown last
    QString PictureFolder;   // the picture folder as last chosen
    QStringList PictureList; // full paths of the folder's pictures
};

// The pictures of a folder: every entry named *.JPG in any case (folders and hidden entries too)
// whose name has an extension, as full paths in native form, sorted by name without regard to
// case. An empty folder is the root folder.
QStringList ListFolderPictures(const QString &folder);

// The folder picture after `current` among `count`: the next one, wrapping to 0, when sequential;
// otherwise any one at random, the current one included.
int NextPictureIndex(int current, qsizetype count, bool sequential, RandomGenerator &random);
