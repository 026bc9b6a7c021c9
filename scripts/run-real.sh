#!/bin/sh
# Builds Stint and stint-backend, starts the backend on 127.0.0.1 and the app
# pointed at it, for one person's real Google tasks and calendar.
#
#   STINT_GOOGLE_CLIENT_ID=1234-abc.apps.googleusercontent.com \
#   STINT_GOOGLE_CLIENT_SECRET=GOCSPX-... scripts/run-real.sh
#
# STINT_BACKEND_PORT picks the backend's port (8765 by default);
# STINT_BUILD_DIR the build directory (build-release by default).
set -eu

cd "$(dirname "$0")/.."
: "${STINT_GOOGLE_CLIENT_ID:?set STINT_GOOGLE_CLIENT_ID to your Desktop OAuth client id (see README)}"
: "${STINT_GOOGLE_CLIENT_SECRET:?set STINT_GOOGLE_CLIENT_SECRET to that client's secret (see README)}"
BUILD_DIR=${STINT_BUILD_DIR:-build-release}
PORT=${STINT_BACKEND_PORT:-8765}

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTINT_BUILD_TESTS=OFF
cmake --build "$BUILD_DIR" --target stint stint-backend

# Private to this user and gone when the app quits.
umask 077
STATE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/stint-real.XXXXXX")
trap 'kill "$BACKEND_PID" 2>/dev/null || true; rm -rf "$STATE_DIR"' EXIT INT TERM

STINT_CLIENT_IDS="$STINT_GOOGLE_CLIENT_ID" "$BUILD_DIR/server/stint-backend" --listen 127.0.0.1 --port "$PORT" \
    > "$STATE_DIR/backend.log" 2>&1 &
BACKEND_PID=$!
tries=0
until grep -q "listening" "$STATE_DIR/backend.log"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$BACKEND_PID" 2>/dev/null; then
        echo "stint-backend did not start:" >&2
        cat "$STATE_DIR/backend.log" >&2
        exit 1
    fi
    sleep 0.1
done
head -n 1 "$STATE_DIR/backend.log"
echo "backend log: $STATE_DIR/backend.log"

python3 - "$STATE_DIR/info.json" "$PORT" <<'PY'
import json, os, sys
json.dump({"BACKEND_URL": "http://127.0.0.1:%s" % sys.argv[2],
           "GOOGLE_CLIENT_ID": os.environ["STINT_GOOGLE_CLIENT_ID"],
           "GOOGLE_CLIENT_SECRET": os.environ["STINT_GOOGLE_CLIENT_SECRET"]}, open(sys.argv[1], "w"))
PY
STINT_INFO_FILE="$STATE_DIR/info.json" "$BUILD_DIR/src/stint" "$@"
