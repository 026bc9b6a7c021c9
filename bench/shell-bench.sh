#!/bin/sh
# Measures the app shell against a bare Qt Quick window of the same size, in
# the same run and with the same build: time from process start to the first
# frame, resident memory after 10 s, and CPU time over 60 s while a focus
# phase counts down with the popover hidden and shown; once with the
# software scene graph and once with OpenGL. Also the first frame and memory
# of the app with no backend address, which starts stint-backend itself, and
# the hidden-popover CPU with a `stint --follow --json` client attached.
# Takes about 10 minutes.
#
#   bench/shell-bench.sh [build-dir]        (default build-release)
#
# With STINT_BENCH_BASELINE=<another build's src/stint>, only the first frame
# and the memory of the two apps, in turns (about 2 minutes).
#
# Runs in an X session of its own (Xvfb), with a tray (trayer) for the
# hidden-popover case and no D-Bus session, so no keyring or other service
# takes part.
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build-release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTINT_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target stint stint-backend stint-devserver stint-bench-bare
exec xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/python3 bench/shell_bench.py "$BUILD"
