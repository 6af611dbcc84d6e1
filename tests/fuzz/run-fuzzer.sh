#!/usr/bin/env bash
# run-fuzzer.sh FUZZER CORPUS WORK_DIR SECONDS
# Runs the settings-file fuzzer (built by the build) for SECONDS over the seed
# corpus; fails on any crash or broken property. New inputs it finds stay in
# WORK_DIR, never in the sources.
set -euo pipefail
fuzzer=$1
corpus=$2
work=$3
seconds=$4
mkdir -p "$work/found"
# The seeds first, then as many inputs as the time allows.
ASAN_OPTIONS=detect_leaks=1 "$fuzzer" -max_total_time="$seconds" -timeout=5 \
    -max_len=4096 -print_final_stats=1 "$work/found" "$corpus"
