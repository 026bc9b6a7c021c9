#!/bin/sh
# Builds the Debian packages, checks them with lintian, installs them on this
# machine, starts the installed `stint` under Xvfb for a few seconds, then
# takes a new user's whole way through it in a desktop session (Connect
# Google, sign in, tasks and events through the backend Stint starts itself;
# tests/e2e/personal-mode.sh), and removes the packages again. Needs root
# (or sudo) for apt-get.
#
#   scripts/test-deb.sh [build-dir]        (default build-deb)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build-deb}
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

# A tree of its own (Release, no tests) unless given one that already exists.
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTINT_BUILD_TESTS=OFF >/dev/null
fi
cmake -S . -B "$BUILD" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$BUILD" -j "$(nproc 2>/dev/null || echo 2)"
rm -f "$BUILD"/stint_*.deb "$BUILD"/stint-backend_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
ls "$BUILD"/*.deb

echo "== lintian"
lintian --fail-on error --no-tag-display-limit "$BUILD"/*.deb

echo "== install, start, remove"
DEB=$(ls "$BUILD"/stint_*.deb)
BACKEND_DEB=$(ls "$BUILD"/stint-backend_*.deb)
# The app brings the backend it runs for its user.
dpkg-deb -f "$DEB" Depends | grep -q "stint-backend (= " || {
    echo "the stint package does not depend on stint-backend"
    exit 1
}
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$DEB" "./$BACKEND_DEB"
trap '$SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y stint stint-backend >/dev/null' EXIT

test -x /usr/bin/stint
test -x /usr/bin/stint-backend
test -f /usr/share/stint/google-client.md
test -f /usr/share/applications/app.stint.Stint.desktop
test -f /usr/share/metainfo/app.stint.Stint.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/app.stint.Stint.svg

# A user of its own: past the welcome, no keyring, no session bus.
HOME_DIR=$(mktemp -d)
mkdir -p "$HOME_DIR/config/Stint" "$HOME_DIR/run"
chmod 700 "$HOME_DIR/run"
printf '[General]\nhasLaunchedBefore=true\n' > "$HOME_DIR/config/Stint/Stint.conf"
status=0
env -u QT_QPA_PLATFORM -u QT_QUICK_BACKEND HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/config" \
    XDG_DATA_HOME="$HOME_DIR/data" XDG_RUNTIME_DIR="$HOME_DIR/run" DBUS_SESSION_BUS_ADDRESS=disabled: \
    xvfb-run -a timeout 5 /usr/bin/stint > "$HOME_DIR/out.txt" 2>&1 || status=$?
cat "$HOME_DIR/out.txt"
rm -rf "$HOME_DIR"
# 124: still running when timeout ended it, as a tray app should be.
if [ "$status" -ne 124 ]; then
    echo "the installed stint ended by itself (status $status)"
    exit 1
fi

echo "== a new user: Connect Google, sign in, tasks and events through Stint's own backend"
tests/e2e/run-e2e.sh "$(pwd)/tests/e2e/personal-mode.sh" /usr/bin/stint \
    "$(cd "$BUILD" && pwd)/tools/devserver/stint-devserver" "$(pwd)/tests/e2e/atspi.py"
echo "== the packages install, start, serve a new user and remove cleanly"
