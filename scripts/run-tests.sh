#!/usr/bin/env bash
# Sets up and runs every test: the layer check, unit and widget tests, end-to-end tests on Xvfb
# with openbox, the unit tests again under AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer, and the fuzz targets for a shared time budget. Each phase says how
# long it took; the output ends with CTest's summary of the main test run and the table of phases.
#
#   QUORIX_FUZZ_SECONDS   wall-clock seconds for the whole fuzz phase (default 60), shared by all
#                         targets, two of them running at a time
set -uo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
SOURCE_DIR=$PWD
status=0

PHASES=()
# Prints how long each phase took, however the run ends.
print_phase_times() {
    echo "== time per phase"
    local line
    for line in "${PHASES[@]}"; do echo "$line"; done
    echo "   total: $SECONDS s"
}
trap print_phase_times EXIT

# run_phase NAME COMMAND...: runs one phase and notes its time and result.
run_phase() {
    local name=$1 start=$SECONDS result
    shift
    echo "== $name"
    "$@"
    result=$?
    local verdict=ok
    ((result == 0)) || verdict=FAILED
    PHASES+=("$(printf '   %-22s %5d s  %s' "$name" $((SECONDS - start)) "$verdict")")
    echo "== $name: $verdict after $((SECONDS - start)) s"
    return $result
}

build_fuzz_targets() {
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    if [[ ! -f build-fuzz/build.ninja ]]; then
        cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DQUORIX_FUZZ=ON -DQUORIX_BUILD_TESTS=OFF -DQUORIX_BUILD_BENCH=OFF || return 1
    fi
    ninja -C build-fuzz -j"$(nproc)" fuzz_targets
}

# Leaks are reported, except what the libraries under Quorix keep for the life of the process.
export LSAN_OPTIONS="suppressions=$SOURCE_DIR/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# fuzz_one TARGET SECONDS: one fuzz target from its seed corpus; its log, the inputs it found and
# any crash file stay in build-fuzz/fuzz/.
fuzz_one() {
    local target=$1 seconds=$2 name
    name=$(basename "$target")
    local work=build-fuzz/fuzz/$name
    rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
    [[ -d tests/fuzz/corpus/$name ]] && cp -r "tests/fuzz/corpus/$name/." "$work/corpus/"
    if "$target" "$work/corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=262144 \
        -artifact_prefix="$work/artifacts/" -print_final_stats=0 >"$work/log" 2>&1; then
        echo "$name: clean for $seconds s ($(grep -c '' "$work/log") log lines)"
    else
        # One write, so that the report does not mix with the other lane's.
        printf '%s\n%s\n' "$name: FAILED (crash files in $work/artifacts/)" "$(tail -n 40 "$work/log")"
        return 1
    fi
}

# Runs every fuzz target, two at a time, within QUORIX_FUZZ_SECONDS altogether.
fuzz_all() {
    local targets=() target
    for target in build-fuzz/tests/fuzz/fuzz_*; do
        [[ -f "$target" && -x "$target" ]] && targets+=("$target")
    done
    ((${#targets[@]})) || { echo "no fuzz targets built"; return 1; }
    local lanes=2 total=${QUORIX_FUZZ_SECONDS:-60}
    local rounds=$(((${#targets[@]} + lanes - 1) / lanes))
    local each=$((total / rounds))
    ((each >= 1)) || each=1
    echo "${#targets[@]} targets, $each s each, $lanes at a time"
    local failed=0 running=0
    for target in "${targets[@]}"; do
        if ((running == lanes)); then
            wait -n || failed=1
            running=$((running - 1))
        fi
        fuzz_one "$target" "$each" &
        running=$((running + 1))
    done
    while ((running > 0)); do
        wait -n || failed=1
        running=$((running - 1))
    done
    return $failed
}

asan_unit_tests() {
    # Full stacks for every allocation: the fast unwinder stops inside GLib, where a suppression
    # for a library below it could not see that library.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
        ctest --test-dir build-asan -L unit --output-on-failure -j2
}

run_phase "setup" scripts/setup.sh || exit 1
run_phase "layers" python3 scripts/check-layers.py || status=1
run_phase "build" scripts/build.sh build || exit 1
run_phase "asan build" scripts/build.sh build-asan -DQUORIX_SANITIZE=ON -DQUORIX_BUILD_BENCH=OFF || exit 1
run_phase "fuzz build" build_fuzz_targets || exit 1
run_phase "fuzz" fuzz_all || status=1
run_phase "asan unit tests" asan_unit_tests || status=1
run_phase "main ctest" ctest --test-dir build --output-on-failure -j2 || status=1
exit $status
