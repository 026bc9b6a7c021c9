#!/bin/sh
# Runs the end-to-end driver in a desktop session of its own: a private D-Bus
# session bus with an unlocked Secret Service keyring (gnome-keyring) and the
# accessibility bus, and an X server (Xvfb) for the real app's window.
#
#   run-e2e.sh <driver> <stint> <atspi.py>
#
# Real key presses and clicks through a real X server and window manager are
# at the mercy of a busy machine (a lost key while xdotool remaps the
# keyboard), so a failed run gets one more try in a fresh session; a fault in
# the app fails both.
set -eu

run_once() {
    # A runtime folder of its own, so the accessibility bus's socket is not
    # shared with any other session of the same user.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    status=0
    dbus-run-session -- sh -c '
        echo -n stint-e2e | gnome-keyring-daemon --unlock --components=secrets >/dev/null
        exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
    ' run-e2e "$@" || status=$?
    rm -rf "$XDG_RUNTIME_DIR"
    return "$status"
}

if ! run_once "$@"; then
    echo "run-e2e: the end-to-end run failed; trying once more in a fresh session"
    run_once "$@"
fi
