#!/bin/sh
# Runs each fuzzer (the two decoders, the backend's token parsing and request reading) for the given number of seconds, starting from the
# committed corpus. The run works on a scratch copy, so the committed corpus
# only grows when someone chooses to add to it. Fails when a fuzzer does.
#
#   fuzz/run.sh <fuzz-build-dir> <seconds>
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 <fuzz-build-dir> <seconds>" >&2
    exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
for target in tasks events idtoken request; do
    fuzzer="$build/fuzz/stint-fuzz-$target"
    if [ ! -x "$fuzzer" ]; then
        echo "$fuzzer is missing: build it first" >&2
        exit 2
    fi
    mkdir -p "$scratch/$target/corpus" "$scratch/$target/crashes"
    cp "$here/corpus/$target/"* "$scratch/$target/corpus/"
    dict="$here/json.dict"
    [ "$target" = request ] && dict="$here/http.dict"
    echo "fuzzing $target for $seconds s"
    if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
            -dict="$dict" -artifact_prefix="$scratch/$target/crashes/" \
            -print_final_stats=1 "$scratch/$target/corpus" >"$scratch/$target/log" 2>&1; then
        status=1
        tail -n 60 "$scratch/$target/log"
        for input in "$scratch/$target/crashes/"*; do
            [ -f "$input" ] || continue
            echo "failing input $(basename "$input") (base64):"
            base64 "$input"
        done
    else
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$scratch/$target/log" || true
    fi
done
if [ $status -eq 0 ]; then
    echo "fuzzing: 4 passed, 0 failed"
else
    echo "fuzzing: a fuzzer failed"
fi
exit $status
