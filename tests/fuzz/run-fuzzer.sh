#!/usr/bin/env bash
# run-fuzzer.sh SOURCE_DIR WORK_DIR SECONDS
# Builds the settings-file fuzzer with clang's libFuzzer (and ASan, UBSan)
# and runs it for SECONDS over the seed corpus; fails on any crash or broken
# property. New inputs it finds stay in WORK_DIR, never in the sources.
set -euo pipefail
source=$1
work=$2
seconds=$3
mkdir -p "$work/found"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -I"$source" $(pkg-config --cflags Qt6Core))
clang++ "${flags[@]}" "$source/tests/fuzz/IniDocumentFuzzer.cpp" "$source/VeskCore/IniDocument.cpp" \
        $(pkg-config --libs Qt6Core) -o "$work/ini-fuzzer"
# The seeds first, then as many inputs as the time allows.
ASAN_OPTIONS=detect_leaks=1 "$work/ini-fuzzer" -max_total_time="$seconds" -timeout=5 \
    -max_len=4096 -print_final_stats=1 "$work/found" "$source/tests/fuzz/corpus"
