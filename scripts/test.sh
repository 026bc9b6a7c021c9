#!/bin/sh
# Builds Stint and runs the whole test suite: every test once in a normal
# build, once more under AddressSanitizer + UndefinedBehaviorSanitizer, then
# the decoders' fuzz targets for a bounded time.
#
#   scripts/test.sh                 everything
#   STINT_FUZZ_SECONDS=10 scripts/test.sh
set -eu

cd "$(dirname "$0")/.."
JOBS=$(nproc 2>/dev/null || echo 2)
FUZZ_SECONDS=${STINT_FUZZ_SECONDS:-60}

export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software

echo "== Formatting (.clang-format)"
find common src server tools tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

echo "== Build and test"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTINT_WERROR=ON
cmake --build build-test -j "$JOBS"
ctest --test-dir build-test --output-on-failure -j "$JOBS" -E tst_e2e
echo "== Three backend replicas behind HAProxy: restarts, a crash, the rate limit" && scripts/test-replicas.py build-test

# The end-to-end run drives a whole desktop (Xvfb, openbox, trayer, a keyring
# on a private bus) with real clicks and keys; alone, so that nothing else
# competes with it for the machine.
echo "== End-to-end (real desktop session)"
ctest --test-dir build-test --output-on-failure -R tst_e2e

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTINT_SANITIZE=ON -DSTINT_WERROR=ON
cmake --build build-asan -j "$JOBS"
# The end-to-end run drives a whole desktop (X server, window manager, tray,
# keyring) whose timing a sanitized app throws off; it runs in the normal
# build above.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$JOBS" -E tst_e2e

echo "== Fuzz the decoders for ${FUZZ_SECONDS}s each"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DSTINT_FUZZ=ON -DSTINT_BUILD_TESTS=OFF
cmake --build build-fuzz -j "$JOBS" --target stint-fuzz-tasks stint-fuzz-events stint-fuzz-idtoken stint-fuzz-request
fuzz/run.sh build-fuzz "$FUZZ_SECONDS"

echo "== Debian package: build, lintian, install, start, remove"
scripts/test-deb.sh build-deb

echo "== All tests passed"
