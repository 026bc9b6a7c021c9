#pragma once

#include <QString>
#include <QUrl>

#include <memory>

class QSoundEffect;

// Holds the gong for the end of a phase. The sound is looked up and checked
// once, when the player is made; a missing or unplayable file is reported
// then and every later alarm is silent, while the countdown goes on as usual.
// The audio device is opened only for the first gong: most runs of a tray
// app never reach the end of a phase, and opening it costs start-up time
// and memory.
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

    // The sound passed its checks and will play.
    bool hasAudioPlayer() const { return m_source.isValid(); }
    // The audio device has been opened (at the first gong).
    bool isAudioDeviceOpen() const { return m_audioPlayer != nullptr; }
    int playCount() const { return m_playCount; }

private:
    QUrl m_source;
    std::unique_ptr<QSoundEffect> m_audioPlayer;
    int m_playCount = 0;
};
