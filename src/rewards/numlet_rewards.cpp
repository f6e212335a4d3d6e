// The reward pictures and sounds: the built-in verdict and About pictures, the folder pictures
// shown between verdicts, and the built-in sounds.
#include "app/errorreport.h"
#include "app/numlet.h"
#include "rewards/jpegimage.h"
#include "rewards/soundplayer.h"
#include "ui_numlet.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

// All the bytes of the built-in picture of that name, found without regard to case; a missing
// one is an error, or nothing when it is optional.
static QByteArray builtInPicture(const QString &name, bool required = true)
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
    if (!required)
        return {};
    throw std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString());
}

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
    // Straight into the control, so its own auto-size and stretch settings apply. A screen of
    // twice the density or more gets the picture drawn at twice the size.
    if (devicePixelRatioF() > 1.25) {
        if (const QByteArray sharp = builtInPicture(name + QStringLiteral("@2x"), false);
            !sharp.isEmpty()) {
            QImage picture = JpegImage::decode(sharp);
            picture.setDevicePixelRatio(2);
            ui->ScaledImage1->setPicture(picture);
            return;
        }
    }
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
    rewards.PictureIndex = NextPictureIndex(rewards.PictureIndex, rewards.PictureList.size(),
                                            ui->BBox11->isChecked(), random);
    ui->Label3D18->setText(QString::number(rewards.PictureIndex));
    ShowPicture();
}

void TNumlet::ShowPicture()
{
    if (rewards.PictureList.isEmpty())
        return;
    // The list may have been re-read since the index was chosen.
    if (rewards.PictureIndex < 0 || rewards.PictureIndex >= rewards.PictureList.size())
        rewards.PictureIndex = 0;
    // Loaded first: a picture that fails leaves the previous one as it was.
    const QImage picture = JpegImage::load(rewards.PictureList.at(rewards.PictureIndex));
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
    rewards.PictureList = ListFolderPictures(rewards.PictureFolder);
}

void TNumlet::DirTreePathChange(const QString &selectedPath)
{
    rewards.PictureFolder = selectedPath;
    ReadFileNames();
    ui->Label3D19->setText(tr("Nalezeno %1 obrázků").arg(rewards.PictureList.size()));
    if (rewards.PictureList.isEmpty())
        ui->SB10->setChecked(false);
}

void TNumlet::SB10Click()
{
    if (ui->SB10->isChecked() && !rewards.PictureList.isEmpty()) {
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
    if (rewards.PictureList.isEmpty())
        ui->SB10->setChecked(false);
    ShowAboutPicture();
}
