#!/usr/bin/env bash
# Builds and runs the whole suite twice: a normal build, then a build under
# AddressSanitizer and UndefinedBehaviorSanitizer that stops at the first report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)

echo "== Normal build =="
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --parallel "$jobs"
(cd "$root/build" && ctest --output-on-failure --parallel "$jobs")

echo "== Portable configuration: no D-Bus, fonts in a folder of their own =="
# What a build off Debian looks like: the code outside the Linux-only pieces
# compiles on its own, and the fonts are found where VESK_FONT_DIR says.
fonts=$(mktemp -d)
trap 'rm -rf "$fonts"' EXIT
cp /usr/share/fonts/opentype/inter/Inter-{Regular,Medium,SemiBold,Bold}.otf \
   /usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf "$fonts/"
rm -rf "$root/build-portable"
cmake -S "$root" -B "$root/build-portable" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DVESK_USE_DBUS=OFF -DVESK_BUILD_TESTS=OFF -DVESK_FONT_DIR="$fonts"
if grep -E '^VESK_FONT_.*:FILEPATH=' "$root/build-portable/CMakeCache.txt" | grep -v "=$fonts/"; then
    echo "FAIL: a font was taken from outside VESK_FONT_DIR" >&2
    exit 1
fi
if grep -qE 'libQt6DBus|VESK_HAS_DBUS' "$root/build-portable/build.ninja"; then
    echo "FAIL: the build links Qt D-Bus though it was turned off" >&2
    exit 1
fi
cmake --build "$root/build-portable" --parallel "$jobs" --target vesk vesk-snapshot
QT_QPA_PLATFORM=offscreen "$root/build-portable/tools/vesk-snapshot" --out "$fonts/home.png"
echo "Portable build: vesk and vesk-snapshot built and ran without D-Bus"

echo "== Sanitizer build =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON
cmake --build "$root/build-asan" --parallel "$jobs"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:suppressions=$root/tests/asan.supp"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
(cd "$root/build-asan" && ctest --output-on-failure --parallel "$jobs")
