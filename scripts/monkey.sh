#!/usr/bin/env bash
# A long, reproducible UI monkey run over the real widgets.
#   scripts/monkey.sh [SEED] [EVENTS] [BUILD_DIR]
# Defaults: seed 1, 100000 events, the sanitizer build of scripts/test.sh
# (build-asan) when it exists, else build/. A failure names the seed and the
# event number; run again with the same seed to replay it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seed=${1:-1}
events=${2:-100000}
build=${3:-}
if [[ -z "$build" ]]; then
    build="$root/build-asan"
    [[ -x "$build/tests/vesk/tst_Reliability" ]] || build="$root/build"
fi
if [[ ! -x "$build/tests/vesk/tst_Reliability" ]]; then
    echo "No test build in $build: run ./scripts/test.sh first." >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export VESK_MONKEY_SEED="$seed" VESK_MONKEY_EVENTS="$events"
# QtTest stops a test function after 5 minutes; a long run takes longer.
export QTEST_FUNCTION_TIMEOUT=86400000
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
exec "$build/tests/vesk/tst_Reliability" monkey
