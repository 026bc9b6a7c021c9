#!/bin/sh
# Runs the end-to-end driver in a desktop session of its own: a private D-Bus
# session bus with an unlocked Secret Service keyring (gnome-keyring) and the
# accessibility bus, and an X server (Xvfb) for the real app's window.
#
#   run-e2e.sh <driver> <stint> <atspi.py>
set -eu
exec dbus-run-session -- sh -c '
    echo -n stint-e2e | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
' run-e2e "$@"
