#!/bin/sh
# Builds Stint and starts it against the local dev server, which serves demo
# tasks and events and stands in for Google's sign-in (it approves at once),
# so the whole app can be tried without a Google account or a backend.
#
#   scripts/run.sh            build into build-release/ and run
#   STINT_BUILD_DIR=... scripts/run.sh
set -eu

cd "$(dirname "$0")/.."
BUILD_DIR=${STINT_BUILD_DIR:-build-release}

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTINT_BUILD_TESTS=OFF
cmake --build "$BUILD_DIR" --target stint stint-devserver

STATE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/stint-demo.XXXXXX")
trap 'kill "$SERVER_PID" 2>/dev/null || true; rm -rf "$STATE_DIR"' EXIT INT TERM

"$BUILD_DIR/tools/devserver/stint-devserver" --port 0 --write-info "$STATE_DIR/info.json" \
    > "$STATE_DIR/server.log" 2>&1 &
SERVER_PID=$!

# Wait for the server to tell us where it listens.
tries=0
until [ -s "$STATE_DIR/info.json" ] && grep -q "Listening on" "$STATE_DIR/server.log"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$SERVER_PID" 2>/dev/null; then
        echo "The dev server did not start:" >&2
        cat "$STATE_DIR/server.log" >&2
        exit 1
    fi
    sleep 0.1
done
head -n 1 "$STATE_DIR/server.log"

STINT_INFO_FILE="$STATE_DIR/info.json" "$BUILD_DIR/src/stint" "$@"
