#!/bin/sh
# A new user's first run of an installed Stint, in the desktop session that
# run-e2e.sh makes (Xvfb, D-Bus, an unlocked keyring, the accessibility bus):
# no backend address anywhere, so Stint starts stint-backend itself; the dev
# server stands in for Google (sign-in, key set, tokeninfo, Tasks, Calendar),
# named in a system settings file as an administrator would. The user fills
# in "Connect Google" over the accessibility bus, signs in through a browser
# that follows the consent redirect with curl, and sees tasks and events
# that came through that backend. Killed with SIGKILL, Stint leaves no
# stint-backend behind, and nothing ever showed the client secret.
#
#   run-e2e.sh personal-mode.sh <stint> <stint-devserver> <atspi.py>
set -eu

STINT=$1
DEVSERVER=$2
ATSPI=$3
CLIENT_ID=4711-stinttest.apps.googleusercontent.com
SECRET=GOCSPX-personal-mode-$$-secret

WORK=$(mktemp -d)
APP_PID=""
SERVER_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
    [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "personal-mode: $*" >&2
    echo "--- stint printed:" >&2
    cat "$WORK/app.log" >&2 || true
    echo "--- the dev server printed:" >&2
    cat "$WORK/server.log" >&2 || true
    "$ATSPI" dump >&2 || true
    exit 1
}
atspi() { "$ATSPI" "$@" || fail "atspi.py $*"; }

# The stand-in Google, for this one client; its secret handed over in a file.
umask 077
printf '%s\n' "$SECRET" > "$WORK/secret"
mkdir -p "$WORK/system/stint"
"$DEVSERVER" --port 0 --client-id "$CLIENT_ID" --client-secret-file "$WORK/secret" \
    --write-google-settings "$WORK/system/stint/stint.json" > "$WORK/server.log" 2>&1 &
SERVER_PID=$!
tries=0
until grep -q "Google settings written" "$WORK/server.log"; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] && kill -0 "$SERVER_PID" 2>/dev/null || fail "the dev server did not start"
    sleep 0.1
done
rm "$WORK/secret"

# The browser: follows the consent page's redirect back to Stint's loopback
# listener, as a browser would after the user agreed, and notes any file it
# is asked to show. xdg-open takes it as the user's choice for web addresses
# and for text.
cat > "$WORK/browser" <<'EOF'
#!/bin/sh
case "$1" in
http*)
    next=$(curl -s -o /dev/null -w '%{redirect_url}' "$1")
    [ -n "$next" ] && curl -s -o /dev/null "$next" ;;
*) echo "$1" >> "$(dirname "$0")/shown" ;;
esac
EOF
chmod +x "$WORK/browser"
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME/Stint"
types="x-scheme-handler/http x-scheme-handler/https text/plain text/markdown"
printf '[Desktop Entry]\nType=Application\nName=Test browser\nExec=%s %%u\nMimeType=%s;\n' \
    "$WORK/browser" "$(echo $types | tr ' ' ';')" > "$XDG_DATA_HOME/applications/test-browser.desktop"
{
    echo '[Default Applications]'
    for type in $types; do echo "$type=test-browser.desktop"; done
} > "$XDG_CONFIG_HOME/mimeapps.list"
printf '[General]\nhasLaunchedBefore=true\n' > "$XDG_CONFIG_HOME/Stint/Stint.conf"

env -u STINT_INFO_FILE -u QT_QUICK_BACKEND XDG_CONFIG_DIRS="$WORK/system" BROWSER="$WORK/browser" \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$STINT" > "$WORK/app.log" 2>&1 &
APP_PID=$!

# No client anywhere: the form, and a backend of its own waiting for one.
atspi type text "Client ID" "$CLIENT_ID"
atspi type "password text" "Client secret" "$SECRET"
# The guide opens from a file installed with Stint.
atspi press "push button" "How do I get these?"
tries=0
until grep -q "google-client.md" "$WORK/shown" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "the guide was not opened"
    sleep 0.1
done
guide=$(sed 's|^file://||' "$WORK/shown")
grep -q "Desktop app" "$guide" || fail "the guide at $guide does not tell how to make a client"
atspi press "push button" "Save"
atspi press "push button" "Sign in with Google" 30
atspi wait label "Draft the Q3 planning memo" 30
atspi press "page tab" "Events"
atspi wait label "Lunch with Priya" 30

# They came through Stint's own backend: the one the app started, which
# asked the stand-in Google.
grep -q "^stint-backend listens on http://127.0.0.1:" "$WORK/app.log" || fail "no backend of its own"
grep -q "GET /google/tasks/v1/lists/@default/tasks -> 200" "$WORK/server.log" || fail "no tasks through the backend"
grep -q "GET /google/calendar/v3/calendars/primary/events -> 200" "$WORK/server.log" ||
    fail "no events through the backend"
BACKEND_PID=$(pgrep -P "$APP_PID" -x stint-backend) || fail "no stint-backend under stint"
ps -o args= -p "$BACKEND_PID" | grep -q -- "--listen 127.0.0.1 --port 0" || fail "the backend listens elsewhere"

# The secret is in no command line, environment, output or plain file.
for place in "/proc/$BACKEND_PID/cmdline" "/proc/$BACKEND_PID/environ" "/proc/$APP_PID/cmdline" \
    "/proc/$APP_PID/environ" "$WORK/app.log"; do
    ! grep -qa -- "$SECRET" "$place" || fail "the secret is in $place"
done
! ps -eo args | grep -v grep | grep -q -- "$SECRET" || fail "the secret is in ps"
! grep -rqa -- "$SECRET" "$XDG_CONFIG_HOME/Stint" "$XDG_CONFIG_HOME/stint" 2>/dev/null || fail "the secret is in a file"

# Killed outright, Stint takes its backend with it.
kill -9 "$APP_PID"
APP_PID=""
tries=0
while [ -d "/proc/$BACKEND_PID" ] && [ "$(cut -d' ' -f3 "/proc/$BACKEND_PID/stat" 2>/dev/null)" != Z ]; do
    tries=$((tries + 1))
    [ "$tries" -le 50 ] || fail "stint-backend $BACKEND_PID outlived stint"
    sleep 0.1
done
echo "personal-mode: connected, signed in, tasks and events through the app's own backend; no backend left"
