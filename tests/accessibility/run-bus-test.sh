#!/usr/bin/env bash
# run-bus-test.sh PYTHON SCRIPT HOST [ARGS...]
# Runs SCRIPT against HOST on a private X server (Xvfb), a private D-Bus
# session and its own AT-SPI bus; every process started here ends with it.
set -euo pipefail
python=$1
script=$2
shift 2

workdir=$(mktemp -d)
cleanup() {
    [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp -noreset >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$workdir/display" ]] && break
    sleep 0.05
done
exec 3>&-
[[ -s "$workdir/display" ]] || { echo "Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -1 "$workdir/display")"

export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export VESK_A11Y_WORKDIR="$workdir"
# dbus-run-session ends the session bus, and with it the AT-SPI bus launcher
# and registry it activated, when the script returns.
dbus-run-session -- bash -c '
    "${AT_SPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    "$@"
' bash "$python" "$script" "$@" 2> >(grep --line-buffered -v "Failed to set fd limit" >&2)
