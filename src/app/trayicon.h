#pragma once

#include "app/traycountdown.h"
#include "timer/pomodorostate.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class DefaultViewModel;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray icon, its menu and where the popover opens next to it. The menu
// is the only way in on trays that offer no click, so it carries the
// countdown's own controls: a line with the phase and the time left (not
// clickable), start, pause or resume, stop, "Open Stint", "Focus History…" and "Exit". It
// follows the countdown while it is open. On a desktop without a tray there
// is no icon and no menu, and the popover is a window of its own.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(const QIcon &icon, QObject *parent = nullptr);
    ~TrayIcon() override;

    // False when the desktop has no tray: then there is no icon, and the
    // menu, made all the same, is shown nowhere.
    bool isAvailable() const { return m_icon != nullptr; }
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu.get(); }

    // Adds the countdown's lines to the menu; once, when the view-model is
    // made. `catchUp` brings the countdown up to the clock (while the
    // popover is hidden it is counted only as the minutes change): before
    // the menu shows and before its entries act.
    void setViewModel(DefaultViewModel *viewModel, std::function<void()> catchUp = {});

    // Where the popover goes: next to the icon, or where it was last
    // clicked, or before any click the corner where trays usually sit.
    // Never where the pointer happens to be now: after a sign-in in the
    // browser it is somewhere in the browser. Empty without a tray.
    QRect popoverAnchor() const;

    // The menu's first line for the countdown's state, and the label of its
    // start/pause entry.
    static QString statusLine(const DefaultViewModel &viewModel);
    // The same for a countdown showing `face` in `phase`, which lasts
    // `phaseSeconds` in full.
    static QString statusLine(const TrayCountdown::Face &face, PomodoroState::Value phase, double phaseSeconds);
    static QString startPauseLabel(const DefaultViewModel &viewModel);

Q_SIGNALS:
    // A click on the icon: open or close the popover.
    void clicked();
    // "Open Stint".
    void openRequested();
    // "Focus History…".
    void historyRequested();

private:
    void updateMenu();

    QSystemTrayIcon *m_icon = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QPointer<DefaultViewModel> m_viewModel;
    std::function<void()> m_catchUp;
    QAction *m_status = nullptr;
    QAction *m_startPause = nullptr;
    QAction *m_stop = nullptr;
    QRect m_lastAnchor; // the icon, or the click on it, at the last activation
};
