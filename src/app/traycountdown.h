#pragma once

#include "timer/pomodorostate.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPointer>

class DefaultViewModel;
class QSystemTrayIcon;

// The countdown in the tray: the icon draws the part of the phase still left
// as a ring (blue while focusing, green while resting, grey with a pause sign
// while paused) and the tooltip says the phase and the minutes left. Both
// change only when what they show changes: once a minute while counting, and
// at each start, pause, stop and end of a phase. When no phase is under way
// the tray shows the app's own icon and name. Under either, the tooltip names
// the next meeting, as the line under the ring does.
class TrayCountdown : public QObject
{
    Q_OBJECT

public:
    // What the tray shows; two faces that compare equal look the same.
    struct Face
    {
        enum Kind { idle, focus, rest, paused };
        Kind kind = idle;
        int minutesLeft = 0; // rounded up: "1 min left" down to the last second
        double fractionLeft = 1.0; // of the phase, at the whole minute shown

        bool operator==(const Face &) const = default;
    };

    static constexpr int iconSize = 64;

    // `tray` may be null (no tray on this desktop): then nothing is shown.
    TrayCountdown(DefaultViewModel *viewModel, QSystemTrayIcon *tray, const QIcon &idleIcon);

    static Face faceOf(const DefaultViewModel &viewModel);
    static QImage render(const Face &face);
    static QString toolTip(const Face &face);

    const Face &face() const { return m_face; }
    // A last line for the tooltip (the day's focus); empty: none.
    void setDayLine(const QString &line);
    // How often the icon was drawn: once per change of the face.
    int redraws() const { return m_redraws; }

private:
    void update();
    void show();
    void showToolTip();

    QPointer<DefaultViewModel> m_viewModel;
    QPointer<QSystemTrayIcon> m_tray;
    QIcon m_idleIcon;
    Face m_face;
    QString m_dayLine;
    int m_redraws = 0;
};
