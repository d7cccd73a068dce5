#!/usr/bin/env bash
# Sets up and runs every test: unit and widget tests, end-to-end tests on Xvfb with openbox, the
# unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each
# fuzz target. The last lines are CTest's summary of the main test run.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1
export QT_QPA_PLATFORM=offscreen
status=0

echo "== layers"
python3 scripts/check-layers.py || status=1

echo "== build"
scripts/build.sh build || exit 1

echo "== build with sanitizers"
scripts/build.sh build-asan -DQUORIX_SANITIZE=ON -DQUORIX_BUILD_BENCH=OFF || exit 1

echo "== build fuzz targets"
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
if [[ ! -f build-fuzz/build.ninja ]]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORIX_FUZZ=ON -DQUORIX_BUILD_TESTS=OFF -DQUORIX_BUILD_BENCH=OFF || exit 1
fi
ninja -C build-fuzz -j"$(nproc)" fuzz_targets || exit 1

echo "== fuzz (${QUORIX_FUZZ_SECONDS:=20} s each)"
for target in build-fuzz/tests/fuzz/fuzz_*; do
    [[ -f "$target" && -x "$target" ]] || continue
    name=$(basename "$target")
    corpus=$(mktemp -d)
    [[ -d tests/fuzz/corpus/$name ]] && cp -r "tests/fuzz/corpus/$name/." "$corpus/"
    if "$target" "$corpus" -max_total_time="$QUORIX_FUZZ_SECONDS" -rss_limit_mb=2048 -timeout=10 -max_len=262144 \
        -print_final_stats=0 >"build-fuzz/$name.log" 2>&1; then
        echo "$name: clean ($(grep -c '' "build-fuzz/$name.log") log lines)"
    else
        echo "$name: FAILED"; tail -n 40 "build-fuzz/$name.log"; status=1
    fi
    rm -rf "$corpus"
done

echo "== unit tests with sanitizers"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan -L unit --output-on-failure -j2 || status=1

echo "== unit, widget and end-to-end tests"
ctest --test-dir build --output-on-failure -j2 || status=1
exit $status
