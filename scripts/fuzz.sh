#!/bin/bash
# Fuzzes the conversion of typed numbers: with libFuzzer where clang has it, for FUZZ_SECONDS
# (default 120); otherwise a seeded random loop of FUZZ_RUNS texts (default 2 million). Both
# run under AddressSanitizer and UndefinedBehaviorSanitizer; a fault stops the run with the text.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
mkdir -p "$out"
sources=("$root/fuzz/NumberFuzz.cpp" "$root/platform/Numbers.cpp")
flags=(-std=c++20 -g -O1 -I"$root" -fno-omit-frame-pointer -fno-sanitize-recover=all)
if command -v clang++ >/dev/null &&
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o "$out/probe" 2>/dev/null; then
    clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined "${sources[@]}" -o "$out/number-fuzz"
    mkdir -p "$out/corpus"
    for s in 2 999 "2,5" " 2 " 1e400 1e-400 "%s%n" 0x10 nan 1.5 "+.5e+5"; do
        printf '%s' "$s" >"$out/corpus/$(printf '%s' "$s" | md5sum | cut -c1-12)"
    done
    "$out/number-fuzz" -max_total_time="${FUZZ_SECONDS:-120}" -timeout=5 -max_len=64 -artifact_prefix="$out/" \
        -print_final_stats=1 "$out/corpus"
else
    g++ "${flags[@]}" -fsanitize=address,undefined "${sources[@]}" "$root/fuzz/RandomLoop.cpp" \
        -o "$out/number-fuzz-loop"
    "$out/number-fuzz-loop" "${FUZZ_RUNS:-2000000}" 1
fi
