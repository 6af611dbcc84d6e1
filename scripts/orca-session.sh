#!/usr/bin/env bash
# orca-session.sh VESK KEY...
# What a real screen reader says: starts vesk under Xvfb with a window
# manager, a private D-Bus session, the AT-SPI bus and Orca logging to a
# debug file (no speech engine needed), presses the given keys (xdotool key
# names, e.g. ctrl+5 Tab Down), and prints every line Orca would have spoken.
# Installs Orca and Openbox the first time. Not part of the test command: a
# check to run by hand after changing what a screen reader hears.
#
#   ./scripts/orca-session.sh build/vesk/vesk ctrl+5 ctrl+2 Tab Down
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vesk=$(realpath "$1")
shift

missing=()
for package in orca openbox; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
"$root/scripts/install-deps.sh"

work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
exec 3>&-
export DISPLAY=":$(head -1 "$work/display")"

dbus-run-session -- bash -c '
    work=$1 vesk=$2
    shift 2
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    openbox >/dev/null 2>&1 &
    sleep 1
    gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true 2>/dev/null || true
    orca --debug-file="$work/orca.log" >/dev/null 2>&1 &
    orca=$!
    sleep 4
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$vesk" >/dev/null 2>&1 &
    app=$!
    sleep 4
    window=$(xdotool search --name "^vesk$" | head -1)
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 1
    for name in "$@"; do
        echo "== $name" >>"$work/keys"
        xdotool key "$name"
        sleep 2
    done
    kill "$app" "$orca" 2>/dev/null
    sleep 1
' bash "$work" "$vesk" "$@" 2>/dev/null

sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/p" "$work/orca.log"
