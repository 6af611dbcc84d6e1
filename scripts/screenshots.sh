#!/usr/bin/env bash
# Regenerates the README's screenshots with vesk-snapshot: each section in
# the light and the dark appearance at the default 1100 x 760 window size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target vesk-snapshot
snapshot="$root/build/tools/vesk-snapshot"

mkdir -p "$out"
# file name, section, extra options
shots=(
    "inici:Inici:"
    "neteja:Neteja:--phase results"
    "espai:Espai:"
    "aplicacions:Aplicacions:"
    "rendiment:Rendiment:"
    "privacitat:Privacitat:"
    "historial:Historial:"
)
for shot in "${shots[@]}"; do
    IFS=: read -r name section extra <<<"$shot"
    for appearance in Clar Fosc; do
        file="$out/$name-$(tr '[:upper:]' '[:lower:]' <<<"$appearance").png"
        # shellcheck disable=SC2086 # extra holds separate options
        QT_QPA_PLATFORM=offscreen "$snapshot" --section "$section" --appearance "$appearance" \
            --size 1100x760 $extra --out "$file" 2>/dev/null
        echo "$file"
    done
done
