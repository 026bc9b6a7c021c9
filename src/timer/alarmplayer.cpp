#include "timer/alarmplayer.h"

#include "common/outputline.h"

#include <QFile>
#include <QSoundEffect>
#include <QtEndian>

#include <optional>

const QString AlarmPlayer::defaultResource = QStringLiteral(":/sounds/76100__tormelkind__ravolen_gong_remix2.wav");

namespace {

// Reads the RIFF header of a WAV file and says what is wrong with it, if
// anything. The audio backend loads files in the background and reports
// nothing for a bad one, so the check happens here, once, up front.
std::optional<QString> wavProblem(QFile &file)
{
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("The file could not be read: %1").arg(file.errorString());
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return QStringLiteral("The file is not a WAV file (no RIFF/WAVE header).");

    bool haveFormat = false;
    qsizetype offset = 12;
    while (offset + 8 <= data.size()) {
        const QByteArray id = data.mid(offset, 4);
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + offset + 4);
        const qsizetype body = offset + 8;
        if (size > quint32(data.size() - body)) {
            if (id == "data" && haveFormat && data.size() > body)
                return std::nullopt; // a data chunk cut short still plays
            return QStringLiteral("The WAV file is truncated (chunk \"%1\").").arg(QString::fromLatin1(id.toHex()));
        }
        if (id == "fmt ") {
            if (size < 16)
                return QStringLiteral("The WAV format chunk is too short.");
            const quint16 format = qFromLittleEndian<quint16>(data.constData() + body);
            const quint16 channels = qFromLittleEndian<quint16>(data.constData() + body + 2);
            const quint32 rate = qFromLittleEndian<quint32>(data.constData() + body + 4);
            const quint16 bits = qFromLittleEndian<quint16>(data.constData() + body + 14);
            const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            const bool floating = format == 3 && bits == 32;
            if (!pcm && !floating)
                return QStringLiteral("Unsupported WAV encoding (format %1, %2 bits).").arg(format).arg(bits);
            if (channels == 0 || rate == 0)
                return QStringLiteral("The WAV format chunk is invalid.");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return QStringLiteral("The WAV file has no format chunk before its data.");
            if (size == 0)
                return QStringLiteral("The WAV file holds no sound.");
            return std::nullopt;
        }
        offset = body + size + (size & 1); // chunks are padded to even sizes
    }
    return QStringLiteral("The WAV file has no sound data.");
}

} // namespace

AlarmPlayer::AlarmPlayer(const QString &resource)
{
    QFile file(resource);
    if (!file.exists()) {
        printLine(QStringLiteral("Sound file not found"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(QStringLiteral("Error initializing AVAudioPlayer: ") + file.errorString());
        return;
    }
    if (const std::optional<QString> problem = wavProblem(file)) {
        printLine(QStringLiteral("Error initializing AVAudioPlayer: ") + *problem);
        return;
    }

    m_source = resource.startsWith(u':') ? QUrl(QStringLiteral("qrc") + resource) : QUrl::fromLocalFile(resource);
}

AlarmPlayer::~AlarmPlayer() = default;

void AlarmPlayer::play()
{
    if (!m_source.isValid())
        return;
    ++m_playCount;
    if (!m_audioPlayer) {
        m_audioPlayer = std::make_unique<QSoundEffect>();
        m_audioPlayer->setSource(m_source); // plays as soon as it has loaded
    }
    m_audioPlayer->play();
}
