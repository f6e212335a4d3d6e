// The reward pictures and sounds: the built-in verdict and About pictures, the folder pictures
// shown between verdicts, and the built-in sounds.
#include "app/errorreport.h"
#include "app/numlet.h"
#include "rewards/jpegimage.h"
#include "rewards/soundplayer.h"
#include "ui_numlet.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace {

// All the bytes of the built-in picture of that name, found without regard to case.
QByteArray builtInPicture(const QString &name)
{
    const QDir dir(QStringLiteral(":/pictures"));
    const QFileInfoList pictures = dir.entryInfoList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QFileInfo &info : pictures) {
        if (info.completeBaseName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    throw std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString());
}

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

void TNumlet::connectRewardHandlers()
{
    bindHandler(ui->SB10, &QToolButton::clicked, &TNumlet::SB10Click);
    bindHandler(ui->BBox12, &QCheckBox::clicked, &TNumlet::BBox12Click);
    connect(ui->DirTree, &TLsDirTreeCombo28::pathChanged, this, [this](const QString &path) {
        ErrorReport::guarded([&] { DirTreePathChange(path); });
    });
}

void TNumlet::ShowResourcePicture(const QString &name)
{
    // Straight into the control, so its own auto-size and stretch settings apply.
    ui->ScaledImage1->setPicture(JpegImage::decode(builtInPicture(name)));
}

void TNumlet::ShowAboutPicture()
{
    ui->ScaledImage1->setAlign(TScaledImage::Align::Client);
    ShowResourcePicture(QStringLiteral("About"));
    CentrePicture();
}

void TNumlet::NextPicture()
{
    if (ui->BBox11->isChecked())
        PictureIndex = PictureIndex >= PictureList.size() - 1 ? 0 : PictureIndex + 1;
    else
        PictureIndex = Random(int(PictureList.size()));
    ui->Label3D18->setText(QString::number(PictureIndex));
    ShowPicture();
}

void TNumlet::ShowPicture()
{
    if (PictureList.isEmpty())
        return;
    // The list may have been re-read since the index was chosen.
    if (PictureIndex < 0 || PictureIndex >= PictureList.size())
        PictureIndex = 0;
    // Loaded first: a picture that fails leaves the previous one as it was.
    const QImage picture = JpegImage::load(PictureList.at(PictureIndex));
    TScaledImage *image = ui->ScaledImage1;
    image->setAlign(TScaledImage::Align::None);
    image->setAutoSize(false);
    image->setCenter(true);
    // Without auto-size the control keeps its height and takes the picture's proportions.
    image->setPicture(picture);
    image->setStretch(true);
    CentrePicture();
}

void TNumlet::ReadFileNames()
{
    PictureList.clear();
    const QString prefix = folderPrefix(PictureFolder);
    // Every kind of entry, hidden ones too. Name filters match without regard to case on every
    // platform, so "a.jpg" counts as well as "A.JPG".
    QStringList names = QDir(prefix).entryList(
        {QStringLiteral("*.JPG")},
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end(), byName);
    for (const QString &name : names) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && dot < name.size() - 1)
            PictureList.append(QDir::toNativeSeparators(prefix + name));
    }
}

void TNumlet::DirTreePathChange(const QString &selectedPath)
{
    PictureFolder = selectedPath;
    ReadFileNames();
    ui->Label3D19->setText(QStringLiteral("Nalezeno %1 obrázků").arg(PictureList.size()));
    if (PictureList.isEmpty())
        ui->SB10->setChecked(false);
}

void TNumlet::SB10Click()
{
    if (ui->SB10->isChecked() && !PictureList.isEmpty()) {
        NextPicture();
        return;
    }
    ShowAboutPicture();
    ui->SB10->setChecked(false);
    if (ui->BBox12->isChecked())
        BBox12Click();
}

void TNumlet::BBox12Click()
{
    // The label follows the clicks, not the state of the box.
    ui->Label3D18->setVisible(ui->Label3D18->isHidden());
}

void TNumlet::CentrePicture()
{
    TScaledImage *image = ui->ScaledImage1;
    const QWidget *area = ui->Panel9;
    image->move(area->width() / 2 - image->width() / 2, area->height() / 2 - image->height() / 2);
}

void TNumlet::ShowVerdictPicture(bool right)
{
    TScaledImage *image = ui->ScaledImage1;
    image->setAlign(TScaledImage::Align::None);
    image->setAutoSize(true);
    image->setCenter(true);
    image->setStretch(true);
    PlaySound(right ? QStringLiteral("Ano") : QStringLiteral("Ne"));
    ShowResourcePicture(right ? QStringLiteral("Dobra") : QStringLiteral("Spatna"));
    CentrePicture();
}

void TNumlet::PlaySound(const QString &name)
{
    if (!ui->SB8->isChecked())
        return;
    if (!soundPlayer)
        soundPlayer = new SoundPlayer(this);
    soundPlayer->play(name);
}

void TNumlet::StartPictures()
{
    ReadFileNames();
    if (PictureList.isEmpty())
        ui->SB10->setChecked(false);
    ShowAboutPicture();
}
