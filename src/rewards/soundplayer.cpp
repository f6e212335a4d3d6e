#include "rewards/soundplayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent)
{
    const QDir dir(QStringLiteral(":/sounds"));
    for (const QString &file : dir.entryList({QStringLiteral("*.wav")}, QDir::Files))
        sounds.push_back({file});
}

bool SoundPlayer::play(const QString &name)
{
    for (Sound &sound : sounds) {
        if (QFileInfo(sound.file).completeBaseName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        last = QFileInfo(sound.file).completeBaseName();
        // Without an audio device a sound effect only complains on every play.
        if (QMediaDevices::defaultAudioOutput().isNull())
            return true;
        if (!sound.effect) {
            sound.effect = new QSoundEffect(this);
            sound.effect->setSource(QUrl(QStringLiteral("qrc:/sounds/") + sound.file));
        }
        stop();
        current = sound.effect;
        // Loading runs in the background; a sound not loaded yet starts once it is.
        current->play();
        return true;
    }
    return false;
}

void SoundPlayer::stop()
{
    if (current)
        current->stop();
    current = nullptr;
}
