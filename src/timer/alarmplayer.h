#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

// Holds the gong for the end of a phase. The sound is looked up and checked
// once, when the player is made; a missing or unplayable file is reported
// then and every later alarm is silent, while the countdown goes on as usual.
class AlarmPlayer
{
public:
    // The bundled gong.
    static const QString defaultResource;

    explicit AlarmPlayer(const QString &resource = defaultResource);
    ~AlarmPlayer();

    AlarmPlayer(const AlarmPlayer &) = delete;
    AlarmPlayer &operator=(const AlarmPlayer &) = delete;

    // Plays the gong once from the start and returns at once.
    void play();

    bool hasAudioPlayer() const { return m_audioPlayer != nullptr; }
    int playCount() const { return m_playCount; }

private:
    std::unique_ptr<QSoundEffect> m_audioPlayer;
    int m_playCount = 0;
};
