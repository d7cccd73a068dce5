#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh [DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache may reuse objects between checkouts in different folders (CI builds a fresh clone).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
dir=${1:-build}
shift || true
if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
else
    cmake -S . -B "$dir" "$@" >/dev/null
fi
ninja -C "$dir" -j"$(nproc)"
