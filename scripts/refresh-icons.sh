#!/usr/bin/env bash
# Refreshes the bundled icons from the npm package @phosphor-icons/core (MIT).
# vesk names its icons by the platform symbol names its data and screens use;
# vesk/icons/symbols.tsv maps each to a Phosphor icon and weight, and this
# script copies that SVG to vesk/icons/svg/<symbol>.svg with the licence.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm install --silent --no-audit --no-fund @phosphor-icons/core >/dev/null)
package="$work/node_modules/@phosphor-icons/core"
out="$root/vesk/icons/svg"
rm -rf "$out"
mkdir -p "$out"

grep -v '^#' "$root/vesk/icons/symbols.tsv" | while IFS=$'\t' read -r symbol icon weight; do
    [ -n "$symbol" ] || continue
    suffix=""
    [ "$weight" = regular ] || suffix="-$weight"
    cp "$package/assets/$weight/$icon$suffix.svg" "$out/$symbol.svg"
done
cp "$package/LICENSE" "$root/vesk/icons/LICENSE"
version=$(sed -n 's/.*"version": *"\([^"]*\)".*/\1/p' "$package/package.json" | head -n 1)
echo "@phosphor-icons/core $version" > "$root/vesk/icons/VERSION"
echo "Copied $(ls "$out" | wc -l) icons from @phosphor-icons/core $version"
