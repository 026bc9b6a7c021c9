#!/bin/sh
# Installs everything Stint needs to build, run and test on Debian 12.
# Runs apt-get as root, or through sudo for a normal user.
set -eu

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
    build-essential cmake ninja-build pkg-config python3 \
    qt6-base-dev qt6-declarative-dev qt6-multimedia-dev qt6-networkauth-dev \
    qt6-httpserver-dev qt6-websockets-dev qtkeychain-qt6-dev qt6-svg-dev \
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-qpa-plugins \
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts \
    qml6-module-qtquick-shapes qml6-module-qtquick-templates \
    qml6-module-qtquick-window qml6-module-qtqml-workerscript qml6-module-qttest \
    qml6-module-qtquick-dialogs qml6-module-qtmultimedia \
    libgl-dev libglib2.0-bin xdg-utils \
    xvfb xauth dbus dbus-x11 gnome-keyring libsecret-1-0 libsecret-tools \
    desktop-file-utils appstream xdotool x11-utils procps trayer imagemagick \
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi \
    clang libclang-rt-14-dev clang-format git ccache
# stint-backend: OpenSSL for the token signatures; wrk and curl for its benchmark; systemd-analyze to check its
# units; HAProxy and the openssl tool (a certificate for it) for the replicas test
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends libssl-dev wrk curl systemd \
    haproxy openssl

# The Debian package: dpkg-shlibdeps, file type checks, lintian.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends dpkg-dev file lintian
# A window manager and keyboard-layout switching for the end-to-end tests' desktop.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends openbox x11-xkb-utils
# XCB headers: the popover keeps itself out of the taskbar on X11.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends libxcb1-dev
# stint-backend: Boost.Beast (header-only) reads requests; libcurl is the client toward Google.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends libboost1.74-dev libcurl4-openssl-dev
# Do Not Disturb while focusing: GSettings through GIO (GNOME's schema), Xfce's settings daemon and tool for its test.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends libglib2.0-dev gsettings-desktop-schemas \
    xfconf libxfconf-0-3
# The focus history: SQLite through Qt SQL (QtSql itself comes with qt6-base-dev).
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends libqt6sql6-sqlite
