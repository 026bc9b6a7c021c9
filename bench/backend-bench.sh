#!/bin/sh
# Throughput and latency of stint-backend's GET /api/v1/tasks with warm
# caches, side by side with calling the stand-in Google Tasks directly, so the
# difference is the backend's own cost; the backend's CPU time per request
# (steadier than latency on a shared machine); and its resident memory idle
# and after a long run. The stand-in Google is stint-devserver's.
#
#   bench/backend-bench.sh [build-dir] [seconds-per-run] [requests-for-memory] [baseline-backend]
#
# With a baseline (another build's stint-backend, e.g. main's), both run
# against the same stand-in and are measured in turn, row by row. A "floor"
# row comes beside them when stint-bench-floor is built: a bare epoll proxy
# that only reads, forwards and answers, the least any proxy costs here.
#
# Needs wrk, curl, python3; builds nothing (build stint-backend and
# stint-devserver first). Numbers on a shared machine are noisy.
set -eu

build=${1:-build}
seconds=${2:-10}
total=${3:-100000}
baseline=${4:-}
devserver="$build/tools/devserver/stint-devserver"
backend="$build/server/stint-backend"
for tool in wrk curl python3; do
    command -v $tool >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 2; }
done
[ -x "$devserver" ] && [ -x "$backend" ] || { echo "build stint-backend and stint-devserver first" >&2; exit 2; }

work=$(mktemp -d)
cleanup() {
    [ -f "$work/backend.pid" ] && kill "$(cat "$work/backend.pid")" 2>/dev/null || true
    [ -f "$work/baseline.pid" ] && kill "$(cat "$work/baseline.pid")" 2>/dev/null || true
    [ -f "$work/floor.pid" ] && kill "$(cat "$work/floor.pid")" 2>/dev/null || true
    [ -f "$work/google.pid" ] && kill "$(cat "$work/google.pid")" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$devserver" --port 0 >"$work/google.log" 2>&1 &
echo $! >"$work/google.pid"
for _ in $(seq 50); do grep -q Listening "$work/google.log" && break; sleep 0.2; done
google=$(sed -n 's/^Listening on //p' "$work/google.log" | head -n 1)

# A grant for the dev user through the stand-in's own consent and token endpoints.
verifier=$(python3 -c 'import secrets; print(secrets.token_urlsafe(48))')
challenge=$(python3 -c "import base64,hashlib,sys; print(base64.urlsafe_b64encode(hashlib.sha256(sys.argv[1].encode()).digest()).rstrip(b'=').decode())" "$verifier")
redirect="http://127.0.0.1:9/"
location=$(curl -s -o /dev/null -w '%{redirect_url}' \
    "$google/o/oauth2/v2/auth?client_id=stint-dev&response_type=code&redirect_uri=$redirect&code_challenge=$challenge&code_challenge_method=S256&scope=openid")
code=$(python3 -c "import sys,urllib.parse as u; print(u.parse_qs(u.urlparse(sys.argv[1]).query)['code'][0])" "$location")
curl -s "$google/token" --data-urlencode "code=$code" -d grant_type=authorization_code -d client_id=stint-dev \
    -d client_secret=stint-dev-secret --data-urlencode "redirect_uri=$redirect" --data-urlencode "code_verifier=$verifier" >"$work/tokens.json"
id_token=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["id_token"])' "$work/tokens.json")
access_token=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["access_token"])' "$work/tokens.json")

start_backend() { # binary name
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
    "$1" --port "$port" --client-id stint-dev --rate-limit 0 --access-log off \
        --google-keys-url "$google/google/oauth2/v3/certs" --google-tokeninfo-url "$google/google/tokeninfo" \
        --google-tasks-url "$google/google/tasks/v1/lists/@default/tasks" \
        --google-events-url "$google/google/calendar/v3/calendars/primary/events" >"$work/$2.log" 2>&1 &
    echo $! >"$work/$2.pid"
    for _ in $(seq 50); do grep -q listening "$work/$2.log" && break; sleep 0.2; done
    echo "http://127.0.0.1:$port"
}
api=$(start_backend "$backend" backend)
[ -z "$baseline" ] || old_api=$(start_backend "$baseline" baseline)
if [ -x "$build/bench/stint-bench-floor" ]; then
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
    "$build/bench/stint-bench-floor" "$port" "$google/google/tasks/v1/lists/@default/tasks" "$access_token" >"$work/floor.log" 2>&1 &
    echo $! >"$work/floor.pid"
    for _ in $(seq 50); do grep -q listening "$work/floor.log" && break; sleep 0.2; done
    floor_api="http://127.0.0.1:$port"
fi

# Warm the key set and tokeninfo caches.
for each in "$api" ${old_api:-}; do
    status=$(curl -s -o /dev/null -w '%{http_code}' -H "Authorization: Bearer $id_token" -H "AccessToken: $access_token" "$each/api/v1/tasks")
    [ "$status" = 200 ] || { echo "the backend at $each answered $status"; cat "$work"/*.log; exit 1; }
done
rss() { ps -o rss= -p "$(cat "$work/backend.pid")" | awk '{printf "%.1f", $1/1024}'; }
idle=$(rss)

run() { # connections url header...
    c=$1; url=$2; shift 2
    threads=$([ "$c" -lt 2 ] && echo 1 || echo 2)
    wrk -t"$threads" -c"$c" -d"${seconds}s" --latency "$@" "$url" >"$work/wrk.txt"
    rps=$(awk '/^Requests\/sec/ {printf "%.0f", $2}' "$work/wrk.txt")
    p50=$(awk '$1=="50%" {print $2}' "$work/wrk.txt")
    p99=$(awk '$1=="99%" {print $2}' "$work/wrk.txt")
    errors=$(awk '/Non-2xx/ {print $NF}' "$work/wrk.txt")
    echo "$rps $p50 $p99 ${errors:-0}"
}

# CPU time (user + system) a process has used, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

echo "| clients | backend | req/s | p50 | p99 | backend CPU/req | stand-in req/s | stand-in p50 | stand-in p99 | stand-in CPU/req |"
echo "|---|---|---|---|---|---|---|---|---|---|"
google_pid=$(cat "$work/google.pid")
for c in 1 16 64; do
    for which in backend ${old_api:+baseline} ${floor_api:+floor}; do
        case $which in backend) url=$api ;; baseline) url=$old_api ;; floor) url=$floor_api ;; esac
        pid=$(cat "$work/$which.pid")
        before=$(ticks "$pid"); gbefore=$(ticks "$google_pid")
        set -- $(run "$c" "$url/api/v1/tasks" -H "Authorization: Bearer $id_token" -H "AccessToken: $access_token")
        n=$(($(awk '/requests in/ {print $1}' "$work/wrk.txt") + 1))
        cpu=$(( ($(ticks "$pid") - before) * 1000000 / hz / n ))
        gcpu=$(( ($(ticks "$google_pid") - gbefore) * 1000000 / hz / n ))
        b="$1 | $2 | $3"; [ "$4" = 0 ] || b="$b ($4 non-2xx)"
        echo "| $c | $which | $b | ${cpu} µs (stand-in ${gcpu} µs) |" >"$work/row.txt"
        row=$(cat "$work/row.txt")
        before=$(ticks "$google_pid")
        set -- $(run "$c" "$google/google/tasks/v1/lists/@default/tasks" -H "Authorization: Bearer $access_token")
        n=$(($(awk '/requests in/ {print $1}' "$work/wrk.txt") + 1))
        echo "$row $1 | $2 | $3 | $(( ($(ticks "$google_pid") - before) * 1000000 / hz / n )) µs |"
    done
done

# Memory: keep 16 clients going until the backend has answered $total requests.
done_requests=0
halfway=""
while [ "$done_requests" -lt "$total" ]; do
    wrk -t2 -c16 -d10s -H "Authorization: Bearer $id_token" -H "AccessToken: $access_token" "$api/api/v1/tasks" >"$work/long.txt"
    done_requests=$((done_requests + $(awk '/requests in/ {print $1}' "$work/long.txt")))
    [ -n "$halfway" ] || [ "$done_requests" -lt $((total / 2)) ] || halfway="$(rss) MiB after $done_requests"
done
sleep 1
echo
echo "resident memory: idle ${idle} MiB; ${halfway}; $(rss) MiB after $done_requests requests"
