#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QSoundEffect;

// Plays the built-in sounds (":/sounds/*.wav") through Qt Multimedia. play() returns at once and
// a new sound cuts off one still playing. Without an audio device nothing is heard and nothing
// fails.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);

    // The name without regard to case ("ano" plays Ano.wav); false when there is no such sound.
    bool play(const QString &name);
    void stop();
    // The built-in sound last played, by its own name ("Ano"), also where nothing is heard.
    QString lastPlayed() const { return last; }

private:
    struct Sound
    {
        QString file;
        QSoundEffect *effect = nullptr; // a child, loaded on first play
    };
    std::vector<Sound> sounds;
    QSoundEffect *current = nullptr;
    QString last;
};
