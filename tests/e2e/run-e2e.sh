#!/bin/sh
# Runs the end-to-end driver in a desktop session of its own: a private D-Bus
# session bus with an unlocked Secret Service keyring (gnome-keyring) and the
# accessibility bus, and an X server (Xvfb) for the real app's window.
#
#   run-e2e.sh <driver> <stint> <atspi.py>
#
# Real key presses and clicks through a real X server and window manager are
# at the mercy of a busy machine, so a failed run gets one more try in a
# fresh session; a fault in the app fails both.
set -eu

run_once() {
    # A runtime folder of its own, so the accessibility bus's socket is not
    # shared with any other session of the same user; data and config folders
    # in it too, so the keyring keeps its file apart from the user's and from
    # other sessions'; and system settings folders of its own, so that no
    # /etc/xdg/stint/stint.json of the machine decides the outcome.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR XDG_DATA_HOME="$XDG_RUNTIME_DIR/data" XDG_CONFIG_HOME="$XDG_RUNTIME_DIR/config"
    export XDG_CONFIG_DIRS="$XDG_RUNTIME_DIR/config-system"
    # An X server on a display number it picks itself (xvfb-run -a can hand
    # two runs started together the same one), kept up between clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$XDG_RUNTIME_DIR/display" 2>/dev/null &
    xvfb=$!
    while [ ! -s "$XDG_RUNTIME_DIR/display" ] && kill -0 "$xvfb" 2>/dev/null; do sleep 0.1; done
    DISPLAY=:$(cat "$XDG_RUNTIME_DIR/display")
    export DISPLAY
    status=0
    dbus-run-session -- sh -c '
        echo -n stint-e2e | gnome-keyring-daemon --unlock --components=secrets >/dev/null
        exec "$@"
    ' run-e2e "$@" || status=$?
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
    return "$status"
}

if ! run_once "$@"; then
    echo "run-e2e: the end-to-end run failed; trying once more in a fresh session"
    run_once "$@"
fi
