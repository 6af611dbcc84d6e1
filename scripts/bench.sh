#!/usr/bin/env bash
# Builds an optimised vesk (installing what it needs) and runs vesk-bench.
# Arguments go to vesk-bench (--runs N, --switches N).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVESK_BUILD_TESTS=OFF
cmake --build "$root/build-release" --target vesk-bench
exec "$root/build-release/bench/vesk-bench" "$@"
