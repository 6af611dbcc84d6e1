#!/usr/bin/env bash
# Builds and runs the whole suite three times: a normal build, a build under
# AddressSanitizer and UndefinedBehaviorSanitizer that stops at the first
# report, and the Qt 6.8 stage (scripts/qt68-stage.sh): Debian 13's Qt in a
# root filesystem of its own, configured as a build off Debian is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)
started=$SECONDS
stage_times=()
timed() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    stage_times+=("$name: $((SECONDS - start)) s")
}

normal() {
    cmake --preset default -S "$root"
    cmake --build "$root/build" --parallel "$jobs"
    (cd "$root/build" && ctest --output-on-failure --parallel "$jobs")
}

sanitized() {
    cmake --preset asan -S "$root"
    cmake --build "$root/build-asan" --parallel "$jobs"
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:suppressions=$root/tests/asan.supp"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    (cd "$root/build-asan" && ctest --output-on-failure --parallel "$jobs")
}

echo "== Normal build =="
timed "normal build and tests" normal
echo "== Sanitizer build =="
timed "sanitizer build and tests" sanitized
echo "== Qt 6.8 stage =="
timed "Qt 6.8 stage" "$root/scripts/qt68-stage.sh"

printf '%s\n' "${stage_times[@]}" "whole test command: $((SECONDS - started)) s"
