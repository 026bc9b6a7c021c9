#!/bin/bash
# Seeds deliberate faults into a scratch copy of the tree, one at a time, and
# records which tests notice each one. A test suite earns its lines by
# failing when the code is wrong; this measures how often it does.
#
#   scripts/seed-faults.sh [TREE] [FAULT-ID...]
#
# TREE is the checkout to measure (default: the one this script lives in);
# its working files are copied as they are, committed or not. The faults are
# read from scripts/faults.txt beside this script (STINT_FAULTS_FILE to use
# another list); naming fault ids runs only those.
#
# Settings, from the environment:
#   STINT_FAULTS_WORKDIR   scratch space (default /tmp/stint-faults); the copy
#                          and its build are kept there between runs, so a
#                          second run only rebuilds what changed
#   STINT_FAULTS_TIMEOUT   seconds a single test may run (default 90)
#   STINT_FAULTS_JOBS      parallel build and test jobs (default 2)
#   STINT_FAULTS_OUT       also write the result lines to this file
#   STINT_FAULTS_CHECK=1   only check that every fault still applies: no
#                          build, no tests
#
# Output: one line per fault,
#   <id> | <area> | <description> | <caught by: test names> or ESCAPED,
#   DOES-NOT-APPLY (its text is no longer in the file) or BUILD-FAILED,
# then a summary. The real tree is never modified.
set -u

here=$(cd "$(dirname "$0")" && pwd)
tree=${1:-$(dirname "$here")}
[ $# -gt 0 ] && shift
tree=$(cd "$tree" && pwd) || { echo "seed-faults: no tree at $1" >&2; exit 2; }
faults=${STINT_FAULTS_FILE:-$here/faults.txt}
work=${STINT_FAULTS_WORKDIR:-/tmp/stint-faults}
timeout=${STINT_FAULTS_TIMEOUT:-90}
jobs=${STINT_FAULTS_JOBS:-2}
out=${STINT_FAULTS_OUT:-}
only=("$@")
check_only=${STINT_FAULTS_CHECK:-0}

copy=$work/tree
build=$work/build
logs=$work/logs
mkdir -p "$copy" "$build" "$logs"
exec 9>"$work/lock"
if ! flock -n 9; then
    echo "seed-faults: another run is using $work" >&2
    exit 2
fi

note() { printf '%s\n' "$*" >&2; }

# ---- Mirror the tree --------------------------------------------------------
# Only files whose content differs are copied, so their new modification time
# makes the build recompile exactly those.
mirror() {
    local list=$work/files
    if git -C "$tree" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        (cd "$tree" && git ls-files -z --cached --others --exclude-standard) >"$list.z"
    else
        (cd "$tree" && find . -path ./build -prune -o -path './build*' -prune -o -path ./.git -prune \
            -o -type f -printf '%P\0') >"$list.z"
    fi
    tr '\0' '\n' <"$list.z" | sort >"$list"
    (cd "$copy" && find . -type f -printf '%P\n' | sort) >"$work/present"
    comm -13 "$list" "$work/present" | while IFS= read -r gone; do rm -f "$copy/$gone"; done
    while IFS= read -r -d '' f; do
        [ -f "$tree/$f" ] || continue
        if ! cmp -s "$tree/$f" "$copy/$f" 2>/dev/null; then
            mkdir -p "$(dirname "$copy/$f")"
            cp -p --no-preserve=timestamps "$tree/$f" "$copy/$f"
        fi
    done <"$list.z"
}

# ---- Build and test ---------------------------------------------------------
# An optimised build without debug information, linked with gold: every
# fault relinks each test against the static libraries, and debug
# information would make those links several times slower. ccache, where
# installed, makes going back to the clean tree after each fault cheap.
configure() {
    local options=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" -DSTINT_BUILD_TESTS=ON)
    command -v ccache >/dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    command -v ld.gold >/dev/null && options+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold)
    if [ -f "$build/build.ninja" ] && [ "$(cat "$build/seed-options" 2>/dev/null)" = "${options[*]}" ]; then
        return 0
    fi
    nice -n 19 cmake -S "$copy" -B "$build" -G Ninja "${options[@]}" >"$logs/configure.log" 2>&1 &&
        printf '%s' "${options[*]}" >"$build/seed-options"
}

# What CTest runs, and what those tests start: every test's executable that
# is a build target, the app itself and whatever the backend's directory
# builds. Nothing else (benchmarks, tools).
targets() {
    local known
    # Regenerate first: the lists below are read from the generated files,
    # which are stale when tests were added or removed since the last run.
    nice -n 19 ninja -C "$build" build.ninja >/dev/null 2>&1
    known=$(ninja -C "$build" -t targets all 2>/dev/null | sed -n 's/^\([A-Za-z0-9_./-]*\): phony$/\1/p')
    {
        ctest --test-dir "$build" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p'
        echo stint
        echo server/all
    } | sort -u | grep -Fxf <(printf '%s\n' "$known") || true
}

build_tests() {
    local log=$1
    local list
    mapfile -t list < <(targets)
    [ ${#list[@]} -gt 0 ] || list=(all)
    nice -n 19 cmake --build "$build" -j "$jobs" --target "${list[@]}" >"$log" 2>&1 || return 1
    # A per-test limit for this run: the tests' own is generous.
    find "$build" -name CTestTestfile.cmake -exec \
        sed -i -E "s/(TIMEOUT \")[0-9]+(\")/\1$timeout\2/g" {} +
}

# ctest_once LOG [CTEST-ARGS...]: prints the names of the failed tests.
ctest_once() {
    local log=$1 failed=$build/Testing/Temporary/LastTestsFailed.log
    shift
    rm -f "$failed"
    QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
        nice -n 19 ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" "$@" >"$log" 2>&1
    [ -f "$failed" ] && sed -n 's/^[0-9]*://p' "$failed" | sort
    return 0
}

# Runs the whole suite and prints the names of the tests that failed, one
# per line. A failure counts only when the test fails again when run once
# more: a test that hangs once under load is not a catch. Those that pass
# the second time are added to $work/flaky.
run_tests() {
    local log=$1 first again
    : >"$work/flaky"
    first=$(ctest_once "$log")
    [ -n "$first" ] || return 0
    again=$(ctest_once "$log.again" -R "^($(paste -sd '|' <<<"$first"))\$")
    comm -23 <(printf '%s\n' "$first") <(printf '%s\n' "$again") >"$work/flaky"
    comm -12 <(printf '%s\n' "$first") <(printf '%s\n' "$again")
}

# ---- The fault list ---------------------------------------------------------
# Blocks separated by blank lines; '#' starts a comment line. Keys:
#   fault    id (letters, digits, dashes)
#   area     the subsystem
#   file     path relative to the tree
#   what     one line on what goes wrong
#   near     optional: the search for `find` starts at the first occurrence
#            of this text, for when `find` alone is not unique
#   find     the exact text to replace (substring; may repeat for more lines)
#   replace  its replacement (empty deletes; may repeat for more lines)
# Values are the rest of the line after the key and one run of blanks.
apply_fault() {
    # apply_fault FILE NEAR FIND REPLACE -> 0 applied, 3 not found, 4 ambiguous
    python3 - "$@" <<'EOF'
import sys
path, near, find, replace = sys.argv[1:5]
with open(path, encoding="utf-8") as f:
    text = f.read()
start = 0
if near:
    start = text.find(near)
    if start < 0:
        sys.exit(3)
at = text.find(find, start)
if at < 0:
    sys.exit(3)
if not near and text.find(find, at + 1) >= 0:
    sys.exit(4)
with open(path, "w", encoding="utf-8") as f:
    f.write(text[:at] + replace + text[at + len(find):])
EOF
}

declare -a F_ID F_AREA F_FILE F_WHAT F_NEAR F_FIND F_REPLACE
parse_faults() {
    local n=-1 key value line
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in '#'*) continue ;; esac
        if [ -z "${line//[[:space:]]/}" ]; then continue; fi
        key=${line%%[[:space:]]*}
        value=${line#"$key"}
        value=${value#"${value%%[![:space:]]*}"}
        case $key in
        fault) n=$((n + 1)); F_ID[n]=$value; F_AREA[n]=; F_FILE[n]=; F_WHAT[n]=
               F_NEAR[n]=; F_FIND[n]=; F_REPLACE[n]=; F_HASREPL[n]= ;;
        area) F_AREA[n]=$value ;;
        file) F_FILE[n]=$value ;;
        what) F_WHAT[n]=$value ;;
        near) F_NEAR[n]=$value ;;
        find) F_FIND[n]=${F_FIND[n]:+${F_FIND[n]}$'\n'}$value ;;
        replace) if [ -n "${F_HASREPL[n]}" ]; then F_REPLACE[n]+=$'\n'$value; else F_REPLACE[n]=$value; F_HASREPL[n]=1; fi ;;
        *) note "seed-faults: $faults: unknown key '$key' in fault ${F_ID[n]:-?}"; exit 2 ;;
        esac
    done <"$faults"
    F_COUNT=$((n + 1))
}

# The faults to run, as indexes: all in file order, or the named ones in the
# order named.
declare -a ORDER
select_faults() {
    local i id found
    if [ ${#only[@]} -eq 0 ]; then
        for ((i = 0; i < F_COUNT; i++)); do ORDER+=("$i"); done
        return
    fi
    for id in "${only[@]}"; do
        found=
        for ((i = 0; i < F_COUNT; i++)); do
            [ "${F_ID[i]}" = "$id" ] && { ORDER+=("$i"); found=1; break; }
        done
        [ -n "$found" ] || { note "seed-faults: no fault '$id' in $faults"; exit 2; }
    done
}

# ---- Main -------------------------------------------------------------------
declare -a F_HASREPL
parse_faults
[ "$F_COUNT" -gt 0 ] || { note "seed-faults: no faults in $faults"; exit 2; }
select_faults

started=$(date +%s)
note "seed-faults: copying $tree to $copy"
mirror
if [ "$check_only" = 1 ]; then
    bad=0
    for i in "${ORDER[@]}"; do
        target=$copy/${F_FILE[i]}
        if [ ! -f "$target" ]; then
            echo "${F_ID[i]} | DOES-NOT-APPLY (no file ${F_FILE[i]})"; bad=$((bad + 1)); continue
        fi
        cp -p "$target" "$work/pristine"
        apply_fault "$target" "${F_NEAR[i]}" "${F_FIND[i]}" "${F_REPLACE[i]}"
        rc=$?
        cp -p "$work/pristine" "$target"
        case $rc in
        0) echo "${F_ID[i]} | applies" ;;
        4) echo "${F_ID[i]} | DOES-NOT-APPLY (text found more than once)"; bad=$((bad + 1)) ;;
        *) echo "${F_ID[i]} | DOES-NOT-APPLY (text not found)"; bad=$((bad + 1)) ;;
        esac
    done
    echo "== ${#ORDER[@]} faults, $bad do not apply"
    exit 0
fi
configure || { note "seed-faults: configure failed, see $logs/configure.log"; exit 1; }
note "seed-faults: building the clean tree"
build_tests "$logs/clean-build.log" || { note "seed-faults: the clean tree does not build, see $logs/clean-build.log"; exit 1; }
t0=$(date +%s)
ctest_once "$logs/clean-test.log" >"$work/clean-failures"
clean_seconds=$(( $(date +%s) - t0 ))
if [ -s "$work/clean-failures" ]; then
    # Counted out only if they fail again.
    run_tests "$logs/clean-test.log" >"$work/clean-failures"
fi
if [ -s "$work/clean-failures" ]; then
    note "seed-faults: these tests fail on the clean tree and are not counted as catches: $(tr '\n' ' ' <"$work/clean-failures")"
fi
note "seed-faults: the clean suite takes ${clean_seconds}s"

results=$work/results
: >"$results"
seeded=0 caught=0 escaped=0 missing=0 broken=0
[ -n "$out" ] && : >"$out"
n=0
for i in "${ORDER[@]}"; do
    n=$((n + 1))
    id=${F_ID[i]}
    file=${F_FILE[i]}
    line_prefix="$id | ${F_AREA[i]} | ${F_WHAT[i]}"
    target=$copy/$file
    verdict=
    if [ ! -f "$target" ]; then
        verdict="DOES-NOT-APPLY (no file $file)"
    else
        cp -p "$target" "$work/pristine"
        apply_fault "$target" "${F_NEAR[i]}" "${F_FIND[i]}" "${F_REPLACE[i]}"
        case $? in
        0) ;;
        3) verdict="DOES-NOT-APPLY (text not found in $file)" ;;
        4) verdict="DOES-NOT-APPLY (text found more than once in $file; add 'near')" ;;
        *) verdict="DOES-NOT-APPLY (could not edit $file)" ;;
        esac
    fi
    if [ -z "$verdict" ]; then
        note "seed-faults: [$n/${#ORDER[@]}] $id"
        if ! build_tests "$logs/$id-build.log"; then
            verdict=BUILD-FAILED
        else
            failed=$(run_tests "$logs/$id-test.log" | grep -Fvxf "$work/clean-failures" | tr '\n' ' ')
            failed=${failed% }
            if [ -n "$failed" ]; then verdict="caught by: $failed"; else verdict=ESCAPED; fi
            if [ -s "$work/flaky" ]; then
                verdict+=" (failed once, then passed: $(tr '\n' ' ' <"$work/flaky" | sed 's/ $//'))"
            fi
        fi
        # Back to the clean file, with a new time so that it is rebuilt.
        cp "$work/pristine" "$target"
        touch "$target"
    fi
    case $verdict in
    caught*) seeded=$((seeded + 1)); caught=$((caught + 1)) ;;
    ESCAPED) seeded=$((seeded + 1)); escaped=$((escaped + 1)) ;;
    BUILD-FAILED) broken=$((broken + 1)) ;;
    *) missing=$((missing + 1)) ;;
    esac
    printf '%s | %s\n' "$line_prefix" "$verdict" | tee -a "$results"
    [ -n "$out" ] && printf '%s | %s\n' "$line_prefix" "$verdict" >>"$out"
done

total=$(( $(date +%s) - started ))
summary="$seeded seeded, $caught caught, $escaped escaped, $missing not applicable, $broken did not build (clean suite ${clean_seconds}s, whole run ${total}s)"
echo "== $summary"
[ -n "$out" ] && echo "== $summary" >>"$out"
exit 0
