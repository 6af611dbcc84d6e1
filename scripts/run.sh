#!/usr/bin/env bash
# Builds vesk (installing what it needs) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target vesk
exec "$root/build/vesk/vesk" "$@"
