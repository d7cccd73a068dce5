#!/usr/bin/env bash
# Configures and builds one build tree:
#   scripts/build.sh [DIR] [--target NAME]... [extra cmake arguments...]
# Without --target it builds everything (the program, the tests and the benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache may reuse objects between checkouts in different folders (CI builds a fresh clone).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
dir=${1:-build}
shift || true
targets=()
cmake_arguments=()
while (($#)); do
    if [[ "$1" == --target ]]; then
        targets+=("${2:?--target needs a name}")
        shift 2
    else
        cmake_arguments+=("$1")
        shift
    fi
done
if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_arguments[@]}"
else
    cmake -S . -B "$dir" "${cmake_arguments[@]}" >/dev/null
fi
ninja -C "$dir" -j"$(nproc)" "${targets[@]}"
