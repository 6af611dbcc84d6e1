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

echo "== Sanitizer build =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON
cmake --build "$root/build-asan" --parallel "$jobs"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:suppressions=$root/tests/asan.supp"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
(cd "$root/build-asan" && ctest --output-on-failure --parallel "$jobs")
