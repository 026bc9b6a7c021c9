#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUuid>

// The alarm the view-model publishes: made once at start-up and not read
// afterwards. The player always uses the bundled gong, whatever this says.
struct Alarm
{
    Q_GADGET

public:
    QUuid id;
    QDateTime time;
    QString soundFileName;
    bool isEnabled = true;

    static Alarm makeDefault()
    {
        return {QUuid::createUuid(), QDateTime::currentDateTime(),
                QStringLiteral("76100__tormelkind__ravolen_gong_remix2.wav"), true};
    }
};
