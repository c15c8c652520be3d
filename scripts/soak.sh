#!/bin/bash
# The soak run (make soak): the random learner over every screen at 800x600, 1024x768, 1024x600
# and 1280x1024, SOAK_SEEDS seeds of SOAK_EVENTS events each per size (25 x 10,000: a million
# events in all), under AddressSanitizer and UndefinedBehaviorSanitizer, two sizes at a time.
# The first fault stops the run; its report names the size, seed and step and the command that
# replays them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset test >/dev/null
cmake --build --preset test --target waermebehandlung-soak
bin=$root/build/test/tests/waermebehandlung-soak
seeds=${SOAK_SEEDS:-25}
events=${SOAK_EVENTS:-10000}
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
start=$(date +%s)
pids=()
stop() { kill "${pids[@]}" 2>/dev/null || true; }
trap stop EXIT
run_pair() {
    pids=()
    for size in "$@"; do
        "$bin" --size "$size" --seeds "1-$seeds" --events "$events" &
        pids+=($!)
    done
    for _ in "$@"; do
        if ! wait -n; then
            echo "soak: FAILED (the replay command is in the report above)" >&2
            exit 1
        fi
    done
}
run_pair 800x600 1024x768
run_pair 1024x600 1280x1024
total=$((4 * seeds * events))
seconds=$(($(date +%s) - start))
echo "soak: $total events in $seconds s ($((total / (seconds > 0 ? seconds : 1))) events/s), no fault"
