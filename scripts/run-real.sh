#!/bin/sh
# Builds Stint and stint-backend and starts the app for one person's real
# Google tasks and calendar, the way the installed package runs: with no
# backend address in its settings, the app starts the stint-backend built
# beside it on 127.0.0.1, and asks for a Google client in its popover
# ("Connect Google", see docs/google-client.md) unless a settings file names
# one (docs/packaging.md#settings).
#
#   scripts/run-real.sh
#
# STINT_BUILD_DIR picks the build directory (build-release by default).
set -eu

cd "$(dirname "$0")/.."
BUILD_DIR=${STINT_BUILD_DIR:-build-release}

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTINT_BUILD_TESTS=OFF
cmake --build "$BUILD_DIR" --target stint stint-backend

# The settings built in and the user's own, not a dev server's.
exec env -u STINT_INFO_FILE "$BUILD_DIR/src/stint" "$@"
