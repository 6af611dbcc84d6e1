#!/usr/bin/env bash
# Resident memory of the real vesk window over SWITCHES section switches
# (default 6000) typed with xdotool on Xvfb; prints a line every 1000.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-release" --target vesk
exec "$root/tests/accessibility/run-bus-test.sh" /usr/bin/python3 \
    "$root/tests/accessibility/window_soak.py" "$root/build-release/vesk/vesk" "${1:-6000}"
