#!/bin/sh
# Runs the end-to-end driver in a desktop session of its own: a private D-Bus
# session bus with an unlocked Secret Service keyring (gnome-keyring) and the
# accessibility bus, and an X server (Xvfb) for the real app's window.
#
#   run-e2e.sh <driver> <stint> <atspi.py>
set -eu
# A runtime folder of its own, so the accessibility bus's socket is not
# shared with any other session of the same user.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- sh -c '
    echo -n stint-e2e | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
' run-e2e "$@"
