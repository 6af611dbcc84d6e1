#!/usr/bin/env bash
# orca-session.sh VESK KEY...
# What a real screen reader says: starts vesk under Xvfb with a window
# manager, a private D-Bus session, the AT-SPI bus and Orca logging to a
# debug file (no speech engine needed), presses the given keys (xdotool key
# names, e.g. ctrl+5 Tab Down), and prints, under each key, every line Orca
# would have spoken after it. Fails with Orca's own words when Orca does not
# start (for one, while another Orca of the same user runs). Installs what
# it needs the first time. The screen-reader test (tests/screenreader)
# listens to every flow; this is for a look by hand.
#
#   ./scripts/orca-session.sh build/vesk/vesk ctrl+5 ctrl+2 Tab Down
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 VESK [KEY...]" >&2; exit 2; }
vesk=$(realpath "$1")
shift
"$root/scripts/install-deps.sh" >/dev/null
exec "$root/tests/accessibility/run-bus-test.sh" python3 "$root/tests/screenreader/speak.py" \
    "$vesk" "$@"
